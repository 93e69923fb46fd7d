// The creation dialog "Neues Team erstellen" driven as the coach would, and the creation
// flow of both dialogs.

#include "create/qt/TeamCreationDialog.h"

#include <gtest/gtest.h>

#include <QScrollBar>

#include "create/TeamBuilder.h"
#include "create/qt/NewTeamFlow.h"
#include "create/qt/OwnRaceDialog.h"
#include "create/qt/StarPlayerBuilderDialog.h"
#include "create/qt/StarPlayerChoiceDialog.h"
#include "gui/CreationDialogDriver.h"
#include "gui/NewTeamDriver.h"
#include "model/Team.h"
#include "support/MessageRecorder.h"
#include "support/OwnRaceTemplates.h"

namespace krv {
namespace {

using test::Child;
using test::DefineTemplate;
using test::WhenModal;

// A creation dialog opened for a race as the team document opens it.
class Creation {
 public:
  explicit Creation(int32_t race, int32_t startkapital = 1000000) {
    PrepareNewTeam(team, race);
    dialog.m_Rasse = race;
    dialog.m_TheTeam = &team;
    dialog.m_Startkapital = startkapital;
  }
  void Open() { dialog.show(); }

  CountSpinBox* Spin(const QString& name) { return Child<CountSpinBox>(&dialog, name); }
  CountSpinBox* Row(int k) { return Spin(QStringLiteral("rowCount%1").arg(k)); }
  QString RowLabel(int k) { return Child<QLabel>(&dialog, QStringLiteral("rowLabel%1").arg(k))->text(); }
  QString RowMax(int k) { return Child<QLineEdit>(&dialog, QStringLiteral("rowMax%1").arg(k))->text(); }
  QCheckBox* Box(const QString& name) { return Child<QCheckBox>(&dialog, name); }
  QPushButton* Button(const QString& name) { return Child<QPushButton>(&dialog, name); }
  int EnabledRows() {
    int enabled = 0;
    for (int k = 1; k <= 6; ++k) enabled += Row(k)->isEnabled() ? 1 : 0;
    return enabled;
  }
  QString Restgold() { return Child<QLineEdit>(&dialog, QStringLiteral("restgold"))->text(); }
  QListWidget* SummaryList() { return Child<QListWidget>(&dialog, QStringLiteral("summary")); }
  QStringList Summary() { return test::ListTexts(SummaryList()); }
  void SetName(const QString& name) { Child<QLineEdit>(&dialog, QStringLiteral("teamName"))->setText(name); }
  // Types the digits into a number field as the coach would: select all, type.
  void Type(CountSpinBox* box, const QString& digits) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, digits);
  }
  void Erstellen() { Button(QStringLiteral("erstellen"))->click(); }

  CKRTeam team;
  TeamCreationDialog dialog;
};

