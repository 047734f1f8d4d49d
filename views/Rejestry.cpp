#include "Rejestry.h"

#include <algorithm>
#include <bit>

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "Pola.h"
#include "ZmianyStanu.h"

namespace kelbra {

namespace {

constexpr int Szerokosc = 270;
constexpr int Wysokosc = 201;

// Where each field of PolaRejestrow stands: row, x and width.
struct Miejsce {
  int wiersz;
  int x;
  int szerokosc;
};
constexpr std::array<Miejsce, PolaRejestrow.size()> Miejsca{{
    {0, 3, 30},
    {0, 36, 30},
    {0, 69, 30},
    {0, 102, 30},
    {0, 135, 30},
    {0, 168, 30},
    {0, 201, 30},
    {0, 234, 30},
    {1, 102, 30},
    {1, 135, 30},
    {1, 168, 30},
    {1, 201, 63},
    {2, 3, 30},
    {1, 3, 30},
    {1, 36, 30},
}};
constexpr int WysokoscWiersza = 36;

}  // namespace

TFormRejestry::TFormRejestry(QWidget* rodzic) : OknoInspekcji(rodzic, Qt::Window) {
  setObjectName(QStringLiteral("FormRejestry"));
  setWindowTitle(QStringLiteral("Rejestry..."));
  UstawCzcionkeOkna(this);

  auto* pasek = new QMenuBar(this);
  menuLiczb_ = new MenuLiczb(pasek, QStringLiteral("Wyswietlanie liczb"), "DECdziesitnie1", "HEXszesnastkowo1",
                             [this](bool d) { TrybLiczb(d); });
  const int gora = pasek->sizeHint().height();
  pasek->setGeometry(0, 0, Szerokosc, gora);

  zdarzenia_ = new ZdarzeniaPol(this);
  ZbudujPola(gora + 2);
  ZbudujPodglad(gora + 2 + 3 * WysokoscWiersza + 2);
  new TimerOkna(this, "TimerOdswierzanieDanych", 250, [this] { OdswiezRejestry(); });
  PodlaczZdarzenia();
  setFixedSize(Szerokosc, Wysokosc);
}

void TFormRejestry::ZbudujPola(int y) {
  for (size_t k = 0; k < PolaRejestrow.size(); ++k) {
    const OpisPola& opis = PolaRejestrow[k];
    const Miejsce& m = Miejsca[k];
    QLineEdit* pole = PoleZPodpisem(this, opis.nazwa, QString::fromLatin1(opis.podpis), m.x,
                                    y + m.wiersz * WysokoscWiersza, m.szerokosc);
    pola_[k] = pole;
    if (opis.rodzaj == RodzajPola::Posredni) {
      // Read-only, and looking it: the window's grey instead of the white
      // of a field that takes typing, and no text cursor over it.
      pole->setReadOnly(true);
      pole->setFocusPolicy(Qt::NoFocus);
      pole->setCursor(Qt::ArrowCursor);
      QPalette paleta = pole->palette();
      paleta.setColor(QPalette::Base, paleta.color(QPalette::Window));
      pole->setPalette(paleta);
      continue;
    }
    zdarzenia_->Obserwuj(pole);
    connect(pole, &QLineEdit::textEdited, this, [this, k](const QString& t) {
      Zatwierdz(k, t);
      emit Wpisano();
    });
    if (k > 0) setTabOrder(pola_[k - 1], pole);
  }
  Napis(this, "LabelBank", QStringLiteral("Bank"), 69, y + WysokoscWiersza, 30);
  bank_ = Napis(this, "BankRejestrow", QString(), 69, y + WysokoscWiersza + 13, 30);
  bank_->setFixedHeight(18);
  bank_->setFrameShape(QFrame::Panel);
  bank_->setFrameShadow(QFrame::Sunken);
  bank_->setAlignment(Qt::AlignCenter);

  const int yBitow = y + 2 * WysokoscWiersza;
  Napis(this, "LabelStrzalka", QStringLiteral("==>"), 38, yBitow + 15, 26);
  for (size_t b = 0; b < BityPsw.size(); ++b) {
    const OpisBituPsw& opis = BityPsw[b];
    bity_[b] = KomorkaBitu(this, opis.nazwa, QString::fromLatin1(opis.podpis), 68 + 25 * static_cast<int>(b), yBitow,
                           22, opis.maska == 0x02);
    zdarzenia_->Obserwuj(bity_[b]);
  }
}

void TFormRejestry::ZbudujPodglad(int y) {
  podglad_ = new PodgladWartosci(this, this, 3, y, "Timer1MigajacySygnal", 700);
  QLabel* zakres = podglad_->Ostrzezenie("LabelZakresPrzekroczono");
  // Under the end of the line: beside it there is no room for its width.
  const int szerokoscZakresu = zakres->sizeHint().width();
  zakres->setGeometry(std::min(podglad_->Koniec(), Szerokosc - 2) - szerokoscZakresu, y + 15, szerokoscZakresu, 14);
  QLabel* podpowiedz =
      Napis(this, "LabelPodpowiedz", QStringLiteral("Uzyj TABULATORA, lub klikaj na okienka danych..."), 3, y + 31,
            Szerokosc - 6);
  podpowiedz->setWordWrap(true);
  podpowiedz->setFixedHeight(2 * podpowiedz->fontMetrics().height());
}

void TFormRejestry::PodlaczZdarzenia() {
  zdarzenia_->Wejscie = [this](QLineEdit* pole) {
    if (!edycja_.Podlaczona()) return;
    const size_t k = Indeks(pole);
    OdswiezRejestry();
    wejsciePola_ = k;
    celPola_ = edycja_.Cel(PolaRejestrow[k]);
    Zatwierdz(k, pole->text());
  };
  zdarzenia_->PrzedKlawiszem = [this](QLineEdit* pole) {
    if (!edycja_.Podlaczona()) return;
    const size_t k = Indeks(pole);
    edycja_.EdytowanePole = PolaRejestrow[k].numer;
    Zatwierdz(k, pole->text());
  };
  zdarzenia_->Wyjscie = [this](QLineEdit*) { Wyjscie(); };
  zdarzenia_->Klik = [this](QLineEdit* komorka) {
    if (!edycja_.Podlaczona()) return;
    for (size_t b = 0; b < bity_.size(); ++b)
      if (bity_[b] == komorka) edycja_.PrzelaczBit(BityPsw[b].maska);
    emit Wpisano();
    OdswiezRejestry();
  };
}

// The fields lose their focus as they are destroyed, after this object's
// own members: their handlers must not run then.
TFormRejestry::~TFormRejestry() { delete zdarzenia_; }

void TFormRejestry::UstawWidoki(Jadro& jadro, Asembler& asembler) {
  edycja_.Podlacz(jadro, asembler);
  if (isVisible()) OdswiezRejestry();
}

size_t TFormRejestry::Indeks(const QLineEdit* pole) const {
  for (size_t k = 0; k < pola_.size(); ++k)
    if (pola_[k] == pole) return k;
  return 0;
}

void TFormRejestry::OdswiezRejestry() {
  if (!edycja_.Podlaczona()) return;
  UstawTekst(bank_, QString::number(edycja_.Bank()));
  for (size_t k = 0; k < PolaRejestrow.size(); ++k)
    if (PolaRejestrow[k].numer != edycja_.EdytowanePole)
      UstawTekst(pola_[k], Utf8DoQt(edycja_.TekstPola(PolaRejestrow[k])));
  for (size_t b = 0; b < BityPsw.size(); ++b) UstawTekst(bity_[b], Utf8DoQt(edycja_.TekstBitu(BityPsw[b].maska)));
  for (size_t k = 0; k < PolaRejestrow.size(); ++k)
    UstawZmiane(pola_[k], zmiany_ != nullptr && zmiany_->ZmienionePole(PolaRejestrow[k]));
  for (size_t b = 0; b < BityPsw.size(); ++b) {
    const int bit = std::countr_zero(BityPsw[b].maska);
    UstawZmiane(bity_[b], zmiany_ != nullptr && zmiany_->ZmienionyBitBajtu(sfr::PSW, bit));
  }
}

void TFormRejestry::PoZmianach() {
  if (isVisible()) OdswiezRejestry();
}

void TFormRejestry::Zatwierdz(size_t pole, const QString& tekst) {
  if (!edycja_.Podlaczona()) return;
  const CelEdycji cel = celPola_ && wejsciePola_ == pole ? *celPola_ : edycja_.Cel(PolaRejestrow[pole]);
  edycja_.ZatwierdzWartosc(DoBajtow(tekst), cel);
  podglad_->Pokaz(edycja_.StaraWartosc, edycja_.NowaWartosc, !edycja_.WZakresie);
}


void TFormRejestry::Wyjscie() {
  celPola_.reset();
  edycja_.EdytowanePole = 0;
}

void TFormRejestry::TrybLiczb(bool dziesietnie) {
  edycja_.Dziesietnie = dziesietnie;
  // Text typed in one radix must not be read on in the other.
  Wyjscie();
  if (isVisible()) OdswiezRejestry();
}

void TFormRejestry::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  edycja_.EdytowanePole = 0;
  OdswiezRejestry();
}

}  // namespace kelbra
