#pragma once
// The notice for screens with 256 colours or fewer, which show the program's pictures badly.

class QWidget;

namespace krv {

class ProgramServices;

// The number of colours a screen of that depth shows; 32 bits count as 2^30.
long long ColourCount(int bitsPerPixel);

// Shows "Nur 256 Farben :-((" when the depth gives 256 colours or fewer and the coach has
// not switched the notice off; ticking "Diese Mitteilung nicht mehr anzeigen." is kept in
// the settings. Returns whether the notice was shown.
bool ShowColourNotice(QWidget* parent, ProgramServices& app, int bitsPerPixel);

}  // namespace krv
