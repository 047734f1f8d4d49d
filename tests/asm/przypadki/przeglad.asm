; Splitting, values, names, the encoder forms and refusals not pinned by the
; other files, directives and the operand size rule, line by line.
lab1:nop                   ; = 00
        nop lab2:          ; = 00
        ljmp lab2          ; = 02 00 01
        ljmp #lab1         ; = 02 00 00
        ljmp LAB1          ; = 02 00 00
        lcall #lab1        ; = 12 00 00
        ljmp #$            ; error: "Oczekiwano adresu"
        ljmp lab1+0        ; error: "Oczekiwano adresu"
'x:y': nop                 ; = 00
        ljmp 'X:Y'         ; = 02 00 0E
lab3::nop                  ; error: "Nie ma takiego rozkazu"
        nop,               ; error: "Nieznany problem....."
        mov a,#1,          ; = 74 01
        mov a,  #2         ; = 74 02
        mov a,#';'         ; error: "Oczekiwano: Rn, direct, Ri, #data"
	x11	equ	9
        db x11             ; = 09
napis db 'a b',0           ; = 61 20 62 00
y6      equ 5, 6
        db y6              ; = 05
pusta: ; a label alone
        db 1,2;x           ; = 01 02
        db 1 ,2            ; = 01
        db 1, 2            ; = 01
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
x12     end                ; error: "Nie ma takiego rozkazu"
buf     ds 10              ; error: "Rozkaz jeszcze nieobslugiwany. Brak funkcji RETURN :((("

; "$" before and after the opcode byte.
        org 0C0h
        mov dptr, #$       ; = 90 00 C1
        push $             ; = C0 C4
        inc $              ; = 05 C6
        cjne a, #$, $      ; = B4 C7 FD
        mov 30h, #$        ; = 75 30 CB
        db $,$             ; = CD CE
        mov a, #$          ; = 74 D0
        mov a, $           ; = E5 D2

; Values.
        org 100h
        db 2*3-4*5         ; = F2
        db 2-3+4           ; = 03
        db 8/2/2           ; = 02
        db 10/3*3          ; = 09
        db 2*10/3          ; = 06
        db 7-2*3           ; = 01
        db (1)(2)          ; = 0C
        db 0eh,17o,101b,10d,0d,0FFH,1h ; = 0E 0F 05 0A 00 FF 01
        db 1e              ; error: "Nie rozpoznano liczby '1e'"
        db 18o             ; error: "Nie rozpoznano liczby '18o'"
        db h               ; error: "Nie rozpoznano liczby 'h'"
        db 20h.3,20h.1+1,1+20h.1,20h.(1+1),20h.#1 ; = 23 22 22 22 21
        db HiGh(1234h),low(300),high(65535)+0 ; = 12 2C FF
        db high(0-1)       ; error: "Nie rozpoznano liczby 'high(0-1)'"
        db low(0-1)        ; error: "Nie rozpoznano liczby 'low(0-1)'"
        db 0-1             ; = FF
        db 0b,1D,0dh,100000000h+7 ; = 00 01 0D 07
        db 2*#3            ; = 06
        db ##5*2           ; = 0A
        db 2*##5           ; error: "Nie rozpoznano liczby '2*##5'"

; Operand classes and names.
        mov a, #a          ; = 74 E0
        mov a, #p1         ; = 74 90
        mov a, #tr0        ; error: "Oczekiwano: Rn, direct, Ri, #data"
        mov a, r8          ; error: "Oczekiwano: Rn, direct, Ri, #data"
        setb p1            ; = D2 90
        setb acc           ; = D2 E0
        setb b.7           ; = D2 F7
        clr P2.3           ; = C2 A3
        cpl cy             ; = B2 D7
        setb lab1          ; = D2 00
        setb 0-1           ; error: "Oczekiwano zmiennej bitowej"
        mov c, 20h.8       ; = A2 28
        mov c, a           ; = A2 E0
        mov c, r0          ; error: "Oczekiwano adresu bitu"

