; Structural marks: too many labels, instructions or arguments.
x: y: nop                  ; Error: "Zbyt wiele etykiet. W wierszu, moze byc tylko 1 etykieta"
x2: y2: z2: nop            ; Error: "Zbyt wiele etykiet. W wierszu, moze byc tylko 1 etykieta"
        mov a ,#5          ; Error: "Zbyt wiele rozkazow. W wierszu, moze byc tylko 1 rozkaz"
        mov a, #5
        cjne a,#1,x,y      ; Error: "Zbyt wiele argumentow w rozkazie. Nie ma rozkazow, na wiecej niz 3 argumenty"
NAZWA   code 100h          ; Error: "Zbyt wiele rozkazow. W wierszu, moze byc tylko 1 rozkaz"
w: v: mov a b c, d, e, f   ; Error: "Zbyt wiele etykiet. W wierszu, moze byc tylko 1 etykieta" ; Error: "Zbyt wiele rozkazow. W wierszu, moze byc tylko 1 rozkaz" ; Error: "Zbyt wiele argumentow w rozkazie. Nie ma rozkazow, na wiecej niz 3 argumenty"
        db 1 2 3           ; = 01 ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): 2 3"
q: r: db 1                 ; = 01 ; warning: "Pominieto tekst, ktorego db nie uzywa: r"
