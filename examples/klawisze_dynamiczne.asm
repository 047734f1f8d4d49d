; Odczyt klawiszy dynamicznych K0-K15.
;
; Klawisz dynamiczny jest przyciskiem: jest wciśnięty tylko tak długo, jak
; trzymasz na nim przycisk myszy. Płytka trzyma stan klawiszy w dwóch
; bajtach XDATA (0 = wciśnięty):
;   0FFE1h: K0 = bit 0 ... K7 = bit 7
;   0FFE2h: K8 = bit 0 ... K15 = bit 7
;
; Program w pętli:
;   - pokazuje oba bajty na diodach: P0 to K0-K7, P2 to K8-K15
;     (wciśnięty klawisz zapala swoją diodę),
;   - szuka wciśniętego klawisza o najniższym numerze i wypisuje go na LCD
;     ("Klawisz: K12", "Klawisz: -" gdy żaden nie jest wciśnięty);
;     ekran jest zmieniany tylko wtedy, gdy zmienił się wynik.
;
; Uruchom (Ctrl+F9) i naciskaj klawisze K0-K15 w oknie płytki.

KLAWISZE_K0_K7  equ 0FFE1h
KLAWISZE_K8_K15 equ 0FFE2h
ADR_LCD_ROZKAZ  equ 0FFF0h
ADR_LCD_STATUS  equ 0FFF1h
ADR_LCD_DANE    equ 0FFF2h
BRAK            equ 16              ; "numer" oznaczający brak klawisza
; Kody znaków ASCII (asembler nie zna zapisu '0' w argumencie).
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
        mov r6,#0FFh                ; poprzedni wynik: jeszcze żaden

skanuj: mov dptr,#KLAWISZE_K0_K7
        movx a,@dptr
        mov p0,a
        mov r3,a                    ; K0-K7
        inc dptr                    ; 0FFE2h
        movx a,@dptr
        mov p2,a
        mov r4,a                    ; K8-K15

; Szukamy najmłodszego bitu równego 0 w parze R4:R3 (16 bitów):
; przesuwamy ją w prawo, aż z R3 wypadnie do C bit 0.
        mov r5,#0                   ; numer badanego klawisza
szukaj: mov a,r4
        rrc a
        mov r4,a
        mov a,r3
        rrc a                       ; C = stan klawisza K(R5)
        mov r3,a
        jnc znaleziony              ; 0 = wciśnięty
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
        div ab                      ; A = dziesiątki, B = jedności
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
        mov a,#SPACJA                  ; zamazuje drugą cyfrę poprzedniego
        acall lcd_znak
        ret

napis1: db 'Klawisze K0-K15',0
napis2: db 'Klawisz: ',0

; ---------------------------------------------------------------------
; Obsługa wyświetlacza LCD (rejestry w przestrzeni XDATA).
; Przed każdym zapisem czekamy, aż wyświetlacz skończy poprzedni
; rozkaz (bit 7 bajtu statusu = 1 oznacza "zajęty"). Emulator
; odpowiada od razu, ale na prawdziwej płytce to czekanie jest konieczne.
; Procedury zachowują DPTR.
; ---------------------------------------------------------------------
lcd_init:                       ; dwie linie, znaki 5x8, ekran czysty
        mov a,#38h              ; dwie linie, znaki 5x8
        acall lcd_rozkaz
        mov a,#0Ch              ; wyświetlacz włączony, bez kursora
        acall lcd_rozkaz
        mov a,#01h              ; czyszczenie, kursor na początek
        acall lcd_rozkaz
        mov a,#06h              ; kolejne znaki w prawo
        acall lcd_rozkaz
        ret

lcd_rozkaz:                     ; A -> rejestr rozkazów
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

lcd_czekaj:                     ; czeka, aż bit 7 statusu będzie 0
        push acc
        mov dptr,#ADR_LCD_STATUS
lcd_zajety:
        movx a,@dptr
        jb acc.7,lcd_zajety
        pop acc
        ret

lcd_tekst:                      ; tekst spod DPTR (w pamięci programu),
        clr a                   ; zakończony bajtem 0
        movc a,@a+dptr
        jz lcd_tekst_koniec
        acall lcd_znak
        inc dptr
        sjmp lcd_tekst
lcd_tekst_koniec:
        ret

        end
