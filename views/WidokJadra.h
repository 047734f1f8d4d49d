#pragma once
// What every inspection window's rules hold: the machine state and the
// assembler's evaluator, handed over on the main window's first showing.
// Until then nothing is read or written.

namespace kelbra {

class Asembler;
struct Jadro;

class WidokJadra {
 public:
  void Podlacz(Jadro& jadro, Asembler& asembler) {
    j_ = &jadro;
    asembler_ = &asembler;
  }
  bool Podlaczona() const { return j_ != nullptr; }

 protected:
  Jadro* j_ = nullptr;
  Asembler* asembler_ = nullptr;
};

}  // namespace kelbra
