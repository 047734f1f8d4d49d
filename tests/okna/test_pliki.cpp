// Files and the window layout through the main window's commands.

#include <gtest/gtest.h>

#include <deque>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

#include "EdytorRozkazow.h"
#include "PelnyDysk.h"
#include "Okno_edycji_rozkazow.h"
#include "Plytka.h"
#include "Tabela_rozkazy.h"

namespace kelbra {
namespace {

class Pliki : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(katalog.isValid());
    const std::array<std::pair<QWidget*, QSize>, 4> rozmiary = {
        {{&kelbra, {300, 257}}, {&rejestry, {270, 201}}, {&sfr, {220, 180}}, {&pamiec, {330, 240}}}};
    for (auto [w, r] : rozmiary) w->setFixedSize(r);
    Tokno_edycji_rozkazow::OknaPomocnicze okna;
    okna[Okno::Tabela] = &tabela;
    okna[Okno::Kelbra] = &kelbra;
    okna[Okno::Rejestry] = &rejestry;
    okna[Okno::Sfr] = &sfr;
    okna[Okno::Pamiec] = &pamiec;
    okna.sekcjeSfr = {[this] { return sekcje; }, [this](const std::array<int32_t, 4>& s) { sekcje = s; },
                      {81, 97, 113, 65}};
    okno.UstawOkna(okna);
    okno.Zapytaj = [this](const QString& tytul, const QString& pytanie, QMessageBox::StandardButtons) {
      pytania << tytul + "|" + pytanie;
      if (odpowiedzi.empty()) return QMessageBox::Cancel;
      const auto o = odpowiedzi.front();
      odpowiedzi.pop_front();
      return o;
    };
    okno.PokazBlad = [this](const QString& t) { bledy << t; };
    okno.DialogOtwarcia = [this](const QString& folder, const QString& filtr) {
      katalogi << folder;
      filtry << filtr;
      return doOtwarcia;
    };
    okno.DialogZapisu = [this](const QString& folder, const QString& filtr) {
      katalogi << folder;
      filtry << filtr;
      return doZapisu;
    };
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
  }

  QString Sciezka(const QString& nazwa) { return katalog.filePath(nazwa); }
  QByteArray Czytaj(const QString& nazwa) {
    QFile f(Sciezka(nazwa));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void Zapisz(const QString& nazwa, const QByteArray& bajty) {
    QFile f(Sciezka(nazwa));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bajty);
  }
  void Polecenie(const char* nazwa) { okno.findChild<QAction*>(nazwa)->trigger(); }
  // A real key press in the editor, as the user gives a command.
  void Klawisz(Qt::Key k) {
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    okno.edytor()->setFocus();
    QTest::keyClick(okno.edytor(), k);
  }
  // A save that fails through F2 and through the closing question's "Tak"
  // keeps the old file, the text and the caption, says why, and the
  // program does not end.
  void NieudanyZapis(const QString& sciezka, const QString& komunikat) {
    const QByteArray stary = [&] {
      QFile f(sciezka);
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QString tytul = okno.windowTitle();
    bledy.clear();
    Klawisz(Qt::Key_F2);
    odpowiedzi = {QMessageBox::Yes};
    okno.close();
    EXPECT_TRUE(okno.isVisible());
    ASSERT_EQ(bledy.size(), 2);
    for (const QString& b : bledy) EXPECT_EQ(b, komunikat);
    QFile f(sciezka);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), stary);
    EXPECT_EQ(QDir(QFileInfo(sciezka).path()).entryList(QDir::Files | QDir::Hidden).filter(".kelbra-").size(), 0);
    EXPECT_EQ(okno.windowTitle(), tytul);
    EXPECT_EQ(okno.NazwaPliku(), sciezka);
  }

  Tokno_edycji_rozkazow okno;
  PlytkaKelbra& plytka = okno.plytka();
  Ttabela_rozkazy tabela;
  QWidget kelbra, rejestry, sfr, pamiec;
  std::array<int32_t, 4> sekcje{};
  QTemporaryDir katalog;
  QStringList pytania, bledy, filtry, katalogi;
  std::deque<QMessageBox::StandardButton> odpowiedzi;
  QString doOtwarcia, doZapisu;
};

