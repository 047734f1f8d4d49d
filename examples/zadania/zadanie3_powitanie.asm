; Zadanie 3. Powitanie na wyÅ›wietlaczu.
;
; Po starcie program ma wypisaÄ‡ na wyÅ›wietlaczu LCD dwie linie:
;   linia 1: "Dzien dobry!" od pierwszej kolumny,
;   linia 2: "Kelbra 8051" od trzeciej kolumny (dwie spacje z przodu).
; Reszta ekranu ma byÄ‡ pusta, a kursor niewidoczny. Napis zostaje,
; program stoi w pÄ™tli.
;
; WyÅ›wietlacz: rozkazy zapisujemy pod XDATA 0FFF0h, znaki pod 0FFF2h,
; bajt statusu czytamy z 0FFF1h (bit 7 = 1: wyÅ›wietlacz zajÄ™ty).
;   38h  dwie linie, znaki 5x8       01h  czyszczenie ekranu
;   0Ch  ekran wÅ‚Ä…czony, bez kursora 06h  kolejne znaki w prawo
;   80h+k  pisanie od kolumny k linii 1, 0C0h+k  od kolumny k linii 2
; Gotowe procedury sÄ… w przykÅ‚adzie napis_lcd.asm.
;
; Sprawdzenie: klawisz F4 (menu Debug, â€SprawdÅº zadanieâ€) albo polecenie
;   kelbra-batch zadanie3_powitanie.asm
; sprawdza obie linie po 0,1 s pracy.
; Okno wyniku pokazuje kaÅ¼dy warunek z tym, co program daÅ‚ naprawdÄ™;
; niespeÅ‚nione sÄ… na gÃ³rze, na czerwono.
;
;#kelbra --cycles 100000
;#kelbra --expect "LCD1=Dzien dobry!"
;#kelbra --expect "LCD2=  Kelbra 8051"

        org 0
start:
        ; Tu wpisz swÃ³j program.

        sjmp start

        end
;pozycja okien:dwdxifh¬tdkdkl†ftfiŒdŒh‰ftdyd¸fªfefd€e~g«effd‡e¨g}gffffff 
