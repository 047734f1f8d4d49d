; Zadanie 1. Biegnące światło.
;
; Na diodach portu P1 ma biec jedno zapalone światło: najpierw świeci
; dioda P1.0 (skrajna prawa), potem P1.1, P1.2 i tak dalej do P1.7,
; a po P1.7 znowu P1.0. Dioda świeci, gdy jej bit w porcie ma wartość 0,
; więc kolejne wartości P1 to FEh, FDh, FBh, ..., 7Fh, FEh, ...
;
; Każde położenie światła trwa 10 ms, czyli 10 000 cykli maszynowych
; (dopuszczalna odchyłka: 5%). Pierwsze położenie zaczyna się od razu
; po starcie programu.
;
; Wskazówka: pętla opóźniająca z dwoma licznikami (DJNZ w DJNZ) i rozkaz
; RL A, który przesuwa bity akumulatora w lewo.
;
; Sprawdzenie: klawisz F4 (menu Debug, „Sprawdź zadanie”) albo polecenie
;   kelbra-batch zadanie1_swiatlo.asm
; sprawdza położenie światła w środku każdego z dziesięciu pierwszych
; okresów (po 5 000, 15 000, ..., 95 000 cykli).
; Okno wyniku pokazuje każdy warunek z tym, co program dał naprawdę;
; niespełnione są na górze, na czerwono.
;
;#kelbra --cycles 100000
;#kelbra --expect P1=FE@5000  --expect P1=FD@15000 --expect P1=FB@25000
;#kelbra --expect P1=F7@35000 --expect P1=EF@45000 --expect P1=DF@55000
;#kelbra --expect P1=BF@65000 --expect P1=7F@75000 --expect P1=FE@85000
;#kelbra --expect P1=FD@95000

        org 0
start:
        ; Tu wpisz swój program.

        sjmp start

        end
;pozycja okien:dwdxifh�tdkdkl�ftfi�d�h�f�tdyd�f�fefd�e~g�effd�e�g}gffffff 
