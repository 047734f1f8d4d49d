; Instructions of one fixed byte and their argument rules.
        nop                ; = 00
        rr a               ; = 03
        rl a               ; = 23
        rrc a              ; = 13
        rlc A              ; = 33
        da a               ; = D4
        swap a             ; = C4
        mul ab             ; = A4
        div AB             ; = 84
        ret                ; = 22
        reti               ; = 32
        jmp @a+dptr        ; = 73
        JMP @A+DPTR        ; = 73
        nop a              ; error: "Rozkaz nie pobiera argumentow"
        rl b               ; error: "Oczekiwano: a"
        rl a, b            ; error: "Oczekiwano: a"
        rrc                ; error: "Oczekiwano: a"
        da                 ; error: "Oczekiwano argumentu a"
        da a, b            ; error: "Rozkaz pobiera tylko 1 argument - a"
        swap b             ; error: "Rozkaz pobiera tylko 1 argument - a"
        mul a              ; error: "Oczekiwano argumentu ab"
        div ab, a          ; error: "Rozkaz pobiera tylko argument ab"
        ret 5              ; error: "Rozkaz nie pobiera  argumentow"
        reti x             ; error: "Rozkaz nie pobiera  argumentow"
        jmp etykieta       ; error: "oczekiwano: jmp @a+dptr"
        jmp @a+dptr, 1     ; error: "oczekiwano: jmp @a+dptr"
        xyz a              ; error: "Nie ma takiego rozkazu"
        da b               ; error: "Oczekiwano argumentu a"
        da b, c            ; error: "Rozkaz pobiera tylko 1 argument - a"
        swap               ; error: "Rozkaz pobiera tylko 1 argument - a"
        mul                ; error: "Oczekiwano argumentu ab"
        mul ab, c          ; error: "Rozkaz pobiera tylko argument ab"
        div a, b           ; error: "Rozkaz pobiera tylko argument ab"
        rl                 ; error: "Oczekiwano: a"
        nop a, b           ; error: "Rozkaz nie pobiera argumentow"
        jmp                ; error: "oczekiwano: jmp @a+dptr"
        jmp @a+pc          ; error: "oczekiwano: jmp @a+dptr"
lab3::nop                  ; error: "Nie ma takiego rozkazu"
etykieta:
