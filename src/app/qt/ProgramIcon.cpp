#include "app/qt/ProgramIcon.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace krv {

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/krashball.png").arg(size), QSize(size, size));
  return icon;
}

namespace {

class FirstExposeFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    // After the expose is handled: the window paints before the icon is decoded.
    if (event->type() == QEvent::Expose)
      QTimer::singleShot(0, this, [this] {
        UseProgramIcon();
        deleteLater();
      });
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void UseProgramIconOnceOnScreen(QWidget& window) {
  window.windowHandle()->installEventFilter(new FirstExposeFilter(window.windowHandle()));
  // A window that starts minimised gets no expose.
  QTimer::singleShot(1000, &window, &UseProgramIcon);
}

void UseProgramIcon() {
  if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace krv
