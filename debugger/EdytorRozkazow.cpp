#include "EdytorRozkazow.h"

#include <QFontDatabase>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>

#include "PomocRozkazow.h"
#include "TekstQt.h"

namespace kelbra {

EdytorRozkazow::EdytorRozkazow(QWidget* rodzic) : QPlainTextEdit(rodzic) {
  setObjectName("RichEdit_edycji_rozkazow");
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(false);
  QFont czcionka = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  setFont(czcionka);
  setTabStopDistance(QFontMetricsF(czcionka).horizontalAdvance(QLatin1Char(' ')) * 8);
  // A line picked from the error list or a found phrase stays as visible
  // when the focus is in another window (the board, the registers).
  QPalette p = palette();
  p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
  p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(p);
}

int EdytorRozkazow::LiczbaLinii() const {
  const QTextDocument* d = document();
  if (d->isEmpty()) return 0;
  return d->blockCount();
}

QString EdytorRozkazow::TekstLinii(int y) const {
  if (y < 0 || y >= LiczbaLinii()) return {};
  // Block text, not toPlainText(): the latter turns a no-break space into a
  // plain one.
  return document()->findBlockByNumber(y).text();
}

std::u16string EdytorRozkazow::Linia(int y) const {
  const QString t = TekstLinii(y);
  return std::u16string(reinterpret_cast<const char16_t*>(t.utf16()), static_cast<size_t>(t.size()));
}

int EdytorRozkazow::DlugoscLinii(int y) const {
  if (y < 0 || y >= LiczbaLinii()) return 0;
  return document()->findBlockByNumber(y).length() - 1;
}

qint64 EdytorRozkazow::PoczatekLinii(int y) const {
  if (y <= 0 || y >= LiczbaLinii()) return 0;
  return PozycjaDoPrzesuniecia(document()->findBlockByNumber(y).position());
}

int EdytorRozkazow::LiniaPozycji(int pozycja) const { return document()->findBlock(pozycja).blockNumber(); }

qint64 EdytorRozkazow::PozycjaDoPrzesuniecia(int pozycja) const {
  return static_cast<qint64>(pozycja) + LiniaPozycji(pozycja);
}

int EdytorRozkazow::PrzesuniecieDoPozycji(qint64 przesuniecie) const {
  if (przesuniecie <= 0) return 0;
  // The last line whose start is at or before the offset, by bisection.
  int lo = 0, hi = std::max(LiczbaLinii() - 1, 0);
  while (lo < hi) {
    const int mid = lo + (hi - lo + 1) / 2;
    if (PozycjaDoPrzesuniecia(document()->findBlockByNumber(mid).position()) <= przesuniecie) lo = mid;
    else hi = mid - 1;
  }
  const QTextBlock b = document()->findBlockByNumber(lo);
  const qint64 wLinii = przesuniecie - PozycjaDoPrzesuniecia(b.position());
  // An offset inside a line break lands at the end of its line.
  return b.position() + static_cast<int>(std::min<qint64>(wLinii, b.length() - 1));
}

void EdytorRozkazow::UstawZaznaczenie(qint64 start, qint64 dlugosc) {
  QTextCursor k(document());
  k.setPosition(PrzesuniecieDoPozycji(start + std::max<qint64>(dlugosc, 0)));
  k.setPosition(PrzesuniecieDoPozycji(start), QTextCursor::KeepAnchor);
  setTextCursor(k);
}

int EdytorRozkazow::GornaLinia() const { return verticalScrollBar()->value(); }

int EdytorRozkazow::WidoczneLinie() const { return viewport()->height() / WysokoscLinii(); }

void EdytorRozkazow::UstawGornaLinie(int y) { verticalScrollBar()->setValue(std::max(y, 0)); }

int EdytorRozkazow::WysokoscLinii() const {
  const int h = qRound(blockBoundingRect(document()->firstBlock()).height());
  return h > 0 ? h : fontMetrics().lineSpacing();
}

int EdytorRozkazow::GoraLiniiWWidoku(int y) const {
  const QTextBlock gora = firstVisibleBlock();
  const int gornaY = qRound(blockBoundingGeometry(gora).translated(contentOffset()).top());
  return gornaY + (y - gora.blockNumber()) * WysokoscLinii();
}

void EdytorRozkazow::keyPressEvent(QKeyEvent* e) {
  // Shift+Enter would start a new line inside the same block; it is an
  // Enter like any other here.
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && (e->modifiers() & Qt::ShiftModifier)) {
    QKeyEvent zwykly(e->type(), e->key(), e->modifiers() & ~Qt::ShiftModifier, e->text());
    keyPressEvent(&zwykly);
    e->setAccepted(zwykly.isAccepted());
    return;
  }
  if (e->key() == Qt::Key_F1 && (e->modifiers() & Qt::ControlModifier)) {
    PokazPomocPrzyKursorze();
    e->accept();
    return;
  }
  if (PrzedKlawiszem && PrzedKlawiszem(e)) {
    e->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
  if (PoKlawiszu) PoKlawiszu(e);
}

void EdytorRozkazow::mousePressEvent(QMouseEvent* e) {
  if (PrzedMysza) PrzedMysza(e->position().toPoint());
  QPlainTextEdit::mousePressEvent(e);
}

}  // namespace kelbra

namespace kelbra {

QString EdytorRozkazow::PomocWKolumnie(int linia, int kolumna) const {
  const QString tekst = TekstLinii(linia);
  if (kolumna < 0 || kolumna >= tekst.size()) return {};
  // The assembler reads a line as Windows-1250 bytes, one a character.
  const TekstCp1250 bajty = DoBajtow(tekst);
  const auto znak = static_cast<size_t>(tekst.left(kolumna).toUcs4().size());
  const auto slowo = MnemonikWKolumnie(bajty, znak);
  if (!slowo) return {};
  return Utf8DoQt(PomocRozkazu(slowo->tekst));
}

bool EdytorRozkazow::PokazPomocPrzyKursorze() {
  const QTextCursor k = textCursor();
  const int linia = k.blockNumber();
  const int kolumna = k.positionInBlock();
  // The caret right after a word is still on it.
  QString pomoc = PomocWKolumnie(linia, kolumna);
  if (pomoc.isEmpty()) pomoc = PomocWKolumnie(linia, kolumna - 1);
  if (pomoc.isEmpty()) {
    QToolTip::hideText();
    return false;
  }
  const QRect r = cursorRect(k);
  QToolTip::showText(viewport()->mapToGlobal(r.bottomLeft() + QPoint(0, 2)), pomoc, viewport());
  return true;
}

bool EdytorRozkazow::viewportEvent(QEvent* e) {
  if (e->type() != QEvent::ToolTip) return QPlainTextEdit::viewportEvent(e);
  const auto* h = static_cast<QHelpEvent*>(e);
  const QTextCursor k = cursorForPosition(h->pos());
  // Below the last line the nearest position is still in it.
  if (!blockBoundingGeometry(k.block()).translated(contentOffset()).contains(h->pos())) {
    QToolTip::hideText();
    return true;
  }
  int kolumna = k.positionInBlock();
  // The nearest gap between characters: left of the pointer, the pointer
  // is over the character after it.
  if (cursorRect(k).left() > h->pos().x()) --kolumna;
  const QString pomoc = PomocWKolumnie(k.blockNumber(), kolumna);
  if (pomoc.isEmpty()) QToolTip::hideText();
  else QToolTip::showText(h->globalPos(), pomoc, viewport());
  return true;
}

}  // namespace kelbra