// Values outside a field's range get the German range message while typing (one staff
// field and one position row stand for all) and are set back by the recomputation; the
// arrows never leave the range. "&Erstellen" refuses a fan factor of 0 again with the dialog
// still open and the typed values kept; the remaining gold follows the typing. (Each check,
// its text and the order, the clamping, prices and the summary's lines: TeamBudget; the
// Menschen team entered through every control and built: NewTeamOption.SavesTheCreatedTeam...,
// which a control wired to the wrong field would leave with gold and the dialog open.) A field
// that swallows a value silently, arrows that run past the limit, a refusal that closes the
// dialog or loses the values, or a gold field out of step shows here.
TEST(TeamCreationDialog, RangeMessagesAndRefusalKeepTheDialogOpen) {
  test::MessageRecorder recorder;
  Creation c(8);
  c.Open();  // caption and rows: RowsAndStaffByRace
  EXPECT_EQ(c.RowLabel(4), "Blitzer");
  EXPECT_EQ(c.RowMax(4), "4");
  EXPECT_EQ(c.Restgold(), "990.000");  // fan factor 1 is always bought

  c.Type(c.Spin("rerolls"), "9");
  c.Type(c.Row(2), "5");
  EXPECT_EQ(recorder.Texts(), (QStringList{"Bitte geben Sie für die Trainingsmarken eine Zahl zwischen 0 und 7 ein.",
                                           "Bitte geben Sie für „Fänger“ eine Zahl zwischen 0 und 4 ein."}));
  EXPECT_EQ(c.Spin("rerolls")->value(), 7);
  EXPECT_EQ(c.Row(2)->value(), 4);
  EXPECT_EQ(c.Summary().first(), "Trainingsmarken : 7, Preis: 350000");
  c.Row(2)->stepUp();  // a full position row stays full
  EXPECT_EQ(c.Row(2)->value(), 4);
  for (int i = 0; i < 12; ++i) c.Spin("fanFactor")->stepUp();
  EXPECT_EQ(c.Spin("fanFactor")->value(), 10);

  c.Type(c.Spin("fanFactor"), "0");
  const QString fanRange = "Bitte geben Sie für den Fan-Faktor eine Zahl zwischen 1 und 10 ein.";
  EXPECT_EQ(recorder.Texts().last(), fanRange);
  c.Type(c.Row(1), "11");
  EXPECT_EQ(c.Restgold(), "-180.000");  // recomputed while typing (fan factor 0 costs nothing)
  c.SetName("Altdorfer Greifen");
  c.Erstellen();
  EXPECT_EQ(recorder.Texts().last(), fanRange);
  EXPECT_EQ(recorder.requests.back().caption, "Krashball-Verwaltung");
  EXPECT_TRUE(c.dialog.isVisible());
  EXPECT_EQ(c.Row(1)->value(), 11);
  EXPECT_EQ(recorder.requests.size(), 4u);
}

// Catches: a large empty area at the bottom left of the dialog (the left column ending well
// above the cost summary beside it), also after the dialog was made taller.
TEST(TeamCreationDialog, NoEmptyCorner) {
  Creation c(10);
  c.Open();
  for (int height : {0, 900}) {
    if (height) c.dialog.resize(c.dialog.width(), height);
    QCoreApplication::processEvents();
    const QRect players = Child<QWidget>(&c.dialog, QStringLiteral("players"))->geometry();
    const QRect stars = Child<QWidget>(&c.dialog, QStringLiteral("stars"))->geometry();
    const QRect expenses = Child<QWidget>(&c.dialog, QStringLiteral("expenses"))->geometry();
    EXPECT_EQ(players.top(), expenses.top()) << height;
    EXPECT_LE(std::abs(stars.bottom() - expenses.bottom()), 4) << height;
    EXPECT_LT(stars.right(), expenses.left()) << height;
  }
}

// Per race the caption, the position rows enabled and whether apothecary and wizard may be
// ticked; an own race offers its four templates and Gen.1 when the team defines it (Gen.2
// not); an invalid race number is named. The wizard's box carries the race's word and both
// boxes reach the budget. (Prices, template prices, summary lines and words per race:
// TeamBudget.) Rows or boxes not following the race (an Untote team ticking a Sani), an own
// race opened without the team's templates, a caption or label not taken from the race, an
// invalid race opened quietly or a box that does not reach the budget would show here.
TEST(TeamCreationDialog, RowsAndStaffByRace) {
  test::MessageRecorder recorder;
  const struct {
    int32_t race;
    const char* caption;
    int rows;
    bool staff;
  } races[] = {{8, "Menschen", 4, true},
               {12, "Untote", 5, false},
               {kEigeneRasse, "Eigenes Team", 5, true},
               {20, "????", 0, true}};
  for (const auto& r : races) {
    Creation c(r.race);
    for (int k = 0; k < 5 && r.race == kEigeneRasse; ++k) DefineTemplate(c.team, k, "Position", 60000);
    c.Open();
    EXPECT_EQ(c.dialog.windowTitle(), QStringLiteral("Neues Team erstellen (%1)").arg(r.caption));
    EXPECT_EQ(c.EnabledRows(), r.rows) << r.race;
    EXPECT_EQ(c.Box("apothecary")->isEnabled(), r.staff) << r.race;
    EXPECT_EQ(c.Box("wizard")->isEnabled(), r.staff) << r.race;
  }
  EXPECT_EQ(recorder.Texts(), QStringList{"ups????? Ungültige Rasse"});

  Creation c(8);
  c.Open();
  c.Box("apothecary")->setChecked(true);
  c.Box("wizard")->setChecked(true);
  EXPECT_EQ(c.Restgold(), "790.000");
  Creation cooks(6);
  cooks.Open();
  EXPECT_EQ(cooks.Box("wizard")->text(), "Meisterkoch:");
}

