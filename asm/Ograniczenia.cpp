#include "Ograniczenia.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "Kodowanie.h"
#include "WydrukPRN.h"

namespace kelbra {

TFormOgraniczeniEmulatora::TFormOgraniczeniEmulatora(QWidget* rodzic) : QWidget(rodzic, Qt::Window) {
  setObjectName(QStringLiteral("FormOgraniczeniEmulatora"));
  setWindowTitle(QStringLiteral("Wydruk PRN..."));

  prn_ = new QPlainTextEdit(this);
  prn_->setObjectName(QStringLiteral("RichEditPRN"));
  prn_->setReadOnly(true);
  // The listing is replaced whole and never edited, so undo would only
  // hold a second copy of it.
  prn_->setUndoRedoEnabled(false);
  prn_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  prn_->setLineWrapMode(QPlainTextEdit::NoWrap);
  prn_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  prn_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->addWidget(prn_);
  resize(450, 346);
}

void TFormOgraniczeniEmulatora::UstawWydruk(const std::vector<std::string>& linie) {
  // One text and one setPlainText: appending line by line would lay the
  // document out again for each of a long program's lines. Every character
  // of the code page is a single UTF-16 unit, so the bytes map straight into
  // the QString without an intermediate UTF-8 copy.
  std::vector<std::string> rozwiniete;
  rozwiniete.reserve(linie.size());
  qsizetype dlugosc = 0;
  for (const std::string& l : linie) {
    rozwiniete.push_back(RozwinTabulatoryPRN(l));
    dlugosc += static_cast<qsizetype>(rozwiniete.back().size()) + 1;
  }
  QString tekst(dlugosc > 0 ? dlugosc - 1 : 0, Qt::Uninitialized);
  QChar* p = tekst.data();
  for (const std::string& l : rozwiniete) {
    if (&l != &rozwiniete.front()) *p++ = u'\n';
    for (char c : l) *p++ = QChar(static_cast<char16_t>(ZnakCp1250(static_cast<unsigned char>(c))));
  }
  prn_->setPlainText(tekst);
}

}  // namespace kelbra
