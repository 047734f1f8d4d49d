#include "PlikNaDysku.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <vector>

namespace kelbra {

namespace {

BladPliku Blad(BladPliku::Rodzaj rodzaj, int kod = errno) { return {rodzaj, kod, 0, false}; }

// Closes the descriptor on every path out.
class Deskryptor {
 public:
  explicit Deskryptor(int fd) : fd_(fd) {}
  ~Deskryptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Deskryptor(const Deskryptor&) = delete;
  Deskryptor& operator=(const Deskryptor&) = delete;
  int fd() const { return fd_; }
  // Closes now, for the error close reports (a delayed write can fail here).
  bool Zamknij() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool ZapiszWszystko(int fd, std::string_view bajty) {
  while (!bajty.empty()) {
    const ssize_t n = ::write(fd, bajty.data(), bajty.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    // A regular file never takes nothing; looping on it would never end.
    if (n == 0) {
      errno = EIO;
      return false;
    }
    bajty.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// The file a path names, links followed to their end; a link that names
// nothing yet gives the file it would name.
std::string CelLinku(const std::string& sciezka, bool& petla) {
  std::string cel = sciezka;
  for (int krok = 0; krok < 40; ++krok) {
    struct stat st {};
    if (::lstat(cel.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return cel;
    std::string dokad(4096, '\0');
    const ssize_t n = ::readlink(cel.c_str(), dokad.data(), dokad.size());
    if (n <= 0 || static_cast<size_t>(n) >= dokad.size()) return cel;
    dokad.resize(static_cast<size_t>(n));
    const std::filesystem::path p(dokad);
    cel = p.is_absolute() ? dokad : (std::filesystem::path(cel).parent_path() / p).string();
  }
  petla = true;
  return cel;
}

// Temporary files of ours that a save killed midway left in the folder:
// nobody holds their lock and they have not been written to for a while.
// Anything else there is left alone.
void UsunStareTymczasowe(const std::string& folder) {
  constexpr time_t Wiek = 60;
  DIR* d = ::opendir(folder.c_str());
  if (!d) return;
  const time_t teraz = std::time(nullptr);
  while (const dirent* e = ::readdir(d)) {
    const std::string_view nazwa = e->d_name;
    if (nazwa.size() != PrzedrostekTymczasowego.size() + 6 || !nazwa.starts_with(PrzedrostekTymczasowego)) continue;
    bool wzor = true;
    for (char c : nazwa.substr(PrzedrostekTymczasowego.size()))
      wzor = wzor && std::isalnum(static_cast<unsigned char>(c));
    struct stat st {};
    if (!wzor || ::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid() || teraz - st.st_mtime < Wiek)
      continue;
    Deskryptor plik(::openat(::dirfd(d), e->d_name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat otwarty {};
    if (plik.fd() >= 0 && ::flock(plik.fd(), LOCK_EX | LOCK_NB) == 0 && ::fstat(plik.fd(), &otwarty) == 0 &&
        otwarty.st_ino == st.st_ino && otwarty.st_dev == st.st_dev)
      ::unlinkat(::dirfd(d), e->d_name, 0);
  }
  ::closedir(d);
}

}  // namespace

OdczytPliku CzytajPlik(const std::string& sciezka, uint64_t najwiecej, bool tylkoZwykly) {
  OdczytPliku wynik;
  struct stat st {};
  const auto odmowa = [&](const struct stat& s) {
    if (S_ISDIR(s.st_mode)) wynik.blad = Blad(BladPliku::Rodzaj::Folder, EISDIR);
    else if (tylkoZwykly && !S_ISREG(s.st_mode)) wynik.blad = Blad(BladPliku::Rodzaj::NieZwykly, EINVAL);
    return bool(wynik.blad);
  };
  // Refused before opening, so a device is not even opened.
  if (::stat(sciezka.c_str(), &st) == 0 && odmowa(st)) return wynik;
  // Non-blocking, so a pipe put in the file's place meanwhile is opened
  // without waiting for a writer and refused by the check below.
  Deskryptor plik(::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC | (tylkoZwykly ? O_NONBLOCK : 0)));
  if (plik.fd() < 0) {
    wynik.blad = Blad(BladPliku::Rodzaj::Otwarcie);
    return wynik;
  }
  if (::fstat(plik.fd(), &st) != 0) {
    wynik.blad = Blad(BladPliku::Rodzaj::Odczyt);
    return wynik;
  }
  if (odmowa(st)) return wynik;
  if (static_cast<uint64_t>(st.st_size) > najwiecej) {
    wynik.blad = {BladPliku::Rodzaj::ZaDuzy, 0, static_cast<uint64_t>(st.st_size), false};
    return wynik;
  }
  if (st.st_size > 0) wynik.bajty.reserve(static_cast<size_t>(st.st_size));
  std::vector<char> bufor(64 * 1024);
  for (;;) {
    const ssize_t n = ::read(plik.fd(), bufor.data(), bufor.size());
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      wynik.blad = Blad(BladPliku::Rodzaj::Odczyt);
      wynik.bajty.clear();
      return wynik;
    }
    wynik.bajty.append(bufor.data(), static_cast<size_t>(n));
  }
  return wynik;
}

BladPliku ZapiszPlik(const std::string& sciezka, std::string_view bajty) {
  struct stat st {};
  bool petla = false;
  const std::string cel = CelLinku(sciezka, petla);
  if (petla) return Blad(BladPliku::Rodzaj::Zapis, ELOOP);
  // An existing file keeps its mode, owner and group; a new one gets what
  // creating it directly would have given.
  mode_t tryb;
  const bool byl = ::stat(cel.c_str(), &st) == 0;
  const auto blad = [byl](int kod) { return BladPliku{BladPliku::Rodzaj::Zapis, kod, 0, byl}; };
  if (byl) {
    // A file its owner made read-only is not replaced behind their back.
    if (::access(cel.c_str(), W_OK) != 0) return blad(errno);
    tryb = st.st_mode & 07777;
  } else {
    const mode_t maska = ::umask(0);
    ::umask(maska);
    tryb = 0666 & ~maska;
  }
  const std::string folder = std::filesystem::path(cel).parent_path().string();
  const std::string przedrostek = folder.empty() ? std::string() : folder + "/";
  UsunStareTymczasowe(folder.empty() ? "." : folder);
  // A name of its own length, so that a file whose name takes all the
  // bytes a name may have can still be written.
  std::string tymczasowy = przedrostek + std::string(PrzedrostekTymczasowego) + "XXXXXX";
  Deskryptor plik(::mkostemp(tymczasowy.data(), O_CLOEXEC));
  if (plik.fd() < 0) return blad(errno);
  // Held while the file is written, so that another save in the same
  // folder does not take it for one left behind.
  ::flock(plik.fd(), LOCK_EX | LOCK_NB);
  // Only root may give the file away; anyone else keeps what the folder
  // gives, as writing it directly would. A file system without owners
  // (FAT) refuses, and the text is still saved.
  if (byl && ::geteuid() == 0 && (st.st_uid != 0 || st.st_gid != ::getegid()) &&
      ::fchown(plik.fd(), st.st_uid, st.st_gid) != 0) {
  }
  const bool zapisany = ::fchmod(plik.fd(), tryb) == 0 && ZapiszWszystko(plik.fd(), bajty) && ::fsync(plik.fd()) == 0 &&
                        plik.Zamknij() && ::rename(tymczasowy.c_str(), cel.c_str()) == 0;
  if (!zapisany) {
    const int kod = errno;
    ::unlink(tymczasowy.c_str());
    return blad(kod);
  }
  // The rename itself reaches the disk with its folder; the file is already
  // in place, so a failure here has nothing left to undo.
  Deskryptor katalog(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (katalog.fd() >= 0) ::fsync(katalog.fd());
  return {};
}

}  // namespace kelbra
