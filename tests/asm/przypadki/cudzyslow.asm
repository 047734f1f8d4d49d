; A quote that runs to the end of the line stops the split of that line.
        db 'abc            ; error: "Bledny format ciagu liczb w "db" "
        db ''              ; error: "Bledny format ciagu liczb w "db" "
        db 'x\'y'          ; error: "Bledny format ciagu liczb w "db" "
        mov a, #'          ; error: "Bledny format ciagu liczb w "db" "
etykieta 'a b              ; error: "Bledny format ciagu liczb w "db" "
        db 'a b', 'c'      ; = 61 20 62 ; warning: "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): 'c'"
