#pragma once
// The main window: the source editor with its gutter, the toolbar and menus,
// the status line, the error and warning lists and the progress bar. It owns
// the core, the assembler, the breakpoints and run control, and drives the
// board model that the application hands it.

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>

#include "Asembler.h"
#include "DokumentZrodlowy.h"
#include "Jadro.h"
#include "Maszyna.h"
#include "Odzysk.h"
#include "Pulapki.h"
#include "SterowanieBiegiem.h"
#include "ZarzadcaOkien.h"
#include "ZmianyStanu.h"
#include "ZnacznikiLinii.h"

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
class PasekSzukania;
class PlytkaKelbra;
class TFormOgraniczeniEmulatora;
class TFormSprawdzenie;
class Ttabela_rozkazy;

// The key legend under the toolbar: the key of every button that has one,
// each name drawn centred under its button.
class LegendaKlawiszy final : public QLabel {
  Q_OBJECT
 public:
  LegendaKlawiszy(QStringList nazwy, std::vector<int> srodki, QWidget* rodzic);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QStringList nazwy_;
  std::vector<int> srodki_;
};

class Tokno_edycji_rozkazow final : public QMainWindow, private ObslugaBiegu {
  Q_OBJECT
 public:
  explicit Tokno_edycji_rozkazow(QWidget* rodzic = nullptr);
  ~Tokno_edycji_rozkazow() override;

  // The auxiliary windows, created after this one, by their rows of
  // TabelaOkien; any may be missing.
  struct OknaPomocnicze {
    std::array<QWidget*, LiczbaOkienPomocniczych> okna{};
    ZarzadcaOkien::SekcjeSfr sekcjeSfr;
    QWidget*& operator[](Okno k) { return okna[static_cast<size_t>(k)]; }
    QWidget* operator[](Okno k) const { return okna[static_cast<size_t>(k)]; }
  };
  void UstawOkna(const OknaPomocnicze& okna);

  // One command: its menu item, its keys and, where it has one, its toolbar
  // button. The toolbar, the menus and the enabling are built from these
  // rows, so a new command is one more row.
  enum class Menu { Plik, Debug, Informacje };
  struct OpisPolecenia {
    Menu menu;
    bool separatorPrzed = false;  // a separator line above the item
    const char* nazwa;            // the menu item's object name
    const char* tytul;
    // Up to three keys. The first is the one the menu item and the legend
    // name; the others are the desktop's usual keys for the same command,
    // which work beside it unnamed. A command without a key of its own
    // leaves the first empty.
    std::array<QKeyCombination, 3> klawisze{};
    int przycisk = 0;  // SpeedButtonN with its icon; 0 for none
    int x = 0;         // the button's left edge; buttons stand in x order
    const char* podpowiedz = nullptr;
    // The flag that enables the item (none: always enabled), and the
    // button's where it differs from the item's.
    bool StanPolecen::*wlaczone = nullptr;
    bool StanPolecen::*wlaczonyPrzycisk = nullptr;
    void (Tokno_edycji_rozkazow::*obsluga)() = nullptr;
  };
  static std::span<const OpisPolecenia> TabelaPolecen();

  // The student's machine, powered on with the window.
  Maszyna& maszyna() { return maszyna_; }
  Jadro& jadro() { return jadro_; }
  PlytkaKelbra& plytka() { return plytka_; }
  Asembler& asembler() { return asembler_; }
  Pulapki& pulapki() { return pulapki_; }
  SterowanieBiegiem& sterowanie() { return sterowanie_; }
  const HistoriaKrokow& historia() const { return historia_; }
  // What changed between the last two stops, for the inspection windows.
  const ZmianyStanu& zmiany() const { return zmiany_; }
  EdytorRozkazow* edytor() const { return edytor_; }
  int LiniaStrzalki() const { return liniaStrzalki_; }
  // The status line's 250 ms pulse, the only timer that runs while nothing
  // happens; other windows that need a slow look at the machine state
  // follow it instead of waking the program up themselves.
  QTimer* PulsStatusu() const { return timerStatusu_; }

  static constexpr const char* PrefiksTytulu = "Emulator kelbry WEX";
  // The task check runs this many cycles at most, so that a task can keep
  // the window from answering for a few seconds at worst.
  static constexpr uint64_t LimitCykliZadania = 100'000'000;
  // The task check's result window; none before the first check.
  TFormSprawdzenie* OknoSprawdzenia() const { return sprawdzenie_; }

  // Message boxes and file dialogs go through here, so a test can answer
  // them.
  std::function<void(const QString& tytul, const QString& tekst)> PokazKomunikat;
  std::function<QMessageBox::StandardButton(const QString& tytul, const QString& pytanie,
                                            QMessageBox::StandardButtons przyciski)>
      Zapytaj;
  std::function<void(const QString& tekst)> PokazBlad;
  std::function<QString(const QString& katalog, const QString& filtr)> DialogOtwarcia;
  std::function<QString(const QString& katalog, const QString& filtr)> DialogZapisu;
  // A whole number from minimum to maksimum, or nothing when cancelled.
  std::function<std::optional<int>(const QString& tytul, const QString& etykieta, int wartosc, int minimum,
                                   int maksimum)>
      PodajLiczbe;

