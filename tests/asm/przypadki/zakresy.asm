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
; A label read as a label has no size; an expression with one does.
        org 500h
        jnz 500h           ; = 70 FE ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        jz far3            ; = 60 0F
        jz far3+0          ; = 60 0D ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        jb p1.0, far3      ; = 20 90 0A
        jb p1.0, far3+0    ; = 20 90 07 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        djnz r0, far3+0    ; = D8 05
        cjne a, #1, far3+0 ; = B4 01 02
        sjmp far3+0        ; = 80 00
far3:   nop                ; = 00
        org 7FEh
        ajmp cel           ; error: "Przekroczono zakres skoku ajmp"
        org 801h
cel:    nop                ; = 00
        acall cel          ; = 11 01
        ajmp 0FFFh         ; error: "Oczekiwano adresu"
; The page of ACALL and AJMP.
        org 0B00h
        acall t3           ; = 71 40
        ajmp t3            ; = 61 40
        acall t4           ; error: "Przekroczono zakres skoku ajmp"
        org 0B40h
t3:     ret                ; = 22
        org 1000h
t4:     ret                ; = 22
        org 0FFEh
        ajmp $             ; = E1 FE
        org 0FFFFh
        nop                ; = 00
        nop                ; = 00
