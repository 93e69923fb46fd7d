#pragma once
// The program's own icon (a spiked ball on a pitch), built into the program in the sizes of
// the desktop's icon theme; used for every window and the about box.

#include <QIcon>

namespace krv {

QIcon ProgramIcon();

// Gives every window of the program its icon, once: the first call decodes all sizes for the
// window manager, later calls do nothing.
void UseProgramIcon();

}  // namespace krv
