#pragma once
// The position name shown for a player's position code, whichever catalogue it comes from.

#include <cstdint>

namespace krv {

// The name of the first roster row with the code, else of the first star player with it,
// else "Eigener Starplayer" for a star player built by the coach (222), else "???".
const char* PositionNameForCode(int32_t code);

}  // namespace krv
