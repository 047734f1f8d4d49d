// Kelbra 8051: the main window and its auxiliary windows, created once in
// their start-up order and kept until the program ends.

#include <exception>

#include <QApplication>
#include <QMessageBox>

#include "Ograniczenia.h"
#include "Okno_edycji_rozkazow.h"
#include "Plytka.h"
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

}  // namespace

int main(int argc, char** argv) {
  Aplikacja aplikacja(argc, argv);
  aplikacja.setApplicationName("kelbra");
  aplikacja.setApplicationDisplayName("Emulator kelbry WEX");

  kelbra::ZaladujTlumaczenieQt(aplikacja);

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
