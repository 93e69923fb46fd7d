#include "app/qt/HelpKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/ProgramServices.h"

namespace krv {
namespace {

// The topic of the focus widget or the nearest window or page around it; empty when none.
QString TopicAt(QWidget* widget) {
  for (QWidget* w = widget; w; w = w->parentWidget()) {
    const QString topic = w->property("helpTopic").toString();
    if (!topic.isEmpty()) return topic;
  }
  return {};
}

class HelpKeyFilter : public QObject {
 public:
  HelpKeyFilter(ProgramServices* app, QObject* parent) : QObject(parent), m_app(app) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool override = event->type() == QEvent::ShortcutOverride;
    if ((override || event->type() == QEvent::KeyPress) && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched == QApplication::focusWidget()) {
      const QString topic = TopicAt(QApplication::focusWidget());
      // Without a topic outside dialogs the main window's "Hilfe...." shortcut answers.
      if (topic.isEmpty() && !QApplication::activeModalWidget()) return false;
      if (override) {
        event->accept();  // F1 goes to the widget as a key, not to the menu shortcut
      } else {
        m_app->ShowHelp(topic);
      }
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  ProgramServices* m_app;
};

}  // namespace

void InstallHelpKey(ProgramServices* app) { qApp->installEventFilter(new HelpKeyFilter(app, qApp)); }

}  // namespace krv
