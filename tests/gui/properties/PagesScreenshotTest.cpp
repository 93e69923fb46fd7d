// Renders the players, expenses, income, matches and miscellaneous pages, filled with a
// team after a full season, to PNG files in the temporary folder for looking at them:
// run with --gtest_also_run_disabled_tests.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QTabWidget>
#include <QPixmap>

#include "app/qt/ChildFrame.h"
#include "gui/properties/PageTestSupport.h"
#include "properties/qt/ExpensesPage.h"
#include "properties/qt/IncomePage.h"
#include "properties/qt/MatchesPage.h"
#include "properties/qt/MiscPage.h"
#include "properties/qt/PlayersPage.h"
#include "support/MessageRecorder.h"
#include "support/SeasonTeam.h"

namespace krv {
namespace {

void Save(QWidget& page, const QString& name) {
  QApplication::processEvents();
  const QString path = QDir::temp().filePath(name);
  EXPECT_TRUE(page.grab().save(path)) << path.toStdString();
}

template <typename Page>
void Render(KrashballDoc* doc, const QString& name, int selectRow = -1) {
  Page page(doc);
  page.resize(960, 460);
  page.show();
  if (selectRow >= 0) test::ClickRow(page.List(), selectRow);
  Save(page, "krv-seite-" + name + ".png");
  page.resize(page.minimumSizeHint());
  Save(page, "krv-seite-" + name + "-klein.png");
  page.resize(1500, 700);
  Save(page, "krv-seite-" + name + "-gross.png");
}

TEST(PagesScreenshots, DISABLED_AllPages) {
  auto doc = test::DocumentWith(test::MakeSeasonTeam());
  ASSERT_TRUE(doc);
  Render<CMyPropertyPage2>(doc.get(), "spieler", 3);
  Render<CMyPropertyPage3>(doc.get(), "ausgaben");
  Render<CMyPropertyPage4>(doc.get(), "einnahmen");
  Render<CMyPropertyPage5>(doc.get(), "spiele", 2);
  Render<CMyPropertyPage6>(doc.get(), "sonstiges");

  doc->Team().m_nRasse = 12;
  Render<CMyPropertyPage2>(doc.get(), "spieler-untote");
}

// The whole team window on each of its pages, at a usual size and made narrow.
TEST(PagesScreenshots, DISABLED_TeamWindow) {
  test::MessageRecorder messages;
  messages.answers = {1};  // no to adding the opponents to the system team list
  auto doc = test::DocumentWith(test::MakeSeasonTeam());
  ASSERT_TRUE(doc);
  QMdiArea area;
  area.resize(1060, 640);
  auto* frame = new CChildFrame(doc.release(), &area);
  area.addSubWindow(frame);
  area.show();
  frame->setGeometry(0, 0, 1040, 620);
  frame->show();
  auto* sheet = frame->findChild<QTabWidget*>("CMyPropertySheet");
  ASSERT_TRUE(sheet);
  for (int tab = 0; tab < sheet->count(); ++tab) {
    sheet->setCurrentIndex(tab);
    Save(area, QStringLiteral("krv-fenster-%1.png").arg(tab));
  }
  frame->setGeometry(0, 0, 640, 420);
  sheet->setCurrentIndex(1);
  Save(area, QStringLiteral("krv-fenster-schmal.png"));
  frame->Document()->SetModifiedFlag(false);
}

}  // namespace
}  // namespace krv
