#include "PasekSzukania.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

namespace kelbra {

PasekSzukania::PasekSzukania(QPlainTextEdit& edytor, QWidget* rodzic) : QFrame(rodzic), edytor_(edytor) {
  setObjectName("PanelSzukania");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  auto* uklad = new QHBoxLayout(this);
  uklad->setContentsMargins(4, 2, 4, 2);
  auto* etykieta = new QLabel("Szukaj:", this);
  pole_ = new QLineEdit(this);
  pole_->setObjectName("EditSzukaj");
  etykieta->setBuddy(pole_);
  auto przycisk = [this](const char* nazwa, const QString& tytul, const QString& podpowiedz) {
    auto* b = new QPushButton(tytul, this);
    b->setObjectName(nazwa);
    b->setToolTip(podpowiedz);
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* nastepne = przycisk("ButtonNastepne", "Następne", "Następne wystąpienie - Enter");
  QPushButton* poprzednie = przycisk("ButtonPoprzednie", "Poprzednie", "Poprzednie wystąpienie - Shift+Enter");
  wielkoscLiter_ = new QCheckBox("Wielkość liter", this);
  wielkoscLiter_->setObjectName("CheckBoxWielkoscLiter");
  komunikat_ = new QLabel(this);
  komunikat_->setObjectName("LabelSzukania");
  QPalette p = komunikat_->palette();
  p.setColor(QPalette::WindowText, QColor(160, 0, 0));
  komunikat_->setPalette(p);
  auto* zamknij = new QToolButton(this);
  zamknij->setObjectName("ButtonZamknijSzukanie");
  zamknij->setText("×");
  zamknij->setToolTip("Zamknij - Esc");
  zamknij->setAutoRaise(true);
  for (QWidget* w : std::initializer_list<QWidget*>{etykieta, pole_, nastepne, poprzednie, wielkoscLiter_})
    uklad->addWidget(w);
  uklad->addWidget(komunikat_, 1);
  uklad->addWidget(zamknij);

  connect(nastepne, &QPushButton::clicked, this, [this] { Szukaj(false); });
  connect(poprzednie, &QPushButton::clicked, this, [this] { Szukaj(true); });
  connect(pole_, &QLineEdit::textEdited, this, &PasekSzukania::SzukajOdPoczatkuZaznaczenia);
  connect(wielkoscLiter_, &QCheckBox::toggled, this, &PasekSzukania::SzukajOdPoczatkuZaznaczenia);
  connect(zamknij, &QToolButton::clicked, this, &PasekSzukania::Zamknij);
  hide();
}

void PasekSzukania::Otworz() {
  const QTextCursor k = edytor_.textCursor();
  if (k.hasSelection() && k.document()->findBlock(k.selectionStart()) == k.document()->findBlock(k.selectionEnd()))
    pole_->setText(k.selectedText());
  komunikat_->clear();
  show();
  pole_->setFocus(Qt::ShortcutFocusReason);
  pole_->selectAll();
}

void PasekSzukania::Zamknij() {
  hide();
  edytor_.setFocus(Qt::OtherFocusReason);
}

bool PasekSzukania::Szukaj(bool wstecz) {
  const QTextCursor k = edytor_.textCursor();
  return Znajdz(wstecz ? k.selectionStart() : k.selectionEnd(), wstecz);
}

void PasekSzukania::SzukajOdPoczatkuZaznaczenia() { Znajdz(edytor_.textCursor().selectionStart(), false); }

bool PasekSzukania::Znajdz(int od, bool wstecz) {
  const QString fraza = pole_->text();
  komunikat_->clear();
  if (fraza.isEmpty()) return false;
  QTextDocument::FindFlags flagi;
  if (wstecz) flagi |= QTextDocument::FindBackward;
  if (wielkoscLiter_->isChecked()) flagi |= QTextDocument::FindCaseSensitively;
  const QTextDocument* d = edytor_.document();
  QTextCursor wynik = d->find(fraza, od, flagi);
  // Round the end: from the other end of the text once.
  if (wynik.isNull()) wynik = d->find(fraza, wstecz ? d->characterCount() - 1 : 0, flagi);
  if (wynik.isNull()) {
    komunikat_->setText(NieZnaleziono);
    return false;
  }
  edytor_.setTextCursor(wynik);
  edytor_.ensureCursorVisible();
  return true;
}

void PasekSzukania::keyPressEvent(QKeyEvent* e) {
  // The phrase field leaves Enter and Esc to its parent.
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Szukaj(e->modifiers() & Qt::ShiftModifier);
      return;
    case Qt::Key_Escape:
      Zamknij();
      return;
    default:
      QFrame::keyPressEvent(e);
  }
}

}  // namespace kelbra
