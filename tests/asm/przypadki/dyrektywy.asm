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
