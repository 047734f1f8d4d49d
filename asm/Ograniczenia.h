#pragma once
// The PRN listing window: the listing of the last successful assembly in a
// fixed-pitch font.

#include <string>
#include <vector>

#include <QWidget>

class QPlainTextEdit;

namespace kelbra {

class TFormOgraniczeniEmulatora final : public QWidget {
  Q_OBJECT
 public:
  explicit TFormOgraniczeniEmulatora(QWidget* rodzic = nullptr);

  // Replaces the whole listing; lines are 8-bit text like the source.
  void UstawWydruk(const std::vector<std::string>& linie);
  QPlainTextEdit* RichEditPRN() const { return prn_; }

 private:
  QPlainTextEdit* prn_ = nullptr;
};

}  // namespace kelbra