; MOV.
        mov a, @r0         ; = E6
        mov a, tr0         ; = E5 ; error: "Nieznana Liczba"
        mov tr0, 30h       ; = 85 ; error: "Oczekiwano zmiennej bitowej 'c' "
        mov 30h, tr0       ; = 85 ; error: "Nieznana Liczba"
        mov tr0, a         ; = F5 ; error: "Nieznana Liczba"
        mov tr0, r0        ; = 88 ; error: "Nieznana Liczba"
        mov r0, #tr0       ; error: "Oczekiwano: a, direct, #data"
        mov 300h, 30h      ; = 85 00 30
        mov 30h, 300h      ; = 85 30 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        mov 300h, @dptr    ; error: "Oczekiwano: a, Rn, Ri, direct, #data" ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        mov 300h, dptr     ; error: "Oczekiwano: a, Rn, Ri, direct, #data"
        mov dptr, 12345h   ; error: "Oczekiwano liczby" ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFFFh (65535)"
        mov dptr, #0-300   ; = 90 FF D4
        mov @r1, #300      ; = 77 2C ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        mov 300h, r2       ; = 8A 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"

; Arithmetic and logic.
        addc a, @r0        ; = 36
        subb a, r0         ; = 98
        add a, p1          ; = 25 90
        subb a             ; error: "Oczekiwano argumentu"
        addc a, #1, 2      ; error: "Rozkaz pobiera  2 argumenty - pierwszy a"
        anl a, @r0         ; = 56
        xrl a, @r0         ; = 66
        orl a, @r1         ; = 47
        anl a, #a          ; = 54 E0
        anl c, nic         ; error: "Oczekiwano adresu bitu"
        orl c, /nic        ; error: "Oczekiwano adresu bitu"
        xrl c, /p1.0       ; error: "Oczekiwano: A, direct "
        anl 30h, c         ; error: "Oczekiwano: a, #data"
        xrl 30h, @r0       ; error: "Oczekiwano: a, #data"
        orl a, a           ; error: "Oczekiwano: Rn, direct, Ri, #data"
        xrl                ; error: "Oczekiwano argumentu"
        anl                ; error: "Oczekiwano 2-ch ragumentow"
        orl a, 1, 2        ; error: "Rozkaz pobiera  2 argumenty "
        anl 300h, #1       ; = 53 00 01
        anl 30h, #300      ; = 53 30 2C ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        orl 300h, a        ; = 42 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"

; Argument counts.
        movc b, @a+pc, 1   ; error: "Rozkaz pobiera tylko 2 argumenty"
        movc a             ; error: "Oczekiwano 2-ch ragumentow, pierwszy: a"
        movc               ; error: "Oczekiwano 2-ch ragumentow, pierwszy: a"
        da b               ; error: "Oczekiwano argumentu a"
        da b, c            ; error: "Rozkaz pobiera tylko 1 argument - a"
        swap               ; error: "Rozkaz pobiera tylko 1 argument - a"
        mul                ; error: "Oczekiwano argumentu ab"
        mul ab, c          ; error: "Rozkaz pobiera tylko argument ab"
        div a, b           ; error: "Rozkaz pobiera tylko argument ab"
        rl                 ; error: "Oczekiwano: a"
        push               ; error: "Oczekiwano argumentu"
        pop a, b           ; error: "Rozkaz pobiera tylko jeden argument"
        clr                ; error: "Oczekiwano argumentu"
        cpl                ; error: "Oczekiwano argumentu"
        inc a, b, c        ; error: "Rozkaz pobiera tylko 1 argument"
        xchd a             ; error: "Oczekiwano argumentu"
        xchd a, @r0, x     ; error: "Rozkaz pobiera  2 argumenty "
        movx a, @r0, x     ; error: "Rozkaz pobiera tylko 2 argumenty"
        nop a, b           ; error: "Rozkaz nie pobiera argumentow"
        ljmp               ; error: "Oczekiwano ragumentu"
        lcall a, b         ; error: "Rozkaz pobiera tylko 1 argument"
        acall              ; error: "Oczekiwano ragumentu"
        jc                 ; error: "Oczekiwano ragumentu"
        jz 1, 2            ; error: "Rozkaz pobiera tylko 1 argument"
        jbc                ; error: "Oczekiwano 2-ch ragumentow"
        jnb a, b, c        ; error: "Rozkaz pobiera tylko 2 argumenty"
        djnz               ; error: "Oczekiwano 2-ch ragumentow"
        cjne               ; error: "Rozkaz pobiera 3 argumenty"
        jmp                ; error: "oczekiwano: jmp @a+dptr"
        jmp @a+pc          ; error: "oczekiwano: jmp @a+dptr"

