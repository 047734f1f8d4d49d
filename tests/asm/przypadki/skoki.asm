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
