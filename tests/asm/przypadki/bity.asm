; CLR, CPL and SETB on A, C and bits.
        clr a              ; = E4
        cpl a              ; = F4
        setb a             ; error: "Oczekiwano: direct, C "
        clr c              ; = C3
        cpl C              ; = B3
        setb c             ; = D3
        clr p1.0           ; = C2 90
        cpl acc.7          ; = B2 E7
        setb tr0           ; = D2 8C
        setb 20h           ; = D2 20
        setb TI            ; = D2 99
        setb ea            ; = D2 AF
        setb 0E0h.7        ; = D2 E7
        setb flaga         ; = D2 05
        setb 100h          ; error: "Oczekiwano zmiennej bitowej" ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        clr #1             ; error: "Oczekiwano: A, direct, C "
        cpl r0             ; error: "Oczekiwano: A, direct, C "
        setb @r0           ; error: "Oczekiwano: direct, C "
        setb               ; error: "Oczekiwano argumentu"
        clr a, c           ; error: "Rozkaz pobiera tylko 1 argument"
        clr                ; error: "Oczekiwano argumentu"
        cpl                ; error: "Oczekiwano argumentu"
        setb p1            ; = D2 90
        setb acc           ; = D2 E0
        setb b.7           ; = D2 F7
        clr P2.3           ; = C2 A3
        cpl cy             ; = B2 D7
        setb 0-1           ; error: "Oczekiwano zmiennej bitowej"
        cpl 20h            ; = B2 20
        clr 7Fh            ; = C2 7F
        cpl #1             ; error: "Oczekiwano: A, direct, C "
        clr @r0            ; error: "Oczekiwano: A, direct, C "
        clr dptr           ; error: "Oczekiwano: A, direct, C "
        setb r0            ; error: "Oczekiwano: direct, C "
        setb nic           ; error: "Oczekiwano: direct, C "
        clr 0-1            ; error: "Oczekiwano zmiennej bitowej"
flaga   equ 5
