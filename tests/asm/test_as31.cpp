// Every instruction form, written in this assembler's dialect and in that of
// as31 (a peer 8051 assembler), must give the same bytes. The only allowed
// difference is MOV direct,direct, whose operands this system writes
// destination first (the core decodes the same order).

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include <unistd.h>

#include "IntelHex.h"
#include "Pomocnicze.h"
#include "Tekst.h"

namespace kelbra::test {
namespace {

namespace fs = std::filesystem;

struct Forma {
  std::string nasza, as31;
};

// Placeholders: D1 and D2 direct bytes, BIT a bit address, IM an 8-bit and
// IM16 a 16-bit immediate, REL the instruction itself, FAR a far label.
Forma Przetlumacz(std::string wzor) {
  Forma f{wzor, wzor};
  auto zamien = [](std::string& s, const std::string& co, const std::string& na) {
    std::string w;
    size_t p = 0;
    for (size_t k = s.find(co); k != std::string::npos; k = s.find(co, p)) {
      w.append(s, p, k - p).append(na);
      p = k + co.size();
    }
    s = w.append(s, p);
  };
  const std::pair<const char*, std::pair<const char*, const char*>> slownik[] = {
      {"IM16", {"#1234h", "#0x1234"}}, {"IM", {"#5Ah", "#0x5A"}}, {"D1", {"30h", "0x30"}}, {"D2", {"41h", "0x41"}},
      {"BIT", {"21h", "0x21"}},        {"REL", {"$", "*"}},      {"FAR", {"daleko", "daleko"}},
  };
  for (const auto& [co, na] : slownik) {
    zamien(f.nasza, co, na.first);
    zamien(f.as31, co, na.second);
  }
  return f;
}

std::vector<Forma> WszystkieFormy() {
  std::vector<std::string> w = {"nop", "ljmp FAR", "lcall FAR", "rr a", "rrc a", "rl a", "rlc a", "ret", "reti",
                                "jbc BIT,REL", "jb BIT,REL", "jnb BIT,REL", "jc REL", "jnc REL", "jz REL",
                                "jnz REL", "sjmp REL", "jmp @a+dptr", "movc a,@a+pc", "movc a,@a+dptr", "div ab",
                                "mul ab", "inc dptr", "mov dptr,IM16", "swap a", "da a", "clr a", "cpl a",
                                "movx a,@dptr", "movx @dptr,a", "orl c,BIT", "anl c,BIT", "orl c,/BIT",
                                "anl c,/BIT", "mov BIT,c", "mov c,BIT", "cpl BIT", "cpl c", "clr BIT", "clr c",
                                "setb BIT", "setb c", "push D1", "pop D1", "mov D1,D2", "mov D1,IM", "mov a,IM",
                                "mov a,D1", "mov D1,a", "xch a,D1", "djnz D1,REL", "cjne a,IM,REL",
                                "cjne a,D1,REL"};
  for (const char* m : {"inc", "dec"}) {
    w.push_back(std::string(m) + " a");
    w.push_back(std::string(m) + " D1");
  }
  for (const char* m : {"add", "addc", "subb", "orl", "anl", "xrl"}) {
    w.push_back(std::string(m) + " a,IM");
    w.push_back(std::string(m) + " a,D1");
  }
  for (const char* m : {"orl", "anl", "xrl"}) {
    w.push_back(std::string(m) + " D1,a");
    w.push_back(std::string(m) + " D1,IM");
  }
  for (int i = 0; i < 2; ++i) {
    const std::string ri = std::string("@r").append(1, static_cast<char>('0' + i));
    for (const char* m : {"inc", "dec"}) w.push_back(std::string(m) + " " + ri);
    for (const char* m : {"add", "addc", "subb", "orl", "anl", "xrl", "mov", "xch", "xchd"})
      w.push_back(std::string(m) + " a," + ri);
    w.push_back("mov " + ri + ",IM");
    w.push_back("mov D1," + ri);
    w.push_back("mov " + ri + ",D1");
    w.push_back("mov " + ri + ",a");
    w.push_back("cjne " + ri + ",IM,REL");
    w.push_back("movx a," + ri);
    w.push_back("movx " + ri + ",a");
  }
  for (int n = 0; n < 8; ++n) {
    const std::string rn = std::string("r").append(1, static_cast<char>('0' + n));
    for (const char* m : {"inc", "dec"}) w.push_back(std::string(m) + " " + rn);
    for (const char* m : {"add", "addc", "subb", "orl", "anl", "xrl", "mov", "xch"})
      w.push_back(std::string(m) + " a," + rn);
    w.push_back("mov " + rn + ",IM");
    w.push_back("mov D1," + rn);
    w.push_back("mov " + rn + ",D1");
    w.push_back("mov " + rn + ",a");
    w.push_back("cjne " + rn + ",IM,REL");
    w.push_back("djnz " + rn + ",REL");
  }
  std::vector<Forma> formy;
  for (const auto& s : w) formy.push_back(Przetlumacz(s));
  return formy;
}

// Absolute jumps and calls into each of the eight 256-byte pages of the
// first 2 KB, then every other form from 0800h on.
struct Programy {
  std::string nasz, as31;
  std::vector<int> liniaFormy;  // our source line of each form
};

Programy Zbuduj(const std::vector<Forma>& formy) {
  Programy p;
  int linia = 0;
  auto dodaj = [&](const std::string& nasz, const std::string& obcy) {
    p.nasz += nasz + "\n";
    p.as31 += obcy + "\n";
    ++linia;
  };
  dodaj("        org 0", "        .org 0x0000");
  for (int n = 0; n < 8; ++n) {
    for (const char* m : {"ajmp", "acall"}) {
      p.liniaFormy.push_back(linia);
      const std::string t = std::string("        ") + m + " cel" + std::to_string(n);
      dodaj(t, t);
    }
  }
  for (int n = 0; n < 8; ++n) {
    char org[64];
    std::snprintf(org, sizeof org, "%X80h", n);
    dodaj(std::string("        org 0") + org, "        .org 0x0" + std::to_string(n) + "80");
    dodaj("cel" + std::to_string(n) + ": nop", "cel" + std::to_string(n) + ": nop");
  }
  dodaj("        org 800h", "        .org 0x0800");
  for (const Forma& f : formy) {
    p.liniaFormy.push_back(linia);
    dodaj("        " + f.nasza, "        " + f.as31);
  }
  dodaj("        org 1234h", "        .org 0x1234");
  dodaj("daleko: ret", "daleko: ret");
  return p;
}

bool As31Dostepny() { return std::system("command -v as31 > /dev/null 2>&1") == 0; }

TEST(ZgodnoscZAs31, KazdaFormaDajeTeSameBajty) {
  if (!As31Dostepny()) GTEST_SKIP() << "as31 not installed";
  const std::vector<Forma> formy = WszystkieFormy();
  const Programy prog = Zbuduj(formy);

  const fs::path katalog = fs::temp_directory_path() / ("kelbra_as31_" + std::to_string(::getpid()));
  fs::create_directories(katalog);
  { std::ofstream(katalog / "formy.asm") << prog.as31; }
  const std::string polecenie = "cd '" + katalog.string() + "' && as31 -Fhex -Oformy.hex formy.asm > as31.log 2>&1";
  ASSERT_EQ(std::system(polecenie.c_str()), 0) << "as31 failed, see " << katalog / "as31.log";
  std::stringstream hex;
  hex << std::ifstream(katalog / "formy.hex").rdbuf();
  auto obcy = std::make_unique<std::array<uint8_t, 65536>>();
  ASSERT_TRUE(WczytajIntelHex(hex.str(), *obcy));
  fs::remove_all(katalog);

  Stanowisko s;
  const std::vector<std::string> linie = Linie(prog.nasz);
  const WynikAsemblacji& w = s.Asembluj(linie);
  ASSERT_FALSE(w.FlagaBledu) << (w.Bledy.empty() ? "" : w.Bledy.front());
  EXPECT_TRUE(w.Ostrzezenia.empty());

  std::set<int> opkody;
  for (int linia : prog.liniaFormy) {
    const std::vector<uint8_t> nasze = s.Bajty(linia);
    ASSERT_FALSE(nasze.empty()) << linie[static_cast<size_t>(linia)];
    uint16_t adres = 0;
    for (size_t r = 1; r < w.WierszePrzebiegu; ++r)
      if (w.Tabela[r].Linia() == linia)
        adres = static_cast<uint16_t>(w.Tabela[r].Adres().value_or(0));
    std::vector<uint8_t> ich;
    for (size_t k = 0; k < nasze.size(); ++k) ich.push_back((*obcy)[static_cast<uint16_t>(adres + k)]);
    if (nasze[0] == 0x85) std::swap(ich[1], ich[2]);
    EXPECT_EQ(Hex(nasze), Hex(ich)) << linie[static_cast<size_t>(linia)];
    opkody.insert(nasze[0]);
  }
  // All 256 values but the undefined A5h.
  EXPECT_EQ(opkody.size(), 255u);
  EXPECT_FALSE(opkody.count(0xA5));
}

}  // namespace
}  // namespace kelbra::test
