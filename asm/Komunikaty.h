#pragma once
// Every text the assembler puts into its lists. They are the board users'
// own messages: doubled blanks, trailing blanks and spelling stay as they are.
// The one Polish letter (z with dot, BFh) is in the 8-bit code page, like the
// user's text that messages quote.

namespace kelbra::komunikat {

// Splitting, structure and label checks.
inline constexpr const char* Blad = "ERROR...";
inline constexpr const char* BladStruktury = "Error: ";
inline constexpr const char* Ostrzezenie = "Warning...";
inline constexpr const char* Linia = " linia. ";
inline constexpr const char* NiezamknietyCiag = "Bledny format ciagu liczb w \"db\" ";
inline constexpr const char* ZbytWieleEtykiet = "Zbyt wiele etykiet. W wierszu, moze byc tylko 1 etykieta";
inline constexpr const char* ZbytWieleRozkazow = "Zbyt wiele rozkazow. W wierszu, moze byc tylko 1 rozkaz";
inline constexpr const char* ZbytWieleArgumentow =
    "Zbyt wiele argumentow w rozkazie. Nie ma rozkazow, na wiecej niz 3 argumenty";
inline constexpr const char* NazwaZastrzezona = "Uzyto nazwy zastrzezonaje jako etykiety";
inline constexpr const char* LiczbaJakoEtykieta = "Uzyto liczby, jako etykiety";
inline constexpr const char* DublujacaEtykieta = "Dublujaca sie etykieta: ";

// Warnings.
inline constexpr const char* ZakresBajtu = "Przekroczono zakres dla argumentu z zakresu 0 - FFh (255)";
inline constexpr const char* ZakresSlowa = "Przekroczono zakres dla argumentu z zakresu 0 - FFFFh (65535)";
inline constexpr const char* ZakresDyrektywy = "Przekroczono zakres dla ";
inline constexpr const char* LimitBajtu = ": 0FFh (255)";
inline constexpr const char* LimitSlowa = ": 0FFFFh (65535)";
// Text a row leaves out; the text itself follows each of them.
inline constexpr const char* PominietoPoOdstepie =
    "Pominieto tekst po odstepie (w liscie db nie moze byc odstepow, takze po przecinkach): ";
inline constexpr const char* PominietoTekst = "Pominieto tekst, ktorego ";
inline constexpr const char* NieUzywa = " nie uzywa: ";

// Directives.
inline constexpr const char* NieznanaLiczbaMala = "Nieznana liczba";
inline constexpr const char* PobieraWartosc = " pobiera wartosc liczbowa";
inline constexpr const char* DbNiepoprawny = "db: niepoprawny ciag znakow";
inline constexpr const char* NieRozpoznanoLiczby = "Nie rozpoznano liczby '";
inline constexpr const char* Nieobslugiwany = "Rozkaz jeszcze nieobslugiwany. Brak funkcji RETURN :(((";
inline constexpr const char* NieznanyProblem = "Nieznany problem.....";

// Instructions.
inline constexpr const char* NieMaRozkazu = "Nie ma takiego rozkazu";
inline constexpr const char* Tylko1Argument = "Rozkaz pobiera tylko 1 argument";
inline constexpr const char* OczekiwanoRagumentu = "Oczekiwano ragumentu";
inline constexpr const char* OczekiwanoArgumentu = "Oczekiwano argumentu";
inline constexpr const char* TylkoJedenArgument = "Rozkaz pobiera tylko jeden argument";
inline constexpr const char* Tylko2Argumenty = "Rozkaz pobiera tylko 2 argumenty";
inline constexpr const char* Oczekiwano2Ragumentow = "Oczekiwano 2-ch ragumentow";
inline constexpr const char* Pobiera2Argumenty = "Rozkaz pobiera  2 argumenty ";
inline constexpr const char* Oczekiwano2RagumentowA = "Oczekiwano 2-ch ragumentow, pierwszy: a";
inline constexpr const char* Pobiera2ArgumentyA = "Rozkaz pobiera  2 argumenty - pierwszy a";
inline constexpr const char* Tylko1ArgumentA = "Rozkaz pobiera tylko 1 argument - a";
inline constexpr const char* OczekiwanoArgumentuA = "Oczekiwano argumentu a";
inline constexpr const char* TylkoArgumentAB = "Rozkaz pobiera tylko argument ab";
inline constexpr const char* OczekiwanoArgumentuAB = "Oczekiwano argumentu ab";
inline constexpr const char* OczekiwanoA = "Oczekiwano: a";
inline constexpr const char* BezArgumentow = "Rozkaz nie pobiera argumentow";
inline constexpr const char* BezArgumentowRet = "Rozkaz nie pobiera  argumentow";
inline constexpr const char* Pobiera3Argumenty = "Rozkaz pobiera 3 argumenty";

inline constexpr const char* NieznanaLiczba = "Nieznana Liczba";
inline constexpr const char* OczekiwanoLiczby = "Oczekiwano liczby";
inline constexpr const char* OczekiwanoAdresuBitu = "Oczekiwano adresu bitu";
inline constexpr const char* OczekiwanoZmiennejBitowej = "Oczekiwano zmiennej bitowej";
inline constexpr const char* OczekiwanoZmiennejBitowejC = "Oczekiwano zmiennej bitowej 'c' ";
inline constexpr const char* MovPoA = "Oczekiwano: Rn, direct, Ri, #data";
inline constexpr const char* MovPoRn = "Oczekiwano: a, direct, #data";
inline constexpr const char* MovPoDirect = "Oczekiwano: a, Rn, Ri, direct, #data";
inline constexpr const char* MovPoRi = "Oczekiwano: a, Rn, direct";
inline constexpr const char* MovCel = "Oczekiwano: A, Rn, direct, Ri, dptr";
inline constexpr const char* ArytmetykaArg2 = "Oczekiwano: A, Rn, direct, Ri, #data";
inline constexpr const char* LogikaPoA = "Oczekiwano: Rn, direct, Ri, #data";
inline constexpr const char* LogikaPoDirect = "Oczekiwano: a, #data";
inline constexpr const char* AnlCel = "Oczekiwano: A, direct, C";
inline constexpr const char* OrlCel = "Oczekiwano: A, direct, C ";
inline constexpr const char* XrlCel = "Oczekiwano: A, direct ";
inline constexpr const char* NieznanyArgument = "Nieznany argument";
inline constexpr const char* IncLiczby = "Liczby, nie mo\xBFna incrementowac";
inline constexpr const char* DecLiczby = "Liczby, nie mozna decrementowac";
inline constexpr const char* ClrCel = "Oczekiwano: A, direct, C ";
inline constexpr const char* SetbCel = "Oczekiwano: direct, C ";
inline constexpr const char* XchArg2 = "Oczekiwano: Rn, Ri, direct";
inline constexpr const char* MovcArg2 = "Oczekiwano: @A+DPTR, @A+PC";
inline constexpr const char* MovxPoA = "Oczekiwano: a,Ri ; a,@dptr";
inline constexpr const char* MovxCel = "Oczekiwano: A, Ri, @dptr";

// Jumps and calls.
inline constexpr const char* JmpTylkoDptr = "oczekiwano: jmp @a+dptr";
inline constexpr const char* OczekiwanoAdresu = "Oczekiwano adresu";
inline constexpr const char* ZakresAjmp = "Przekroczono zakres skoku ajmp";
inline constexpr const char* SpodziewanoAdresu = "Spodziewano sie adresu do skoku";
inline constexpr const char* ZakresSkoku = "Przekroczono zakres skoku -128 / 127";
inline constexpr const char* ZakresSkokuEtykiety = "Przekroczona zakres skoku -128 / 127";
inline constexpr const char* NieRozpoznanoAdresu = "Nie rozpoznano adresu";
inline constexpr const char* Arg1Liczba = "Arg1 powinien byc liczba";
inline constexpr const char* DjnzCel = "Oczekiwano: direct, Rn";
inline constexpr const char* CjneArg2 = "Oczekiwano: direct, #data";
inline constexpr const char* CjneWartosc = "Oczekiowano adresu: deirect, #data";
inline constexpr const char* CjneNieznany = "Nieznany blad 'cjne' :((";
inline constexpr const char* CjneData = "Oczekiwano: #data";
inline constexpr const char* CjneCel = "Oczekiwano: a, Rn, Ri";

}  // namespace kelbra::komunikat
