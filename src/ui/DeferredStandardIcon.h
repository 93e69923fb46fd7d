#pragma once

#include <QIcon>
#include <QStyle>

namespace krv {

// A standard picture of the application's style, looked up only when it is first drawn or
// measured. The first look-up reads the desktop's icon theme, which costs the start-up about as
// much as building the rest of the main window; a toolbar button or menu item lays itself out
// by the bar's icon size and needs the picture only when it paints, once the window is on
// the screen. Draws exactly what QStyle::standardIcon() gives or, with a theme name, what
// QIcon::fromTheme(themeName, that standard picture) gives.
QIcon DeferredStandardIcon(QStyle::StandardPixmap which, const QString& themeName = QString());

// How many deferred pictures have been looked up so far in this process.
int DeferredStandardIconLookups();

}  // namespace krv
