; "end" ends the source: later rows leave the table and their labels are
; gone, and so is a label on the "end" row itself.
        nop                ; = 00
        jnz dalej          ; error: "Spodziewano sie adresu do skoku"
        ljmp start         ; error: "Oczekiwano adresu"
start:  End
dalej:  nop
        db 'nie ma mnie'
        xyz
