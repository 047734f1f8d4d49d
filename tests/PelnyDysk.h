#pragma once
// Real write failures for tests: a small tmpfs filled to the last block
// (only where the test may mount, as root), and a file-size limit on the
// test process, which makes writes fail with EFBIG for any user.

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Polecenie.h"

namespace kelbra::test {

class MalyDysk {
 public:
  // A 64 KB tmpfs at a fresh folder; `blad` says why there is none.
  explicit MalyDysk(const std::string& nazwa) : folder_(SciezkaTymczasowa(nazwa)) {
    std::filesystem::create_directories(folder_);
    if (::geteuid() != 0) {
      blad_ = "mounting a tmpfs needs root";
    } else if (::mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0) {
      blad_ = std::string("mount -t tmpfs failed: ") + std::strerror(errno);
    }
  }
  ~MalyDysk() {
    if (blad_.empty()) ::umount2(folder_.c_str(), MNT_DETACH);
    std::error_code e;
    std::filesystem::remove_all(folder_, e);
  }
  MalyDysk(const MalyDysk&) = delete;
  MalyDysk& operator=(const MalyDysk&) = delete;

  bool Jest() const { return blad_.empty(); }
  const std::string& Blad() const { return blad_; }
  std::filesystem::path Sciezka(const std::string& plik) const { return folder_ / plik; }
  const std::filesystem::path& Folder() const { return folder_; }

  // Fills the disk until no more than `wolne` bytes are left, in a file of
  // its own; Zwolnij gives them back.
  void Wypelnij(size_t wolne = 0) {
    Zwolnij();
    const std::vector<char> blok(1024, 'z');
    std::ofstream f(Sciezka("wypelnienie"), std::ios::binary);
    while (f.write(blok.data(), static_cast<std::streamsize>(blok.size())) && f.flush() &&
           Wolne() > wolne) {
    }
  }
  void Zwolnij() {
    std::error_code e;
    std::filesystem::remove(Sciezka("wypelnienie"), e);
  }
  size_t Wolne() const {
    std::error_code e;
    return static_cast<size_t>(std::filesystem::space(folder_, e).available);
  }

 private:
  std::filesystem::path folder_;
  std::string blad_;
};

// While it lives, the process may write no file beyond `bajty`; SIGXFSZ is
// ignored, so the write reports EFBIG instead of ending the process.
class LimitRozmiaruPliku {
 public:
  explicit LimitRozmiaruPliku(rlim_t bajty) {
    ::getrlimit(RLIMIT_FSIZE, &stary_);
    sygnal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit nowy = stary_;
    nowy.rlim_cur = bajty;
    ::setrlimit(RLIMIT_FSIZE, &nowy);
  }
  ~LimitRozmiaruPliku() {
    ::setrlimit(RLIMIT_FSIZE, &stary_);
    std::signal(SIGXFSZ, sygnal_);
  }
  LimitRozmiaruPliku(const LimitRozmiaruPliku&) = delete;
  LimitRozmiaruPliku& operator=(const LimitRozmiaruPliku&) = delete;

 private:
  rlimit stary_{};
  void (*sygnal_)(int) = SIG_DFL;
};

}  // namespace kelbra::test