// The summary list keeps its scroll position when it is rebuilt, so the coach can watch the
// lower lines while changing numbers. A list that jumps back to the top would show here.
TEST(TeamCreationDialog, SummaryKeepsScrollPosition) {
  test::MessageRecorder recorder;
  Creation c(10);  // Orks: five positions
  c.Open();
  for (int k = 1; k <= 5; ++k) c.Row(k)->setValue(1);
  QListWidget* list = c.SummaryList();
  list->setFixedHeight(list->sizeHintForRow(0) * 4 + 2 * list->frameWidth());
  QApplication::processEvents();
  QScrollBar* bar = list->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum());
  const int scrolledTo = bar->value();
  c.Spin("cheerleaders")->setValue(2);
  QApplication::processEvents();
  EXPECT_EQ(bar->value(), scrolledTo);
  EXPECT_EQ(c.Summary()[3], "Cheerleaderinnen : 2, Preis : 20000");
}

// Picks the named star player in the open selection and takes him over.
void PickStar(const QString& name) {
  test::WhenModal<StarPlayerChoiceDialog>([name](StarPlayerChoiceDialog* selection) {
    auto* list = Child<QTreeWidget>(selection, QStringLiteral("list"));
    list->setCurrentItem(test::FindItem(list, name));
    Child<QPushButton>(selection, QStringLiteral("uebernehmen"))->click();
  });
}

// A star player bought or built goes into his slot; pressing either button of the filled
// slot empties it; a selection left with "&Abbruch" after a click leaves the slot empty. The offer is
// measured against the starting capital, so the remaining gold may go negative. (The sums,
// the price taken and given back: TeamBudget.StarSlots.) A slot that keeps its player,
// buttons stuck in the wrong look or a built player without the builder's code would show here.
TEST(TeamCreationDialog, StarSlotsBoughtBuiltAndRemoved) {
  test::MessageRecorder recorder;
  Creation c(8);
  c.Open();
  auto name = [&](int slot) { return Child<QLineEdit>(&c.dialog, QStringLiteral("starName%1").arg(slot))->text(); };
  QPushButton* buy1 = c.Button("starBuy1");
  QPushButton* build1 = c.Button("starBuild1");

  PickStar("Griff Oberwald");
  buy1->click();
  EXPECT_EQ(name(1), "Griff Oberwald");
  EXPECT_EQ(buy1->text(), "Löschen");
  EXPECT_EQ(build1->text(), "Löschen");

  // Spend the rest: the next star is still offered, the gold goes below zero.
  c.Row(1)->setValue(12);
  c.Row(4)->setValue(2);
  PickStar("Siggi 'Der Zug'");
  c.Button("starBuy3")->click();
  EXPECT_EQ(name(3), "Siggi 'Der Zug'");
  EXPECT_EQ(c.Restgold(), "-90.000");

  buy1->click();  // removes Griff
  EXPECT_EQ(name(1), "");
  EXPECT_EQ(buy1->text(), "Kaufen...");
  EXPECT_EQ(build1->text(), "Bauen...");
  EXPECT_FALSE(c.dialog.m_Starplayer[0].has_value());
  c.Button("starBuild3")->click();  // the build button removes a bought player too
  EXPECT_EQ(name(3), "");

  test::WhenModal<StarPlayerChoiceDialog>([](StarPlayerChoiceDialog* selection) {
    auto* list = Child<QTreeWidget>(selection, QStringLiteral("list"));
    test::ClickItem(list, list->topLevelItem(0));  // a row clicked, then cancelled
    Child<QPushButton>(selection, QStringLiteral("abbruch"))->click();
  });
  c.Button("starBuy2")->click();
  EXPECT_EQ(name(2), "");

  test::WhenModal<StarPlayerBuilderDialog>([](StarPlayerBuilderDialog* builder) {
    Child<QLineEdit>(builder, QStringLiteral("name"))->setText(QStringLiteral("Jörg Eisenfaust"));
    Child<QPushButton>(builder, QStringLiteral("kaufen"))->click();
  });
  c.Button("starBuild2")->click();
  EXPECT_EQ(name(2), "Jörg Eisenfaust");
  ASSERT_TRUE(c.dialog.m_Starplayer[1].has_value());
  EXPECT_EQ(c.dialog.m_Starplayer[1]->m_nPositionCode, kBuiltStarCode);
  c.Button("starBuild2")->click();
  EXPECT_EQ(name(2), "");
  EXPECT_TRUE(recorder.requests.empty()) << recorder.Texts().join("|").toStdString();
}