TEST_F(Pliki, ZapisIOtwarcieOdtwarzajaUkladOkien) {
  okno.edytor()->setPlainText("nop\nsjmp $");
  const std::array<QWidget*, 5> pomocnicze = {&tabela, &kelbra, &rejestry, &sfr, &pamiec};
  for (size_t i = 0; i < pomocnicze.size(); ++i) {
    // The table window is wider than the offscreen screen: it stands at 0.
    pomocnicze[i]->move(i == 0 ? 0 : 40 + 30 * static_cast<int>(i), 50 + 20 * static_cast<int>(i));
    pomocnicze[i]->show();
  }
  sekcje = {81, 0, 113, 0};
  doZapisu = Sciezka("uklad");
  Polecenie("Zapisz1");
  EXPECT_EQ(okno.windowTitle(), "Emulator kelbry WEX\\uklad.asm");
  EXPECT_EQ(okno.NazwaPliku(), Sciezka("uklad.asm"));
  EXPECT_EQ(filtry, QStringList({"Plik *.asm (*.asm)"}));
  Polecenie("Zapisz1");  // no dialog the second time, one layout line
  EXPECT_EQ(filtry.size(), 1);
  const QByteArray bajty = Czytaj("uklad.asm");
  EXPECT_TRUE(bajty.startsWith("nop\r\nsjmp $\r\n;pozycja okien:"));
  EXPECT_EQ(bajty.count(";pozycja okien:"), 1);
  EXPECT_EQ(bajty.size(), 13 + 75 + 2);

  // Scatter everything, then open the file again.
  const PozycjeOkien zapisane = okno.zarzadca().ZbierzPozycjeOkien();
  for (QWidget* w : pomocnicze) {
    w->move(300, 300);
    w->hide();
  }
  sekcje = {};
  doOtwarcia = Sciezka("uklad.asm");
  odpowiedzi = {QMessageBox::No};
  Polecenie("Otworz2");
  EXPECT_EQ(okno.zarzadca().ZbierzPozycjeOkien().Okna, zapisane.Okna);
  EXPECT_EQ(sekcje, (std::array<int32_t, 4>{81, 0, 113, 0}));
  EXPECT_EQ(okno.edytor()->LiczbaLinii(), 2);
  EXPECT_EQ(okno.edytor()->TekstLinii(1), "sjmp $");
  EXPECT_EQ(okno.windowTitle(), "Emulator kelbry WEXuklad.asm");
  EXPECT_EQ(pytania.last(), "Otworz...|Czy chcesz zapisac zmiany w pliku przed otwarciem nowego?");
}

TEST_F(Pliki, BajtyPlikuWracajaBezZmian) {
  QByteArray cp1250;
  for (int b = 0; b < 256; ++b)
    if (b != '\r' && b != '\n') cp1250 += static_cast<char>(b);
  const QByteArray pozycje = ";pozycja okien:";
  struct Przypadek {
    const char* nazwa;
    QByteArray tresc;
  };
  const Przypadek przypadki[] = {
      {"cp1250.asm", cp1250 + "\r\nmov a,#1\r\n"},
      {"utf8.asm", "db '\xC4\x85\xC5\xBC'\r\n; \xC5\x81\xC3\xB3\x64\xC5\xBA\r\n"},
      {"bom.asm", "\xEF\xBB\xBFnop ; \xC4\x87\r\n"},
  };
  for (const Przypadek& p : przypadki) {
    // The layout line as the program writes it for the windows as they stand.
    Zapisz(p.nazwa, p.tresc);
    ASSERT_TRUE(okno.OtworzPlik(Sciezka(p.nazwa))) << p.nazwa;
    odpowiedzi = {};
    Polecenie("Zapisz1");
    const QByteArray zapisane = Czytaj(p.nazwa);
    EXPECT_EQ(zapisane.left(p.tresc.size()), p.tresc) << p.nazwa;
    EXPECT_TRUE(zapisane.mid(p.tresc.size()).startsWith(pozycje)) << p.nazwa;
    // Reopened with its layout line, the file is written back byte for byte.
    ASSERT_TRUE(okno.OtworzPlik(Sciezka(p.nazwa)));
    Polecenie("Zapisz1");
    EXPECT_EQ(Czytaj(p.nazwa), zapisane) << p.nazwa;
  }
  EXPECT_TRUE(bledy.isEmpty()) << bledy.join('\n').toStdString();
  // "ą" of a UTF-8 file assembles to its code page byte.
  ASSERT_TRUE(okno.OtworzPlik(Sciezka("utf8.asm")));
  okno.Analizuj_kod_asembleraClick();
  EXPECT_EQ(okno.jadro().Code[0], 0xB9);
  EXPECT_EQ(okno.jadro().Code[1], 0xBF);
}

