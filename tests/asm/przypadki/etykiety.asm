; Label checks: reserved names, numbers, duplicates. Their errors stop the
; run before the final passes, so no bytes are checked here.
acc:    nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety" ; error: "Dublujaca sie etykieta: acc"
Acc:    nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety" ; error: "Dublujaca sie etykieta: Acc"
p1.0:   nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety"
mov:    nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety"
c:      nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety"
tr0:    nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety"
end:    nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety"
r0:     nop
dptr:   nop
t2con:  nop
p4.0:   nop
a:      nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety"
DB:     nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety"
rlc:    nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety"
cy:     nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety"
b.7:    nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety"
sbuf:   nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety"
t2ex:   nop                ; error: "Uzyto nazwy zastrzezonaje jako etykiety"
ab:     nop
high:   nop
@r0:    nop
#:      nop
0x:     nop                ; error: "Uzyto liczby, jako etykiety"
1abc:   nop                ; error: "Uzyto liczby, jako etykiety"
Start:  nop                ; error: "Dublujaca sie etykieta: Start"
start:  nop                ; error: "Dublujaca sie etykieta: start"
$:      nop                ; error: "Dublujaca sie etykieta: $"
x       equ 5              ; error: "Dublujaca sie etykieta: x"
X:      nop                ; error: "Dublujaca sie etykieta: X"
#jeden: nop                ; error: "Dublujaca sie etykieta: #jeden"
jeden:  nop
żółw:   nop
ŻÓŁW:   nop
