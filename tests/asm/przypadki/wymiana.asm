; XCH, XCHD, MOVC, MOVX, PUSH and POP.
        xch a, r0          ; = C8
        xch a, r7          ; = CF
        xch a, 30h         ; = C5 30
        xch a, @r1         ; = C7
        xchd a, @r0        ; = D6
        xchd a, @r1        ; = D7
        xch b, r0          ; error: "Oczekiwano: a"
        xchd a, r0         ; error: "Oczekiwano: Rn, Ri, direct"
        xch a, #5          ; error: "Oczekiwano: Rn, Ri, direct"
        xch a, tr0         ; error: "Oczekiwano liczby"
        xch a              ; error: "Oczekiwano argumentu"
        xch a, r0, r1      ; error: "Rozkaz pobiera  2 argumenty "
        movc a, @a+dptr    ; = 93
        movc a, @A+PC      ; = 83
        movc a, @dptr      ; error: "Oczekiwano: @A+DPTR, @A+PC"
        movc b, @a+pc      ; error: "Oczekiwano 2-ch ragumentow, pierwszy: a"
        movc a, @a+pc, 1   ; error: "Rozkaz pobiera tylko 2 argumenty"
        movx a, @dptr      ; = E0
        movx a, @r0        ; = E2
        movx a, @r1        ; = E3
        movx @r0, a        ; = F2
        movx @r1, a        ; = F3
        movx @dptr, a      ; = F0
        movx a, 30h        ; error: "Oczekiwano: a,Ri ; a,@dptr"
        movx @r0, b        ; error: "Oczekiwano: a"
        movx @dptr, r0     ; error: "Oczekiwano: a"
        movx r0, a         ; error: "Oczekiwano: A, Ri, @dptr"
        movx a             ; error: "Oczekiwano 2-ch ragumentow"
        push acc           ; = C0 E0
        push a             ; = C0 E0
        push #30h          ; = C0 30
        pop psw            ; = D0 D0
        pop 7              ; = D0 07
        push tr0           ; error: "Nieznana Liczba"
        pop                ; error: "Oczekiwano argumentu"
        push a, b          ; error: "Rozkaz pobiera tylko jeden argument"
        movc b, @a+pc, 1   ; error: "Rozkaz pobiera tylko 2 argumenty"
        movc a             ; error: "Oczekiwano 2-ch ragumentow, pierwszy: a"
        movc               ; error: "Oczekiwano 2-ch ragumentow, pierwszy: a"
        push               ; error: "Oczekiwano argumentu"
        pop a, b           ; error: "Rozkaz pobiera tylko jeden argument"
        xchd a             ; error: "Oczekiwano argumentu"
        xchd a, @r0, x     ; error: "Rozkaz pobiera  2 argumenty "
        movx a, @r0, x     ; error: "Rozkaz pobiera tylko 2 argumenty"
        xch a, nic         ; error: "Oczekiwano: Rn, Ri, direct"
        xch a, p1          ; = C5 90
        xch A, R3          ; = CB
        xch a, a           ; error: "Oczekiwano: Rn, Ri, direct"
        xchd a, 30h        ; error: "Oczekiwano: Rn, Ri, direct"
        xchd b, @r0        ; error: "Oczekiwano: a"
        xch a, 300h        ; = C5 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        movx @r1, #1       ; error: "Oczekiwano: a"
        movx a, a          ; error: "Oczekiwano: a,Ri ; a,@dptr"
        movx 30h, a        ; error: "Oczekiwano: A, Ri, @dptr"
        movx dptr, a       ; error: "Oczekiwano: A, Ri, @dptr"
        MOVX A, @DPTR      ; = E0
        push 300h          ; = C0 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        push r0            ; = C0 ; error: "Nieznana Liczba"
stos    equ 7
        pop #stos          ; = D0 07
