; "Hello" w obu liniach wy艣wietlacza LCD i w艂asny znak (serce).
;
; Wy艣wietlacz ma dwie linie po 16 znak贸w. Rozkazy zapisujemy pod adres
; XDATA 0FFF0h, znaki pod 0FFF2h; bajt statusu odczytujemy z 0FFF1h.
;   38h  dwie linie, znaki 5x8       01h  czyszczenie ekranu
;   0Ch  ekran w艂膮czony, bez kursora 06h  kolejne znaki w prawo
;   80h+k  pisanie od kolumny k linii 1, 0C0h+k  od kolumny k linii 2
;   40h+8*n  definicja w艂asnego znaku n (0-7): kolejne zapisy pod 0FFF2h
;            to wiersze jego wzoru od g贸ry, 5 bit贸w (bit 4 = lewy piksel)
;
; Kody 0-7 to znaki zdefiniowane przez program. Tutaj znak 0 to serce,
; wypisane na ko艅cu obu linii.

ADR_LCD_ROZKAZ  equ 0FFF0h
ADR_LCD_STATUS  equ 0FFF1h
ADR_LCD_DANE    equ 0FFF2h
SERCE           equ 0               ; kod w艂asnego znaku

        org 0
start:  acall lcd_init

; Wz贸r serca do pami臋ci znak贸w (CGRAM), znak 0.
        mov a,#40h                  ; CGRAM: znak 0, wiersz 0
        acall lcd_rozkaz
        mov dptr,#wzor_serca
        mov r7,#8                   ; 8 wierszy
wiersz: clr a
        movc a,@a+dptr
        acall lcd_znak              ; w trybie CGRAM zapis to wiersz wzoru
        inc dptr
        djnz r7,wiersz

; Linia 1. Rozkaz adresu DDRAM ko艅czy te偶 tryb CGRAM.
        mov a,#80h                  ; linia 1, kolumna 0
        acall lcd_rozkaz
        mov dptr,#linia1
        acall lcd_tekst
        mov a,#SERCE
        acall lcd_znak

; Linia 2.
        mov a,#0C0h                 ; linia 2, kolumna 0
        acall lcd_rozkaz
        mov dptr,#linia2
        acall lcd_tekst
        mov a,#SERCE
        acall lcd_znak

koniec: sjmp koniec                 ; program stoi, napis zostaje

linia1: db 'Hello, Kelbra! ',0
linia2: db 'Hello, 8051! ',0
wzor_serca:                         ; . X . X .  itd.
        db 00000b
        db 01010b
        db 11111b
        db 11111b
        db 11111b
        db 01110b
        db 00100b
        db 00000b

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