// Cancelling either dialog ends the creation with the notice and no team.
TEST(NewTeamFlow, CancelledEitherDialog) {
  test::MessageRecorder recorder;
  WhenModal<RaceChoiceDialog>(
      [](RaceChoiceDialog* dialog) { Child<QPushButton>(dialog, QStringLiteral("abbruch"))->click(); });
  EXPECT_EQ(RunTeamCreation(nullptr, 1000000), nullptr);
  EXPECT_EQ(recorder.requests.size(), 1u);

  test::ChooseRace(3);
  WhenModal<TeamCreationDialog>([](TeamCreationDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Neues Team erstellen (Echsenmenschen)");
    Child<QPushButton>(dialog, QStringLiteral("abbruch"))->click();
  });
  EXPECT_EQ(RunTeamCreation(nullptr, 1000000), nullptr);
  ASSERT_EQ(recorder.requests.size(), 2u);
  for (const auto& request : recorder.requests) {
    EXPECT_EQ(request.kind, BoxKind::Information);
    EXPECT_EQ(request.text, "Sie haben die Team-\nErstellung abgebrochen!");
  }
}

// The creation dialogs come back in the size the coach gave them, each under its own layout
// name; the own-race dialog grows only in width.
TEST(CreationDialogs, RememberTheirSizes) {
  test::MessageRecorder recorder;  // no race given: the creation dialog names it
  test::ExpectSizeRemembered([] { return std::make_unique<TeamCreationDialog>(); }, "Erstellen", QSize(1011, 677));
  test::ExpectSizeRemembered([] { return std::make_unique<RaceChoiceDialog>(); }, "NeuesTeam", QSize(1003, 456));
  test::ExpectSizeRemembered([] { return std::make_unique<StarPlayerBuilderDialog>(1000000); }, "StarplayerBauen",
                             QSize(900, 640));
  test::ExpectSizeRemembered([] { return std::make_unique<StarPlayerChoiceDialog>(4, nullptr, 1000000); },
                             "StarplayerKaufen", QSize(700, 333));
  CKRTeam team;
  OwnRaceDialog ownRace(&team, 1000000);
  ownRace.show();
  const int height = ownRace.height();
  ownRace.resize(820, height + 100);
  EXPECT_EQ(ownRace.height(), height);
  test::ExpectSizeRemembered([&team] { return std::make_unique<OwnRaceDialog>(&team, 1000000); }, "EigeneSpieler",
                             QSize(820, height));
}

}  // namespace
}  // namespace krv
