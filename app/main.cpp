// Kelbra 8051: the main window and its auxiliary windows, created once in
// their start-up order and kept until the program ends.

#include <exception>

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include "Ograniczenia.h"
#include "Okno_edycji_rozkazow.h"
#include "Plytka.h"
#include "Tabela_rozkazy.h"

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

}  // namespace

int main(int argc, char** argv) {
  Aplikacja aplikacja(argc, argv);
  aplikacja.setApplicationName("kelbra");
  aplikacja.setApplicationDisplayName("Emulator kelbry WEX");

  // Qt's own Polish texts: "Tak", "Nie", "Anuluj" on standard buttons.
  QTranslator tlumaczenieQt;
  if (tlumaczenieQt.load(QLocale(QLocale::Polish), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&tlumaczenieQt);

  kelbra::PlytkaKelbra plytka;
  kelbra::Tokno_edycji_rozkazow okno(plytka);
  kelbra::Ttabela_rozkazy tabela;
  kelbra::TFormOgraniczeniEmulatora prn;

  kelbra::Tokno_edycji_rozkazow::OknaPomocnicze okna;
  okna.tabela = &tabela;
  okna.prn = &prn;
  okno.UstawOkna(okna);
  okno.show();
  return QApplication::exec();
}
