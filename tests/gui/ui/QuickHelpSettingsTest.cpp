// The quick-help windows follow "Keine Schnellhilfe", "Hilfe nur einmal anzeigen" and
// "Sanft einblenden" at once, in every window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "ui/ProgramServices.h"
#include "ui/QuickHelpSettings.h"

namespace krv {
namespace {

// True when asking `widget` for its help shows its text.
bool HelpShows(QWidget* widget) {
  QToolTip::hideText();  // goes after a short delay
  if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000)) ADD_FAILURE() << "the help did not go";
  QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(widget, &event);
  return QToolTip::isVisible() && QToolTip::text() == widget->toolTip();
}

// Catches help that shows although switched off, shows twice in a row for one control, or
// stays away for good; and fading that ignores a changed setting.
TEST(QuickHelpSettings, FollowsSettingsAtOnce) {
  static ProgramServices services(QDir::tempPath());  // the filter stays for the whole run
  static const bool installed = (InstallQuickHelpSettings(&services), true);
  ASSERT_TRUE(installed);
  QWidget window;
  auto* first = new QPushButton(QStringLiteral("Eins"), &window);
  auto* second = new QPushButton(QStringLiteral("Zwei"), &window);
  first->setToolTip(QStringLiteral("Hilfe zu Eins"));
  second->setToolTip(QStringLiteral("Hilfe zu Zwei"));
  auto* layout = new QHBoxLayout(&window);
  layout->addWidget(first);
  layout->addWidget(second);
  window.show();

  ProgramSettings& s = services.m_Settings;
  s.m_bNoQuickHelp = 0;
  s.m_bQuickHelpOnce = 1;
  EXPECT_TRUE(HelpShows(first));
  EXPECT_FALSE(HelpShows(first));
  EXPECT_TRUE(HelpShows(second));
  EXPECT_TRUE(HelpShows(first));
  s.m_bNoQuickHelp = 1;
  EXPECT_FALSE(HelpShows(second));
  s.m_bNoQuickHelp = 0;
  s.m_bQuickHelpOnce = 0;
  EXPECT_TRUE(HelpShows(second));
  EXPECT_TRUE(HelpShows(second));

  s.m_bQuickHelpFadeIn = 0;
  services.SetSettingsChanged();
  EXPECT_FALSE(QApplication::isEffectEnabled(Qt::UI_FadeTooltip));
  s.m_bQuickHelpFadeIn = 1;
  services.SetSettingsChanged();
  QToolTip::hideText();
}

}  // namespace
}  // namespace krv
