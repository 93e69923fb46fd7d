#pragma once
// The program's own icon (a spiked ball on a pitch), built into the program in the sizes of
// the desktop's icon theme; used for every window and the about box.

#include <QIcon>

namespace krv {

QIcon ProgramIcon();

}  // namespace krv
