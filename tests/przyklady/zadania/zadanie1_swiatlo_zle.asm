; Światło biegnie w złą stronę (RR zamiast RL).
        org 0
start:  mov a,#0FEh
petla:  mov p1,a
        acall czekaj
        rr a
        sjmp petla

czekaj: mov r6,#20
cz1:    mov r7,#248
        djnz r7,$
        djnz r6,cz1
        ret
