; PWM na diodzie P1.0: wype艂nienie ustawiaj膮 klawisze statyczne S1-S4.
;
; Licznik T0 w trybie 2 (8 bit贸w z samoczynnym prze艂adowaniem z TH0)
; przepe艂nia si臋 co 50 cykli, czyli co 50 us, i za ka偶dym razem wywo艂uje
; przerwanie. Okres PWM to 20 takich faz: 20 x 50 us = 1000 us (1 kHz).
; P1.0 ma stan 1 przez pierwsze n faz okresu i 0 przez pozosta艂e, wi臋c
; wype艂nienie wynosi n x 5 %. Liczb臋 n (0-15) sk艂adaj膮 w艂膮czone klawisze:
; S1 = 1, S2 = 2, S3 = 4, S4 = 8; np. S1 i S3 daj膮 n = 5, czyli 25 %.
; Nowe n obowi膮zuje od pocz膮tku nast臋pnego okresu.
;
; Dioda 艣wieci przy stanie 0, wi臋c im wi臋ksze wype艂nienie, tym s艂abiej
; 艣wieci艂aby prawdziwa dioda. Przebieg najlepiej wida膰 w oknie Przebiegi
; (menu Okna): kliknij lewym przyciskiem myszy zbocze narastaj膮ce P1.0,
; prawym nast臋pne narastaj膮ce i odczytaj okres; wska偶 P1.0 mysz膮, a pod
; wykresem pojawi si臋 okres i wype艂nienie z ostatniego pe艂nego okresu.

KLAWISZE_STATYCZNE equ 0FFB0h
FAZY            equ 20              ; faz w okresie
PRZELADOWANIE   equ 0CEh            ; 256 - 50: przepe艂nienie co 50 us
faza            equ 30h             ; bie偶膮ca faza 0-19
wypelnienie     equ 31h             ; n: liczba faz ze stanem 1

        org 0
        ljmp start

        org 0Bh                     ; wektor przerwania licznika T0
        ljmp przerwanie_t0

        org 30h
start:  mov faza,#0
        mov wypelnienie,#0
        mov tmod,#02h               ; T0: tryb 2, prze艂adowanie z TH0
        mov th0,#PRZELADOWANIE
        mov tl0,#PRZELADOWANIE
        setb et0                    ; zezwolenie na przerwanie od T0
        setb ea                     ; globalne zezwolenie na przerwania
        setb tr0                    ; start licznika
petla:  sjmp petla                  ; ca艂膮 prac臋 robi przerwanie

; Procedura przerwania: najpierw stan P1.0 w tej fazie, zawsze tyle samo
; cykli od wej艣cia, 偶eby zbocza wypada艂y r贸wno co 50 us.
przerwanie_t0:
        push psw
        push acc
        mov a,faza
        clr c
        subb a,wypelnienie          ; C = 1, gdy faza < n
        mov p1.0,c
        inc faza
        mov a,faza
        cjne a,#FAZY,przerwanie_koniec
        mov faza,#0                 ; nowy okres: klawisze S1-S4 daj膮 nowe n
        push dpl
        push dph
        mov dptr,#KLAWISZE_STATYCZNE
        movx a,@dptr                ; bit 0 = S1 ... bit 3 = S4, 0 = w艂膮czony
        cpl a
        anl a,#0Fh
        mov wypelnienie,a
        pop dph
        pop dpl
        nop                         ; obie drogi przez przerwanie trwaj膮 parzyst膮
                                    ; liczb臋 cykli, jak SJMP w p臋tli g艂贸wnej, wi臋c
                                    ; przerwanie wchodzi zawsze z tym samym
                                    ; op贸藕nieniem, a okres to r贸wno 1000 us
przerwanie_koniec:
        pop acc
        pop psw
        reti

        end
;pozycja okien:dwdxifh瑃dkdkl唂tfi宒宧塮漷dyd竑猣efd�e~g玡ffd噀╣}gffffff 
