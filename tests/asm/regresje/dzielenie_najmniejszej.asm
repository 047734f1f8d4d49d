x equ 2147483647+1
m equ 0-1
  mov a, #x/m
  db x*m, x-m
