#pragma once
// Pictures of the main window's toolbar and of the gutter arrow, drawn as
// vectors at whatever size and pixel ratio they are asked for, so they stay
// sharp on a high-DPI screen.

#include <QIcon>
#include <QPixmap>

namespace kelbra {

// The toolbar buttons by their form number: SpeedButton1 (Nowy) ...
// SpeedButton12 (breakpoint). Numbers outside 1..12 give an empty icon.
QIcon IkonaPrzycisku(int numer);

// The arrow at the current program line, 15 x 17 logical pixels.
QPixmap ObrazStrzalki(qreal skalaPikseli);

}  // namespace kelbra
