#pragma once
// Resizable windows remember their placement under a layout name ("NeuesSpiel", "Prefs", ...).

#include <QString>

class QWidget;

namespace krv {

// Restores the window's last size and position when it is first shown and stores them
// whenever it is hidden. An empty name remembers nothing. A placement that no longer fits
// on any screen is ignored, so a window never opens out of reach.
void RememberPlacement(QWidget* window, const QString& layoutName);

}  // namespace krv
