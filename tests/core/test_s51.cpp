// Differential check against an independent 8051 model, the s51 simulator:
// random instruction streams from random states run on both, and registers,
// internal RAM, SFRs, XDATA and PC must agree after every stream. One s51
// session runs all streams from a command file.
//
// Where this core deliberately differs from a standard 8051, the streams keep
// clear of the difference; each exclusion is listed with its reason:
// - MOV direct,direct (85h) takes its destination first in programs
//   assembled here; s51 takes the source first. The streams run in the order
//   this core gives a loaded image, the data sheet's, which is s51's.
// - A5h is a one-byte, zero-cycle no-operation here; it is never generated.
// - RETI (32h) ends an interrupt's in-service state in s51; here it is RET.
//   It is never generated.
// - Cycles follow this core's own table, so cycle counts are not compared,
//   and the timers, whose counts depend on them, stay stopped: TCON, TMOD,
//   TL0/TL1/TH0/TH1 are never operands.
// - External and serial interrupts are never taken here; s51 models them and
//   its serial port. IE, IP, SCON, SBUF, PCON and the 8052's timer 2 are never
//   operands.
// - s51 keeps a P bit that software wrote into PSW until ACC changes; this
//   core recomputes P after every instruction. PSW is never written as a
//   whole byte and its bit 0 is never a bit operand.
// - s51 does not switch the register bank when RS0 or RS1 change by a bit
//   instruction (SETB, CLR, CPL, MOV bit,C, JBC on D3h/D4h); here the next
//   register access uses the new bank. Those two bits are never bit operands;
//   the bank still varies, as every stream starts with a random PSW.
// - Ports read back their latch here; s51 reads latch AND pins. Pins stay
//   high, so the two agree; P2 is left at FFh since it also forms MOVX
//   addresses, which keeps XDATA traffic inside the compared ranges.
// - s51 stops with an error when the stack pointer wraps past FFh or 00h;
//   this core wraps it silently. SP starts between 20h and CFh and is never
//   a direct operand, so ten instructions cannot wrap it.
// - s51 raises IE0/IE1 in TCON when P3.2 or P3.3 goes low; those two latch
//   bits stay high (P3 is a bit operand only for bits 4-7, and P3.0/P3.1,
//   the serial pins, are left alone too).
// - DIV AB by zero leaves CY as it was here; s51 clears it. A stream that
//   divides by zero with CY set is not compared.
// A stream that strays into one of these anyway (a RET or JMP @A+DPTR to a
// random address may execute operand bytes as opcodes) is recognised on this
// core's own run and not compared; the test reports how many were skipped.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "Jadro.h"
#include "S51.h"
#include "TablicaRozkazow.h"

