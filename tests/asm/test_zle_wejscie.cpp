// Any text ends with list lines: no crash, no hang, time in proportion to
// the text's size.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "Pomocnicze.h"
#include "WydrukPRN.h"

namespace kelbra::test {
namespace {

// Time of a run and its listing; the result stays in `st`.
double Sekundy(const std::vector<std::string>& linie, Stanowisko& st, const WynikAsemblacji** wynik = nullptr) {
  const auto t0 = std::chrono::steady_clock::now();
  const WynikAsemblacji& w = st.Asembluj(linie);
  BudujWydrukPRN(w, st.jadro->Code, linie);
  const auto t1 = std::chrono::steady_clock::now();
  if (wynik) *wynik = &w;
  return std::chrono::duration<double>(t1 - t0).count();
}

std::vector<std::string> Mieszanka(size_t n) {
  const char* wzory[] = {"e%zu: mov a, #e%zu", "  sjmp e%zu", "  db 'x%zu', 0", "  ljmp e%zu",
                         "n%zu equ %zu",      "  xyz %zu",   "  cjne a, #1, e%zu", ";%zu"};
  std::vector<std::string> w;
  char b[64];
  for (size_t i = 0; i < n; ++i) {
    std::snprintf(b, sizeof b, wzory[i % 8], i / 8, i / 8);
    w.push_back(b);
  }
  return w;
}

// Twice the text may take about twice the time, not four times. Each size
// keeps its fastest of three runs, so a busy machine does not decide.
void Liniowo(const std::vector<std::string>& mala, const std::vector<std::string>& duza) {
  Stanowisko s;
  Sekundy(mala, s);
  auto najkrotszy = [&](const std::vector<std::string>& linie) {
    double t = Sekundy(linie, s);
    for (int k = 0; k < 2; ++k) t = std::min(t, Sekundy(linie, s));
    return t;
  };
  const double t1 = najkrotszy(mala);
  const double t2 = najkrotszy(duza);
  EXPECT_LT(t2, 3.5 * t1 + 0.05) << t1 << " s, then " << t2 << " s";
}

TEST(ZleWejscie, DwiescieTysiecyLinii) {
  const WynikAsemblacji* w = nullptr;
  Stanowisko s;
  Sekundy(Mieszanka(200000), s, &w);
  EXPECT_TRUE(w->FlagaBledu);
  EXPECT_EQ(w->Bledy.front().rfind("ERROR...5 linia. ", 0), 0u) << w->Bledy.front();
  Liniowo(Mieszanka(100000), Mieszanka(200000));
}

TEST(ZleWejscie, LiniaMegabajta) {
  const size_t mb = 1 << 20;
  std::string suma = "mov a, #1";
  while (suma.size() < mb) suma += "+1";
  std::string nawiasy = "mov a, #" + std::string(mb / 2, '(') + "1" + std::string(mb / 2, ')');
  for (const std::string& linia :
       {suma, nawiasy, "x " + std::string(mb, 'x'), "db '" + std::string(mb, 'q'), std::string(mb, ','),
        "mov a, #" + std::string(mb, '('), "db " + std::string(mb, '1'), std::string(mb, ':'),
        "db '" + std::string(mb, '\\') + "'", "mov a, #1" + std::string(mb, '.')}) {
    Stanowisko s;
    Sekundy({linia, linia}, s);
  }
  std::string polowa = "mov a, #1";
  while (polowa.size() < mb / 2) polowa += "+1";
  Liniowo({polowa}, {suma});
}

TEST(ZleWejscie, KazdyBajt) {
  std::string wszystkie;
  for (int b = 0; b < 256; ++b) wszystkie.push_back(static_cast<char>(b));
  std::vector<std::string> linie = {wszystkie, "db " + wszystkie, "x: db '" + wszystkie + "'"};
  for (int b = 0; b < 256; ++b) {
    linie.push_back(std::string(1, static_cast<char>(b)));
    linie.push_back("mov a, #" + std::string(1, static_cast<char>(b)));
    linie.push_back(std::string(1, static_cast<char>(b)) + ":");
  }
  Stanowisko s;
  const WynikAsemblacji* w = nullptr;
  Sekundy(linie, s, &w);
  EXPECT_TRUE(w->FlagaBledu);
}

TEST(ZleWejscie, CudzyslowyINawiasy) {
  Stanowisko s;
  const WynikAsemblacji* w = nullptr;
  Sekundy({"db '", "db ''", "'", "mov a, #'a", "mov a, #(1", "mov a, #1)", "mov a, #)(", "db (((", "db ')'",
           "mov a, #high(", "mov a, #low(())", "x: y: z: w:", "db \\", "db 'a\\"},
          s, &w);
  EXPECT_TRUE(w->FlagaBledu);
}

TEST(ZleWejscie, EtykietyDziesieciuTysiecyZnakow) {
  std::vector<std::string> linie;
  for (int i = 0; i < 500; ++i) {
    const std::string e = std::string(10000, 'e') + std::to_string(i);
    linie.push_back(e + ": nop");
    linie.push_back("  sjmp " + e);
    linie.push_back("  mov a, #" + e + "+1");
  }
  Stanowisko s;
  const WynikAsemblacji* w = nullptr;
  Sekundy(linie, s, &w);
  EXPECT_FALSE(w->FlagaBledu) << w->Bledy.front().substr(0, 40);
}

}  // namespace
}  // namespace kelbra::test
