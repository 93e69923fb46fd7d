// F1 in a dialog: the help must be usable while the dialog waits for its answer.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include "ui/HelpWindow.h"
#include "model/FileIO.h"
#include "support/TempFolder.h"

namespace krv {
namespace {

class HelpWindowTest : public test::TempFolderTest {};

QTextBrowser* OpenHelp() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* help = qobject_cast<QTextBrowser*>(w); help && help->isVisible()) return help;
  return nullptr;
}

// Catches: the help opened as a window of its own while a modal dialog is open (blocked by the
// dialog: no scrolling, no links, no closing) or placed over the dialog; and the help closed
// with the dialog that asked for it.
TEST_F(HelpWindowTest, UsableBesideAModalDialog) {
  const std::string file = Path("Hilfe.html");
  WriteFileAtomically(file, "<html><body><h1 id=\"NEW_TEAM\">Neues Team</h1></body></html>");
  QDialog dialog;
  dialog.setGeometry(10, 100, 300, 300);
  QTextBrowser* help = nullptr;
  QRect helpWhileOpen;
  QTimer::singleShot(0, &dialog, [&] {
    HelpWindow::Show(QString::fromStdString(file), QStringLiteral("#NEW_TEAM"));
    help = OpenHelp();
    if (help) helpWhileOpen = help->geometry();
    // Only the modal dialog's own windows take input while it is open.
    EXPECT_TRUE(help && help->parentWidget() == &dialog);
    dialog.accept();
  });
  dialog.exec();
  ASSERT_NE(help, nullptr);
  EXPECT_FALSE(helpWhileOpen.intersects(dialog.frameGeometry()));
  // The dialog is done; the help stays open on its own.
  QCoreApplication::processEvents();
  EXPECT_EQ(OpenHelp(), help);
  EXPECT_EQ(help->parentWidget(), nullptr);
  help->close();
}

// F1 in a dialog opens the help narrowed beside it; the topic's heading must still be the top
// line. Catches scrolling to the topic before the window took its final width, which wraps
// the text above the heading onto more lines and leaves the heading halfway down.
TEST_F(HelpWindowTest, TopicHeadingAtTheTopBesideADialog) {
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
  QTimer::singleShot(0, &dialog, [&] {
    HelpWindow::Show(QString::fromStdString(file), QStringLiteral("#TEAM_GAME"));
    QTimer::singleShot(50, &dialog, &QDialog::accept);
  });
  dialog.exec();
  QTextBrowser* help = OpenHelp();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->cursorForPosition(QPoint(4, 4)).block().text(), "Spiele");
  help->close();
}

}  // namespace
}  // namespace krv
