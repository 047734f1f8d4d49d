; Jumps and calls: labels, ranges, pages.
start:  sjmp $             ; = 80 FE
        sjmp start         ; = 80 FC
        sjmp dalej         ; = 80 00
dalej:  ljmp start         ; = 02 00 00
        lcall podprogram   ; = 12 12 34
        ljmp 1234h         ; error: "Oczekiwano adresu"
        lcall $            ; = 12 00 0C
        ajmp start         ; = 01 00
        acall dalej        ; = 11 06
        jc dalej           ; = 40 F1
        jnc $              ; = 50 FE
        jz 0               ; = 60 E7
        jnz start+2        ; = 70 E7
        jb p1.0, $         ; = 20 90 FD
        jnb ti, $          ; = 30 99 FD
        jbc tf0, start     ; = 10 8D DC
        jb 300h, start     ; error: "Oczekiwano adresu bitu" ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        jnb ti, gdzies     ; error: "Spodziewano sie adresu do skoku"
        djnz r7, $         ; = DF FE
        djnz 30h, start    ; = D5 30 D7
        djnz b, $          ; = D5 F0 FD
        djnz tr0, $        ; error: "Arg1 powinien byc liczba"
        djnz a, $          ; error: "Oczekiwano: direct, Rn"
        djnz r0, gdzies    ; error: "Nie rozpoznano adresu"
        djnz r0            ; error: "Oczekiwano 2-ch ragumentow"
        djnz r0, a, b      ; error: "Rozkaz pobiera tylko 2 argumenty"
        cjne a, #10, $     ; = B4 0A FD
        cjne a, 30h, $     ; = B5 30 FD
        cjne r2, #1, $     ; = BA 01 FD
        cjne @r1, #2, $    ; = B7 02 FD
        cjne r2, 30h, $    ; error: "Oczekiwano: #data"
        cjne @r0, a, $     ; error: "Oczekiwano: #data"
        cjne a, a, $       ; error: "Nieznany blad 'cjne' :(("
        cjne b, #1, $      ; error: "Oczekiwano: a, Rn, Ri"
        cjne a, #cos, $    ; error: "Oczekiwano: direct, #data"
        cjne a, r0, $      ; error: "Oczekiowano adresu: deirect, #data"
        cjne a, #1, gdzies ; error: "Spodziewano sie adresu do skoku"
        cjne a, #1         ; error: "Rozkaz pobiera 3 argumenty"
        sjmp #5            ; error: "Oczekiwano liczby"
        sjmp tr0           ; error: "Oczekiwano liczby"
        sjmp               ; error: "Oczekiwano ragumentu"
        ljmp a, b          ; error: "Rozkaz pobiera tylko 1 argument"
        jb p1.0            ; error: "Oczekiwano 2-ch ragumentow"
        sjmp daleko        ; error: "Przekroczono zakres skoku -128 / 127"
        sjmp daleko-bis    ; error: "Przekroczona zakres skoku -128 / 127"
        jz daleko          ; error: "Przekroczono zakres skoku -128 / 127"
        djnz r1, daleko    ; error: "Przekroczono zakres skoku -128 / 127"
        cjne a, #0, daleko ; error: "Przekroczono zakres skoku -128 / 127"
        ajmp daleko        ; error: "Przekroczono zakres skoku ajmp"
        ajmp 100h          ; error: "Oczekiwano adresu"
        org 1234h
podprogram:
        ret                ; = 22
        org 2000h
daleko: nop                ; = 00
daleko-bis:
        nop                ; = 00
; A label after the mnemonic, with "#", in quotes, in any case.
        org 2100h
lab1:nop                   ; = 00
        nop lab2:          ; = 00
        ljmp lab2          ; = 02 21 01
        ljmp #lab1         ; = 02 21 00
        ljmp LAB1          ; = 02 21 00
        lcall #lab1        ; = 12 21 00
        ljmp #$            ; error: "Oczekiwano adresu"
        ljmp lab1+0        ; error: "Oczekiwano adresu"
'x:y': nop                 ; = 00
        ljmp 'X:Y'         ; = 02 21 0E
        jb 20h.1, $        ; = 20 21 FD
        jbc c, $           ; = 10 D7 FD
        jb nic, $          ; error: "Oczekiwano adresu bitu"
        jnb nic, nic2      ; error: "Oczekiwano adresu bitu"
        djnz 300h, $       ; = D5 00 FD
        djnz acc, $        ; = D5 E0 FD
        djnz @r0, $        ; error: "Oczekiwano: direct, Rn"
        djnz #5, $         ; error: "Oczekiwano: direct, Rn"
        djnz tr0, nic      ; error: "Arg1 powinien byc liczba"
        cjne b, #1, nic    ; error: "Spodziewano sie adresu do skoku"
        cjne b, nic, $     ; error: "Oczekiwano: direct, #data"
        cjne r0, #300, $   ; = B8 2C FD
        cjne a, tr0, $     ; error: "Oczekiowano adresu: deirect, #data"
        cjne a, c, $       ; error: "Oczekiowano adresu: deirect, #data"
        cjne a, p1, $      ; = B5 90 FD
        cjne @r0, #1, $    ; = B6 01 FD
        cjne r7, #1, $     ; = BF 01 FD
        sjmp $+2           ; = 80 00
        ljmp               ; error: "Oczekiwano ragumentu"
        lcall a, b         ; error: "Rozkaz pobiera tylko 1 argument"
        acall              ; error: "Oczekiwano ragumentu"
        jc                 ; error: "Oczekiwano ragumentu"
        jz 1, 2            ; error: "Rozkaz pobiera tylko 1 argument"
        jbc                ; error: "Oczekiwano 2-ch ragumentow"
        jnb a, b, c        ; error: "Rozkaz pobiera tylko 2 argumenty"
        djnz               ; error: "Oczekiwano 2-ch ragumentow"
        cjne               ; error: "Rozkaz pobiera 3 argumenty"
