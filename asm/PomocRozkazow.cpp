#include "PomocRozkazow.h"

#include <array>

#include "TablicaRozkazow.h"
#include "Tekst.h"

namespace kelbra {

namespace {

using S = Slowo;

constexpr const char* Arytm = "CY, AC, OV, P";

// Rn and @Ri forms name the first of their opcodes; the others have the
// same length and cycles.
constexpr FormaRozkazu Formy[] = {
    {S::Acall, "ACALL", "adres11", 0x11, "wywołuje podprogram w tym samym bloku 2 KB; adres powrotu idzie na stos", "", "acall $"},
    {S::Add, "ADD", "A,Rn", 0x28, "dodaje rejestr Rn do akumulatora", Arytm, "add a,r0"},
    {S::Add, "ADD", "A,direct", 0x25, "dodaje bajt pamięci DATA lub SFR do akumulatora", Arytm, "add a,30h"},
    {S::Add, "ADD", "A,@Ri", 0x26, "dodaje bajt wskazany przez R0 lub R1 do akumulatora", Arytm, "add a,@r0"},
    {S::Add, "ADD", "A,#dane", 0x24, "dodaje stałą do akumulatora", Arytm, "add a,#1"},
    {S::Addc, "ADDC", "A,Rn", 0x38, "dodaje rejestr Rn i przeniesienie CY do akumulatora", Arytm, "addc a,r0"},
    {S::Addc, "ADDC", "A,direct", 0x35, "dodaje bajt pamięci i przeniesienie CY do akumulatora", Arytm, "addc a,30h"},
    {S::Addc, "ADDC", "A,@Ri", 0x36, "dodaje bajt wskazany przez Ri i przeniesienie CY do akumulatora", Arytm, "addc a,@r0"},
    {S::Addc, "ADDC", "A,#dane", 0x34, "dodaje stałą i przeniesienie CY do akumulatora", Arytm, "addc a,#1"},
    {S::Ajmp, "AJMP", "adres11", 0x01, "skacze pod adres w tym samym bloku 2 KB", "", "ajmp $"},
    {S::Anl, "ANL", "A,Rn", 0x58, "iloczyn logiczny akumulatora i rejestru Rn do akumulatora", "P", "anl a,r0"},
    {S::Anl, "ANL", "A,direct", 0x55, "iloczyn logiczny akumulatora i bajtu pamięci do akumulatora", "P", "anl a,30h"},
    {S::Anl, "ANL", "A,@Ri", 0x56, "iloczyn logiczny akumulatora i bajtu wskazanego przez Ri", "P", "anl a,@r0"},
    {S::Anl, "ANL", "A,#dane", 0x54, "iloczyn logiczny akumulatora i stałej", "P", "anl a,#1"},
    {S::Anl, "ANL", "direct,A", 0x52, "iloczyn logiczny bajtu pamięci i akumulatora do tego bajtu", "", "anl 30h,a"},
    {S::Anl, "ANL", "direct,#dane", 0x53, "iloczyn logiczny bajtu pamięci i stałej do tego bajtu", "", "anl 30h,#1"},
    {S::Anl, "ANL", "C,bit", 0x82, "iloczyn logiczny przeniesienia i bitu do CY", "CY", "anl c,0"},
    {S::Anl, "ANL", "C,/bit", 0xB0, "iloczyn logiczny przeniesienia i zanegowanego bitu do CY", "CY", "anl c,/0"},
    {S::Cjne, "CJNE", "A,direct,rel", 0xB5, "porównuje akumulator z bajtem pamięci i skacze, gdy są różne; CY = A < bajt", "CY", "cjne a,30h,$"},
    {S::Cjne, "CJNE", "A,#dane,rel", 0xB4, "porównuje akumulator ze stałą i skacze, gdy są różne; CY = A < stała", "CY", "cjne a,#1,$"},
    {S::Cjne, "CJNE", "Rn,#dane,rel", 0xB8, "porównuje rejestr Rn ze stałą i skacze, gdy są różne; CY = Rn < stała", "CY", "cjne r0,#1,$"},
    {S::Cjne, "CJNE", "@Ri,#dane,rel", 0xB6, "porównuje bajt wskazany przez Ri ze stałą i skacze, gdy są różne", "CY", "cjne @r0,#1,$"},
    {S::Clr, "CLR", "A", 0xE4, "zeruje akumulator", "P", "clr a"},
    {S::Clr, "CLR", "C", 0xC3, "zeruje przeniesienie CY", "CY", "clr c"},
    {S::Clr, "CLR", "bit", 0xC2, "zeruje bit", "", "clr 0"},
    {S::Cpl, "CPL", "A", 0xF4, "neguje wszystkie bity akumulatora", "P", "cpl a"},
    {S::Cpl, "CPL", "C", 0xB3, "neguje przeniesienie CY", "CY", "cpl c"},
    {S::Cpl, "CPL", "bit", 0xB2, "neguje bit", "", "cpl 0"},
    {S::Da, "DA", "A", 0xD4, "korekta dziesiętna akumulatora po dodawaniu liczb BCD", "CY, P", "da a"},
    {S::Dec, "DEC", "A", 0x14, "zmniejsza akumulator o 1", "P", "dec a"},
    {S::Dec, "DEC", "Rn", 0x18, "zmniejsza rejestr Rn o 1", "", "dec r0"},
    {S::Dec, "DEC", "direct", 0x15, "zmniejsza bajt pamięci o 1", "", "dec 30h"},
    {S::Dec, "DEC", "@Ri", 0x16, "zmniejsza o 1 bajt wskazany przez Ri", "", "dec @r0"},
    {S::Div, "DIV", "AB", 0x84, "dzieli A przez B: iloraz w A, reszta w B; OV = 1 przy dzieleniu przez 0", "CY, OV, P", "div ab"},
    {S::Djnz, "DJNZ", "Rn,rel", 0xD8, "zmniejsza rejestr Rn o 1 i skacze, gdy nie jest zerem", "", "djnz r0,$"},
    {S::Djnz, "DJNZ", "direct,rel", 0xD5, "zmniejsza bajt pamięci o 1 i skacze, gdy nie jest zerem", "", "djnz 30h,$"},
    {S::Inc, "INC", "A", 0x04, "zwiększa akumulator o 1", "P", "inc a"},
    {S::Inc, "INC", "Rn", 0x08, "zwiększa rejestr Rn o 1", "", "inc r0"},
    {S::Inc, "INC", "direct", 0x05, "zwiększa bajt pamięci o 1", "", "inc 30h"},
    {S::Inc, "INC", "@Ri", 0x06, "zwiększa o 1 bajt wskazany przez Ri", "", "inc @r0"},
    {S::Inc, "INC", "DPTR", 0xA3, "zwiększa 16-bitowy wskaźnik DPTR o 1", "", "inc dptr"},
    {S::Jb, "JB", "bit,rel", 0x20, "skacze, gdy bit jest jedynką", "", "jb 0,$"},
    {S::Jbc, "JBC", "bit,rel", 0x10, "skacze, gdy bit jest jedynką, i zeruje go", "", "jbc 0,$"},
    {S::Jc, "JC", "rel", 0x40, "skacze, gdy przeniesienie CY jest jedynką", "", "jc $"},
    {S::Jmp, "JMP", "@A+DPTR", 0x73, "skacze pod adres DPTR + A", "", "jmp @a+dptr"},
    {S::Jnb, "JNB", "bit,rel", 0x30, "skacze, gdy bit jest zerem", "", "jnb 0,$"},
    {S::Jnc, "JNC", "rel", 0x50, "skacze, gdy przeniesienie CY jest zerem", "", "jnc $"},
    {S::Jnz, "JNZ", "rel", 0x70, "skacze, gdy akumulator nie jest zerem", "", "jnz $"},
    {S::Jz, "JZ", "rel", 0x60, "skacze, gdy akumulator jest zerem", "", "jz $"},
    {S::Lcall, "LCALL", "adres16", 0x12, "wywołuje podprogram pod dowolnym adresem; adres powrotu idzie na stos", "", "lcall $"},
    {S::Ljmp, "LJMP", "adres16", 0x02, "skacze pod dowolny adres", "", "ljmp $"},
    {S::Mov, "MOV", "A,Rn", 0xE8, "kopiuje rejestr Rn do akumulatora", "P", "mov a,r0"},
    {S::Mov, "MOV", "A,direct", 0xE5, "kopiuje bajt pamięci do akumulatora", "P", "mov a,30h"},
    {S::Mov, "MOV", "A,@Ri", 0xE6, "kopiuje bajt wskazany przez Ri do akumulatora", "P", "mov a,@r0"},
    {S::Mov, "MOV", "A,#dane", 0x74, "wpisuje stałą do akumulatora", "P", "mov a,#1"},
    {S::Mov, "MOV", "Rn,A", 0xF8, "kopiuje akumulator do rejestru Rn", "", "mov r0,a"},
    {S::Mov, "MOV", "Rn,direct", 0xA8, "kopiuje bajt pamięci do rejestru Rn", "", "mov r0,30h"},
    {S::Mov, "MOV", "Rn,#dane", 0x78, "wpisuje stałą do rejestru Rn", "", "mov r0,#1"},
    {S::Mov, "MOV", "direct,A", 0xF5, "kopiuje akumulator do bajtu pamięci", "", "mov 30h,a"},
    {S::Mov, "MOV", "direct,Rn", 0x88, "kopiuje rejestr Rn do bajtu pamięci", "", "mov 30h,r0"},
    {S::Mov, "MOV", "direct,direct", 0x85, "kopiuje bajt pamięci do innego bajtu pamięci", "", "mov 30h,31h"},
    {S::Mov, "MOV", "direct,@Ri", 0x86, "kopiuje bajt wskazany przez Ri do bajtu pamięci", "", "mov 30h,@r0"},
    {S::Mov, "MOV", "direct,#dane", 0x75, "wpisuje stałą do bajtu pamięci", "", "mov 30h,#1"},
    {S::Mov, "MOV", "@Ri,A", 0xF6, "kopiuje akumulator do bajtu wskazanego przez Ri", "", "mov @r0,a"},
    {S::Mov, "MOV", "@Ri,direct", 0xA6, "kopiuje bajt pamięci do bajtu wskazanego przez Ri", "", "mov @r0,30h"},
    {S::Mov, "MOV", "@Ri,#dane", 0x76, "wpisuje stałą do bajtu wskazanego przez Ri", "", "mov @r0,#1"},
    {S::Mov, "MOV", "C,bit", 0xA2, "kopiuje bit do przeniesienia CY", "CY", "mov c,0"},
    {S::Mov, "MOV", "bit,C", 0x92, "kopiuje przeniesienie CY do bitu", "", "mov 0,c"},
    {S::Mov, "MOV", "DPTR,#dane16", 0x90, "wpisuje 16-bitową stałą do wskaźnika DPTR", "", "mov dptr,#1234h"},
    {S::Movc, "MOVC", "A,@A+DPTR", 0x93, "czyta do akumulatora bajt pamięci CODE spod adresu DPTR + A", "P", "movc a,@a+dptr"},
    {S::Movc, "MOVC", "A,@A+PC", 0x83, "czyta do akumulatora bajt pamięci CODE spod adresu PC + A (PC za rozkazem)", "P", "movc a,@a+pc"},
    {S::Movx, "MOVX", "A,@Ri", 0xE2, "czyta do akumulatora bajt XDATA spod adresu P2·256 + Ri", "P", "movx a,@r0"},
    {S::Movx, "MOVX", "A,@DPTR", 0xE0, "czyta do akumulatora bajt XDATA spod adresu DPTR", "P", "movx a,@dptr"},
    {S::Movx, "MOVX", "@Ri,A", 0xF2, "zapisuje akumulator do XDATA pod adres P2·256 + Ri", "", "movx @r0,a"},
    {S::Movx, "MOVX", "@DPTR,A", 0xF0, "zapisuje akumulator do XDATA pod adres DPTR (tak pisze się do wyświetlacza LCD)", "", "movx @dptr,a"},
    {S::Mul, "MUL", "AB", 0xA4, "mnoży A przez B: młodszy bajt iloczynu w A, starszy w B; OV = 1, gdy iloczyn > 255", "CY, OV, P", "mul ab"},
    {S::Nop, "NOP", "", 0x00, "nic nie robi", "", "nop"},
    {S::Orl, "ORL", "A,Rn", 0x48, "suma logiczna akumulatora i rejestru Rn do akumulatora", "P", "orl a,r0"},
    {S::Orl, "ORL", "A,direct", 0x45, "suma logiczna akumulatora i bajtu pamięci do akumulatora", "P", "orl a,30h"},
    {S::Orl, "ORL", "A,@Ri", 0x46, "suma logiczna akumulatora i bajtu wskazanego przez Ri", "P", "orl a,@r0"},
    {S::Orl, "ORL", "A,#dane", 0x44, "suma logiczna akumulatora i stałej", "P", "orl a,#1"},
    {S::Orl, "ORL", "direct,A", 0x42, "suma logiczna bajtu pamięci i akumulatora do tego bajtu", "", "orl 30h,a"},
    {S::Orl, "ORL", "direct,#dane", 0x43, "suma logiczna bajtu pamięci i stałej do tego bajtu", "", "orl 30h,#1"},
    {S::Orl, "ORL", "C,bit", 0x72, "suma logiczna przeniesienia i bitu do CY", "CY", "orl c,0"},
    {S::Orl, "ORL", "C,/bit", 0xA0, "suma logiczna przeniesienia i zanegowanego bitu do CY", "CY", "orl c,/0"},
    {S::Pop, "POP", "direct", 0xD0, "zdejmuje bajt ze stosu do pamięci i zmniejsza SP", "", "pop 30h"},
    {S::Push, "PUSH", "direct", 0xC0, "zwiększa SP i kładzie bajt pamięci na stos", "", "push 30h"},
    {S::Ret, "RET", "", 0x22, "wraca z podprogramu pod adres zdjęty ze stosu", "", "ret"},
    {S::Reti, "RETI", "", 0x32, "wraca z obsługi przerwania pod adres zdjęty ze stosu", "", "reti"},
    {S::Rl, "RL", "A", 0x23, "obraca akumulator o bit w lewo", "", "rl a"},
    {S::Rlc, "RLC", "A", 0x33, "obraca akumulator o bit w lewo przez przeniesienie CY", "CY, P", "rlc a"},
    {S::Rr, "RR", "A", 0x03, "obraca akumulator o bit w prawo", "", "rr a"},
    {S::Rrc, "RRC", "A", 0x13, "obraca akumulator o bit w prawo przez przeniesienie CY", "CY, P", "rrc a"},
    {S::Setb, "SETB", "C", 0xD3, "ustawia przeniesienie CY", "CY", "setb c"},
    {S::Setb, "SETB", "bit", 0xD2, "ustawia bit", "", "setb 0"},
    {S::Sjmp, "SJMP", "rel", 0x80, "skacze krótko: od 128 bajtów wstecz do 127 naprzód", "", "sjmp $"},
    {S::Subb, "SUBB", "A,Rn", 0x98, "odejmuje od akumulatora rejestr Rn i pożyczkę CY", Arytm, "subb a,r0"},
    {S::Subb, "SUBB", "A,direct", 0x95, "odejmuje od akumulatora bajt pamięci i pożyczkę CY", Arytm, "subb a,30h"},
    {S::Subb, "SUBB", "A,@Ri", 0x96, "odejmuje od akumulatora bajt wskazany przez Ri i pożyczkę CY", Arytm, "subb a,@r0"},
    {S::Subb, "SUBB", "A,#dane", 0x94, "odejmuje od akumulatora stałą i pożyczkę CY", Arytm, "subb a,#1"},
    {S::Swap, "SWAP", "A", 0xC4, "zamienia miejscami połówki akumulatora", "", "swap a"},
    {S::Xch, "XCH", "A,Rn", 0xC8, "wymienia akumulator z rejestrem Rn", "P", "xch a,r0"},
    {S::Xch, "XCH", "A,direct", 0xC5, "wymienia akumulator z bajtem pamięci", "P", "xch a,30h"},
    {S::Xch, "XCH", "A,@Ri", 0xC6, "wymienia akumulator z bajtem wskazanym przez Ri", "P", "xch a,@r0"},
    {S::Xchd, "XCHD", "A,@Ri", 0xD6, "wymienia młodsze połówki akumulatora i bajtu wskazanego przez Ri", "P", "xchd a,@r0"},
    {S::Xrl, "XRL", "A,Rn", 0x68, "różnica symetryczna akumulatora i rejestru Rn do akumulatora", "P", "xrl a,r0"},
    {S::Xrl, "XRL", "A,direct", 0x65, "różnica symetryczna akumulatora i bajtu pamięci do akumulatora", "P", "xrl a,30h"},
    {S::Xrl, "XRL", "A,@Ri", 0x66, "różnica symetryczna akumulatora i bajtu wskazanego przez Ri", "P", "xrl a,@r0"},
    {S::Xrl, "XRL", "A,#dane", 0x64, "różnica symetryczna akumulatora i stałej", "P", "xrl a,#1"},
    {S::Xrl, "XRL", "direct,A", 0x62, "różnica symetryczna bajtu pamięci i akumulatora do tego bajtu", "", "xrl 30h,a"},
    {S::Xrl, "XRL", "direct,#dane", 0x63, "różnica symetryczna bajtu pamięci i stałej do tego bajtu", "", "xrl 30h,#1"},
};

std::string Liczebnik(int n, const char* jeden, const char* kilka, const char* wiele) {
  const int d = n % 10;
  const int s = n % 100;
  const char* slowo = n == 1 ? jeden : (d >= 2 && d <= 4 && (s < 12 || s > 14)) ? kilka : wiele;
  return std::to_string(n) + " " + slowo;
}

}  // namespace

std::span<const FormaRozkazu> FormyRozkazow() { return Formy; }

std::string OpisFormy(const FormaRozkazu& f) {
  std::string t = f.mnemonik;
  if (*f.operandy != '\0') t += std::string(" ") + f.operandy;
  t += " — ";
  t += f.opis;
  t += "; " + Liczebnik(DlugoscRozkazu[f.kod], "bajt", "bajty", "bajtów");
  t += ", " + Liczebnik(CykleRozkazu[f.kod], "cykl", "cykle", "cykli");
  t += *f.flagi != '\0' ? std::string("; zmienia ") + f.flagi : std::string("; nie zmienia flag");
  return t;
}

std::string PomocRozkazu(std::string_view mnemonik) {
  const KodSlowa s = KodMnemonika(mnemonik);
  std::string t;
  if (!s.znane || s.slowo == Slowo::Brak || JestDyrektywa(s.slowo)) return t;
  for (const FormaRozkazu& f : Formy) {
    if (f.slowo != s.slowo) continue;
    if (!t.empty()) t += '\n';
    t += OpisFormy(f);
  }
  return t;
}

std::optional<SlowoWLinii> MnemonikWKolumnie(std::string_view linia, size_t kolumna) {
  // Words end where the splitter ends them; the first one not closed by a
  // colon is the mnemonic.
  auto koniecSlowa = [](char c) { return c == ' ' || c == '\t' || c == ':' || c == ';' || c == ','; };
  size_t p = 0;
  for (;;) {
    while (p < linia.size() && tekst::Odstep(linia[p])) ++p;
    if (p >= linia.size() || linia[p] == ';') return std::nullopt;
    const size_t poczatek = p;
    while (p < linia.size() && !koniecSlowa(linia[p])) ++p;
    if (p < linia.size() && linia[p] == ':') {
      ++p;
      continue;  // a label
    }
    if (p == poczatek) return std::nullopt;  // a stray comma
    if (kolumna < poczatek || kolumna >= p) return std::nullopt;
    const std::string_view slowo = linia.substr(poczatek, p - poczatek);
    const KodSlowa s = KodMnemonika(slowo);
    if (!s.znane || s.slowo == Slowo::Brak || JestDyrektywa(s.slowo)) return std::nullopt;
    return SlowoWLinii{poczatek, p - poczatek, slowo};
  }
}

}  // namespace kelbra
