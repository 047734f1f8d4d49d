; INC and DEC.
        inc a              ; = 04
        inc 30h            ; = 05 30
        inc @r0            ; = 06
        inc @r1            ; = 07
        inc r0             ; = 08
        inc r7             ; = 0F
        inc dptr           ; = A3
        dec a              ; = 14
        dec p1             ; = 15 90
        dec @r1            ; = 17
        dec r5             ; = 1D
        dec dptr           ; error: "Nieznany argument"
        inc #5             ; error: "Liczby, nie można incrementowac"
        dec #5             ; error: "Liczby, nie mozna decrementowac"
        inc c              ; error: "Nieznany argument"
        inc tr0            ; error: "Nieznana liczba"
        inc                ; error: "Oczekiwano ragumentu"
        dec                ; error: "Oczekiwano argumentu"
        inc a, b           ; error: "Rozkaz pobiera tylko 1 argument"
        dec a,,b           ; error: "Rozkaz pobiera tylko 1 argument"
        inc a, b, c        ; error: "Rozkaz pobiera tylko 1 argument"
        dec 30h            ; = 15 30
        dec @r0            ; = 16
        dec r0             ; = 18
        dec c              ; error: "Nieznany argument"
        dec tr0            ; = 15 ; error: "Nieznana liczba"
        inc @dptr          ; error: "Nieznany argument"
        inc #nic           ; error: "Nieznany argument"
        inc 300h           ; = 05 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
