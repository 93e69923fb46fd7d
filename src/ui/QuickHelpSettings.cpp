#include "ui/QuickHelpSettings.h"

#include <QApplication>
#include <QEvent>
#include <QToolTip>
#include <QWidget>

#include "settings/QuickHelpRule.h"
#include "ui/ProgramServices.h"

namespace krv {
namespace {

class QuickHelpFilter : public QObject {
 public:
  QuickHelpFilter(ProgramServices* services, QObject* parent) : QObject(parent), m_services(services) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    // A widget without help of its own passes the event on to its parent; judge that one.
    if (!widget || widget->toolTip().isEmpty()) return false;
    const ProgramSettings& s = m_services->m_Settings;
    if (m_rule.MayShow(reinterpret_cast<std::uintptr_t>(widget), s.m_bNoQuickHelp != 0, s.m_bQuickHelpOnce != 0))
      return false;
    QToolTip::hideText();
    event->ignore();
    return true;
  }

 private:
  ProgramServices* m_services;
  QuickHelpRule m_rule;
};

void ApplyFading(const ProgramServices& services) {
  QApplication::setEffectEnabled(Qt::UI_FadeTooltip, services.m_Settings.m_bQuickHelpFadeIn != 0);
}

}  // namespace

void InstallQuickHelpSettings(ProgramServices* services) {
  qApp->installEventFilter(new QuickHelpFilter(services, qApp));
  ApplyFading(*services);
  QObject::connect(services, &ProgramServices::settingsChanged, qApp, [services] { ApplyFading(*services); });
}

}  // namespace krv
