#pragma once
// The program's own icon (a spiked ball on a pitch), built into the program in the sizes of
// the desktop's icon theme; used for every window and the about box.

#include <QIcon>
#include <QWidget>

namespace krv {

QIcon ProgramIcon();

// Gives every window of the program its icon, once: the first call decodes all sizes for the
// window manager, later calls do nothing.
void UseProgramIcon();

// UseProgramIcon() once the shown window is on the screen (its first expose, a second at the
// latest), so that decoding the icon does not hold the window back.
void UseProgramIconOnceOnScreen(QWidget& window);

}  // namespace krv
