; Forward labels: the final pass uses the addresses of the pass before.
        sjmp dalej         ; = 80 01
        nop                ; = 00
dalej:  lcall pod          ; = 12 08 02
        ljmp koniec        ; = 02 08 03
        org 800h
        ajmp pod           ; = 01 02
pod:    ret                ; = 22
koniec: sjmp koniec        ; = 80 FE
        mov a, #wartosc    ; = 74 2A
        jnb flaga, $       ; = 30 07 FD
wartosc equ 2Ah
flaga   bit 7
