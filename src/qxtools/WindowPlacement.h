#pragma once
// Resizable windows remember their placement under a layout name: the requester and the
// program's own dialogs keep it the same way, each in its own settings store.

#include <QSettings>
#include <QString>
#include <functional>

#include "qxtools/QXToolsExport.h"

class QWidget;

namespace QXTools {

// Opens the settings store the placement goes to.
using SettingsOpener = std::function<QSettings()>;

// Restores the window's last size and position (group `layoutName`: "Left", "Top", "Right",
// "Bottom", "ShowCmd") when it is first shown and stores them whenever it is hidden. An
// empty name remembers nothing. A placement that fits no screen any more only gives the
// size, so a window never opens out of reach.
QXTOOLS_EXPORT void RememberWindowPlacement(QWidget* window, const QString& layoutName, SettingsOpener openSettings);

}  // namespace QXTools
