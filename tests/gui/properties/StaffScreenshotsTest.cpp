// Renders the team window on page "Personal" and the staff dialog, filled with a team after a
// full season, to PNG files in the temporary folder for looking at them: run with
// --gtest_also_run_disabled_tests.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/qt/KrashballApp.h"
#include "gui/CreationDialogDriver.h"
#include "gui/properties/PageTestSupport.h"
#include "properties/qt/PersonalDlg.h"
#include "properties/qt/PropertySheet.h"
#include "roster/qt/KrashballView.h"
#include "support/MessageRecorder.h"
#include "support/SeasonTeam.h"
#include "support/TempFolder.h"

namespace krv {
namespace {

void Save(QWidget& widget, const QString& name) {
  const QString path = QDir::temp().filePath(name);
  EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
}

std::unique_ptr<CKRTeam> StaffedSeasonTeam(int32_t race) {
  auto team = test::MakeSeasonTeam();
  team->m_nRasse = race;
  team->m_bZauberer = 1;
  team->m_strZauberer = "Grimbold Feuerbart vom Schwarzen Turm";
  team->AddCoTrainer("Ugluk Zweitbester");
  team->AddCheerleader("Änne Schwingbein");
  team->AddCheerleader("Zora die Zähe");
  team->AddCheerleader("bella");
  team->m_Cheerleader.back()->m_strLebenslauf = "02.09.06 angeworben\r\n14.10.06 Beim Heimspiel gegen die Zwergenstürmer verletzt";
  return team;
}

class StaffScreenshots : public test::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ::setenv("KRV_DATEN", Path("Daten").c_str(), 1);
    m_app = std::make_unique<CKrashballApp>(QString::fromStdString(m_dir.string()));
    m_app->m_Settings.m_bSound = 0;
  }
  void TearDown() override {
    m_app.reset();
    TempFolderTest::TearDown();
  }
  std::unique_ptr<CKrashballApp> m_app;
  test::MessageRecorder m_messages;
};

TEST_F(StaffScreenshots, DISABLED_TeamWindowStaffPage) {
  for (int32_t race : {10, 6, 12}) {
    auto team = StaffedSeasonTeam(race);
    if (race == 12) team->m_bSani = team->m_bZauberer = 0;
    auto doc = test::DocumentWith(std::move(team));
    CKrashballView view(doc.get(), nullptr);
    view.resize(820, 560);
    view.show();
    auto* list = view.findChild<QListWidget*>("cheerleader");
    list->setCurrentRow(1);
    Save(view, QStringLiteral("krv-personal-%1.png").arg(race));
    if (race == 10) {
      view.resize(view.minimumSizeHint());
      Save(view, "krv-personal-klein.png");
      view.resize(1280, 800);
      Save(view, "krv-personal-gross.png");
    }
  }
}

TEST_F(StaffScreenshots, DISABLED_StaffDialog) {
  {
    CPersonalDlg dlg;
    dlg.m_bNeu = false;
    dlg.m_nArt = kPersonalCheerleader;
    dlg.m_strName = QStringLiteral("Zora die Zähe");
    dlg.m_strLebenslauf = QStringLiteral("02.09.06 angeworben\r\n14.10.06 Beim Heimspiel gegen die Zwergenstürmer verletzt");
    test::WhenModal<CPersonalDlg>([](CPersonalDlg* d) {
      Save(*d, "krv-personal-dlg.png");
      d->findChild<QCheckBox*>("zeigeLebenslauf")->click();
      Save(*d, "krv-personal-dlg-lebenslauf.png");
      d->resize(d->minimumSizeHint());
      Save(*d, "krv-personal-dlg-klein.png");
      d->resize(700, 500);
      Save(*d, "krv-personal-dlg-gross.png");
      d->findChild<QPushButton*>("abbruch")->click();
    });
    dlg.exec();
  }
  {
    CPersonalDlg dlg;
    dlg.m_bNeu = true;
    dlg.m_nArt = kPersonalCoTrainer;
    test::WhenModal<CPersonalDlg>([](CPersonalDlg* d) {
      Save(*d, "krv-personal-dlg-neu.png");
      d->findChild<QPushButton*>("abbruch")->click();
    });
    dlg.exec();
  }
}

}  // namespace
}  // namespace krv