  const QString& NazwaPliku() const { return nazwaPliku_; }
  ZarzadcaOkien& zarzadca() { return zarzadca_; }
  // Reads a file into the editor with its layout; false (and an error box)
  // when it cannot be read, with nothing changed. A copy of the file's
  // unsaved text newer than the file, left by a program that is gone, is
  // then offered back.
  bool OtworzPlik(const QString& sciezka);

  // Unsaved text is copied for recovery this long after the last edit, and
  // at least this often while the typing goes on.
  static constexpr int OpoznienieKopii = 2000;
  static constexpr int NajdluzejBezKopii = 30000;
  // At start-up: offers the copies of unsaved text that programs now gone
  // left behind, newest first, until one is taken back; true when one was.
  bool ZaproponujOdzysk();

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
  void KrokWstecz1Click();
  void ZatrzymajJadro1Click();
  void ResetKelbry1Click();
  void BreakPointPulapka1Click();
  void UstawUsunblokade1Click();
  void PrzesuntutajlicznikPC1Click();
  void SprawdzZadanie1Click();
  void Szukaj1Click();
  void IdzDoWiersza1Click();

  // Marks PC's line: a highlight of the whole line with the caret at its
  // start and nothing selected, the arrow beside it, the line in view.
  void IdzDoLinii(int linia) override;
  // The line the highlight marks, or -1 when none is shown.
  int PodswietlonaLinia() const { return podswietlona_; }
  // An inspection window wrote a typed value into the machine state.
  void PoEdycjiWartosci();

 signals:
  // The first showing, once the board is attached to the core.
  void PierwszePokazanie();
  // After every continuous-run slice (once the LEDs were read, or once it
  // stopped at a breakpoint) and after every step-mode tick.
  void PoTyknieciuBiegu();
  // What zmiany() marks has changed: at every stop (a step, a step back,
  // a breakpoint, a pause), on a reset and after a typed value.
  void NoweZmiany();
  // The program is ending, its windows still as the user left them (quitting
  // closes them all before the application says it is about to quit).
  void Konczenie();

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  // Run control's requests.
  void UstawTimeryBiegu(bool ciagly, bool krokowy) override;
  void OdswiezDiody() override;
  void KomunikatStepOver() override;

  QMessageBox::StandardButton Zapytaj3(const QString& tytul, const QString& pytanie);
  bool Zapisz();
  bool ZapiszJako();
  bool ZapiszDo(const QString& sciezka);
  void PokazBladPliku(const BladPliku& blad, const QString& sciezka);
  std::vector<std::u32string> LinieTekstu() const;
  // The editor shows a file's lines under its name, with its layout, as
  // Otwórz leaves them.
  void PokazPlik(const PlikZrodlowy& zrodlo, const QString& sciezka);
  // The recovery copy: planned by every edit, written when its timer
  // fires, and dropped when the text is what its file holds.
  void PlanujKopie();
  void ZapiszKopie();
  void TekstJakNaDysku(const QString& tekst);
  bool ZaproponujKopie(const QString* sciezka);
  void Przywroc(const KopiaOdzysku& kopia);
  void WczytajPozycjeOkien(int okno, const std::optional<BajtyPliku>& linia);
  void ResetujOkna(int okno);
  void UstawTytul(const QString& przyrostek);
  QString KatalogDialogow(RodzajDialogu rodzaj) const;

  void UstawDialogi();
  void ZbudujSrodek();
  void ZbudujTimery();
  void ZbudujMenu();
  void ZbudujMenuOkien(QMenu* menu);
  void ZbudujPanelGorny(QWidget* panel);
  void ZbudujPrzyciski(QWidget* panel);
  void ZbudujMenuKontekstowe();
  QAction* Akcja(QMenu* menu, const char* nazwa, const QString& tytul);
  // The layout's windows by index, this one first; missing ones are null.
  std::array<QWidget*, PozycjeOkien::LiczbaOkien> OknaUkladu();
  void PokazOkno(QWidget* okno, bool aktywuj);
  void Koniec1Click();
  void OProgramie1Click();
  void Ograniczenia1Click();
  void OdswiezPolecenia();
  void UstawTryb(bool emulacja);
  // A stop: the changes since the one before are marked, the status line
  // and the commands follow.
  void PoZatrzymaniu();
  // A reset or a new mode: nothing is marked until the next stop.
  void NowyStan();
  void ZamknijSprawdzenie();