; INC, DEC, CLR, CPL, SETB.
        dec 30h            ; = 15 30
        dec @r0            ; = 16
        dec r0             ; = 18
        dec c              ; error: "Nieznany argument"
        dec tr0            ; = 15 ; error: "Nieznana liczba"
        inc @dptr          ; error: "Nieznany argument"
        inc #nic           ; error: "Nieznany argument"
        inc 300h           ; = 05 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        cpl 20h            ; = B2 20
        clr 7Fh            ; = C2 7F
        cpl #1             ; error: "Oczekiwano: A, direct, C "
        clr @r0            ; error: "Oczekiwano: A, direct, C "
        clr dptr           ; error: "Oczekiwano: A, direct, C "
        setb r0            ; error: "Oczekiwano: direct, C "
        setb nic           ; error: "Oczekiwano: direct, C "
        clr 0-1            ; error: "Oczekiwano zmiennej bitowej"

; XCH, XCHD, MOVX, PUSH, POP.
        xch a, nic         ; error: "Oczekiwano: Rn, Ri, direct"
        xch a, p1          ; = C5 90
        xch A, R3          ; = CB
        xch a, a           ; error: "Oczekiwano: Rn, Ri, direct"
        xchd a, 30h        ; error: "Oczekiwano: Rn, Ri, direct"
        xchd b, @r0        ; error: "Oczekiwano: a"
        xch a, 300h        ; = C5 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        movx @r1, #1       ; error: "Oczekiwano: a"
        movx a, a          ; error: "Oczekiwano: a,Ri ; a,@dptr"
        movx 30h, a        ; error: "Oczekiwano: A, Ri, @dptr"
        movx dptr, a       ; error: "Oczekiwano: A, Ri, @dptr"
        MOVX A, @DPTR      ; = E0
        push 300h          ; = C0 00 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        push r0            ; = C0 ; error: "Nieznana Liczba"
        pop #lab1          ; = D0 00

; Jumps on bits, DJNZ and CJNE.
        jb 20h.1, $        ; = 20 21 FD
        jbc c, $           ; = 10 D7 FD
        jb nic, $          ; error: "Oczekiwano adresu bitu"
        jnb nic, nic2      ; error: "Oczekiwano adresu bitu"
        djnz 300h, $       ; = D5 00 FD
        djnz acc, $        ; = D5 E0 FD
        djnz @r0, $        ; error: "Oczekiwano: direct, Rn"
        djnz #5, $         ; error: "Oczekiwano: direct, Rn"
        djnz tr0, nic      ; error: "Arg1 powinien byc liczba"
        cjne b, #1, nic    ; error: "Spodziewano sie adresu do skoku"
        cjne b, nic, $     ; error: "Oczekiwano: direct, #data"
        cjne r0, #300, $   ; = B8 2C FD
        cjne a, tr0, $     ; error: "Oczekiowano adresu: deirect, #data"
        cjne a, c, $       ; error: "Oczekiowano adresu: deirect, #data"
        cjne a, p1, $      ; = B5 90 FD
        cjne @r0, #1, $    ; = B6 01 FD
        cjne r7, #1, $     ; = BF 01 FD
        sjmp $+2           ; = 80 00

; The size rule on jump targets: a label read as a label has no size.
        org 300h
        jnz 300h           ; = 70 FE ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        jz far3            ; = 60 0F
        jz far3+0          ; = 60 0D ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        jb p1.0, far3      ; = 20 90 0A
        jb p1.0, far3+0    ; = 20 90 07 ; warning: "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)"
        djnz r0, far3+0    ; = D8 05
        cjne a, #1, far3+0 ; = B4 01 02
        sjmp far3+0        ; = 80 00
far3:   nop                ; = 00

; The page of ACALL and AJMP.
        org 0B00h
        acall t3           ; = 71 40
        ajmp t3            ; = 61 40
        acall t4           ; error: "Przekroczono zakres skoku ajmp"
        org 0B40h
t3:     ret                ; = 22
        org 1000h
t4:     ret                ; = 22

; Directives.
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
