// The settings sheet driven as a coach uses it: its boxes, its OK checks, the team list page,
// and what it takes over into the program's settings.

#include <gtest/gtest.h>

#include "settings/qt/SettingsDialog.h"
#include "app/qt/KrashballApp.h"
#include "app/qt/MainWindow.h"
#include "gui/CreationDialogDriver.h"
#include "gui/roster/RosterTestSupport.h"

namespace krv {
namespace {

using test::Child;

class SettingsDialogTest : public test::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    m_app->m_Settings.m_Teamliste.m_Items = {"Zwergenstürmer", "Orkland", "Altdorfer Greifen"};
  }
  void TearDown() override {
    ProgramTest::TearDown();
    ::unsetenv("KRV_DATEN");
  }

  std::unique_ptr<SettingsDialog> Open() {
    auto sheet = std::make_unique<SettingsDialog>(*m_app);
    sheet->show();
    return sheet;
  }
  static QStringList Shown(QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
  }
};

// The pages in order, the three enabling rules both ways, the page remembered; the
// never-offered box stays hidden. Catches a rule wired to the wrong box or evaluated only
// once at opening, and a sheet always on page 0.
TEST_F(SettingsDialogTest, PagesEnablingRulesAndLastPage) {
  auto sheet = Open();
  EXPECT_EQ(sheet->Tabs()->currentIndex(), 0);
  ASSERT_EQ(sheet->Tabs()->count(), 3);
  EXPECT_EQ(sheet->Tabs()->tabText(0), "Team-Liste");
  EXPECT_EQ(sheet->Tabs()->tabText(1), "Verschiedenes");
  EXPECT_EQ(sheet->Tabs()->tabText(2), "Drucken");
  EXPECT_EQ(sheet->windowTitle(), "Einstellungen");

  const std::pair<const char*, const char*> rules[] = {
      {"chm", "browser"}, {"tooltip1", "tooltip3"}, {"druck2", "druck1"}};
  for (const auto& [switchName, boxName] : rules) {
    auto* control = Child<QCheckBox>(sheet.get(), switchName);
    auto* box = Child<QCheckBox>(sheet.get(), boxName);
    control->setChecked(false);
    EXPECT_TRUE(box->isEnabled()) << boxName;
    control->setChecked(true);
    EXPECT_FALSE(box->isEnabled()) << boxName;
    control->setChecked(false);
    EXPECT_TRUE(box->isEnabled()) << boxName;
  }
  // The next sheet opens on the page this one was closed on, for this run, and with the
  // defaults: HTML help on, so the browser choice starts disabled; values printed.
  sheet->Tabs()->setCurrentIndex(2);
  Child<QPushButton>(sheet.get(), "cancel")->click();
  auto fresh = Open();
  EXPECT_EQ(fresh->Tabs()->currentIndex(), 2);
  EXPECT_FALSE(Child<QCheckBox>(fresh.get(), "browser")->isEnabled());
  EXPECT_TRUE(Child<QCheckBox>(fresh.get(), "druck1")->isEnabled());
  auto* hidden = Child<QCheckBox>(fresh.get(), "spielerBehalten");
  EXPECT_FALSE(hidden->isVisible());
  EXPECT_FALSE(hidden->isEnabled());
}

// OK's checks as the sheet shows them (ranges, texts and sounds: SettingsFields): a refused
// maximum keeps the sheet open on its page with the typed text (an empty field too) and
// takes nothing over; the capital's notice comes in the bank's box from the grouped field,
// and the sheet closes with everything taken over and the settings marked changed.
TEST_F(SettingsDialogTest, OkChecks) {
  auto sheet = Open();
  auto* players = Child<QLineEdit>(sheet.get(), "maxSpieler");
  Child<QCheckBox>(sheet.get(), "druck2")->setChecked(true);
  for (const char* refused : {"33", ""}) {
    m_messages.requests.clear();
    players->setText(QString::fromLatin1(refused));
    Child<QPushButton>(sheet.get(), "ok")->click();
    ASSERT_EQ(m_messages.requests.size(), 1u) << refused;
    EXPECT_EQ(m_messages.requests[0].text,
              "Bitte geben Sie für „Maximale Anzahl der Spieler“ eine Zahl zwischen 1 und 32 ein.");
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(players->text(), QString::fromLatin1(refused));
    EXPECT_EQ(sheet->Tabs()->currentIndex(), 1);
  }
  EXPECT_EQ(m_app->m_Settings.m_nMaxSpieler, 16);
  EXPECT_EQ(m_app->m_Settings.m_bSkipValues, 0);
  EXPECT_FALSE(m_app->SettingsChangedSinceLoad());

  m_messages.requests.clear();
  players->setText("17");
  auto* capital = Child<QLineEdit>(sheet.get(), "startkapital");
  EXPECT_EQ(capital->text(), "1.000.000");
  capital->setText("2.000.001");
  Child<QPushButton>(sheet.get(), "ok")->click();
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_EQ(m_messages.requests[0].kind, BoxKind::Bank);
  EXPECT_FALSE(sheet->isVisible());
  EXPECT_EQ(sheet->result(), QDialog::Accepted);
  EXPECT_EQ(m_app->m_Settings.m_nMaxSpieler, 17);
  EXPECT_EQ(m_app->m_Settings.m_nStartkapital, 1000000);
  EXPECT_EQ(m_app->m_Settings.m_bSkipValues, 1);
  EXPECT_EQ(sheet->LastOutcome().sound, "Sounds/nicht16.WAV");
  EXPECT_TRUE(m_app->SettingsChangedSinceLoad());
}

