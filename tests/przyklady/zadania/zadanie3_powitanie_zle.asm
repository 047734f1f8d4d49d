; Bez wykrzyknika, linia 2 od kolumny 0.
        org 0
start:  mov a,#38h
        acall lcd_rozkaz
        mov a,#0Ch
        acall lcd_rozkaz
        mov a,#01h
        acall lcd_rozkaz
        mov a,#06h
        acall lcd_rozkaz
        mov a,#80h
        acall lcd_rozkaz
        mov dptr,#linia1
        acall lcd_tekst
        mov a,#0C0h
        acall lcd_rozkaz
        mov dptr,#linia2
        acall lcd_tekst
koniec: sjmp koniec

linia1: db 'Dzien dobry',0
linia2: db 'Kelbra 8051',0

lcd_rozkaz:
        push dph
        push dpl
        acall lcd_czekaj
        mov dptr,#0FFF0h
        movx @dptr,a
        pop dpl
        pop dph
        ret

lcd_znak:
        push dph
        push dpl
        acall lcd_czekaj
        mov dptr,#0FFF2h
        movx @dptr,a
        pop dpl
        pop dph
        ret

lcd_czekaj:
        push acc
        mov dptr,#0FFF1h
lcd_zajety:
        movx a,@dptr
        jb acc.7,lcd_zajety
        pop acc
        ret

lcd_tekst:
        clr a
        movc a,@a+dptr
        jz lcd_koniec
        acall lcd_znak
        inc dptr
        sjmp lcd_tekst
lcd_koniec:
        ret
