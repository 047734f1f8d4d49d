#pragma once
// Running a shell command in tests (its exit status and everything it
// printed, standard error included), and the files such tests write and read.

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace kelbra::test {

struct WynikPolecenia {
  int kod = -1;  // -1 when the command could not run or was killed
  std::string wyjscie;
};

inline WynikPolecenia Wykonaj(const std::string& polecenie) {
  WynikPolecenia w;
  FILE* p = popen((polecenie + " 2>&1").c_str(), "r");
  if (!p) return w;
  std::array<char, 4096> bufor;
  size_t n;
  while ((n = fread(bufor.data(), 1, bufor.size(), p)) > 0) w.wyjscie.append(bufor.data(), n);
  const int status = pclose(p);
  w.kod = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return w;
}

// A path quoted for the shell.
inline std::string WCudzyslowie(const std::string& s) {
  std::string w = "'";
  for (char c : s) w += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return w + "'";
}

// A path in the temporary folder that no other test process uses.
inline std::filesystem::path SciezkaTymczasowa(const std::string& nazwa) {
  return std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "-" + nazwa);
}

// A file's bytes; empty when it cannot be read.
inline std::string TrescPliku(const std::filesystem::path& plik) {
  std::ifstream f(plik, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

}  // namespace kelbra::test
