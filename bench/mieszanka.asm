; A realistic instruction mix for measuring emulation speed (as31 syntax):
; arithmetic and logic on registers, INC/DEC, DJNZ, CJNE, MOVX, MOVC and
; LCALL/RET, with timer 0 in mode 1 interrupting every 1,024 cycles.
; Runs OUTER x 256 x 256 inner iterations, then stops at `sjmp done` (0200h).
        .equ OUTER, 6
        .org 0
        ljmp start
        .org 0x0B               ; timer 0 interrupt
        push acc
        inc 0x31
        mov th0,#0xFC
        pop acc
        reti
        .org 0x40
start:  mov sp,#0x60
        mov tmod,#0x01
        mov th0,#0xFC
        mov ie,#0x82
        setb tr0
        mov dptr,#0x1000
        mov r1,#OUTER
l1:     mov r6,#0
l2:     mov r7,#0
l3:     mov a,r2
        add a,#0x11
        addc a,r3
        subb a,#0x05
        anl a,#0x7F
        orl a,r4
        xrl a,#0x5A
        mov r2,a
        inc r3
        dec r4
        inc dptr
        movx @dptr,a
        movx a,@dptr
        mov a,r3
        anl a,#0x0F
        movc a,@a+pc
        cjne a,#0x07,dalej
        inc 0x30
dalej:   lcall rutyna
        djnz r7,l3
        djnz r6,l2
        djnz r1,l1
        ljmp done
rutyna:    mov r5,a
        ret
        .org 0x0200
done:   sjmp done