// The team list page (its sorting, prefix rule and count texts: TeamListEdit): a name
// already listed selects the listed one and keeps the typed text selected, Return adds
// without closing the sheet, "&Löschen" follows the selection, a double click fills the
// name. Catches a page out of step with its list or losing the selection logic of "&Löschen".
TEST_F(SettingsDialogTest, TeamListPage) {
  auto sheet = Open();
  auto* list = Child<QListWidget>(sheet.get(), "teams");
  auto* name = Child<QLineEdit>(sheet.get(), "name");
  auto* add = Child<QPushButton>(sheet.get(), "uebernehmen");
  auto* remove = Child<QPushButton>(sheet.get(), "loeschen");
  auto* count = Child<QLabel>(sheet.get(), "count");
  EXPECT_EQ(Shown(list), QStringList({"Altdorfer Greifen", "Orkland", "Zwergenstürmer"}));
  EXPECT_FALSE(remove->isEnabled());

  name->setText("orkland");
  add->click();
  ASSERT_EQ(list->selectedItems().size(), 1);
  EXPECT_EQ(list->selectedItems().first()->text(), "Orkland");
  EXPECT_EQ(name->selectedText(), "orkland");
  list->clearSelection();
  name->setText("Bretonische Ritter");
  QTest::keyClick(name, Qt::Key_Return);  // adds, and does not close the sheet
  EXPECT_TRUE(sheet->isVisible());
  EXPECT_EQ(Shown(list), QStringList({"Altdorfer Greifen", "Bretonische Ritter", "Orkland", "Zwergenstürmer"}));
  EXPECT_TRUE(name->text().isEmpty());
  EXPECT_EQ(name->maxLength(), 80);

  list->item(3)->setSelected(true);
  list->item(0)->setSelected(true);
  list->item(2)->setSelected(true);
  EXPECT_TRUE(remove->isEnabled());
  remove->click();
  EXPECT_EQ(Shown(list), QStringList({"Bretonische Ritter"}));
  EXPECT_FALSE(remove->isEnabled());
  EXPECT_TRUE(list->selectedItems().isEmpty());
  EXPECT_EQ(count->text(), "1 Team");
  emit list->itemDoubleClicked(list->item(0));
  EXPECT_EQ(name->text(), "Bretonische Ritter");
}

// Cancel forgets the team list page; OK replaces the system team list sorted. A name appended
// meanwhile (from a match) survives the cancel. Catches a page that edits the live list.
TEST_F(SettingsDialogTest, CancelDiscardsOkSortsList) {
  m_app->m_Settings.m_Teamliste.m_Items.push_back("Bretonia");  // appended by a match
  auto sheet = Open();
  Child<QLineEdit>(sheet.get(), "name")->setText("Elfen");
  Child<QPushButton>(sheet.get(), "uebernehmen")->click();
  Child<QListWidget>(sheet.get(), "teams")->item(0)->setSelected(true);
  Child<QPushButton>(sheet.get(), "loeschen")->click();
  Child<QCheckBox>(sheet.get(), "sound")->setChecked(true);
  Child<QPushButton>(sheet.get(), "cancel")->click();
  EXPECT_EQ(m_app->m_Settings.m_Teamliste.m_Items,
            (std::vector<std::string>{"Zwergenstürmer", "Orkland", "Altdorfer Greifen", "Bretonia"}));
  EXPECT_EQ(m_app->m_Settings.m_bSound, 0);
  EXPECT_FALSE(m_app->SettingsChangedSinceLoad());

  auto ok = Open();
  Child<QPushButton>(ok.get(), "ok")->click();
  EXPECT_EQ(m_app->m_Settings.m_Teamliste.m_Items,
            (std::vector<std::string>{"Altdorfer Greifen", "Bretonia", "Orkland", "Zwergenstürmer"}));
  EXPECT_TRUE(m_app->SettingsChangedSinceLoad());
}

// The menu command opens the sheet, and its OK takes every field over into the program's
// settings, which then go to KRV.DAT at the program's end. (That write and KRV.DAT's layout:
// DocumentTest.SettingsWrittenOnlyWhenChanged and KrvDat; OK without a change marking the
// settings changed: CancelDiscardsOkSortsList.) Catches an action left disabled or wired to a
// sheet over other settings, and a field not wired to its setting.
TEST_F(SettingsDialogTest, OpensFromMainWindowAndTakesEveryFieldOver) {
  MainWindow frame(m_app.get());
  QAction* settings = frame.Action("settings");
  ASSERT_NE(settings, nullptr);
  EXPECT_TRUE(settings->isEnabled());
  EXPECT_EQ(settings->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
  EXPECT_TRUE(frame.Action("update")->isEnabled());
  test::WhenModal<SettingsDialog>([](SettingsDialog* sheet) {
    Child<QCheckBox>(sheet, "druck2")->setChecked(true);
    Child<QCheckBox>(sheet, "tooltip1")->setChecked(true);
    Child<QLineEdit>(sheet, "maxSpieler")->setText("20");
    Child<QLineEdit>(sheet, "startkapital")->setText("750000");
    Child<QPushButton>(sheet, "ok")->click();
  });
  settings->trigger();
  EXPECT_EQ(m_app->m_Settings.m_bSkipValues, 1);
  EXPECT_EQ(m_app->m_Settings.m_bNoQuickHelp, 1);
  EXPECT_EQ(m_app->m_Settings.m_nMaxSpieler, 20);
  EXPECT_EQ(m_app->m_Settings.m_nStartkapital, 750000);
}

}  // namespace
}  // namespace krv
