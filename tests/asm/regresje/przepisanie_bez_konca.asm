x equ equ 5
