; Pierwszy program: napis na wyswietlaczu LCD i biegnace swiatlo na diodach P1.
LCD_ROZKAZ  equ 0FFF0h
LCD_DANE    equ 0FFF2h

        org 0
start:  mov dptr,#LCD_ROZKAZ
        mov a,#38h          ; dwie linie, znaki 5x8
        movx @dptr,a
        mov a,#0Ch          ; wyswietlacz wlaczony, bez kursora
        movx @dptr,a
        mov a,#01h          ; czyszczenie
        movx @dptr,a
        mov a,#06h          ; kolejne znaki w prawo
        movx @dptr,a
        mov r0,#0
napis:  mov a,r0
        mov dptr,#tekst
        movc a,@a+dptr
        jz swiatlo
        mov dptr,#LCD_DANE
        movx @dptr,a
        inc r0
        sjmp napis
swiatlo: mov a,#0FEh
petla:  mov p1,a
        rl a
        mov r6,#200         ; krok co okolo 0,1 s: 200 razy 250 petli po 2 cykle
czekaj: mov r7,#250
opozn:  djnz r7,opozn
        djnz r6,czekaj
        sjmp petla
tekst:  db 'Kelbra 8051',0
        end
;pozycja okien:dwdxifh¨tdkdklÜftfiådåhâfùtdyd∏f™fefdÄe~g´effdáe®g}gffffff 