namespace kelbra::test {
namespace {

namespace fs = std::filesystem;

constexpr uint16_t AdresStrumienia = 0x4000;
constexpr int RozkazowWStrumieniu = 10;

enum class Rodzaj { Bezposredni, Bit, Natychmiastowy, Wzgledny, Adres11, Adres16, Dptr16 };

// Operand bytes of every opcode, in their order after the opcode.
std::vector<Rodzaj> Operandy(uint8_t op) {
  using R = Rodzaj;
  if ((op & 0x0F) == 0x01) return {R::Adres11};
  const uint8_t lo = op & 0x0F;
  switch (op) {
    case 0x02: case 0x12: return {R::Adres16};
    case 0x85: return {R::Bezposredni, R::Bezposredni};
    case 0x10: case 0x20: case 0x30: return {R::Bit, R::Wzgledny};
    case 0x40: case 0x50: case 0x60: case 0x70: case 0x80: return {R::Wzgledny};
    case 0x42: case 0x52: case 0x62: return {R::Bezposredni};
    case 0x43: case 0x53: case 0x63: case 0x75: return {R::Bezposredni, R::Natychmiastowy};
    case 0x72: case 0x82: case 0x92: case 0xA0: case 0xA2: case 0xB0: case 0xB2: case 0xC2: case 0xD2:
      return {R::Bit};
    case 0x74: case 0x76: case 0x77: return {R::Natychmiastowy};
    case 0x90: return {R::Dptr16};
    case 0xB4: return {R::Natychmiastowy, R::Wzgledny};
    case 0xB5: case 0xD5: return {R::Bezposredni, R::Wzgledny};
    case 0xC0: case 0xD0: case 0x05: case 0x15: case 0xC5: case 0xE5: case 0xF5:
      return {R::Bezposredni};
    default: break;
  }
  if (op >= 0x78 && op <= 0x7F) return {R::Natychmiastowy};
  if (op >= 0xB6 && op <= 0xBF) return {R::Natychmiastowy, R::Wzgledny};
  if (op >= 0xD8 && op <= 0xDF) return {R::Wzgledny};
  if ((op >= 0x86 && op <= 0x8F) || (op >= 0xA6 && op <= 0xAF)) return {R::Bezposredni};
  const uint8_t hi = op >> 4;
  if (hi == 0x2 || hi == 0x3 || hi == 0x4 || hi == 0x5 || hi == 0x6 || hi == 0x9) {
    if (lo == 0x4) return {R::Natychmiastowy};
    if (lo == 0x5) return {R::Bezposredni};
  }
  return {};
}

int RozmiarOperandu(Rodzaj r) {
  return r == Rodzaj::Adres16 || r == Rodzaj::Dptr16 ? 2 : 1;
}

bool Wykluczony(uint8_t op) { return op == 0xA5 || op == 0x32; }

// SFRs that streams never touch; a stream that changed one is not compared.
constexpr uint8_t NietykalneSfr[] = {0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8D, 0x98, 0x99, 0xA8, 0xB8,
                                     0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD};
// SFRs compared after every stream, besides the untouchable ones.
constexpr uint8_t PorownywaneSfr[] = {0x80, 0x81, 0x82, 0x83, 0x90, 0xA0, 0xB0, 0xD0, 0xE0, 0xF0};

struct Strumien {
  std::vector<uint8_t> kod;
  std::array<uint8_t, 256> iram;
  std::array<std::pair<uint8_t, uint8_t>, std::size(PorownywaneSfr)> sfr;
  std::array<uint8_t, 256> xramNiski, xramWysoki;  // 0000h-00FFh and FF00h-FFFFh
};

class Generator {
 public:
  explicit Generator(uint32_t ziarno) : los_(ziarno) {}

  uint8_t Bajt() { return static_cast<uint8_t>(los_()); }
  int Do(int n) { return static_cast<int>(los_() % static_cast<uint32_t>(n)); }

  uint8_t Bezposredni() {
    static constexpr uint8_t sfr[] = {0x80, 0x82, 0x90, 0xE0, 0xF0};
    return Do(10) < 7 ? static_cast<uint8_t>(Do(0x80)) : sfr[Do(std::size(sfr))];
  }

  uint8_t AdresBitu() {
    static constexpr uint8_t bajty[] = {0x80, 0x90, 0xB0, 0xD0, 0xE0, 0xF0};
    if (Do(10) < 6) return static_cast<uint8_t>(Do(0x80));
    const uint8_t b = bajty[Do(std::size(bajty))];
    if (b == 0xD0) {
      static constexpr uint8_t psw[] = {1, 2, 5, 6, 7};  // never P, RS0 or RS1
      return static_cast<uint8_t>(b | psw[Do(std::size(psw))]);
    }
    if (b == 0xB0) return static_cast<uint8_t>(b | (4 + Do(4)));  // never INT0 or INT1
    return static_cast<uint8_t>(b | Do(8));
  }

