#include "Sfr.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>

#include "Pola.h"
#include "ZmianyStanu.h"

namespace kelbra {

namespace {

constexpr int SzerokoscBajtu = 25;
constexpr int SzerokoscBitu = 15;
// Register and bit names are set smaller than the values.
constexpr int PikslePodpisu = 9;
constexpr int PikslePodpisuBitu = 8;

struct NapisSekcji {
  size_t sekcja;
  const char* tekst;
  int x;
  int y;
};
constexpr NapisSekcji NapisySekcji[] = {
    {0, "Zezwolenia na przerwania: IE", 4, 2},
    {0, "Piorytety przerwan: IP", 190, 2},
    {1, "Kontrola Licznikow: TCON", 4, 2},
    {1, "Tryby pracy licznikow: TMOD", 190, 2},
    {1, "G* = GATE", 4, 52},
    {1, "** NIE adr. bitowo. **", 190, 52},
};

// Bit captions wider than their cells, in a row by cell (null where a
// cell has none): of two neighbours that would run into each other the
// wider is condensed until a gap is left between them. A lone caption
// (SMOD) starts at its cell's left edge and runs on to the right.
void ZmiescPodpisy(const std::array<QLabel*, 8>& etykiety, int krok) {
  constexpr int Przerwa = 3;
  const auto szerokosc = [](const QLabel* e) { return QFontMetrics(e->font()).horizontalAdvance(e->text()); };
  int nazwane = 0;
  for (const QLabel* e : etykiety) nazwane += e != nullptr;
  for (size_t i = 0; i < etykiety.size(); ++i) {
    QLabel* e = etykiety[i];
    if (e == nullptr) continue;
    if (nazwane == 1) {
      e->setGeometry(e->x() + 8, e->y(), 2 * krok + SzerokoscBitu, e->height());
      e->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return;
    }
    QLabel* nastepna = i + 1 < etykiety.size() ? etykiety[i + 1] : nullptr;
    if (nastepna == nullptr) continue;
    while ((szerokosc(e) + szerokosc(nastepna) + 1) / 2 + Przerwa > krok) {
      QLabel* szersza = szerokosc(e) >= szerokosc(nastepna) ? e : nastepna;
      QFont f = szersza->font();
      const int rozciagniecie = f.stretch() == QFont::AnyStretch ? 100 : f.stretch();
      if (rozciagniecie <= 60) break;
      f.setStretch(rozciagniecie - 5);
      szersza->setFont(f);
    }
  }
}

void Tlo(QWidget* w, const QColor& kolor) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, kolor);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

}  // namespace

// A fixed-size window: no maximise button.
TFormDataSFR::TFormDataSFR(QWidget* rodzic)
    : OknoInspekcji(rodzic, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FormDataSFR"));
  setWindowTitle(QStringLiteral("Rejestry SFR..."));
  UstawCzcionkeOkna(this);

  auto* pasek = new QMenuBar(this);
  menuLiczb_ =
      new MenuLiczb(pasek, QStringLiteral("Wyswietlanie liczb"), "DECdziesitnie1", "HEXszesnastkowo1", [this](bool d) {
        edycja_.TrybDEC = d;
        // Text typed in one radix must not be read on in the other.
        edycja_.EdytowanyAdres.reset();
        if (isVisible()) OdswiezSFR();
      });
  gora_ = pasek->sizeHint().height();
  pasek->setGeometry(0, 0, SzerokoscOknaSfr, gora_);

  ZbudujPasekInfo();
  ZbudujSekcje();
  zdarzenia_ = new ZdarzeniaPol(this);
  for (size_t r = 0; r < RejestrySfr.size(); ++r) {
    ZbudujRejestr(RejestrySfr[r], panele_[RejestrySfr[r].sekcja]);
    zdarzenia_->Obserwuj(pola_[r]);
    connect(pola_[r], &QLineEdit::textEdited, this, [this, r](const QString& t) {
      Podglad(r, t);
      emit Wpisano();
    });
  }
  for (const Komorka& k : komorki_) zdarzenia_->Obserwuj(k.pole);
  PodlaczZdarzenia();

  new TimerOkna(this, "TimerOdswierzDane", 250, [this] {
    if (isVisible()) OdswiezSFR();
  });
  menuLiczb_->Wybierz(false);
  Uloz();
}

