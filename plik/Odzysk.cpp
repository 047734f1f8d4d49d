#include "Odzysk.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <random>

#include "DokumentZrodlowy.h"

namespace kelbra {

namespace {

constexpr std::string_view Naglowek = "kelbra-odzysk 1\n";
constexpr std::string_view RozszerzenieKopii = ".odzysk";
constexpr std::string_view RozszerzenieBlokady = ".blokada";
// A source file's text with room for its encoding to grow, its path and
// the header: anything larger is no copy of ours.
constexpr uint64_t NajwiekszaKopia = 4 * NajwiekszyPlikZrodlowy + 8192;

bool TenSamPlik(const std::string& a, const std::string& b) {
  if (a == b) return true;
  struct stat sa {}, sb {};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

// The path still names the file that is open.
bool WciazTenSam(int fd, const std::string& sciezka) {
  struct stat otwarty {}, nazwany {};
  return ::fstat(fd, &otwarty) == 0 && ::lstat(sciezka.c_str(), &nazwany) == 0 && otwarty.st_dev == nazwany.st_dev &&
         otwarty.st_ino == nazwany.st_ino;
}

// Every missing folder of the path, each readable by its owner only.
bool UtworzKatalog(const std::string& katalog) {
  for (size_t k = katalog.find('/', 1); k != std::string::npos; k = katalog.find('/', k + 1))
    ::mkdir(katalog.substr(0, k).c_str(), 0700);
  if (::mkdir(katalog.c_str(), 0700) != 0 && errno != EEXIST) return false;
  struct stat st {};
  if (::stat(katalog.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  if (st.st_uid == ::geteuid() && (st.st_mode & 077)) ::chmod(katalog.c_str(), 0700);
  return true;
}

}  // namespace

std::string KatalogOdzysku(const char* xdgStateHome, const char* home) {
  if (xdgStateHome && xdgStateHome[0] == '/') return std::string(xdgStateHome) + "/kelbra";
  if (home && home[0] == '/') return std::string(home) + "/.local/state/kelbra";
  return {};
}

BajtyPliku ZapisKopii(std::string_view sciezka, int64_t czas, std::string_view bajty) {
  BajtyPliku w(Naglowek);
  w += std::to_string(czas) + " " + std::to_string(sciezka.size()) + " " + std::to_string(bajty.size()) + "\n";
  w += sciezka;
  w += bajty;
  return w;
}

std::optional<KopiaOdzysku> CzytajKopie(std::string_view z) {
  if (!z.starts_with(Naglowek)) return std::nullopt;
  z.remove_prefix(Naglowek.size());
  int64_t czas = 0;
  uint64_t dlugosci[2] = {};
  const char* p = z.data();
  const char* koniec = z.data() + z.size();
  auto r = std::from_chars(p, koniec, czas);
  for (uint64_t& d : dlugosci) {
    if (r.ec != std::errc() || r.ptr == koniec || *r.ptr != ' ') return std::nullopt;
    r = std::from_chars(r.ptr + 1, koniec, d);
  }
  if (r.ec != std::errc() || r.ptr == koniec || *r.ptr != '\n') return std::nullopt;
  z.remove_prefix(static_cast<size_t>(r.ptr + 1 - p));
  // Exactly what the lengths say: a copy cut short, or with more after it,
  // is not read.
  if (dlugosci[0] > z.size() || dlugosci[1] != z.size() - dlugosci[0]) return std::nullopt;
  KopiaOdzysku k;
  k.czas = czas;
  k.sciezka = std::string(z.substr(0, dlugosci[0]));
  k.bajty = BajtyPliku(z.substr(dlugosci[0]));
  return k;
}

TekstUtf8 PytanieOOdzysk(std::string_view nazwa, int64_t czas) {
  // In the genitive, as a date is said.
  static constexpr const char* Miesiace[] = {"stycznia", "lutego",   "marca",     "kwietnia",
                                             "maja",     "czerwca",  "lipca",     "sierpnia",
                                             "września", "października", "listopada", "grudnia"};
  const time_t t = static_cast<time_t>(czas);
  struct tm czesci {};
  ::localtime_r(&t, &czesci);
  char godzina[8];
  std::snprintf(godzina, sizeof godzina, "%02d:%02d", czesci.tm_hour % 100, czesci.tm_min % 100);
  return "Znaleziono niezapisany tekst pliku " + (nazwa.empty() ? std::string("bez nazwy") : std::string(nazwa)) +
         " z " + std::to_string(czesci.tm_mday) + " " + Miesiace[std::clamp(czesci.tm_mon, 0, 11)] + ", " + godzina +
         ".\nPrzywrócić go?";
}

MagazynOdzysku::MagazynOdzysku(std::string katalog) : katalog_(std::move(katalog)) {}

MagazynOdzysku::~MagazynOdzysku() {
  Zwolnij();
  if (blokada_ < 0) return;
  if (!maKopie_) ::unlink(Plik(id_, RozszerzenieBlokady).c_str());
  ::close(blokada_);
}

bool MagazynOdzysku::Zablokuj() {
  if (blokada_ >= 0) return true;
  if (katalog_.empty()) {
    errno = ENOENT;
    return false;
  }
  if (!UtworzKatalog(katalog_)) return false;
  std::random_device los;
  for (int proba = 0; proba < 8; ++proba) {
    char id[32];
    std::snprintf(id, sizeof id, "%ld-%08x", static_cast<long>(::getpid()), static_cast<unsigned>(los()));
    const std::string sciezka = Plik(id, RozszerzenieBlokady);
    const int fd = ::open(sciezka.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return false;
    }
    // Another program clearing lock files left behind may have taken this
    // one in the moment before it was locked.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && WciazTenSam(fd, sciezka)) {
      blokada_ = fd;
      id_ = id;
      return true;
    }
    ::close(fd);
  }
  errno = EAGAIN;
  return false;
}

BladPliku MagazynOdzysku::Zapisz(std::string_view sciezka, std::string_view bajty, int64_t czas) {
  const BajtyPliku kopia = ZapisKopii(sciezka, czas, bajty);
  if (kopia.size() > NajwiekszaKopia) return {BladPliku::Rodzaj::Zapis, EFBIG, 0, false};
  if (!Zablokuj()) return {BladPliku::Rodzaj::Zapis, errno, 0, false};
  const BladPliku blad = ZapiszPlik(Plik(id_, RozszerzenieKopii), kopia);
  if (!blad) maKopie_ = true;
  return blad;
}

void MagazynOdzysku::Usun() {
  if (!maKopie_) return;
  ::unlink(Plik(id_, RozszerzenieKopii).c_str());
  maKopie_ = false;
}

std::vector<KopiaOdzysku> MagazynOdzysku::Porzucone(const std::string* sciezka) {
  Zwolnij();
  std::vector<KopiaOdzysku> kopie;
  DIR* d = ::opendir(katalog_.c_str());
  if (!d) return kopie;
  std::vector<std::string> nazwy;
  while (const dirent* e = ::readdir(d)) nazwy.emplace_back(e->d_name);
  ::closedir(d);
  for (const std::string& nazwa : nazwy) {
    const bool jestKopia = nazwa.ends_with(RozszerzenieKopii);
    if (!jestKopia && !nazwa.ends_with(RozszerzenieBlokady)) continue;
    const std::string id = nazwa.substr(0, nazwa.rfind('.'));
    if (id.empty() || id == id_) continue;
    const std::string plik = Plik(id, RozszerzenieKopii);
    const std::string blokada = Plik(id, RozszerzenieBlokady);
    if (!jestKopia) {
      // A lock file left by a program that ended before writing anything.
      struct stat st {};
      if (::lstat(plik.c_str(), &st) == 0) continue;
      const int fd = ::open(blokada.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
      if (fd < 0) continue;
      if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && WciazTenSam(fd, blokada) && ::lstat(plik.c_str(), &st) != 0)
        ::unlink(blokada.c_str());
      ::close(fd);
      continue;
    }
    const int fd = ::open(blokada.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {  // its program is running
      ::close(fd);
      continue;
    }
    const OdczytPliku odczyt = CzytajPlik(plik, NajwiekszaKopia, true);
    std::optional<KopiaOdzysku> kopia;
    if (!odczyt.blad) kopia = CzytajKopie(odczyt.bajty);
    if (!kopia || (sciezka && (kopia->sciezka.empty() || !TenSamPlik(kopia->sciezka, *sciezka)))) {
      ::close(fd);
      continue;
    }
    kopia->plik = plik;
    kopie.push_back(std::move(*kopia));
    przejete_.emplace_back(plik, fd);
  }
  std::stable_sort(kopie.begin(), kopie.end(), [](const auto& a, const auto& b) { return a.czas > b.czas; });
  return kopie;
}

void MagazynOdzysku::UsunPorzucona(const KopiaOdzysku& kopia) {
  for (auto it = przejete_.begin(); it != przejete_.end(); ++it) {
    if (it->first != kopia.plik) continue;
    ::unlink(kopia.plik.c_str());
    const std::string blokada = kopia.plik.substr(0, kopia.plik.size() - RozszerzenieKopii.size()) +
                                std::string(RozszerzenieBlokady);
    if (WciazTenSam(it->second, blokada)) ::unlink(blokada.c_str());
    ::close(it->second);
    przejete_.erase(it);
    return;
  }
}

void MagazynOdzysku::Zwolnij() {
  for (const auto& [plik, fd] : przejete_) ::close(fd);
  przejete_.clear();
}

}  // namespace kelbra
