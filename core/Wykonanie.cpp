#include "Jadro.h"
#include "TablicaRozkazow.h"

namespace kelbra {
// Executor being written; placeholder so that the tree builds.
int32_t Jadro::WykonajRozkaz() { PC = static_cast<uint16_t>(PC + DlugoscRozkazu[Code[PC]]); return CykleRozkazu[Code[PC]]; }
void Jadro::TimeryPoKroku(int32_t) {}
void Jadro::SprawdzPrzerwania() {}
int32_t Jadro::KrokJadra() { return WykonajRozkaz(); }
}  // namespace kelbra
