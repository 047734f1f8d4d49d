; The limits of relative jumps and of the 2 KB page.
        org 100h
wstecz: nop                ; = 00
        org 17Eh
        sjmp wstecz        ; = 80 80
        org 200h
wstecz2: nop               ; = 00
        org 27Fh
        sjmp wstecz2       ; error: "Przekroczono zakres skoku -128 / 127"
        org 300h
        sjmp naprzod       ; = 80 7F
        org 381h
naprzod: nop               ; = 00
        sjmp naprzod2      ; error: "Przekroczono zakres skoku -128 / 127"
        org 404h
naprzod2: nop              ; = 00
        org 7FEh
        ajmp cel           ; error: "Przekroczono zakres skoku ajmp"
        org 801h
cel:    nop                ; = 00
        acall cel          ; = 11 01
        ajmp 0FFFh         ; error: "Oczekiwano adresu"
        org 0FFEh
        ajmp $             ; = E1 FE
        org 0FFFFh
        nop                ; = 00
        nop                ; = 00
