; Text a row leaves out is named in a warning on its line; the bytes stay
; those of the text that was read. Lines without a warning lose nothing.
; A db list ends at a blank outside quotes:
        db 1, 2, 3         ; = 01 ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): 2, 3"
        db 'Hello', 0      ; = 48 65 6C 6C 6F ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): 0"
tab:    DB 'a', 'b', 0     ; = 61 ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): 'b', 0"
        db 1,  2,   3      ; = 01 ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): 2,   3"
        db 1,2, 3          ; = 01 02 ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): 3"
        db 1 ,2            ; = 01 ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): ,2"
        db 1, 2 ; licznik  ; = 01 ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): 2"
        db 1, 2;3          ; = 01 ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): 2"
dane    db 10, 20          ; = 0A ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): 20"
; A label between the lost tokens is no lost text.
        db 1, lab: 2       ; = 01 ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): 2"
q: r:   db 7               ; = 07 ; warning: "Pominieto tekst, ktorego db nie uzywa: r"
; Directives read their first argument only:
x1      equ 5, 6           ; warning: "Pominieto tekst, ktorego equ nie uzywa: 6"
x2      set 1,2,3          ; warning: "Pominieto tekst, ktorego set nie uzywa: 2,3"
x3:     data 30h, 31h      ; warning: "Pominieto tekst, ktorego data nie uzywa: 31h"
x4      bit p1.0, p1.1     ; warning: "Pominieto tekst, ktorego bit nie uzywa: p1.1"
x5:     CODE 10h, 1        ; warning: "Pominieto tekst, ktorego CODE nie uzywa: 1"
x6      idata 0C0h, 1      ; warning: "Pominieto tekst, ktorego idata nie uzywa: 1"
x7      xdata 1234h,5      ; warning: "Pominieto tekst, ktorego xdata nie uzywa: 5"
        org 20h, 30h       ; warning: "Pominieto tekst, ktorego org nie uzywa: 30h"
        db x1,x2,x3,x4,x5  ; = 05 01 30 90 10
        db x6,low(x7)      ; = C0 34
; Nothing lost: lists without blanks, blanks inside quotes, comments.
        db 1,2,3           ; = 01 02 03
        DB 1,2,'a b'       ; = 01 02 61 20 62
        db 1,2,3;4, 5      ; = 01 02 03
        db 1,2,3 ; 4, 5    ; = 01 02 03
        db 'a, b',0Ah      ; = 61 2C 20 62 0A
napis   db 'x y',0         ; = 78 20 79 00
x8      equ 5
        mov a, #x8         ; = 74 05
petla:  djnz r7, petla ; licznik ; = DF FE
        cjne a, #1, petla  ; = B4 01 FB
        mov 30h, 31h       ; = 85 30 31
pusta:
        db
; "end" takes no argument; rows after it are not assembled.
        end start          ; warning: "Pominieto tekst, ktorego end nie uzywa: start"
        db 1, 2
        org 0, 1