  // Editor events.
  bool PrzedKlawiszem(QKeyEvent* e);
  void PoKlawiszu(QKeyEvent* e);
  void ZmianaTekstu(int pozycja, int usuniete, int dodane);
  // Keeps the task lines' marks in step with an edit.
  void ZmianaLiniiZadania(int pozycja, int usuniete, int dodane);
  void AutoWciecieEnter();
  void OtworzMenuKontekstowe(const QPoint& gdzie);
  void SkokDoEtykiety(QAction* element);
  void KlikNaLiscie(QListWidgetItem* element);
  // Puts the caret at the start of a line, selecting the line when asked,
  // and scrolls it into view with a margin of three lines above it.
  void PokazLinie(int linia, bool zaznacz);
  // The highlight follows PC's line: shown in emulation mode while no
  // continuous run is going, like the arrow.
  void OdswiezPodswietlenie();
  // The line of the editor at a height of its viewport, as a mouse press
  // there picks it.
  int LiniaWWidoku(int y) const;
  void KlikNaMarginesie(QPoint gdzie);
  void PrzelaczPulapke(int linia);
  // Nowy and Otwórz start with no breakpoint at all.
  void WyczyscPulapki();
  // The find bar under the editor and the question of go-to-line.
  void ZbudujSzukanie();

  void TimerPracaCiaglaJadraTimer();
  void TimerPracaKrokowaTimer();
  // The gutter follows the editor, the breakpoints and the arrow: every
  // change asks for one look on the next turn of the event loop.
  void PlanujMargines();
  void TimerZaznaczanieLiniiTimer();
  void TimerWyswietlanieDanychCykliICzasuDzialaniaTimer();

  Maszyna maszyna_;
  Jadro& jadro_ = maszyna_.jadro();
  PlytkaKelbra& plytka_ = maszyna_.plytka();
  HistoriaKrokow& historia_ = maszyna_.historia();
  Asembler asembler_{jadro_};
  Pulapki pulapki_;
  MapaAdresow mapa_;
  ZegarMonotoniczny zegar_;
  SterowanieBiegiem sterowanie_{maszyna_, pulapki_, mapa_, zegar_, *this};
  ZmianyStanu zmiany_;
  OknaPomocnicze okna_;
  // The two windows that show the assembly's results.
  Ttabela_rozkazy* tabela_ = nullptr;
  TFormOgraniczeniEmulatora* prn_ = nullptr;
  ZarzadcaOkien zarzadca_;
  QString nazwaPliku_;
  DokumentZrodlowy dokument_;  // the file's encoding, kept for saving it

  EdytorRozkazow* edytor_ = nullptr;
  Margines* margines_ = nullptr;
  PasekSzukania* pasekSzukania_ = nullptr;
  QWidget* panelWarning_ = nullptr;
  QWidget* panelDolny_ = nullptr;
  QListWidget* listaOstrzezen_ = nullptr;
  QListWidget* listaBledow_ = nullptr;
  QProgressBar* postep_ = nullptr;
  QLabel* labelCykle_ = nullptr;
  QLabel* labelCzas_ = nullptr;
  QLabel* labelCaretPos_ = nullptr;
  // By row of the command table; a command without a button has none.
  std::vector<QAction*> akcje_;
  QAction* krokWstecz_ = nullptr;
  std::vector<QToolButton*> przyciski_;
  QMenu* menuOkna_ = nullptr;
  QMenu* menuKontekstowe_ = nullptr;
  QAction* autoskokPC_ = nullptr;
  QAction* ustawUsunBlokade_ = nullptr;
  QAction* przesunPC_ = nullptr;
  std::vector<QAction*> elementyEtykiet_;
  // The "Okna" items with the windows they show.
  std::vector<std::pair<QAction*, Okno>> oknaAkcje_;

  QTimer* timerCiagly_ = nullptr;
  QTimer* timerKrokowy_ = nullptr;
  QTimer* timerStatusu_ = nullptr;
  QTimer* timerZaznaczania_ = nullptr;
  QTimer* timerKopii_ = nullptr;

  MagazynOdzysku odzysk_;
  QString tekstNaDysku_;   // the text as last opened or saved
  QString tekstKopii_;     // the text the copy holds
  QElapsedTimer pierwszaZmiana_;  // the oldest edit the copy lacks
  bool zmianaBezKopii_ = false;
  bool bladKopii_ = false;  // shown once, until a copy is written again
  bool przywrocono_ = false;

  ZnacznikiLinii liniiZadania_;  // which lines are task lines
  TFormSprawdzenie* sprawdzenie_ = nullptr;

  int liniaStrzalki_ = 0;
  int podswietlona_ = -1;
  std::array<int, 5> kluczMarginesu_{};
  int poprzedniaLiczbaLinii_ = 0;  // the editor's Tag
  bool bledyDoPokazania_ = false;  // the last assembly found errors
  // A key waiting for the change it causes.
  bool oczekujacyKlawisz_ = false;
  bool wciecieDoWykonania_ = false;
  bool pokazane_ = false;
};

}  // namespace kelbra
