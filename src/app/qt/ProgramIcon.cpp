#include "app/qt/ProgramIcon.h"

#include <QApplication>

namespace krv {

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/krashball.png").arg(size), QSize(size, size));
  return icon;
}

void UseProgramIcon() {
  if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace krv
