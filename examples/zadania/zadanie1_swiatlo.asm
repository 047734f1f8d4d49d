; Zadanie 1. Biegn膮ce 艣wiat艂o.
;
; Na diodach portu P1 ma biec jedno zapalone 艣wiat艂o: najpierw 艣wieci
; dioda P1.0 (skrajna prawa), potem P1.1, P1.2 i tak dalej do P1.7,
; a po P1.7 znowu P1.0. Dioda 艣wieci, gdy jej bit w porcie ma warto艣膰 0,
; wi臋c kolejne warto艣ci P1 to FEh, FDh, FBh, ..., 7Fh, FEh, ...
;
; Ka偶de po艂o偶enie 艣wiat艂a trwa 10 ms, czyli 10 000 cykli maszynowych
; (dopuszczalna odchy艂ka: 5%). Pierwsze po艂o偶enie zaczyna si臋 od razu
; po starcie programu.
;
; Wskaz贸wka: p臋tla op贸藕niaj膮ca z dwoma licznikami (DJNZ w DJNZ) i rozkaz
; RL A, kt贸ry przesuwa bity akumulatora w lewo.
;
; Sprawdzenie: polecenie
;   kelbra-batch zadanie1_swiatlo.asm
; sprawdza po艂o偶enie 艣wiat艂a w 艣rodku ka偶dego z dziesi臋ciu pierwszych
; okres贸w (po 5 000, 15 000, ..., 95 000 cykli).
;
;#kelbra --cycles 100000
;#kelbra --expect P1=FE@5000  --expect P1=FD@15000 --expect P1=FB@25000
;#kelbra --expect P1=F7@35000 --expect P1=EF@45000 --expect P1=DF@55000
;#kelbra --expect P1=BF@65000 --expect P1=7F@75000 --expect P1=FE@85000
;#kelbra --expect P1=FD@95000

        org 0
start:
        ; Tu wpisz sw贸j program.

        sjmp start

        end
;pozycja okien:dwdxifh瑃dkdkl唂tfi宒宧塮漷dyd竑猣efd�e~g玡ffd噀╣}gffffff 
