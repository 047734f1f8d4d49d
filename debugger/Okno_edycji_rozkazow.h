#pragma once
// The main window: the source editor with its gutter, the toolbar and menus,
// the status line, the error and warning lists and the progress bar. It owns
// the core, the assembler, the breakpoints and run control, and drives the
// board model that the application hands it.

#include <array>
#include <functional>
#include <map>
#include <string_view>
#include <optional>

#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>

#include "Asembler.h"
#include "Jadro.h"
#include "PlikZrodlowy.h"
#include "Pulapki.h"
#include "SterowanieBiegiem.h"
#include "ZarzadcaOkien.h"

class QAction;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QProgressBar;
class QTimer;
class QToolButton;

namespace kelbra {

class EdytorRozkazow;
class Margines;
class PlytkaKelbra;
class TFormOgraniczeniEmulatora;
class Ttabela_rozkazy;

// The key legend under the toolbar: its text names the key of every button
// from the second on, and each name is drawn centred under its button.
class LegendaKlawiszy final : public QLabel {
  Q_OBJECT
 public:
  LegendaKlawiszy(const QString& tekst, std::vector<int> srodki, QWidget* rodzic);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::vector<int> srodki_;
};

class Tokno_edycji_rozkazow final : public QMainWindow, private ObslugaBiegu {
  Q_OBJECT
 public:
  explicit Tokno_edycji_rozkazow(PlytkaKelbra& plytka, QWidget* rodzic = nullptr);
  ~Tokno_edycji_rozkazow() override;

  // The auxiliary windows, created after this one; any may be missing.
  struct OknaPomocnicze {
    Ttabela_rozkazy* tabela = nullptr;
    QWidget* kelbra = nullptr;
    QWidget* rejestry = nullptr;
    QWidget* sfr = nullptr;
    QWidget* pamiec = nullptr;
    TFormOgraniczeniEmulatora* prn = nullptr;
    QWidget* oProgramie = nullptr;
    ZarzadcaOkien::SekcjeSfr sekcjeSfr;
  };
  void UstawOkna(const OknaPomocnicze& okna);

  Jadro& jadro() { return jadro_; }
  Asembler& asembler() { return asembler_; }
  PlytkaKelbra& plytka() { return plytka_; }
  Pulapki& pulapki() { return pulapki_; }
  SterowanieBiegiem& sterowanie() { return sterowanie_; }
  EdytorRozkazow* edytor() const { return edytor_; }
  int LiniaStrzalki() const { return liniaStrzalki_; }
  // The status line's 250 ms pulse, the only timer that runs while nothing
  // happens; other windows that need a slow look at the machine state
  // follow it instead of waking the program up themselves.
  QTimer* PulsStatusu() const { return timerStatusu_; }

  static constexpr const char* PrefiksTytulu = "Emulator kelbry WEX";
  // Files above this size are refused with a message rather than loaded
  // into the editor for minutes.
  static constexpr qint64 NajwiekszyPlik = 16 * 1024 * 1024;

  // Message boxes and file dialogs go through here, so a test can answer
  // them.
  std::function<void(const QString& tytul, const QString& tekst)> PokazKomunikat;
  std::function<QMessageBox::StandardButton(const QString& tytul, const QString& pytanie,
                                            QMessageBox::StandardButtons przyciski)>
      Zapytaj;
  std::function<void(const QString& tekst)> PokazBlad;
  std::function<QString(const QString& katalog, const QString& filtr)> DialogOtwarcia;
  std::function<QString(const QString& katalog, const QString& filtr)> DialogZapisu;

  const QString& NazwaPliku() const { return nazwaPliku_; }
  ZarzadcaOkien& zarzadca() { return zarzadca_; }
  // Reads a file into the editor with its layout; false (and an error box)
  // when it cannot be read, with nothing changed.
  bool OtworzPlik(const QString& sciezka);

  // Command handlers.
  void Nowy1Click();
  void Otworz2Click();
  void Zapisz1Click();
  void ZapiszJako1Click();
  void Analizuj_kod_asembleraClick();
  void Run1Click();
  void Stop1Click();
  void PracaKrokowa1Click();
  void StepInto1Click();
  void StepOver1Click();
  void ZatrzymajJadro1Click();
  void ResetKelbry1Click();
  void BreakPointPulapka1Click();
  void UstawUsunblokade1Click();
  void PrzesuntutajlicznikPC1Click();

  void IdzDoLinii(int linia) override;

