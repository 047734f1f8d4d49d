; ADD, ADDC and SUBB: the accumulator and a second operand.
        add a, #10h        ; = 24 10
        add a, 30h         ; = 25 30
        add a, @r0         ; = 26
        add a, @r1         ; = 27
        add a, r0          ; = 28
        add a, r7          ; = 2F
        addc a, #10h       ; = 34 10
        addc a, b          ; = 35 F0
        addc a, @r1        ; = 37
        addc a, r3         ; = 3B
        subb a, #1         ; = 94 01
        subb a, 7Fh        ; = 95 7F
        subb a, @r0        ; = 96
        subb A, R6         ; = 9E
        add b, #1          ; error: "Rozkaz pobiera  2 argumenty - pierwszy a"
        add a, #1, 2       ; error: "Rozkaz pobiera  2 argumenty - pierwszy a"
        add                ; error: "Rozkaz pobiera  2 argumenty - pierwszy a"
        add a              ; error: "Oczekiwano argumentu"
        addc a, c          ; error: "Oczekiwano: A, Rn, direct, Ri, #data"
        subb a, dptr       ; error: "Oczekiwano: A, Rn, direct, Ri, #data"
        add a, #cos        ; error: "Oczekiwano: A, Rn, direct, Ri, #data"
        subb a, #256       ; = 94 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        addc a, @r0        ; = 36
        subb a, r0         ; = 98
        add a, p1          ; = 25 90
        subb a             ; error: "Oczekiwano argumentu"
        addc a, #1, 2      ; error: "Rozkaz pobiera  2 argumenty - pierwszy a"
