; Diody śledzą klawisze statyczne S1-S8.
;
; Klawisze statyczne są przełącznikami: każde kliknięcie myszą włącza albo
; wyłącza klawisz (czerwony wskaźnik obok niego świeci, gdy jest włączony).
; Płytka trzyma ich stan w bajcie XDATA 0FFB0h: S1 = bit 0 ... S8 = bit 7,
; 0 = włączony. Dioda świeci, gdy jej bit w porcie ma wartość 0, więc
; wystarczy przepisać ten bajt do portu.
;
; Port P1: bajt klawiszy wprost. Bit 7 to skrajna lewa dioda, dlatego S1
;          zapala skrajną prawą.
; Port P2: ten sam bajt z odwróconą kolejnością bitów, S1 zapala skrajną
;          lewą diodę, tak jak czytamy od lewej.
;
; Uruchom (Ctrl+F9) i klikaj klawisze S1-S8 w oknie płytki.

KLAWISZE_STATYCZNE equ 0FFB0h

        org 0
start:  mov dptr,#KLAWISZE_STATYCZNE
petla:  movx a,@dptr            ; stan S1-S8 (0 = włączony)
        mov p1,a                ; 0 = dioda świeci
        acall odwroc            ; A z bitami w odwrotnej kolejności
        mov p2,a
        sjmp petla

; Odwraca kolejność bitów A: bit 0 trafia na bit 7, bit 1 na bit 6 itd.
; Najmłodszy bit źródła wychodzi przez C (RRC) i wchodzi od dołu do wyniku
; (RLC); po ośmiu krokach pierwszy bit źródła jest najstarszym bitem wyniku.
odwroc: mov r2,a                ; źródło
        mov r7,#8
odwroc_bit:
        mov a,r2
        rrc a                   ; najmłodszy bit źródła -> C
        mov r2,a
        mov a,r3
        rlc a                   ; C -> najmłodszy bit wyniku
        mov r3,a
        djnz r7,odwroc_bit
        ret                     ; wynik w A (i w R3)

        end