 signals:
  // The first showing, once the board is attached to the core.
  void PierwszePokazanie();
  // After every continuous-run slice (once the LEDs were read, or once it
  // stopped at a breakpoint) and after every step-mode tick.
  void PoTyknieciuBiegu();
  // After every assembly run, failed ones included.
  void PoAsemblacji();

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  // Run control's requests.
  void UstawTimeryBiegu(bool ciagly, bool krokowy) override;
  void ResetPlytki() override;
  void OdswiezDiody() override;
  void KomunikatStepOver() override;

  QMessageBox::StandardButton Zapytaj3(const QString& tytul, const QString& pytanie);
  bool Zapisz();
  bool ZapiszJako();
  bool ZapiszDo(const QString& sciezka);
  void WczytajPozycjeOkien(int okno, const std::optional<std::string>& linia);
  void ResetujOkna(int okno);
  void UstawTytul(const QString& przyrostek);
  QString KatalogDialogow() const;

  void ZbudujMenu();
  void ZbudujPanelGorny(QWidget* panel);
  void ZbudujMenuKontekstowe();
  QAction* Akcja(QMenu* menu, const char* nazwa, const QString& tytul, const QKeySequence& klawisz,
                 void (Tokno_edycji_rozkazow::*obsluga)());
  void OdswiezPolecenia();
  void UstawTryb(bool emulacja);

  // Editor events.
  bool PrzedKlawiszem(QKeyEvent* e);
  void PoKlawiszu(QKeyEvent* e);
  void ZmianaTekstu(int pozycja, int usuniete, int dodane);
  void AutoWciecieEnter();
  void OtworzMenuKontekstowe(const QPoint& gdzie);
  void SkokDoEtykiety(QAction* element);
  void KlikNaLiscie(QListWidgetItem* element);

  void TimerPracaCiaglaJadraTimer();
  void TimerPracaKrokowaTimer();
  // The gutter follows the editor, the breakpoints and the arrow: every
  // change asks for one look on the next turn of the event loop.
  void PlanujMargines();
  void TimerZaznaczanieLiniiTimer();
  void TimerWyswietlanieDanychCykliICzasuDzialaniaTimer();

  PlytkaKelbra& plytka_;
  Jadro jadro_;
  Asembler asembler_{jadro_};
  Pulapki pulapki_;
  MapaAdresow mapa_;
  ZegarMonotoniczny zegar_;
  SterowanieBiegiem sterowanie_{jadro_, pulapki_, mapa_, zegar_, *this};
  OknaPomocnicze okna_;
  ZarzadcaOkien zarzadca_;
  QString nazwaPliku_;
  QString katalog_;  // where the dialogs open, once a file was opened or saved
  KodowaniePliku kodowanie_ = KodowaniePliku::Cp1250;
  bool bom_ = false;

  EdytorRozkazow* edytor_ = nullptr;
  Margines* margines_ = nullptr;
  QWidget* panelWarning_ = nullptr;
  QWidget* panelDolny_ = nullptr;
  QListWidget* listaOstrzezen_ = nullptr;
  QListWidget* listaBledow_ = nullptr;
  QProgressBar* postep_ = nullptr;
  QLabel* labelCykle_ = nullptr;
  QLabel* labelCzas_ = nullptr;
  QLabel* labelCaretPos_ = nullptr;
  std::array<QToolButton*, 13> przyciski_{};  // by form number, 1..12
  QMenu* menuOkna_ = nullptr;
  QMenu* menuKontekstowe_ = nullptr;
  QAction* autoskokPC_ = nullptr;
  QAction* ustawUsunBlokade_ = nullptr;
  QAction* przesunPC_ = nullptr;
  std::vector<QAction*> elementyEtykiet_;
  QAction* oknaAkcje_[5] = {};
  std::map<std::string_view, QAction*> akcje_;  // by name, as first looked up

  QTimer* timerCiagly_ = nullptr;
  QTimer* timerKrokowy_ = nullptr;
  QTimer* timerStatusu_ = nullptr;
  QTimer* timerZaznaczania_ = nullptr;

  int liniaStrzalki_ = 0;
  std::array<int, 5> kluczMarginesu_{};
  int poprzedniaLiczbaLinii_ = 0;  // the editor's Tag
  bool bledyDoPokazania_ = false;  // the last assembly found errors
  // A key waiting for the change it causes.
  bool oczekujacyKlawisz_ = false;
  bool wciecieDoWykonania_ = false;
  bool pokazane_ = false;
};

}  // namespace kelbra
