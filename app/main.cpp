// Kelbra 8051: the main window and its auxiliary windows, created once in
// their start-up order and kept until the program ends.

#include <array>
#include <cstdio>
#include <cstring>
#include <exception>

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include "Data.h"
#include "Kelbra.h"
#include "Ograniczenia.h"
#include "Okno_edycji_rozkazow.h"
#include "Oprogrami.h"
#include "Plytka.h"
#include "Przebiegi.h"
#include "Rejestry.h"
#include "Sfr.h"
#include "Tabela_rozkazy.h"
#include "TlumaczenieQt.h"

namespace {

// An exception that escapes an event handler is reported and the program
// goes on.
class Aplikacja final : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* odbiorca, QEvent* zdarzenie) override {
    try {
      return QApplication::notify(odbiorca, zdarzenie);
    } catch (const std::exception& e) {
      QMessageBox::critical(activeWindow(), "Błąd", QString::fromUtf8(e.what()));
    } catch (...) {
      QMessageBox::critical(activeWindow(), "Błąd", "Nieznany błąd programu.");
    }
    return false;
  }
};

QIcon IkonaProgramu() {
  QIcon ikona;
  for (int rozmiar : {16, 22, 24, 32, 48, 64, 128, 256})
    ikona.addFile(QString(":/ikona/kelbra-%1.png").arg(rozmiar), QSize(rozmiar, rozmiar));
  return ikona;
}

constexpr const char* Uzycie =
    "użycie: kelbra [PLIK.asm]\n"
    "Otwiera edytor, asembler i emulator 8051 z płytką Kelbra; podany plik\n"
    "zostaje otwarty razem z zapisanym położeniem okien.\n";

}  // namespace

int main(int argc, char** argv) {
  // Answered before Qt starts, so it works without a display too.
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(Uzycie, stdout);
    return 0;
  }
  // Wayland lets no program place its own windows, so the stored layout
  // could not be applied there; X11 does, where it is available.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      !qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "xcb");
  Aplikacja aplikacja(argc, argv);
  aplikacja.setApplicationName("kelbra");
  // Ties the windows to the installed menu entry (kelbra.desktop), whose
  // icon is the one drawn here at every size.
  aplikacja.setDesktopFileName("kelbra");
  aplikacja.setWindowIcon(IkonaProgramu());

  // Qt has taken its own options off; what is left is at most one file.
  const QStringList argumenty = QApplication::arguments();
  if (argumenty.size() > 2 || (argumenty.size() == 2 && argumenty[1].startsWith('-'))) {
    const QString blad = argumenty.size() > 2 ? "za dużo argumentów" : "nieznana opcja " + argumenty[1];
    std::fprintf(stderr, "kelbra: %s\n%s", blad.toUtf8().constData(), Uzycie);
    return 2;
  }

  kelbra::ZaladujTlumaczenieQt(aplikacja);

  kelbra::Tokno_edycji_rozkazow okno;
  kelbra::Ttabela_rozkazy tabela;
  kelbra::TFormRejestry rejestry;
  kelbra::TFormDataSFR sfr;
  kelbra::TFormDATA pamiec;
  const std::array<kelbra::OknoInspekcji*, 3> inspekcja = {&rejestry, &sfr, &pamiec};
  // The inspection windows see the machine state from the main window's
  // first showing on.
  QObject::connect(&okno, &kelbra::Tokno_edycji_rozkazow::PierwszePokazanie, [&] {
    for (kelbra::OknoInspekcji* w : inspekcja) w->UstawWidoki(okno.jadro(), okno.asembler());
  });
  // They mark what changed at the last stop, and a value typed into any of
  // them is no change of the program's.
  for (kelbra::OknoInspekcji* w : inspekcja) {
    w->UstawZmiany(&okno.zmiany());
    QObject::connect(&okno, &kelbra::Tokno_edycji_rozkazow::NoweZmiany, w, &kelbra::OknoInspekcji::PoZmianach);
    QObject::connect(w, &kelbra::OknoInspekcji::Wpisano, &okno, &kelbra::Tokno_edycji_rozkazow::PoEdycjiWartosci);
  }
  kelbra::TFormKelbra kelbraOkno(okno.plytka());
  kelbraOkno.UstawPuls(okno.PulsStatusu());
  QObject::connect(&okno, &kelbra::Tokno_edycji_rozkazow::PoTyknieciuBiegu, &kelbraOkno,
                   &kelbra::TFormKelbra::PoTyknieciuBiegu);
  kelbra::TFormOgraniczeniEmulatora prn;
  kelbra::TFormOProgramie oProgramie;
  // The timing picture repaints with the status pulse while the program
  // runs, and at once after a step or any other stop.
  kelbra::TFormPrzebiegi przebiegi(okno.maszyna().przebiegi());
  przebiegi.UstawPuls(okno.PulsStatusu());
  QObject::connect(&okno, &kelbra::Tokno_edycji_rozkazow::NoweZmiany, &przebiegi,
                   &kelbra::TFormPrzebiegi::PoTyknieciuBiegu);

  // In the window table's order, the order they were created in.
  kelbra::Tokno_edycji_rozkazow::OknaPomocnicze okna;
  okna.okna = {&tabela, &rejestry, &sfr, &pamiec, &kelbraOkno, &prn, &oProgramie, &przebiegi};
  okna.sekcjeSfr = {[&] { return sfr.WysokosciSekcji(); },
                    [&](const std::array<int32_t, 4>& s) { sfr.UstawWysokosciSekcji(s); },
                    kelbra::TFormDataSFR::ProjektoweWysokosci()};
  okno.UstawOkna(okna);
  okno.show();
  // Where the timing window stood and whether it was open: the program's
  // settings, not the source file's layout line.
  QSettings ustawienia("kelbra", "kelbra");
  przebiegi.PrzywrocUstawienia(ustawienia);
  QObject::connect(&okno, &kelbra::Tokno_edycji_rozkazow::Konczenie, [&] { przebiegi.ZapiszUstawienia(ustawienia); });
  // As Otwórz after its question: the file's layout is applied once the
  // windows exist, and an unreadable file leaves an empty editor behind its
  // message. Then unsaved text that a crashed or killed program left is
  // offered back, unless the named file's own was taken back already.
  const QString plik = argumenty.size() == 2 ? QFileInfo(argumenty[1]).absoluteFilePath() : QString();
  QTimer::singleShot(0, &okno, [&okno, plik] {
    if (!plik.isEmpty()) okno.OtworzPlik(plik);
    okno.ZaproponujOdzysk();
  });
  return QApplication::exec();
}
