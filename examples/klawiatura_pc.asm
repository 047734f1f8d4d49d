; Echo klawiatury PC na wyświetlaczu LCD.
;
; Klawisz naciśnięty w polu "Klawiatura PC" okna płytki dociera do programu
; tak jak znak odebrany przez port szeregowy: jego kod jest w SBUF, a bit RI
; (SCON.0) ma wartość 1. Program czeka na RI, zeruje je, czyta SBUF i:
;   20h-7Eh   wypisuje znak,
;   0Dh       (Enter) przechodzi do drugiej linii albo wraca do pierwszej,
;   08h       (Backspace) kasuje ostatni znak w linii,
;   1Bh       (Esc) czyści ekran,
;   inne      (Shift, klawisze funkcyjne, litery polskie) pomija.
; Po 16 znakach pisanie przechodzi do następnej linii. Linia, do której
; przechodzimy, jest najpierw czyszczona.
;
; Strzałki dają kody 25h-28h, te same co znaki % & ' ( i też są wypisywane.
;
; Klawisze naciśnięte szybciej, niż program je odbiera, czekają w kolejce
; i docierają do SBUF jeden po drugim, co najmniej 1000 cykli po sobie, jak
; znaki z portu szeregowego: program zobaczy każdy z nich.

ADR_LCD_ROZKAZ  equ 0FFF0h
ADR_LCD_STATUS  equ 0FFF1h
ADR_LCD_DANE    equ 0FFF2h
SPACJA          equ 20h
pierwszy        bit 00h             ; jeszcze nic nie naciśnięto
; R6 = linia (0 albo 1), R7 = kolumna (0-16)

        org 0
start:  acall lcd_init
        mov dptr,#zacheta1
        acall lcd_tekst
        mov a,#0C0h                 ; linia 2, kolumna 0
        acall lcd_rozkaz
        mov dptr,#zacheta2
        acall lcd_tekst
        setb pierwszy
        clr ri

czekaj: jnb ri,czekaj               ; czekamy na klawisz
        clr ri
        jnb pierwszy,obsluz
        clr pierwszy                ; pierwszy klawisz: znika zachęta
        acall czysc
obsluz: mov a,sbuf
        cjne a,#0Dh,nie_enter
        acall nastepna_linia
        sjmp czekaj
nie_enter:
        cjne a,#08h,nie_backspace
        acall kasuj
        sjmp czekaj
nie_backspace:
        cjne a,#1Bh,nie_esc
        acall czysc
        sjmp czekaj
nie_esc:
        mov r5,a
        clr c
        subb a,#20h
        jc czekaj                   ; poniżej 20h: pomijamy
        mov a,r5
        clr c
        subb a,#7Fh
        jnc czekaj                  ; 7Fh i wyżej: pomijamy
        mov a,r5
        acall wypisz
        sjmp czekaj

; Znak z A w bieżącym miejscu; po 16 znakach najpierw następna linia.
wypisz: cjne r7,#16,wypisz_tutaj
        push acc
        acall nastepna_linia
        pop acc
wypisz_tutaj:
        acall lcd_znak
        inc r7
        ret

; Przejście do drugiej linii (albo z drugiej do pierwszej) i jej czyszczenie.
nastepna_linia:
        mov a,r6
        xrl a,#1
        mov r6,a
        mov r7,#0
        acall ustaw_adres
        mov r5,#16
czysc_linie:
        mov a,#SPACJA
        acall lcd_znak
        djnz r5,czysc_linie
        acall ustaw_adres           ; z powrotem na początek linii
        ret

; Backspace: cofnięcie o jedną kolumnę i zamazanie znaku spacją.
kasuj:  mov a,r7
        jz kasuj_koniec             ; początek linii: nie ma czego kasować
        dec r7
        acall ustaw_adres
        mov a,#SPACJA
        acall lcd_znak
        acall ustaw_adres           ; zapis przesunął kursor, wracamy
kasuj_koniec:
        ret

; Esc: czysty ekran, pisanie od początku pierwszej linii.
czysc:  mov a,#01h
        acall lcd_rozkaz
        mov a,#0Eh                  ; ekran włączony, kursor widoczny
        acall lcd_rozkaz
        mov a,#14h                  ; kursor w prawo: po każdym znaku
        acall lcd_rozkaz            ; kursor przesuwa się za nim
        mov r6,#0
        mov r7,#0
        acall ustaw_adres           ; kursor na początek linii 1
        ret

; Adres DDRAM z linii R6 i kolumny R7: 80h + kolumna, 40h więcej w linii 2.
ustaw_adres:
        mov a,r6
        jz ustaw_adres_linia1
        mov a,#40h
ustaw_adres_linia1:
        add a,r7
        orl a,#80h
        acall lcd_rozkaz
        ret

zacheta1: db 'Pisz w polu',0
zacheta2: db '"Klawiatura PC"',0

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
;pozycja okien:dwdxifh�tdkdkl�ftfi�d�h�f�tdyd�f�fefd�e~g�effd�e�g}gffffff 
