#pragma once
// Run control of the main window: the editing and emulation modes with the
// enabled state of every command, continuous run paced by a clock, step
// mode, step into, step over, pause, stop, board reset, moving PC and the
// status texts. The window turns its state into timers and widgets.

#include <cstdint>
#include <string>

#include "Jadro.h"
#include "Maszyna.h"
#include "Pulapki.h"

namespace kelbra {

// Milliseconds from a fixed point; the pacing only ever takes differences.
class Zegar {
 public:
  virtual int64_t Milisekundy() = 0;

 protected:
  ~Zegar() = default;
};

// A monotonic clock, so that a change of the time of day cannot stall or
// flood a run.
class ZegarMonotoniczny final : public Zegar {
 public:
  int64_t Milisekundy() override;
};

// What run control asks of the window around it.
class ObslugaBiegu {
 public:
  // Selects a source line and puts the arrow on it.
  virtual void IdzDoLinii(int linia) = 0;
  // The two run timers are to run or to stop.
  virtual void UstawTimeryBiegu(bool ciagly, bool krokowy) = 0;
  // The board's LEDs after a continuous-run tick.
  virtual void OdswiezDiody() = 0;
  // Step over used up its allowance without returning.
  virtual void KomunikatStepOver() = 0;

 protected:
  ~ObslugaBiegu() = default;
};

// Enabled state of the commands in the current mode.
struct StanPolecen {
  bool Nowy = true;          // Nowy1, Otworz2, SpeedButton1, SpeedButton2
  bool Kompilacja = false;   // Kompilacja1, SpeedButton4
  bool Emulacja = false;     // PracaKrokowa1 ... Stop1, SpeedButton6 ... SpeedButton11
  bool Run = false;          // Run1
  bool PrzyciskRun = false;  // SpeedButton5
  bool Zadanie = false;      // SprawdzZadanie1: the text holds task lines (the window knows, not run control)
  bool KrokWstecz = false;   // KrokWstecz1: in emulation, with a step to undo
};

struct TekstyStatusu {
  std::string Cykle;     // LabelCykle
  std::string Czas;      // LabelCzas
  std::string CaretPos;  // LabelCaretPos
};

std::string TekstCykli(uint64_t cykle);
std::string TekstCzasu(uint64_t sekundy, uint64_t cykle);
std::string TekstPC(uint16_t pc, uint8_t kod);

// The status line's reading of the machine clock: whole seconds, moved out
// of the cycle count one million per tick and only once the count is past
// a million, and the cycles left over. The clock itself is never changed;
// a clock set back (a step back, a reset) takes the seconds back with it.
class LicznikStatusu {
 public:
  explicit LicznikStatusu(uint64_t sekundy = 0) : sekundy_(sekundy) {}
  // The texts for the clock at `cykl`, then the move of a million.
  TekstyStatusu Tick(uint64_t cykl);

 private:
  uint64_t sekundy_;
};

class SterowanieBiegiem {
 public:
  static constexpr int32_t CykliNaMilisekunde = 1000;
  static constexpr int32_t LimitStepOver = 10'000'000;
  // Continuous run goes in slices this many milliseconds apart, so keys,
  // LEDs and the LCD keep up with the program; the budget arithmetic is
  // the same at any interval.
  static constexpr int OkresOdcinka = 10;

  SterowanieBiegiem(Maszyna& maszyna, Pulapki& pulapki, const MapaAdresow& mapa, Zegar& zegar, ObslugaBiegu& okno)
      : m_(maszyna), j_(maszyna.jadro()), pulapki_(pulapki), mapa_(mapa), zegar_(zegar), okno_(okno) {}

  bool TrybEmulacji() const { return polecenia_.Emulacja; }
  StanPolecen Polecenia() const {
    StanPolecen s = polecenia_;
    s.KrokWstecz = s.Emulacja && m_.historia().MoznaCofnac();
    return s;
  }
  // The machine's step history is on in emulation mode: every instruction
  // that F6, F7, F8 and a continuous run execute is recorded.
  // Cycles continuous run may still execute, and the clock reading (ms)
  // of the last refill.
  int64_t Budzet() const { return budzet_; }
  int64_t CzasOdniesienia() const { return czasOdniesienia_; }
  void UstawBudzet(int64_t budzet) { budzet_ = budzet; }
  bool TimerCiagly() const { return ciagly_; }
  bool TimerKrokowy() const { return krokowy_; }

  // Editing mode (off) or emulation mode (on, which resets the board);
  // `liczbaLinii` is the editor's line count.
  void UstawTrybEmulacji(bool wlacz, int liczbaLinii);

  void Pauza();
  // Starts the continuous run when in emulation mode; assembling first in
  // editing mode is the window's step.
  void Run();
  void TickCiagly();
  void PracaKrokowa();
  void TickKrokowy();
  void StepInto();
  void StepOver();
  // Pauses a run, then undoes the last recorded instruction; false when
  // there was none.
  bool KrokWstecz();
  void Stop(int liczbaLinii);
  void ResetKelbry();
  void PrzesunPC(int linia);

  void PokazBiezacaLinie();
  bool SprawdzPulapke();

  // One tick of the status line: the texts, then a million cycles turned
  // into a second.
  TekstyStatusu TickStatusu();

 private:
  void UstawTimery(bool ciagly, bool krokowy);

  Maszyna& m_;
  Jadro& j_;
  Pulapki& pulapki_;
  const MapaAdresow& mapa_;
  Zegar& zegar_;
  ObslugaBiegu& okno_;
  int64_t budzet_ = 0;
  int64_t czasOdniesienia_ = 0;
  LicznikStatusu status_;
  StanPolecen polecenia_;
  bool ciagly_ = false;
  bool krokowy_ = false;
};

}  // namespace kelbra
