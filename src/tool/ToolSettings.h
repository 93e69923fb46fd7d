#pragma once
// The program's settings as krv uses them: from the data folder's KRV.DAT, with whatever is
// wrong with that file (damaged, values out of range) said on stderr, as the program says it
// in a box at its start.

#include "settings/KrvDat.h"

namespace krv {

ProgramSettings LoadToolSettings();

}  // namespace krv