  Strumien Nowy() {
    Strumien s;
    // Opcodes first, then jump targets at instruction boundaries.
    std::vector<uint8_t> opy;
    std::vector<uint16_t> granice;
    uint16_t adres = AdresStrumienia;
    for (int k = 0; k < RozkazowWStrumieniu; ++k) {
      uint8_t op;
      do op = Bajt();
      while (Wykluczony(op));
      opy.push_back(op);
      granice.push_back(adres);
      adres = static_cast<uint16_t>(adres + DlugoscRozkazu[op]);
    }
    granice.push_back(adres);
    for (size_t k = 0; k < opy.size(); ++k) {
      const uint8_t op = opy[k];
      const uint16_t poczatek = granice[k];
      const uint16_t nastepny = static_cast<uint16_t>(poczatek + DlugoscRozkazu[op]);
      const uint16_t cel = granice[static_cast<size_t>(Do(static_cast<int>(granice.size())))];
      s.kod.push_back(op);
      for (Rodzaj r : Operandy(op)) {
        switch (r) {
          case Rodzaj::Bezposredni: s.kod.push_back(Bezposredni()); break;
          case Rodzaj::Bit: s.kod.push_back(AdresBitu()); break;
          case Rodzaj::Natychmiastowy: s.kod.push_back(Bajt()); break;
          case Rodzaj::Wzgledny: s.kod.push_back(static_cast<uint8_t>(cel - nastepny)); break;
          case Rodzaj::Adres11: s.kod.push_back(static_cast<uint8_t>(cel)); break;
          case Rodzaj::Adres16:
            s.kod.push_back(static_cast<uint8_t>(cel >> 8));
            s.kod.push_back(static_cast<uint8_t>(cel));
            break;
          case Rodzaj::Dptr16:
            s.kod.push_back(Do(2) ? 0xFF : 0x00);
            s.kod.push_back(Bajt());
            break;
        }
      }
      // AJMP/ACALL carry the target page in the opcode's top three bits.
      if ((op & 0x0F) == 0x01) s.kod[s.kod.size() - 2] = static_cast<uint8_t>((op & 0x1F) | ((cel >> 3) & 0xE0));
    }
    for (auto& b : s.iram) b = Bajt();
    for (auto& b : s.xramNiski) b = Bajt();
    for (auto& b : s.xramWysoki) b = Bajt();
    const uint8_t a = Bajt();
    for (size_t k = 0; k < std::size(PorownywaneSfr); ++k) {
      const uint8_t adresSfr = PorownywaneSfr[k];
      uint8_t v = Bajt();
      if (adresSfr == 0xA0) v = 0xFF;                           // P2: MOVX @Ri stays in FF00h-FFFFh
      if (adresSfr == 0x83) v = Do(2) ? 0xFF : 0x00;            // DPH
      if (adresSfr == 0xB0) v |= 0x0C;                          // INT0 and INT1 high
      if (adresSfr == 0x81) v = static_cast<uint8_t>(0x20 + Do(0xB0));  // SP
      if (adresSfr == 0xE0) v = a;
      if (adresSfr == 0xD0) v = static_cast<uint8_t>((v & 0xFE) | (__builtin_parity(a) & 1));
      s.sfr[k] = {adresSfr, v};
    }
    return s;
  }

