#pragma once
// A yes/no mark for every line of the editor's text, kept in step with the
// edits by looking again only at the lines an edit touched: the main window
// keeps the task check enabled exactly while some line is a task line, and
// a key typed into a long text costs no more than one typed into a short one.

#include <cstdint>
#include <functional>
#include <vector>

namespace kelbra {

class ZnacznikiLinii {
 public:
  // Whether line k of the text as it is now is marked.
  using Sprawdz = std::function<bool(int k)>;

  // Every line anew.
  void Wczytaj(int liczbaLinii, const Sprawdz& sprawdz);
  // An edit left lines [pierwsza, pierwsza + nowe) in place of the lines it
  // changed, and the text `liczbaLinii` long: the lines before are as they
  // were, those after moved by the change of the count. An edit whose
  // numbers do not fit the marks kept is read as a whole new text.
  void Zmiana(int pierwsza, int nowe, int liczbaLinii, const Sprawdz& sprawdz);

  bool Jest() const { return oznaczone_ > 0; }
  int LiczbaLinii() const { return static_cast<int>(linie_.size()); }

 private:
  std::vector<uint8_t> linie_;
  size_t oznaczone_ = 0;
};

}  // namespace kelbra
