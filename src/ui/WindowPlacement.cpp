#include "ui/WindowPlacement.h"

#include "qxtools/WindowPlacement.h"
#include "ui/AppSettings.h"

namespace krv {

void RememberPlacement(QWidget* window, const QString& layoutName) {
  QXTools::RememberWindowPlacement(window, layoutName, [] { return AppSettings(); });
}

}  // namespace krv
