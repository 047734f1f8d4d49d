; Diody 艣ledz膮 klawisze statyczne S1-S8.
;
; Klawisze statyczne s膮 prze艂膮cznikami: ka偶de klikni臋cie mysz膮 w艂膮cza albo
; wy艂膮cza klawisz (czerwony wska藕nik obok niego 艣wieci, gdy jest w艂膮czony).
; P艂ytka trzyma ich stan w bajcie XDATA 0FFB0h: S1 = bit 0 ... S8 = bit 7,
; 0 = w艂膮czony. Dioda 艣wieci, gdy jej bit w porcie ma warto艣膰 0, wi臋c
; wystarczy przepisa膰 ten bajt do portu.
;
; Port P1: bajt klawiszy wprost. Bit 7 to skrajna lewa dioda, dlatego S1
;          zapala skrajn膮 praw膮.
; Port P2: ten sam bajt z odwr贸con膮 kolejno艣ci膮 bit贸w, S1 zapala skrajn膮
;          lew膮 diod臋, tak jak czytamy od lewej.
;
; Uruchom (Ctrl+F9) i klikaj klawisze S1-S8 w oknie p艂ytki.

KLAWISZE_STATYCZNE equ 0FFB0h

        org 0
start:  mov dptr,#KLAWISZE_STATYCZNE
petla:  movx a,@dptr            ; stan S1-S8 (0 = w艂膮czony)
        mov p1,a                ; 0 = dioda 艣wieci
        acall odwroc            ; A z bitami w odwrotnej kolejno艣ci
        mov p2,a
        sjmp petla

; Odwraca kolejno艣膰 bit贸w A: bit 0 trafia na bit 7, bit 1 na bit 6 itd.
; Najm艂odszy bit 藕r贸d艂a wychodzi przez C (RRC) i wchodzi od do艂u do wyniku
; (RLC); po o艣miu krokach pierwszy bit 藕r贸d艂a jest najstarszym bitem wyniku.
odwroc: mov r2,a                ; 藕r贸d艂o
        mov r7,#8
odwroc_bit:
        mov a,r2
        rrc a                   ; najm艂odszy bit 藕r贸d艂a -> C
        mov r2,a
        mov a,r3
        rlc a                   ; C -> najm艂odszy bit wyniku
        mov r3,a
        djnz r7,odwroc_bit
        ret                     ; wynik w A (i w R3)

        end
;pozycja okien:dwdxifh瑃dkdkl唂tfi宒宧塮漷dyd竑猣efd�e~g玡ffd噀╣}gffffff 
