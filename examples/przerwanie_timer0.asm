; Miganie diod膮 w przerwaniu od licznika T0.
;
; Licznik T0 pracuje w trybie 1 (16 bit贸w) i liczy cykle maszynowe.
; Przy zegarze 12 MHz cykl trwa 1 us, wi臋c licz膮c od 3CB0h (65536 - 50000)
; licznik przepe艂nia si臋 po 50 ms. Ka偶de przepe艂nienie ustawia TF0 i wywo艂uje
; przerwanie pod adresem 000Bh. Procedura przerwania 艂aduje licznik od nowa
; i co 10 przepe艂nie艅 (0,5 s) zmienia stan diody P1.0; diody P2 pokazuj膮
; dw贸jkowo, ile razy dioda zmieni艂a stan (艣wieci = 1).
;
; Program g艂贸wny w tym czasie robi co innego: przepisuje klawisze
; statyczne S1-S8 na diody P3. Przerwanie przychodzi mi臋dzy dwoma rozkazami
; p臋tli g艂贸wnej i wraca do niej przez RETI.

PRZEPELNIENIA   equ 10              ; 10 x 50 ms = 0,5 s
POCZATEK_TH0    equ 3Ch             ; 65536 - 50000 = 3CB0h
POCZATEK_TL0    equ 0B0h
KLAWISZE_STATYCZNE equ 0FFB0h
licznik         equ 30h             ; przepe艂nienia do nast臋pnej zmiany
zmiany          equ 31h             ; ile razy dioda zmieni艂a stan

        org 0
        ljmp start

        org 0Bh                     ; wektor przerwania licznika T0
        ljmp przerwanie_t0

        org 30h
start:  mov licznik,#PRZEPELNIENIA
        mov zmiany,#0
        mov tmod,#01h               ; T0: tryb 1, liczy cykle
        mov th0,#POCZATEK_TH0
        mov tl0,#POCZATEK_TL0
        setb et0                    ; zezwolenie na przerwanie od T0
        setb ea                     ; globalne zezwolenie na przerwania
        setb tr0                    ; start licznika

        mov dptr,#KLAWISZE_STATYCZNE
petla:  movx a,@dptr                ; program g艂贸wny: S1-S8 na diodach P3
        mov p3,a
        sjmp petla

; Procedura przerwania. Zmienia A i PSW, wi臋c je przechowuje: program
; g艂贸wny nie mo偶e zauwa偶y膰, 偶e zosta艂 przerwany.
przerwanie_t0:
        push psw
        push acc
        mov th0,#POCZATEK_TH0       ; nast臋pne przepe艂nienie za 50 ms
        mov tl0,#POCZATEK_TL0
        djnz licznik,przerwanie_koniec
        mov licznik,#PRZEPELNIENIA
        cpl p1.0                    ; dioda P1.0 zmienia stan
        inc zmiany
        mov a,zmiany
        cpl a                       ; 1 = 艣wieci, wi臋c odwracamy
        mov p2,a
przerwanie_koniec:
        pop acc
        pop psw
        reti

        end
;pozycja okien:dwdxifh瑃dkdkl唂tfi宒宧塮漷dyd竑猣efd�e~g玡ffd噀╣}gffffff 
