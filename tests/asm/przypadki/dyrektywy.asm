; Directives: values, origins, byte lists.
STALA   equ 30h
        mov a, STALA       ; = E5 30
licznik set 7
port    data 90h
wysoko  idata 0C0h
zew     xdata 0FFF0h
kod:    code 1234h         ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
bitA    bit p1.0
bitB    equ tr0
        mov r0, #licznik   ; = 78 07
        mov port, a        ; = F5 90
        setb bitA          ; = D2 90
        clr bitB           ; = C2 8C
        mov dptr, #zew     ; = 90 FF F0
        ljmp kod           ; = 02 12 34
        db 'AB',0          ; = 41 42 00
        db 1,2,3           ; = 01 02 03
        DB 'a\b'           ; = 61 62
        db 'a b',0Dh,0Ah   ; = 61 20 62 0D 0A
        db 'it''s'         ; error: "db: niepoprawny ciag znakow"
        db STALA+1,low(1234h) ; = 31 34
        db 1,nic           ; error: "Nie rozpoznano liczby 'nic'"
        db 1,,2            ; error: "Nie rozpoznano liczby ''"
        db 1,              ; = 01
        db 'a','b'         ; error: "Nie rozpoznano liczby ''b''"
        db 300             ; = 2C ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        db
        equ                ; error: "equ pobiera wartosc liczbowa"
x1      set nic            ; error: "set pobiera wartosc liczbowa"
x2      data nic           ; error: "data pobiera wartosc liczbowa"
x3      idata nic          ; error: "idata pobiera wartosc liczbowa"
x4      bit nic            ; error: "bit pobiera wartosc liczbowa"
x5      xdata p1.0         ; error: "xdata pobiera wartosc liczbowa"
x6:     code tr0          ; error: "code pobiera wartosc liczbowa"
        org nic            ; error: "Nieznana liczba"
        ds 5               ; error: "Rozkaz jeszcze nieobslugiwany. Brak funkcji RETURN :((("
        dw 5               ; error: "Rozkaz jeszcze nieobslugiwany. Brak funkcji RETURN :((("
        dbit 5             ; error: "Rozkaz jeszcze nieobslugiwany. Brak funkcji RETURN :((("
samotna:
samotna2: 1,             ; error: "Nieznany problem....."
duzy    data 300           ; warning: "Przekroczono zakres dla data: 0FFh (255)"
duzy2   set 256            ; warning: "Przekroczono zakres dla set: 0FFh (255)"
duzy3   BIT 0-1+300        ; warning: "Przekroczono zakres dla BIT: 0FFh (255)"
duzy4   idata 10000h       ; warning: "Przekroczono zakres dla idata: 0FFFFh (65535)"
duzy5   xdata 10000h       ; warning: "Przekroczono zakres dla xdata: 0FFFFh (65535)"
duzy6   equ 300
duzy7   idata 0FFFFh
duzy8:  code 300          ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
; Declarations written with tabs or a list; db lists end at a blank.
        nop,               ; error: "Nieznany problem....."
	x11	equ	9
        db x11             ; = 09
napis db 'a b',0           ; = 61 20 62 00
y6      equ 5, 6           ; warning: "Pominieto tekst, ktorego equ nie uzywa: 6"
        db y6              ; = 05
pusta: ; a label alone
        db 1,2;x           ; = 01 02
        db 1 ,2            ; = 01 ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): ,2"
        db 1, 2            ; = 01 ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): 2"
        db ' '             ; = 20
        db ','             ; error: "Nie rozpoznano liczby '''"
        db ',',1           ; error: "Nie rozpoznano liczby '''"
        db '\\'            ; = 5C
        db 'ab\'           ; = 61 62 27
        db 'a'x            ; error: "db: niepoprawny ciag znakow"
        db 1,'a',2         ; = 01 61 02
        db 'a',1           ; = 61 01
        db ',2'            ; error: "Nie rozpoznano liczby '2''"
        db 300,1           ; = 2C 01
        db 1,300           ; = 01 2C ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
buf     ds 10              ; error: "Rozkaz jeszcze nieobslugiwany. Brak funkcji RETURN :((("
        db 0-1             ; = FF
; A failed declaration keeps its row's address, which the warnings read.
        org 0D00h
xd      data nic           ; error: "data pobiera wartosc liczbowa" ; warning: "Przekroczono zakres dla data: 0FFh (255)"
xd2     idata nic          ; error: "idata pobiera wartosc liczbowa"
b7      equ acc.7
bcy     equ c
xa      equ a
x7      data #5
        db b7,bcy,xa,x7    ; = E7 D7 E0 05
x8      set 255
x9      bit 0-1
x10     data 0-1
        db x9              ; = FF
        org 10000h+0E00h
        lcall $            ; = 12 0E 00
        org 0-0100h
        lcall $            ; = 12 FF 00
