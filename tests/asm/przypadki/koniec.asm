; "end" ends the source: later rows leave the table and their labels are
; gone, and so is a label on the "end" row itself.
        nop                ; = 00
        jnz dalej          ; error: "Spodziewano sie adresu do skoku"
        ljmp start         ; error: "Oczekiwano adresu"
x12     end                ; error: "Nie ma takiego rozkazu"
start:  End
dalej:  nop
        db 'nie ma mnie'
        xyz