void TFormDataSFR::ZbudujPasekInfo() {
  auto* info = new QWidget(this);
  info->setObjectName(QStringLiteral("PanelInfoZmiany"));
  info->setGeometry(0, gora_, SzerokoscOknaSfr, WysokoscPaskaInfo);
  Tlo(info, QColor(192, 192, 192));
  podglad_ = new PodgladWartosci(this, info, 92, 3, "TimerPrzekroczonoZakres", 450);
  podglad_->Ostrzezenie("LabelPrzekroczonoZakres2")->setGeometry(2, 3, 84, 14);
  QPalette zielony = podglad_->Nowa()->palette();
  zielony.setColor(QPalette::WindowText, QColor(0, 128, 0));
  podglad_->Nowa()->setPalette(zielony);
  podglad_->Ostrzezenie("LabelZakresPrzekroczono")->setGeometry(285, 3, 84, 14);
}

void TFormDataSFR::ZbudujSekcje() {
  for (size_t k = 0; k < SekcjeSfr.size(); ++k) {
    const OpisSekcji& s = SekcjeSfr[k];
    auto* naglowek = new QLabel(QString::fromLatin1(s.tytul), this);
    naglowek->setObjectName(QString::fromLatin1(s.naglowek));
    naglowek->setAlignment(Qt::AlignCenter);
    naglowek->setCursor(Qt::PointingHandCursor);
    naglowek->setFrameShape(QFrame::Panel);
    naglowek->setFrameShadow(QFrame::Raised);
    Tlo(naglowek, QColor(171, 171, 171));
    naglowek->installEventFilter(this);
    naglowki_[k] = naglowek;
    auto* panel = new QWidget(this);
    panel->setObjectName(QString::fromLatin1(s.panel));
    panel->setProperty("Tag", s.wysokosc);
    panele_[k] = panel;
  }
  for (const NapisSekcji& n : NapisySekcji)
    Napis(panele_[n.sekcja], nullptr, QString::fromLatin1(n.tekst), n.x, n.y, 180);
}

void TFormDataSFR::PodlaczZdarzenia() {
  zdarzenia_->Wejscie = [this](QLineEdit* pole) {
    OdswiezSFR();
    Podglad(Rejestr(pole), pole->text());
    edycja_.EdytowanyAdres.reset();
  };
  zdarzenia_->PrzedKlawiszem = [this](QLineEdit* pole) { Podglad(Rejestr(pole), pole->text()); };
  // Leaving a field ends its edit, so the refresh shows it again.
  zdarzenia_->Wyjscie = [this](QLineEdit*) { edycja_.EdytowanyAdres.reset(); };
  zdarzenia_->Klik = [this](QLineEdit* pole) {
    for (const Komorka& k : komorki_)
      if (k.pole == pole && k.dziala) {
        edycja_.PrzelaczBitSFR(k.adres, k.bit);
        emit Wpisano();
        OdswiezSFR();
      }
  };
}

// The fields lose their focus as they are destroyed, after this object's
// own members: their handlers must not run then.
TFormDataSFR::~TFormDataSFR() { delete zdarzenia_; }

void TFormDataSFR::ZbudujRejestr(const OpisSfr& r, QWidget* panel) {
  const size_t indeks = static_cast<size_t>(&r - RejestrySfr.data());
  const QByteArray nazwa = QByteArray("LabeledEdit") + r.nazwa;
  QLineEdit* pole =
      PoleZPodpisem(panel, nazwa.constData(), QString::fromLatin1(r.nazwa), r.x, r.y, SzerokoscBajtu, PikslePodpisu);
  pola_[indeks] = pole;
  if (!r.maBity) return;
  // Cells without a name stand closer together; the one named cell of such
  // a register (SMOD) keeps clear of the register's own caption.
  const bool jedenPodpis = r.bity[1] == Brak;
  const int krok = jedenPodpis ? 13 : 18;
  const int pierwsza = r.x + SzerokoscBajtu + (jedenPodpis ? 9 : 3);
  std::array<QLabel*, 8> podpisy{};
  for (int i = 0; i < 8; ++i) {
    const int bit = 7 - i;
    const char* podpis = r.bity[static_cast<size_t>(i)];
    const QByteArray nazwaBitu = QByteArray("Bit") + r.nazwa + QByteArray::number(bit);
    QLineEdit* komorka = KomorkaBitu(panel, nazwaBitu.constData(), QString::fromLatin1(podpis ? podpis : ""),
                                     pierwsza + krok * i, r.y, SzerokoscBitu, podpis == nullptr || *podpis == '\0',
                                     PikslePodpisuBitu);
    if (podpis == nullptr) komorka->setCursor(Qt::ArrowCursor);
    if (podpis != nullptr && *podpis != '\0')
      podpisy[static_cast<size_t>(i)] =
          panel->findChild<QLabel*>(komorka->objectName() + QStringLiteral("Label"), Qt::FindDirectChildrenOnly);
    komorki_.push_back({komorka, r.adres, bit, r.sekcja, podpis != nullptr});
  }
  ZmiescPodpisy(podpisy, krok);
}

