#pragma once
// The registers window: R0-R7 of the selected bank, @R0 and @R1, Acc, B,
// SP, DPTR, PSW and its bits, refreshed from the core while visible and
// written into it at every keystroke.

#include <array>
#include <optional>

#include "EdycjaRejestrow.h"
#include "OknoInspekcji.h"

class QLabel;
class QLineEdit;

namespace kelbra {

class Asembler;
struct Jadro;
class PodgladWartosci;
class ZdarzeniaPol;
class MenuLiczb;
class ZmianyStanu;

class TFormRejestry final : public OknoInspekcji {
  Q_OBJECT
 public:
  explicit TFormRejestry(QWidget* rodzic = nullptr);
  ~TFormRejestry() override;

  void UstawWidoki(Jadro& jadro, Asembler& asembler) override;

  void UstawZmiany(const ZmianyStanu* zmiany) override { zmiany_ = zmiany; }
  void PoZmianach() override;

  void OdswiezRejestry();
  const EdycjaRejestrow& Edycja() const { return edycja_; }

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
