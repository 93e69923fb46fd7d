#include "qxtools/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace QXTools {
namespace {

class PlacementKeeper : public QObject {
 public:
  PlacementKeeper(QWidget* window, const QString& name, SettingsOpener open)
      : QObject(window), m_window(window), m_name(name), m_open(std::move(open)) {
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_window) {
      if (event->type() == QEvent::Show && !m_restored) {
        m_restored = true;
        Restore();
      } else if (event->type() == QEvent::Hide) {
        Store();
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Restore() {
    QSettings settings = m_open();
    settings.beginGroup(m_name);
    const int left = settings.value("Left", -1000).toInt();
    if (left == -1000) return;  // never stored: keep the window's own size
    const QRect rect(QPoint(left, settings.value("Top").toInt()),
                     QPoint(settings.value("Right").toInt() - 1, settings.value("Bottom").toInt() - 1));
    if (!rect.isValid()) return;
    m_window->resize(rect.size().expandedTo(m_window->minimumSizeHint()));
    for (const QScreen* screen : QGuiApplication::screens())
      if (screen->availableGeometry().intersects(rect)) {
        m_window->move(rect.topLeft());
        return;
      }
  }

  void Store() const {
    QSettings settings = m_open();
    settings.beginGroup(m_name);
    const QRect frame = m_window->geometry();
    settings.setValue("ShowCmd", m_window->isMaximized() ? 3 : 1);
    settings.setValue("Left", frame.left());
    settings.setValue("Top", frame.top());
    settings.setValue("Right", frame.right() + 1);
    settings.setValue("Bottom", frame.bottom() + 1);
  }

  QWidget* m_window;
  QString m_name;
  SettingsOpener m_open;
  bool m_restored = false;
};

}  // namespace

void RememberWindowPlacement(QWidget* window, const QString& layoutName, SettingsOpener openSettings) {
  if (!window || layoutName.isEmpty() || !openSettings) return;
  new PlacementKeeper(window, layoutName, std::move(openSettings));
}

}  // namespace QXTools