 private:
  std::mt19937 los_;
};

std::string Hex(const uint8_t* b, size_t n) {
  std::string s;
  char t[8];
  for (size_t k = 0; k < n; ++k) {
    std::snprintf(t, sizeof t, " 0x%02x", b[k]);
    s += t;
  }
  return s;
}

// The state one side ends a stream with, in the order s51 dumps it.
struct Wynik {
  uint16_t pc = 0;
  std::array<uint8_t, 256> iram{};
  std::array<uint8_t, 128> sfr{};
  std::array<uint8_t, 0x200> xramNiski{};
  std::array<uint8_t, 0x100> xramWysoki{};
};

struct NaszPrzebieg {
  Wynik wynik;
  bool porownywalny = true;
};

NaszPrzebieg UruchomNaszym(Jadro& j, const Strumien& s) {
  j.Code.fill(0);
  j.Data.fill(0);
  j.IdataGorna.fill(0);
  j.Xdata.fill(0);
  j.ResetJadra();
  j.Mov85 = KolejnoscMov85::ZrodloCel;
  for (size_t k = 0; k < s.kod.size(); ++k) j.Code[AdresStrumienia + k] = s.kod[k];
  for (int a = 0; a < 256; ++a) j.Idata(static_cast<uint8_t>(a)) = s.iram[a];
  for (auto [adres, v] : s.sfr) j.Data[adres] = v;
  for (int a = 0; a < 256; ++a) {
    j.Xdata[a] = s.xramNiski[a];
    j.Xdata[0xFF00 + a] = s.xramWysoki[a];
  }
  j.PC = AdresStrumienia;
  NaszPrzebieg p;
  for (int k = 0; k < RozkazowWStrumieniu; ++k) {
    const uint8_t op = j.Code[j.PC];
    if (Wykluczony(op)) p.porownywalny = false;
    if (op == 0x84 && j.Data[sfr::B] == 0 && (j.Data[sfr::PSW] & psw::CY)) p.porownywalny = false;
    j.KrokJadra();
  }
  for (uint8_t adres : NietykalneSfr)
    if (j.Data[adres] != 0) p.porownywalny = false;
  p.wynik.pc = j.PC;
  for (int a = 0; a < 256; ++a) p.wynik.iram[a] = j.Idata(static_cast<uint8_t>(a));
  for (int a = 0; a < 128; ++a) p.wynik.sfr[a] = j.Data[0x80 + a];
  std::copy_n(j.Xdata.begin(), 0x200, p.wynik.xramNiski.begin());
  std::copy_n(j.Xdata.begin() + 0xFF00, 0x100, p.wynik.xramWysoki.begin());
  return p;
}

void DopiszPolecenia(std::ostream& o, const Strumien& s, const std::string& wyjscie) {
  o << "fill rom 0x4000 0x40ff 0\n";
  o << "set mem rom 0x4000" << Hex(s.kod.data(), s.kod.size()) << "\n";
  o << "set mem iram_chip 0x00" << Hex(s.iram.data(), 256) << "\n";
  o << "set mem xram 0x0000" << Hex(s.xramNiski.data(), 256) << "\n";
  o << "fill xram 0x0100 0x01ff 0\n";
  o << "set mem xram 0xff00" << Hex(s.xramWysoki.data(), 256) << "\n";
  for (auto [adres, v] : s.sfr) o << "set mem sfr 0x" << std::hex << int(adres) << " 0x" << int(v) << std::dec << "\n";
  // A skipped stream may have left these changed on the s51 side.
  for (uint8_t adres : NietykalneSfr)
    if (adres != 0x99) o << "set mem sfr 0x" << std::hex << int(adres) << " 0" << std::dec << "\n";
  o << "pc 0x4000\n";
  o << "step " << RozkazowWStrumieniu << " >/dev/null\n";
  o << "pc >>" << wyjscie << "\n";
  o << "dump /h iram_chip 0 0xff 16 >>" << wyjscie << "\n";
  o << "dump /h sfr 0x80 0xff 16 >>" << wyjscie << "\n";
  o << "dump /h xram 0x0000 0x01ff 16 >>" << wyjscie << "\n";
  o << "dump /h xram 0xff00 0xffff 16 >>" << wyjscie << "\n";
}

bool CzytajWynik(std::istream& in, Wynik& w) {
  // The "pc" command prints the instruction at PC, after a blank line and the
  // label line when s51 has named that address.
  std::string linia, adres, drugi;
  do {
    if (!std::getline(in, linia)) return false;
    std::istringstream l(linia);
    adres.clear();
    drugi.clear();
    l >> adres >> drugi;
  } while (adres.rfind("0x", 0) != 0 || drugi.rfind("<", 0) == 0);
  w.pc = static_cast<uint16_t>(std::stoul(adres, nullptr, 16));
  return CzytajZrzutS51(in, w.iram.data(), 16) && CzytajZrzutS51(in, w.sfr.data(), 8) &&
         CzytajZrzutS51(in, w.xramNiski.data(), 32) && CzytajZrzutS51(in, w.xramWysoki.data(), 16);
}

std::string Opis(const Strumien& s) {
  std::ostringstream o;
  o << "kod:" << Hex(s.kod.data(), s.kod.size()) << "\nSFR:";
  for (auto [a, v] : s.sfr) o << " " << std::hex << int(a) << "=" << int(v);
  return o.str();
}

std::string Roznice(const Wynik& nasz, const Wynik& s51) {
  std::ostringstream o;
  o << std::hex;
  if (nasz.pc != s51.pc) o << "PC nasz " << nasz.pc << " s51 " << s51.pc << "\n";
  for (int a = 0; a < 256; ++a)
    if (nasz.iram[a] != s51.iram[a]) o << "IRAM " << a << ": nasz " << int(nasz.iram[a]) << " s51 " << int(s51.iram[a]) << "\n";
  auto sfr = [&](uint8_t adres) {
    const int k = adres - 0x80;
    if (nasz.sfr[k] != s51.sfr[k]) o << "SFR " << int(adres) << ": nasz " << int(nasz.sfr[k]) << " s51 " << int(s51.sfr[k]) << "\n";
  };
  for (uint8_t a : PorownywaneSfr) sfr(a);
  for (uint8_t a : NietykalneSfr) sfr(a);
  for (int a = 0; a < 0x200; ++a)
    if (nasz.xramNiski[a] != s51.xramNiski[a]) o << "XRAM " << a << ": nasz " << int(nasz.xramNiski[a]) << " s51 " << int(s51.xramNiski[a]) << "\n";
  for (int a = 0; a < 0x100; ++a)
    if (nasz.xramWysoki[a] != s51.xramWysoki[a]) o << "XRAM " << 0xFF00 + a << ": nasz " << int(nasz.xramWysoki[a]) << " s51 " << int(s51.xramWysoki[a]) << "\n";
  return o.str();
}

TEST(PorownanieZS51, LosoweStrumienie) {
  if (!S51Dostepny()) GTEST_FAIL() << "s51 (sdcc-ucsim) is not installed";
  const char* zEnv = std::getenv("KELBRA_S51_ZIARNO");
  const uint32_t ziarno = zEnv ? static_cast<uint32_t>(std::strtoul(zEnv, nullptr, 10))
                               : static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
  const char* nEnv = std::getenv("KELBRA_S51_STRUMIENIE");
  // 2,500 streams of ten instructions: 25,000 instructions by default.
  const int ile = nEnv ? std::max(1, std::atoi(nEnv)) : 2500;
  std::printf("s51: ziarno %u (KELBRA_S51_ZIARNO=%u powtarza przebieg)\n", ziarno, ziarno);

  Generator g(ziarno);
  std::vector<Strumien> strumienie;
  for (int k = 0; k < ile; ++k) strumienie.push_back(g.Nowy());

  const fs::path katalog = fs::temp_directory_path() / ("kelbra-s51-" + std::to_string(ziarno) + "-" +
                                                        std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  fs::create_directories(katalog);
  const std::string wyjscie = (katalog / "stan.txt").string();
  {
    std::ofstream polecenia(katalog / "polecenia.txt");
    polecenia << "fill rom 0 0xffff 0\n";
    for (const auto& s : strumienie) DopiszPolecenia(polecenia, s, wyjscie);
    polecenia << "quit\n";
  }
  const std::string wywolanie = "timeout 300 s51 -b -t C52 < '" + (katalog / "polecenia.txt").string() + "' > '" +
                                (katalog / "s51.log").string() + "' 2>&1";
  ASSERT_EQ(std::system(wywolanie.c_str()), 0) << "s51 failed; see " << katalog;

  std::ifstream in(wyjscie);
  auto j = std::make_unique<Jadro>();
  int porownane = 0, pominiete = 0, bledy = 0;
  for (const auto& s : strumienie) {
    Wynik zS51;
    ASSERT_TRUE(CzytajWynik(in, zS51)) << "s51 output ends early after " << porownane + pominiete << " streams";
    const NaszPrzebieg nasz = UruchomNaszym(*j, s);
    if (!nasz.porownywalny) {
      ++pominiete;
      continue;
    }
    ++porownane;
    const std::string r = Roznice(nasz.wynik, zS51);
    if (!r.empty() && ++bledy <= 5) ADD_FAILURE() << Opis(s) << "\n" << r;
  }
  std::printf("s51: porownano %d strumieni, %d rozkazow; pominieto %d; rozbieznych %d\n", porownane,
              porownane * RozkazowWStrumieniu, pominiete, bledy);
  EXPECT_EQ(bledy, 0);
  // Streams skipped for straying into an excluded case are rare; many would
  // mean the generator itself strays.
  EXPECT_GE(porownane, ile * 9 / 10);
  if (bledy == 0) fs::remove_all(katalog);
}

TEST(PorownanieZS51, OperandyZgadzajaSieZDlugosciami) {
  for (int op = 0; op < 256; ++op) {
    int dlugosc = 1;
    for (Rodzaj r : Operandy(static_cast<uint8_t>(op))) dlugosc += RozmiarOperandu(r);
    EXPECT_EQ(dlugosc, DlugoscRozkazu[op]) << std::hex << op;
  }
}

}  // namespace
}  // namespace kelbra::test
