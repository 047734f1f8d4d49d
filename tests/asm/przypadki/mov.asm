; MOV in every form, by the class of its operands.
        mov a, #5          ; = 74 05
        MOV A, R7          ; = EF
        mov a,@r1          ; = E7
        mov a, 30h         ; = E5 30
        mov a, acc         ; = E5 E0
        mov a, a           ; error: "Oczekiwano: Rn, direct, Ri, #data"
        mov a, @dptr       ; error: "Oczekiwano: Rn, direct, Ri, #data"
        mov a, #nieznana   ; error: "Oczekiwano: Rn, direct, Ri, #data"
        mov a, tr0         ; = E5 ; error: "Nieznana Liczba"
        mov c, p3.2        ; = A2 B2
        mov C, 20h         ; = A2 20
        mov c, tr0         ; = A2 8C
        mov c, 300h        ; error: "Oczekiwano adresu bitu" ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        mov r3,#0FFh       ; = 7B FF
        mov r0, a          ; = F8
        mov r7, p1         ; = AF 90
        mov r1, @r0        ; error: "Oczekiwano: a, direct, #data"
        mov 30h, #12h      ; = 75 30 12
        mov p1, a          ; = F5 90
        mov acc.7, c       ; = 92 E7
        mov 30h, c         ; = 92 30
        mov 30h, r5        ; = 8D 30
        mov 30h, 40h       ; = 85 30 40
        mov dpl, psw       ; = 85 82 D0
        mov 30h, @r1       ; = 87 30
        mov 30h, dptr      ; error: "Oczekiwano: a, Rn, Ri, direct, #data"
        mov tr0, 30h       ; = 85 ; error: "Oczekiwano zmiennej bitowej 'c' "
        mov tr0, #1        ; error: "Nieznana Liczba"
        mov @r0, #7        ; = 76 07
        mov @r1, a         ; = F7
        mov @r0, 30h       ; = A6 30
        mov @R1, r1        ; error: "Oczekiwano: a, Rn, direct"
        mov dptr, #1234h   ; = 90 12 34
        mov DPTR, #tabela  ; = 90 01 00
        mov dptr, 1234h    ; error: "Oczekiwano liczby"
        mov dptr, #12345h  ; = 90 23 45 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFFFh (65535)"
        mov dptr, #0-2     ; = 90 00 FE
        mov #5, a          ; error: "Oczekiwano: A, Rn, direct, Ri, dptr"
        mov @dptr, a       ; error: "Oczekiwano: A, Rn, direct, Ri, dptr"
        mov a              ; error: "Oczekiwano 2-ch ragumentow"
        mov                ; error: "Oczekiwano 2-ch ragumentow"
        mov a, b, c        ; error: "Rozkaz pobiera tylko 2 argumenty"
        mov a, #300        ; = 74 2C ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        mov 300h, a        ; = F5 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        mov 300h, #5       ; = 75 00 05
        mov 30h, #300      ; = 75 30 2C ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        mov a, ##5         ; error: "Oczekiwano: Rn, direct, Ri, #data"
        mov a,#1,          ; = 74 01
        mov a,  #2         ; = 74 02
        mov a,#';'         ; error: "Oczekiwano: Rn, direct, Ri, #data"
        mov a, @r0         ; = E6
        mov a, #a          ; = 74 E0
        mov a, #p1         ; = 74 90
        mov a, #tr0        ; error: "Oczekiwano: Rn, direct, Ri, #data"
        mov a, r8          ; error: "Oczekiwano: Rn, direct, Ri, #data"
        mov c, 20h.8       ; = A2 28
        mov c, a           ; = A2 E0
        mov c, r0          ; error: "Oczekiwano adresu bitu"
        mov 30h, tr0       ; = 85 ; error: "Nieznana Liczba"
        mov tr0, a         ; = F5 ; error: "Nieznana Liczba"
        mov tr0, r0        ; = 88 ; error: "Nieznana Liczba"
        mov r0, #tr0       ; error: "Oczekiwano: a, direct, #data"
        mov 300h, 30h      ; = 85 00 30
        mov 30h, 300h      ; = 85 30 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        mov 300h, @dptr    ; error: "Oczekiwano: a, Rn, Ri, direct, #data" ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        mov 300h, dptr     ; error: "Oczekiwano: a, Rn, Ri, direct, #data"
        mov dptr, 12345h   ; error: "Oczekiwano liczby" ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFFFh (65535)"
        mov dptr, #0-300   ; = 90 FF D4
        mov @r1, #300      ; = 77 2C ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        mov 300h, r2       ; = 8A 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
; "$" is the address of the row's first byte, whatever the instruction.
        org 0C0h
        mov dptr, #$       ; = 90 00 C1
        push $             ; = C0 C4
        inc $              ; = 05 C6
        cjne a, #$, $      ; = B4 C7 FD
        mov 30h, #$        ; = 75 30 CB
        db $,$             ; = CD CE
        mov a, #$          ; = 74 D0
        org 100h
tabela: mov 30h, #$        ; = 75 30 01
        mov a, #low($)     ; = 74 04
        mov a, #high(tabela+1234h) ; = 74 13
        mov a, #low(tabela+1234h) ; = 74 34
