// The miscellaneous page: the events list, the logo path cut to fit with "…", and the
// enabling of its commands.

#include <gtest/gtest.h>

#include <QLabel>

#include "gui/teamwindow/PageTestSupport.h"
#include "teamwindow/EventRows.h"
#include "teamwindow/qt/MiscPage.h"
#include "support/SeasonTeam.h"

namespace krv {
namespace {

using test::Cell;

class MiscPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_doc = test::DocumentWith(test::MakeSeasonTeam());
    ASSERT_TRUE(m_doc);
    m_page = test::ShownPage<CMyPropertyPage6>(m_doc.get(), {700, 400});
  }

  CKRTeam& Team() { return m_doc->Team(); }
  QLabel* Logo() { return m_page->findChild<QLabel*>("logo"); }

  std::unique_ptr<KrashballDoc> m_doc;
  std::unique_ptr<CMyPropertyPage6> m_page;
};

TEST_F(MiscPageTest, EventsList) {
  const QAbstractItemModel* model = m_page->List()->model();
  EXPECT_EQ(test::Headings(model), QStringList({"Ereignisse"}));
  EXPECT_GE(m_page->List()->columnWidth(kEventText), 500);
  ASSERT_EQ(model->rowCount(), 5);
  EXPECT_EQ(Cell(model, 4, 0), "CheerleaderIn Nardúbh verläßt das Team.");

  // An event written elsewhere (a dismissed apothecary) shows after the refresh.
  Team().AddEreignis({"Der Sanitäter Doc Knochenflick verlässt das Team!", kEreignisSonstiges});
  m_page->RefreshPage();
  ASSERT_EQ(model->rowCount(), 6);
  EXPECT_EQ(Cell(model, 5, 0), "Der Sanitäter Doc Knochenflick verlässt das Team!");
}

// The logo path on one line, cut at its end with "…" when it does not fit; the whole
// path in its tooltip; shown again when it changes.
TEST_F(MiscPageTest, LogoPathCutToFit) {
  const QString path = QString::fromStdString(Team().m_strLogo);
  EXPECT_EQ(m_page->LogoPath(), path);
  EXPECT_EQ(Logo()->toolTip(), path);
  m_page->resize(1600, 400);
  QApplication::processEvents();
  EXPECT_EQ(Logo()->text(), path);
  m_page->resize(420, 400);
  QApplication::processEvents();
  EXPECT_TRUE(Logo()->text().endsWith(QChar(0x2026))) << Logo()->text().toStdString();
  EXPECT_TRUE(path.startsWith(Logo()->text().chopped(1)));
  EXPECT_LE(Logo()->fontMetrics().horizontalAdvance(Logo()->text()), Logo()->contentsRect().width());

  Team().m_strLogo = "/tmp/x.bmp";
  m_page->RefreshPage();
  EXPECT_EQ(Logo()->text(), "/tmp/x.bmp");
  Team().m_strLogo.clear();
  m_page->RefreshPage();
  EXPECT_EQ(Logo()->text(), "");
  EXPECT_EQ(m_page->LogoPath(), "");
}

TEST_F(MiscPageTest, Enabling) {
  QPushButton* logoButton = m_page->findChild<QPushButton*>("logoButton");
  ASSERT_TRUE(logoButton);
  m_page->SetCommandHandler(PageCommand::Logo, [] {});
  EXPECT_TRUE(logoButton->isEnabled());
  test::ExpectCommandsNeedARow(m_page.get(), 1, {"&Neu", "&Löschen", "Ändern"});
}

}  // namespace
}  // namespace krv
