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
