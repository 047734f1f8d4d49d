; Zadanie 2. Klawisze na diodach.
;
; Diody portu P1 mają pokazywać klawisze dynamiczne: wciśnięty klawisz
; zapala swoją diodę, puszczony ją gasi. Którą ósemkę klawiszy widać,
; wybiera klawisz statyczny S1:
;   S1 wyłączony: K0-K7 na diodach P1.0-P1.7,
;   S1 włączony:  K8-K15 na diodach P1.0-P1.7.
; Program działa bez końca i reaguje na zmiany od razu.
;
; Płytka trzyma stan klawiszy w bajtach XDATA (0 = wciśnięty albo
; włączony):
;   0FFB0h: S1 = bit 0 ... S8 = bit 7
;   0FFE1h: K0 = bit 0 ... K7 = bit 7
;   0FFE2h: K8 = bit 0 ... K15 = bit 7
;
; Sprawdzenie: klawisz F4 (menu Debug, „Sprawdź zadanie”) albo polecenie
;   kelbra-batch zadanie2_klawisze.asm
; naciska i puszcza klawisze w podanych cyklach i sprawdza P1 po każdej
; zmianie:
;   K2 wciśnięty                      -> P1 = FBh
;   K2 puszczony                      -> P1 = FFh
;   K9 wciśnięty, S1 wyłączony        -> P1 = FFh
;   S1 włączony (K9 dalej wciśnięty)  -> P1 = FDh
;   S1 wyłączony, wciśnięty też K0    -> P1 = FEh
; Okno wyniku pokazuje każdy warunek z tym, co program dał naprawdę;
; niespełnione są na górze, na czerwono.
;
;#kelbra --cycles 40000
;#kelbra --key K2@1000     --expect P1=FB@5000
;#kelbra --release K2@6000 --expect P1=FF@10000
;#kelbra --key K9@12000    --expect P1=FF@15000
;#kelbra --key S1@20000    --expect P1=FD@25000
;#kelbra --key S1@30000 --key K0@30000 --expect P1=FE@35000

        org 0
start:
        ; Tu wpisz swój program.

        sjmp start

        end
;pozycja okien:dwdxifh�tdkdkl�ftfi�d�h�f�tdyd�f�fefd�e~g�effd�e�g}gffffff 
