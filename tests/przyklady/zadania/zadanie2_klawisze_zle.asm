; S1 odwrotnie: przy wyłączonym pokazuje K8-K15.
        org 0
petla:  mov dptr,#0FFB0h
        movx a,@dptr
        mov dptr,#0FFE1h
        jnb acc.0,pokaz
        inc dptr
pokaz:  movx a,@dptr
        mov p1,a
        sjmp petla
