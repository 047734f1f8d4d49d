; ANL, ORL and XRL.
        anl a, #0Fh        ; = 54 0F
        anl a, 30h         ; = 55 30
        anl a, @r1         ; = 57
        anl a, r2          ; = 5A
        anl p1, a          ; = 52 90
        anl p1, #0FEh      ; = 53 90 FE
        anl c, p1.0        ; = 82 90
        anl c, /p1.0       ; = B0 90
        orl a, #1          ; = 44 01
        orl a, 30h         ; = 45 30
        orl a, @r0         ; = 46
        orl a, r7          ; = 4F
        orl 30h, a         ; = 42 30
        orl 30h, #80h      ; = 43 30 80
        orl c, tr0         ; = 72 8C
        orl C, /acc.7      ; = A0 E7
        xrl a, #0FFh       ; = 64 FF
        xrl a, 30h         ; = 65 30
        xrl a, @r1         ; = 67
        xrl a, r4          ; = 6C
        xrl 30h, a         ; = 62 30
        xrl 30h, #1        ; = 63 30 01
        xrl c, p1.0        ; error: "Oczekiwano: A, direct "
        anl a, c           ; error: "Oczekiwano: Rn, direct, Ri, #data"
        orl 30h, r0        ; error: "Oczekiwano: a, #data"
        anl c, /300h       ; error: "Oczekiwano adresu bitu" ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        anl r0, a          ; error: "Oczekiwano: A, direct, C"
        orl r0, a          ; error: "Oczekiwano: A, direct, C "
        xrl @r0, a         ; error: "Oczekiwano: A, direct "
        anl a              ; error: "Oczekiwano 2-ch ragumentow"
        anl a, 1, 2        ; error: "Rozkaz pobiera tylko 2 argumenty"
        orl a              ; error: "Oczekiwano argumentu"
        xrl a, 1, 2        ; error: "Rozkaz pobiera  2 argumenty "
        anl a, @r0         ; = 56
        xrl a, @r0         ; = 66
        orl a, @r1         ; = 47
        anl a, #a          ; = 54 E0
        anl c, nic         ; error: "Oczekiwano adresu bitu"
        orl c, /nic        ; error: "Oczekiwano adresu bitu"
        xrl c, /p1.0       ; error: "Oczekiwano: A, direct "
        anl 30h, c         ; error: "Oczekiwano: a, #data"
        xrl 30h, @r0       ; error: "Oczekiwano: a, #data"
        orl a, a           ; error: "Oczekiwano: Rn, direct, Ri, #data"
        xrl                ; error: "Oczekiwano argumentu"
        anl                ; error: "Oczekiwano 2-ch ragumentow"
        orl a, 1, 2        ; error: "Rozkaz pobiera  2 argumenty "
        anl 300h, #1       ; = 53 00 01
        anl 30h, #300      ; = 53 30 2C ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        orl 300h, a        ; = 42 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
