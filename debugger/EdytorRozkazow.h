#pragma once
// The source editor as the main window sees it: a plain-text editor without
// wrapping, read line by line, with selections in offsets that count every
// line break as two characters, the top visible line, and hooks that run
// before a key or a mouse press reaches the editor.

#include <functional>
#include <string>

#include <QPlainTextEdit>

#include "PomocEdytora.h"

namespace kelbra {

class EdytorRozkazow final : public QPlainTextEdit, public WidokLinii {
  Q_OBJECT
 public:
  explicit EdytorRozkazow(QWidget* rodzic = nullptr);

  // An empty editor has no lines; otherwise every block is one line.
  int LiczbaLinii() const override;
  std::u16string Linia(int y) const override;
  QString TekstLinii(int y) const;
  int DlugoscLinii(int y) const;

  // Offset of the first character of line y, line breaks counting two; 0
  // for y <= 0 and for y past the end.
  qint64 PoczatekLinii(int y) const;
  // Selects `dlugosc` characters from offset `start` (line breaks counting
  // two); the caret stays at the start, so a long line does not scroll the
  // view sideways.
  void UstawZaznaczenie(qint64 start, qint64 dlugosc);
  int LiniaKursora() const { return textCursor().blockNumber(); }
  int KolumnaKursora() const { return textCursor().positionInBlock(); }
  // The line of a document position (line breaks counting one).
  int LiniaPozycji(int pozycja) const;

  int GornaLinia() const;
  int WidoczneLinie() const;
  void UstawGornaLinie(int y);
  int WysokoscLinii() const;
  // Top of line `y` in viewport coordinates.
  int GoraLiniiWWidoku(int y) const;

  // Runs before the editor applies a key; true consumes the key.
  std::function<bool(QKeyEvent*)> PrzedKlawiszem;
  // Runs after the editor applied a key it was given.
  std::function<void(QKeyEvent*)> PoKlawiszu;
  // Runs before the editor handles a mouse press (viewport coordinates).
  std::function<void(QPoint)> PrzedMysza;

  // The help on the instruction whose mnemonic covers a column of a line
  // (0-based, in characters); empty anywhere else.
  QString PomocWKolumnie(int linia, int kolumna) const;
  // Ctrl+F1: the help on the mnemonic at the caret (or just before it) as
  // a tooltip under the caret; false when there is none.
  bool PokazPomocPrzyKursorze();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  // Hovering a mnemonic shows its help.
  bool viewportEvent(QEvent* e) override;

 private:
  // Offset of a position with line breaks counting two.
  qint64 PozycjaDoPrzesuniecia(int pozycja) const;
  int PrzesuniecieDoPozycji(qint64 przesuniecie) const;
};

}  // namespace kelbra
