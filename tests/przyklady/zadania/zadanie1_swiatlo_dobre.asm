; Biegnące światło: 9 989 cykli na położenie.
        org 0
start:  mov a,#0FEh
petla:  mov p1,a
        acall czekaj
        rl a
        sjmp petla

czekaj: mov r6,#20              ; 20 x 499 cykli
cz1:    mov r7,#248
        djnz r7,$
        djnz r6,cz1
        ret
