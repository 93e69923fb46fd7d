// The help: F1 in a dialog must give a help usable while the dialog waits for its answer; the
// quick-help windows follow "Keine Schnellhilfe", "Hilfe nur einmal anzeigen" and "Sanft
// einblenden" at once, in every window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>

#include "model/FileIO.h"
#include "support/TempFolder.h"
#include "ui/HelpWindow.h"
#include "ui/ProgramServices.h"
#include "ui/QuickHelpSettings.h"

namespace krv {
namespace {

class HelpWindowTest : public test::TempFolderTest {};

QTextBrowser* OpenHelp() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* help = qobject_cast<QTextBrowser*>(w); help && help->isVisible()) return help;
  return nullptr;
}

// F1 in a dialog opens the help beside it. Catches: the help opened as a window of its own
// while a modal dialog is open (blocked by the dialog: no scrolling, no links, no closing) or
// placed over the dialog; the help closed with the dialog that asked for it; scrolling to the
// topic before the window took its final width, which wraps the text above the heading onto
// more lines and leaves the heading halfway down instead of on the top line.
TEST_F(HelpWindowTest, UsableBesideAModalDialogAtItsTopic) {
  QString text;
  for (int i = 0; i < 40; ++i) text += QStringLiteral("Ein Absatz über das Team, lang genug, um umzubrechen. ");
  QString html = QStringLiteral("<html><body>");
  for (int i = 0; i < 6; ++i) html += "<p>" + text + "</p>";
  html += QStringLiteral("<h2><a name=\"TEAM_GAME\"></a>Spiele</h2>");
  for (int i = 0; i < 10; ++i) html += "<p>" + text + "</p>";
  const std::string file = Path("Hilfe.html");
  WriteFileAtomically(file, (html + "</body></html>").toStdString());
  QDialog dialog;
  dialog.setGeometry(10, 100, 300, 300);
  QTextBrowser* help = nullptr;
  QRect helpWhileOpen;
  QTimer::singleShot(0, &dialog, [&] {
    HelpWindow::Show(QString::fromStdString(file), QStringLiteral("#TEAM_GAME"));
    help = OpenHelp();
    if (help) helpWhileOpen = help->geometry();
    // Only the modal dialog's own windows take input while it is open.
    EXPECT_TRUE(help && help->parentWidget() == &dialog);
    QTimer::singleShot(50, &dialog, &QDialog::accept);
  });
  dialog.exec();
  ASSERT_NE(help, nullptr);
  EXPECT_FALSE(helpWhileOpen.intersects(dialog.frameGeometry()));
  EXPECT_EQ(help->cursorForPosition(QPoint(4, 4)).block().text(), "Spiele");
  // The dialog is done; the help stays open on its own.
  QCoreApplication::processEvents();
  EXPECT_EQ(OpenHelp(), help);
  EXPECT_EQ(help->parentWidget(), nullptr);
  help->close();
}

// True when asking `widget` for its help shows its text.
bool HelpShows(QWidget* widget) {
  QToolTip::hideText();  // goes after a short delay
  if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000)) ADD_FAILURE() << "the help did not go";
  QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(widget, &event);
  return QToolTip::isVisible() && QToolTip::text() == widget->toolTip();
}

// Catches the windows' help not asking the rule with the settings of the moment: help that
// shows although switched off or twice in a row for one control, or stays away after the
// settings changed; and fading that ignores a changed setting. (The rule's order of showing
// and hiding: QuickHelpRule.OffAndOnlyOnce.)
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
