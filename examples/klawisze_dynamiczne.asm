; Odczyt klawiszy dynamicznych K0-K15.
;
; Klawisz dynamiczny jest przyciskiem: jest wci艣ni臋ty tylko tak d艂ugo, jak
; trzymasz na nim przycisk myszy. P艂ytka trzyma stan klawiszy w dw贸ch
; bajtach XDATA (0 = wci艣ni臋ty):
;   0FFE1h: K0 = bit 0 ... K7 = bit 7
;   0FFE2h: K8 = bit 0 ... K15 = bit 7
;
; Program w p臋tli:
;   - pokazuje oba bajty na diodach: P0 to K0-K7, P2 to K8-K15
;     (wci艣ni臋ty klawisz zapala swoj膮 diod臋),
;   - szuka wci艣ni臋tego klawisza o najni偶szym numerze i wypisuje go na LCD
;     ("Klawisz: K12", "Klawisz: -" gdy 偶aden nie jest wci艣ni臋ty);
;     ekran jest zmieniany tylko wtedy, gdy zmieni艂 si臋 wynik.
;
; Uruchom (Ctrl+F9) i naciskaj klawisze K0-K15 w oknie p艂ytki.

KLAWISZE_K0_K7  equ 0FFE1h
KLAWISZE_K8_K15 equ 0FFE2h
ADR_LCD_ROZKAZ  equ 0FFF0h
ADR_LCD_STATUS  equ 0FFF1h
ADR_LCD_DANE    equ 0FFF2h
BRAK            equ 16              ; "numer" oznaczaj膮cy brak klawisza
; Kody znak贸w ASCII (asembler nie zna zapisu '0' w argumencie).
ZNAK_0          equ 30h
ZNAK_K          equ 4Bh
MINUS           equ 2Dh
SPACJA          equ 20h

        org 0
start:  acall lcd_init
        mov dptr,#napis1
        acall lcd_tekst
        mov a,#0C0h                 ; adres: linia 2, kolumna 0
        acall lcd_rozkaz
        mov dptr,#napis2
        acall lcd_tekst
        mov r6,#0FFh                ; poprzedni wynik: jeszcze 偶aden

skanuj: mov dptr,#KLAWISZE_K0_K7
        movx a,@dptr
        mov p0,a
        mov r3,a                    ; K0-K7
        inc dptr                    ; 0FFE2h
        movx a,@dptr
        mov p2,a
        mov r4,a                    ; K8-K15

; Szukamy najm艂odszego bitu r贸wnego 0 w parze R4:R3 (16 bit贸w):
; przesuwamy j膮 w prawo, a偶 z R3 wypadnie do C bit 0.
        mov r5,#0                   ; numer badanego klawisza
szukaj: mov a,r4
        rrc a
        mov r4,a
        mov a,r3
        rrc a                       ; C = stan klawisza K(R5)
        mov r3,a
        jnc znaleziony              ; 0 = wci艣ni臋ty
        inc r5
        cjne r5,#BRAK,szukaj
znaleziony:
        mov a,r5
        xrl a,r6
        jz skanuj                   ; bez zmian: nie piszemy na ekran
        mov a,r5
        mov r6,a
        acall pokaz
        sjmp skanuj

; Wypisuje w drugiej linii, od kolumny 9, numer klawisza z R5:
; "K0 " ... "K15", albo "-  " gdy R5 = BRAK.
pokaz:  mov a,#0C9h                 ; adres: linia 2 (40h), kolumna 9
        acall lcd_rozkaz
        cjne r5,#BRAK,pokaz_numer
        mov a,#MINUS
        acall lcd_znak
        mov a,#SPACJA
        acall lcd_znak
        mov a,#SPACJA
        acall lcd_znak
        ret
pokaz_numer:
        mov a,#ZNAK_K
        acall lcd_znak
        mov a,r5
        mov b,#10
        div ab                      ; A = dziesi膮tki, B = jedno艣ci
        jz jednocyfrowy
        add a,#ZNAK_0
        acall lcd_znak
        mov a,b
        add a,#ZNAK_0
        acall lcd_znak
        ret
jednocyfrowy:
        mov a,b
        add a,#ZNAK_0
        acall lcd_znak
        mov a,#SPACJA                  ; zamazuje drug膮 cyfr臋 poprzedniego
        acall lcd_znak
        ret

napis1: db 'Klawisze K0-K15',0
napis2: db 'Klawisz: ',0

; ---------------------------------------------------------------------
; Obs艂uga wy艣wietlacza LCD (rejestry w przestrzeni XDATA).
; Przed ka偶dym zapisem czekamy, a偶 wy艣wietlacz sko艅czy poprzedni
; rozkaz (bit 7 bajtu statusu = 1 oznacza "zaj臋ty"). Emulator
; odpowiada od razu, ale na prawdziwej p艂ytce to czekanie jest konieczne.
; Procedury zachowuj膮 DPTR.
; ---------------------------------------------------------------------
lcd_init:                       ; dwie linie, znaki 5x8, ekran czysty
        mov a,#38h              ; dwie linie, znaki 5x8
        acall lcd_rozkaz
        mov a,#0Ch              ; wy艣wietlacz w艂膮czony, bez kursora
        acall lcd_rozkaz
        mov a,#01h              ; czyszczenie, kursor na pocz膮tek
        acall lcd_rozkaz
        mov a,#06h              ; kolejne znaki w prawo
        acall lcd_rozkaz
        ret

lcd_rozkaz:                     ; A -> rejestr rozkaz贸w
        push dph
        push dpl
        acall lcd_czekaj
        mov dptr,#ADR_LCD_ROZKAZ
        movx @dptr,a
        pop dpl
        pop dph
        ret

lcd_znak:                       ; A -> rejestr danych (znak na ekran)
        push dph
        push dpl
        acall lcd_czekaj
        mov dptr,#ADR_LCD_DANE
        movx @dptr,a
        pop dpl
        pop dph
        ret

lcd_czekaj:                     ; czeka, a偶 bit 7 statusu b臋dzie 0
        push acc
        mov dptr,#ADR_LCD_STATUS
lcd_zajety:
        movx a,@dptr
        jb acc.7,lcd_zajety
        pop acc
        ret

lcd_tekst:                      ; tekst spod DPTR (w pami臋ci programu),
        clr a                   ; zako艅czony bajtem 0
        movc a,@a+dptr
        jz lcd_tekst_koniec
        acall lcd_znak
        inc dptr
        sjmp lcd_tekst
lcd_tekst_koniec:
        ret

        end
;pozycja okien:dwdxifh瑃dkdkl唂tfi宒宧塮漷dyd竑猣efd�e~g玡ffd噀╣}gffffff 
