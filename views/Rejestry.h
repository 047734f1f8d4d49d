#pragma once
// The registers window: R0-R7 of the selected bank, @R0 and @R1, Acc, B,
// SP, DPTR, PSW and its bits, refreshed from the core while visible and
// written into it at every keystroke.

#include <array>
#include <optional>

#include <QWidget>

#include "EdycjaRejestrow.h"

class QLabel;
class QLineEdit;

namespace kelbra {

class Asembler;
struct Jadro;
class PodgladWartosci;
class ZdarzeniaPol;
class MenuLiczb;
class ZmianyStanu;

class TFormRejestry final : public QWidget {
  Q_OBJECT
 public:
  explicit TFormRejestry(QWidget* rodzic = nullptr);
  ~TFormRejestry() override;

  // The machine state and the evaluator, handed over on the main window's
  // first showing.
  void UstawWidoki(Jadro& jadro, Asembler& asembler);

  // The main window's record of what changed at the last stop.
  void UstawZmiany(const ZmianyStanu* zmiany) { zmiany_ = zmiany; }
  // A stop, a reset or a typed value: the values and their marks now.
  void PoZmianach();

  void OdswiezRejestry();
  const EdycjaRejestrow& Edycja() const { return edycja_; }

 signals:
  // A value was typed or a bit flipped into the machine state.
  void Wpisano();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void ZbudujPola(int y);
  void ZbudujPodglad(int y);
  void PodlaczZdarzenia();
  void Zatwierdz(size_t pole, const QString& tekst);
  void Wyjscie();
  size_t Indeks(const QLineEdit* pole) const;
  void TrybLiczb(bool dziesietnie);

  EdycjaRejestrow edycja_;
  const ZmianyStanu* zmiany_ = nullptr;
  std::array<QLineEdit*, PolaRejestrow.size()> pola_{};
  std::array<QLineEdit*, BityPsw.size()> bity_{};
  QLabel* bank_ = nullptr;
  ZdarzeniaPol* zdarzenia_ = nullptr;
  PodgladWartosci* podglad_ = nullptr;
  MenuLiczb* menuLiczb_ = nullptr;
  // The field entered last and the register it writes to, fixed when the
  // user entered it, so a bank switched by the running program cannot move
  // the edit.
  size_t wejsciePola_ = 0;
  std::optional<CelEdycji> celPola_;
};

}  // namespace kelbra