TEST_F(Pliki, OdpowiedziNaPytaniaNieGubiaTekstu) {
  okno.edytor()->setPlainText("mov a,#5");
  // Yes, then a cancelled save dialog: Nowy stops, the text stays.
  odpowiedzi = {QMessageBox::Yes};
  doZapisu.clear();
  Polecenie("Nowy1");
  EXPECT_EQ(okno.edytor()->TekstLinii(0), "mov a,#5");
  EXPECT_EQ(pytania, QStringList({"Nowy...|Czy chcesz zapisac zmiany w pliku zanim stworzysz nowy?"}));
  // Cancel does nothing; a cancelled open dialog and an unreadable file
  // change nothing either.
  odpowiedzi = {QMessageBox::Cancel};
  Polecenie("Otworz2");
  odpowiedzi = {QMessageBox::No};
  doOtwarcia.clear();
  Polecenie("Otworz2");
  for (const QString& zla : {Sciezka("brak.asm"), katalog.path()}) {
    odpowiedzi = {QMessageBox::No};
    doOtwarcia = zla;
    Polecenie("Otworz2");
  }
  EXPECT_EQ(okno.edytor()->TekstLinii(0), "mov a,#5");
  EXPECT_EQ(okno.windowTitle(), "Emulator kelbry WEX");
  EXPECT_EQ(bledy.size(), 2);
  // A failed save keeps the old file, the text, the name and the caption.
  doZapisu = Sciezka("stary.asm");
  Polecenie("ZapiszJako1");
  const QByteArray stary = Czytaj("stary.asm");
  ASSERT_TRUE(stary.startsWith("mov a,#5\r\n;pozycja okien:"));
  const QString tytul = okno.windowTitle();
  okno.edytor()->setPlainText("nowy tekst");
  doZapisu = Sciezka("brak/nowy.asm");  // no such folder, for any user
  Polecenie("ZapiszJako1");
  EXPECT_EQ(bledy.size(), 3);
  QFile::setPermissions(katalog.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  Polecenie("Zapisz1");
  QFile::setPermissions(katalog.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  // A read-only folder stops every user but root.
  if (geteuid() != 0) {
    EXPECT_EQ(bledy.size(), 4);
    EXPECT_EQ(Czytaj("stary.asm"), stary);
  }
  EXPECT_EQ(okno.edytor()->TekstLinii(0), "nowy tekst");
  EXPECT_EQ(okno.NazwaPliku(), Sciezka("stary.asm"));
  EXPECT_EQ(okno.windowTitle(), tytul);
  // test.ASM is completed to test.ASM.asm, and the overwrite question names it.
  doZapisu = Sciezka("stary");
  odpowiedzi = {QMessageBox::No};
  Polecenie("ZapiszJako1");
  EXPECT_TRUE(pytania.last().contains("stary.asm")) << pytania.last().toStdString();
  doZapisu = Sciezka("test.ASM");
  Polecenie("ZapiszJako1");
  EXPECT_TRUE(QFile::exists(Sciezka("test.ASM.asm")));
  EXPECT_EQ(okno.windowTitle(), "Emulator kelbry WEX\\test.ASM.asm");
}

TEST_F(Pliki, ZnakSpozaStronyKodowejPytaOUtf8) {
  okno.edytor()->setPlainText("; \u2603 nop");
  doZapisu = Sciezka("balwan.asm");
  odpowiedzi = {QMessageBox::Cancel};
  Polecenie("Zapisz1");
  EXPECT_FALSE(QFile::exists(Sciezka("balwan.asm")));
  EXPECT_TRUE(pytania.last().startsWith("Zapisz...|")) << pytania.last().toStdString();
  odpowiedzi = {QMessageBox::Yes};
  Polecenie("Zapisz1");
  EXPECT_TRUE(Czytaj("balwan.asm").startsWith("; \xE2\x98\x83 nop\r\n"));
}

TEST_F(Pliki, DuzyIBinarnyPlik) {
  QByteArray binarny(300000, '\0');
  for (int k = 0; k < binarny.size(); ++k) binarny[k] = static_cast<char>((static_cast<uint32_t>(k) * 7919u) >> 3);
  Zapisz("binarny.bin", binarny);
  EXPECT_TRUE(okno.OtworzPlik(Sciezka("binarny.bin")));
  EXPECT_GT(okno.edytor()->LiczbaLinii(), 100);
  {
    QFile f(Sciezka("duzy.asm"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(50 * 1024 * 1024));
  }
  okno.edytor()->setPlainText("zostaje");
  EXPECT_FALSE(okno.OtworzPlik(Sciezka("duzy.asm")));
  EXPECT_EQ(okno.edytor()->TekstLinii(0), "zostaje");
  ASSERT_EQ(bledy.size(), 1);
  EXPECT_TRUE(bledy[0].contains("za duży")) << bledy[0].toStdString();
}

TEST_F(Pliki, ZamkniecieOknaPyta) {
  okno.edytor()->setPlainText("nop");
  for (auto odpowiedz : {QMessageBox::Cancel, QMessageBox::Yes}) {  // Yes, then a cancelled dialog
    odpowiedzi = {odpowiedz};
    doZapisu.clear();
    okno.close();
    EXPECT_TRUE(okno.isVisible());
  }
  EXPECT_EQ(pytania, QStringList(2, "Koniec programu...|Czy chcesz zapisac zmiany w pliku?"));
}

// A text under and over 16 KB on a disk with no block left.
TEST_F(Pliki, PelnyDyskNieGubiPracy) {
  test::MalyDysk dysk("okno-pelny");
  if (!dysk.Jest()) GTEST_SKIP() << dysk.Blad();
  const QString sciezka = QString::fromStdString(dysk.Sciezka("praca.asm").string());
  {
    QFile f(sciezka);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("nop\r\n");
  }
  ASSERT_TRUE(okno.OtworzPlik(sciezka));
  dysk.Wypelnij();
  QString duzy;
  for (int k = 0; duzy.size() < 20 * 1024; ++k) duzy += QString("  mov a,#%1 ; linia %2\n").arg(k % 256).arg(k);
  for (const QString& tekst : {QString("mov a,#5"), duzy}) {
    okno.edytor()->setPlainText(tekst);
    NieudanyZapis(sciezka, "Brak miejsca na dysku: plik " + sciezka +
                               " nie został zapisany, poprzednia wersja jest nietknięta.");
    EXPECT_EQ(okno.edytor()->toPlainText(), tekst);
  }
  dysk.Zwolnij();
  Klawisz(Qt::Key_F2);
  QFile f(sciezka);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray zapisane = f.readAll();
  EXPECT_TRUE(zapisane.startsWith("  mov a,#0 ; linia 0\r\n  mov a,#1 ; linia 1\r\n"));
  EXPECT_GT(zapisane.size(), 20 * 1024);
}

// The same for any user: the file-size limit cuts the write short.
TEST_F(Pliki, PrzerwanyZapisNieGubiPracy) {
  Zapisz("praca.asm", "nop\r\n");
  ASSERT_TRUE(okno.OtworzPlik(Sciezka("praca.asm")));
  okno.edytor()->setPlainText(QString(30000, 'x'));
  test::LimitRozmiaruPliku limit(8192);
  NieudanyZapis(Sciezka("praca.asm"), "Nie można zapisać pliku " + Sciezka("praca.asm") + ":\n" +
                                          qt_error_string(EFBIG) + "\nPoprzednia wersja jest nietknięta.");
}

// A named pipe with no writer and an endless device, from the dialog and
// from the command line's path, are refused at once.
TEST_F(Pliki, PotokIUrzadzenieOdrzucone) {
  ASSERT_EQ(::mkfifo(Sciezka("potok.asm").toLocal8Bit().constData(), 0600), 0);
  okno.edytor()->setPlainText("zostaje");
  for (const QString& s : {Sciezka("potok.asm"), QString("/dev/zero")}) {
    odpowiedzi = {QMessageBox::No};
    doOtwarcia = s;
    Polecenie("Otworz2");
    EXPECT_FALSE(okno.OtworzPlik(s));
  }
  EXPECT_EQ(okno.edytor()->toPlainText(), "zostaje");
  EXPECT_EQ(okno.windowTitle(), "Emulator kelbry WEX");
  EXPECT_TRUE(okno.NazwaPliku().isEmpty());
  ASSERT_EQ(bledy.size(), 4);
  EXPECT_EQ(bledy[0], "Nie można otworzyć pliku " + Sciezka("potok.asm") +
                          ": to nie jest zwykły plik, tylko potok, urządzenie lub gniazdo.");
  EXPECT_EQ(bledy[2], "Nie można otworzyć pliku /dev/zero: to nie jest zwykły plik, tylko potok, urządzenie lub gniazdo.");
}

// The dialogs open in the current file's folder, and at home without one
// (a build folder has no installed examples beside it).
TEST_F(Pliki, DialogiOtwierajaSieWFolderzePliku) {
  doOtwarcia.clear();
  doZapisu.clear();
  odpowiedzi = {QMessageBox::No};
  Polecenie("Otworz2");
  Polecenie("ZapiszJako1");
  Zapisz("led.asm", "nop\r\n");
  ASSERT_TRUE(okno.OtworzPlik(Sciezka("led.asm")));
  odpowiedzi = {QMessageBox::No};
  Polecenie("Otworz2");
  Polecenie("ZapiszJako1");
  odpowiedzi = {QMessageBox::No, QMessageBox::No};
  Polecenie("Nowy1");
  Polecenie("Otworz2");
  const QString dom = QDir::homePath();
  EXPECT_EQ(katalogi, QStringList({dom, dom, katalog.path(), katalog.path(), dom}));
}

TEST_F(Pliki, NowyIResetOkien) {
  tabela.show();
  sfr.move(900, 700);
  sfr.hide();
  sekcje = {81, 97, 0, 0};
  okno.edytor()->setPlainText("nop");
  odpowiedzi = {QMessageBox::No};
  Polecenie("Nowy1");
  EXPECT_EQ(okno.edytor()->LiczbaLinii(), 0);
  EXPECT_EQ(okno.windowTitle(), "Emulator kelbry WEX");
  EXPECT_EQ(okno.frameGeometry().top(), 200);
  EXPECT_FALSE(tabela.isVisible());
  EXPECT_FALSE(kelbra.isVisible());
  EXPECT_EQ(kelbra.frameGeometry().topLeft(), QPoint(14, 42));
  EXPECT_EQ(sekcje, (std::array<int32_t, 4>{}));
  // "Dane SFR" brings the window back to its cascade place and shows it.
  sfr.move(5000, 5000);
  Polecenie("DaneSFR1");
  EXPECT_TRUE(sfr.isVisible());
  EXPECT_EQ(sfr.frameGeometry().topLeft(), QPoint(28, 126));
  // The Okna menu marks the open windows when it opens.
  auto* menu = okno.findChild<QMenu*>("Oknapomocnicze1");
  emit menu->aboutToShow();
  EXPECT_TRUE(okno.findChild<QAction*>("SFR1")->isChecked());
  EXPECT_FALSE(okno.findChild<QAction*>("Kelbra1")->isChecked());
}

TEST_F(Pliki, OknoPozaEkranemWracaDoKrawedzi) {
  const QRect ekran = okno.screen()->availableGeometry();
  PozycjeOkien p = okno.zarzadca().ZbierzPozycjeOkien();
  p.Okna[2] = {ekran.width() + 400, 10, 300, 257, true};
  p.Okna[0].Width = 5;  // a main window too narrow to use gets its minimum
  Zapisz("daleko.asm", QByteArray("nop\r\n") + QByteArray::fromStdString(LiniaPozycjiOkien(p)) + "\r\n");
  ASSERT_TRUE(okno.OtworzPlik(Sciezka("daleko.asm")));
  EXPECT_EQ(kelbra.frameGeometry().right(), ekran.right());
  EXPECT_TRUE(kelbra.isVisible());
  EXPECT_EQ(okno.width(), okno.minimumWidth());
  EXPECT_GE(okno.minimumWidth(), 400);
}

// Each record of a stored layout line moves its own window, whichever
// program wrote the file: 1 the assembly table, 2 the board, 3 the
// registers, 4 the SFR window, 5 the memory window.
TEST_F(Pliki, RekordyUkladuNalezaDoSwoichOkien) {
  const std::array<QWidget*, 5> wKolejnosciRekordow = {&tabela, &kelbra, &rejestry, &sfr, &pamiec};
  PozycjeOkien p = okno.zarzadca().ZbierzPozycjeOkien();
  for (size_t i = 1; i < p.Okna.size(); ++i) p.Okna[i] = {0, 40 * static_cast<int32_t>(i), 200, 150, true};
  Zapisz("rekordy.asm", QByteArray("nop\r\n") + QByteArray::fromStdString(LiniaPozycjiOkien(p)) + "\r\n");
  ASSERT_TRUE(okno.OtworzPlik(Sciezka("rekordy.asm")));
  for (size_t i = 0; i < wKolejnosciRekordow.size(); ++i)
    EXPECT_EQ(wKolejnosciRekordow[i]->frameGeometry().top(), 40 * static_cast<int>(i + 1)) << "rekord " << i + 1;
}

// A stored size larger than the screen is cut to it, frame included, and
// the window stands inside the screen; a fixed-size window keeps its size.
TEST_F(Pliki, OknoWiekszeOdEkranuMiesciSie) {
  const QRect ekran = okno.screen()->availableGeometry();
  PozycjeOkien p = okno.zarzadca().ZbierzPozycjeOkien();
  p.Okna[0] = {300, 200, ekran.width() + 1500, ekran.height() + 900, true};
  p.Okna[1] = {50, 50, 9000, 9000, true};
  p.Okna[2] = {0, 0, 2000, 2000, true};
  Zapisz("duze.asm", QByteArray("nop\r\n") + QByteArray::fromStdString(LiniaPozycjiOkien(p)) + "\r\n");
  ASSERT_TRUE(okno.OtworzPlik(Sciezka("duze.asm")));
  for (QWidget* w : std::initializer_list<QWidget*>{&okno, &tabela}) {
    EXPECT_TRUE(ekran.contains(w->frameGeometry())) << w->objectName().toStdString();
    EXPECT_EQ(w->frameGeometry().size(), ekran.size()) << w->objectName().toStdString();
  }
  EXPECT_EQ(kelbra.size(), QSize(300, 257));
  // The cut size is what the next save stores.
  const PozycjeOkien zebrane = okno.zarzadca().ZbierzPozycjeOkien();
  EXPECT_EQ(zebrane.Okna[0].Width, okno.width());
  EXPECT_LE(zebrane.Okna[0].Width, ekran.width());
}

// Typed text outlives a program that ends without closing (a crash, a
// kill): the next one offers it back, with or without a file, until it is
// saved or dropped with "Nie".
TEST(PlikiOdzysk, TekstWracaPoAwarii) {
  QTemporaryDir stan, pliki;
  const QByteArray dotad = qgetenv("XDG_STATE_HOME");
  qputenv("XDG_STATE_HOME", stan.path().toLocal8Bit());
  const QString plik = pliki.filePath("prog.asm");
  {
    QFile f(plik);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("nop\r\n");
  }
  QStringList pytania;
  QMessageBox::StandardButton odpowiedz = QMessageBox::Yes;
  const auto pokaz = [&](Tokno_edycji_rozkazow& okno) {
    okno.Zapytaj = [&](const QString&, const QString& p, QMessageBox::StandardButtons) {
      pytania << p;
      return odpowiedz;
    };
    okno.PokazBlad = [](const QString& t) { ADD_FAILURE() << t.toStdString(); };
    okno.show();
    return QTest::qWaitForWindowExposed(&okno);
  };
  const auto kopie = [&] { return QDir(stan.filePath("kelbra"), "*.odzysk").entryList().size(); };
  for (const QString& nazwa : {QString(), plik}) {
    SCOPED_TRACE(nazwa.toStdString());
    {
      auto okno = std::make_unique<Tokno_edycji_rozkazow>();
      ASSERT_TRUE(pokaz(*okno));
      if (!nazwa.isEmpty()) {
        ASSERT_TRUE(okno->OtworzPlik(nazwa));
      }
      okno->activateWindow();
      okno->edytor()->setFocus();
      QTest::keyClick(okno->edytor(), Qt::Key_End, Qt::ControlModifier);
      QTest::keyClicks(okno->edytor(), "mov a,#5");
      ASSERT_TRUE(QTest::qWaitFor([&] { return kopie() == 1; }, 3 * Tokno_edycji_rozkazow::OpoznienieKopii));
    }
    pytania.clear();
    odpowiedz = QMessageBox::Yes;
    Tokno_edycji_rozkazow okno;
    ASSERT_TRUE(pokaz(okno));
    if (nazwa.isEmpty()) {
      EXPECT_TRUE(okno.ZaproponujOdzysk());
    } else {
      EXPECT_TRUE(okno.OtworzPlik(nazwa));
    }
    ASSERT_EQ(pytania.size(), 1);
    EXPECT_TRUE(pytania[0].startsWith("Znaleziono niezapisany tekst pliku " +
                                      (nazwa.isEmpty() ? "bez nazwy" : QString("prog.asm")) + " z "));
    EXPECT_EQ(okno.edytor()->toPlainText(), nazwa.isEmpty() ? "mov a,#5" : "nopmov a,#5");
    EXPECT_EQ(okno.NazwaPliku(), nazwa);
    EXPECT_EQ(kopie(), 1);  // now this program's own
    // Dropped with "Nie" to Nowy's question, or saved: nothing is left to
    // offer.
    odpowiedz = nazwa.isEmpty() ? QMessageBox::No : QMessageBox::Yes;
    okno.findChild<QAction*>(nazwa.isEmpty() ? "Nowy1" : "Zapisz1")->trigger();
    EXPECT_EQ(kopie(), 0);
    Tokno_edycji_rozkazow nastepne;
    ASSERT_TRUE(pokaz(nastepne));
    EXPECT_FALSE(nastepne.ZaproponujOdzysk());
  }
  qputenv("XDG_STATE_HOME", dotad);
}

// Esc on a Tak/Nie question decides nothing, so a recovery question
// dismissed in haste does not drop the text as "Nie" would.
TEST(PlikiOdzysk, EscNaPytanieTakNieNieJestOdpowiedziaNie) {
  Tokno_edycji_rozkazow okno;
  QTimer esc;
  QObject::connect(&esc, &QTimer::timeout, [] {
    if (QWidget* pytanie = QApplication::activeModalWidget()) QTest::keyClick(pytanie, Qt::Key_Escape);
  });
  esc.start(10);
  EXPECT_EQ(okno.Zapytaj("Niezapisany tekst", "?", QMessageBox::Yes | QMessageBox::No), QMessageBox::Cancel);
}

}  // namespace
}  // namespace kelbra