size_t TFormDataSFR::Rejestr(const QLineEdit* pole) const {
  for (size_t r = 0; r < pola_.size(); ++r)
    if (pola_[r] == pole) return r;
  return 0;
}

void TFormDataSFR::UstawWidoki(Jadro& jadro, Asembler& asembler) {
  edycja_.Podlacz(jadro, asembler);
  if (isVisible()) OdswiezSFR();
}

void TFormDataSFR::OdswiezSFR() {
  if (!edycja_.Podlaczona()) return;
  for (size_t r = 0; r < RejestrySfr.size(); ++r) {
    const OpisSfr& opis = RejestrySfr[r];
    if (!sekcje_.Rozwinieta(opis.sekcja)) continue;
    if (edycja_.EdytowanyAdres != opis.adres) UstawTekst(pola_[r], Utf8DoQt(edycja_.TekstBajtu(opis.adres)));
    UstawZmiane(pola_[r], zmiany_ != nullptr && zmiany_->ZmienionyBajt(opis.adres));
  }
  for (const Komorka& k : komorki_) {
    if (!k.dziala || !sekcje_.Rozwinieta(k.sekcja)) continue;
    UstawTekst(k.pole, Utf8DoQt(edycja_.TekstBitu(k.adres, k.bit)));
    UstawZmiane(k.pole, zmiany_ != nullptr && zmiany_->ZmienionyBitBajtu(k.adres, k.bit));
  }
}

void TFormDataSFR::PoZmianach() {
  if (isVisible()) OdswiezSFR();
}

void TFormDataSFR::Podglad(size_t rejestr, const QString& tekst) {
  if (!edycja_.Podlaczona()) return;
  edycja_.PodgladWartosci(DoBajtow(tekst), RejestrySfr[rejestr].adres);
  podglad_->Pokaz(edycja_.StaraWartosc, edycja_.NowaWartosc, !edycja_.WZakresie);
}

void TFormDataSFR::Uloz() {
  int y = gora_ + WysokoscPaskaInfo;
  for (size_t k = 0; k < SekcjeSfr.size(); ++k) {
    naglowki_[k]->setGeometry(0, y, SzerokoscOknaSfr, SekcjeSfr[k].wysokoscNaglowka);
    y += SekcjeSfr[k].wysokoscNaglowka;
    const int h = sekcje_.Wysokosci[k];
    panele_[k]->setGeometry(0, y, SzerokoscOknaSfr, h);
    panele_[k]->setVisible(h != 0);
    y += h;
  }
  setFixedSize(SzerokoscOknaSfr, gora_ + sekcje_.WysokoscKlienta());
}

void TFormDataSFR::UstawWysokosciSekcji(const std::array<int32_t, 4>& wysokosci) {
  sekcje_.Ustaw(wysokosci);
  Uloz();
  if (isVisible()) {
    edycja_.EdytowanyAdres.reset();
    OdswiezSFR();
  }
}

std::array<int32_t, 4> TFormDataSFR::ProjektoweWysokosci() {
  std::array<int32_t, 4> w{};
  for (size_t k = 0; k < SekcjeSfr.size(); ++k) w[k] = SekcjeSfr[k].wysokosc;
  return w;
}

void TFormDataSFR::KliknijNaglowek(size_t k) {
  if (k >= SekcjeSfr.size()) return;
  sekcje_.Przelacz(k);
  Uloz();
  if (isVisible()) OdswiezSFR();
}

bool TFormDataSFR::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (zdarzenie->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(zdarzenie)->button() == Qt::LeftButton)
    for (size_t k = 0; k < naglowki_.size(); ++k)
      if (obiekt == naglowki_[k]) {
        KliknijNaglowek(k);
        return true;
      }
  return QWidget::eventFilter(obiekt, zdarzenie);
}

void TFormDataSFR::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  Uloz();
  edycja_.EdytowanyAdres.reset();
  OdswiezSFR();
}

}  // namespace kelbra
