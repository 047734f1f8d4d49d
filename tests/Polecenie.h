#pragma once
// Running a shell command in tests: its exit status and everything it
// printed, standard error included.

#include <sys/wait.h>

#include <array>
#include <cstdio>
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

}  // namespace kelbra::test
