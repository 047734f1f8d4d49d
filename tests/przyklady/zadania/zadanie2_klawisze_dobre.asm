; S1 wybiera bajt klawiszy dynamicznych pokazywany na P1.
        org 0
petla:  mov dptr,#0FFB0h
        movx a,@dptr
        mov dptr,#0FFE1h        ; S1 wyłączony: K0-K7
        jb acc.0,pokaz
        inc dptr                ; S1 włączony: K8-K15
pokaz:  movx a,@dptr
        mov p1,a
        sjmp petla
