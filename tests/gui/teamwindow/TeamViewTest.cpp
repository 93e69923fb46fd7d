// The team window's view: the header after creation and after loading, editing name and own
// race, the no-fans notice and the missing-opponents question; and the team statistics
// dialog ("Eigenschaften") it opens.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QToolButton>

#include "gui/CreationDialogDriver.h"
#include "gui/roster/RosterTestSupport.h"
#include "teamwindow/MissingOpponents.h"
#include "teamwindow/qt/TeamView.h"
#include "teamwindow/qt/TeamStatisticsDialog.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

using test::Child;

const QString kKeineFans = QStringLiteral(
    "Sie haben keine Fans mehr!\nUnd sind damit Ihres Amtes enthoben\nund Ihre Mannschaft aufgelöst!\nSo 'n Pech!");

class TeamViewTest : public test::ProgramTest {
 protected:
  QLineEdit* Field(TeamFrame* frame, const char* name) {
    return Child<QLineEdit>(frame->View(), QString::fromLatin1(name));
  }
  // A team window over the file `team` was saved to, as "Öffnen" makes it.
  TeamFrame* Opened(CKRTeam& team, const std::string& file) {
    SaveTeamFile(team, Path(file));
    auto* doc = new TeamDocument(test::TestServices());
    EXPECT_TRUE(doc->OnOpenDocument(QString::fromStdString(Path(file)), nullptr));
    return new TeamFrame(doc);
  }
  // Sample team: 150000 in players with 17 star player points, three staff, fan factor 3
  // plus one, 2 re-rolls at 60000 less one deduction, an apothecary: 330000, value 33 + 3.
  void ExpectSampleHeader(TeamFrame* frame) {
    EXPECT_EQ(Field(frame, "teamName")->text(), "Grünhaut Gröhler");
    EXPECT_FALSE(Field(frame, "teamName")->isReadOnly());
    EXPECT_EQ(Field(frame, "race")->text(), "ORKS");
    EXPECT_TRUE(Field(frame, "race")->isReadOnly());
    EXPECT_EQ(Field(frame, "teamValue")->text(), "36");
    EXPECT_EQ(Field(frame, "gold")->text(), "-60.000");
    EXPECT_EQ(Field(frame, "rerolls")->text(), "2/0/1");
    EXPECT_EQ(Field(frame, "fanFactor")->text(), "4");
    for (const char* name : {"teamValue", "gold", "rerolls", "fanFactor"})
      EXPECT_TRUE(Field(frame, name)->isReadOnly());
    EXPECT_NE(frame->View()->Pages(), nullptr);
  }
};

// Catches: figures shown as saved instead of recomputed at first display, gold without
// thousands points, a read-only name or an editable figure, a question or notice at the first
// display of an ordinary team, showing a team marking it modified. (Typing in the name field:
// RefreshByChangeTest.TeamNameTouchesNoList, umlauts included: TeamWindowsTest.WindowPlacement...)
TEST_F(TeamViewTest, HeaderAfterCreationAndAfterLoading) {
  m_app->m_Settings.m_Teamliste.m_Items = {"Zwergenstürmer"};  // the sample team's opponent
  auto* created = new TeamFrame(test::NewDocumentWith(test::MakeSampleTeam()));
  ExpectSampleHeader(created);
  EXPECT_EQ(created->Document()->Team().m_strTeamwert, "36");  // the saved "100" is gone
  Discard(created);

  auto* loaded = Opened(*test::MakeSampleTeam(), "orks.krt");
  ExpectSampleHeader(loaded);
  EXPECT_FALSE(loaded->Document()->IsModified());  // showing a team is no change
  EXPECT_TRUE(m_messages.requests.empty()) << m_messages.Texts().join("|").toStdString();
  Discard(loaded);
}

// Catches: the own race shown in a read-only field or not upper-case, typing not stored or
// not marking the team modified. (A standard race's field read-only:
// HeaderAfterCreationAndAfterLoading; its name never renamed: TeamHeader.RenameTeamAndOwnRace;
// switching races: RaceChangeDialogTest.ViewTakesOver...)
TEST_F(TeamViewTest, OwnRaceEditable) {
  auto team = test::MakeSampleTeam(kEigeneRasse);
  team->m_strRassenName = "Nachtgoblins";
  auto* frame = new TeamFrame(test::NewDocumentWith(std::move(team)));
  QLineEdit* race = Field(frame, "race");
  EXPECT_FALSE(race->isReadOnly());
  EXPECT_EQ(race->text(), "NACHTGOBLINS");
  frame->Document()->SetModifiedFlag(false);
  race->setFocus();
  race->end(false);
  test::Type(race, QStringLiteral("ä"));
  EXPECT_EQ(race->text(), "NACHTGOBLINSÄ");
  EXPECT_EQ(frame->Document()->Team().m_strRassenName, "NACHTGOBLINSÄ");
  EXPECT_TRUE(frame->Document()->IsModified());
  Discard(frame);
}

// Catches: the notice not shown for a match that takes the last fans (or not in the plain
// box, or after the match's own sound), and no notice at the first display of a team saved
// without fans. (Once per drop, not again at the next check: TeamHeader.FanNoticeOncePerDrop,
// Matches.FanCheckWithTheMatches.)
TEST_F(TeamViewTest, FanNoticeOncePerDrop) {
  auto team = test::MakeSampleTeam();
  team->m_Games.clear();
  team->m_nFanFaktor = 1;
  auto* frame = new TeamFrame(test::NewDocumentWith(std::move(team)));
  CKRTeam& t = frame->Document()->Team();
  EXPECT_TRUE(m_messages.requests.empty());

  MatchEntry lost = test::LeagueMatch("Orkland", 0, 0);
  lost.fanFaktor = kFanFalls;
  EXPECT_TRUE(frame->Document()->Services().ShowOutcome(frame, RecordMatch(t, lost)));
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_EQ(m_messages.requests[0].text, kKeineFans);
  EXPECT_EQ(m_messages.requests[0].kind, BoxKind::Plain);  // "OK button, no icon"
  EXPECT_EQ(m_messages.requests[0].caption, "Krashball-Verwaltung");
  EXPECT_EQ(Field(frame, "fanFactor")->text(), "0");
  Discard(frame);

  auto empty = test::MakeSampleTeam();
  empty->m_Games.clear();
  empty->m_nFanFaktor = 0;
  auto* reopened = Opened(*empty, "ohne-fans.krt");
  ASSERT_EQ(m_messages.requests.size(), 2u);
  EXPECT_EQ(m_messages.requests[1].text, kKeineFans);
  Discard(reopened);
}

// Catches: the question not asked when a team with unknown opponents opens, asked again when
// all are known, Yes adding only some names or not marking the settings for saving, No adding
// anything. (Which names are missing and the question's text: MissingOpponents.*)
TEST_F(TeamViewTest, MissingOpponentsQuestion) {
  m_app->m_Settings.m_Teamliste.m_Items = {"Zwergenstürmer", "Orkland"};
  auto team = test::MakeSampleTeam();
  for (const char* opponent : {"Altdorfer Greifen", "ORKLAND", "Elfenpracht"})
    team->AddGame({.m_strGegner = opponent,
                   .m_strErgebnis = "1:1",
                   .m_strDatum = "01.04.07",
                   .m_nZuschauer = 1000,
                   .m_nEinnahmen = 10000,
                   .m_bLiga = 1});
  const QString question = QString::fromStdString(MissingOpponentsQuestion({"Altdorfer Greifen", "Elfenpracht"}));
  const std::vector<std::string> known = m_app->m_Settings.m_Teamliste.m_Items;
  std::vector<std::string> all = known;
  all.insert(all.end(), {"Altdorfer Greifen", "Elfenpracht"});
  // "&Nein", "&Ja", then all are known and nothing is asked.
  const struct {
    int answer, questions;
    std::vector<std::string> list;
  } openings[] = {{1, 1, known}, {0, 2, all}, {0, 2, all}};
  for (const auto& o : openings) {
    m_messages.answers = {o.answer};
    Discard(Opened(*team, "gegner.krt"));
    ASSERT_EQ(m_messages.requests.size(), static_cast<size_t>(o.questions));
    EXPECT_EQ(m_messages.requests.back().text, question);
    EXPECT_EQ(m_messages.requests.back().kind, BoxKind::Question);
    EXPECT_EQ(m_app->m_Settings.m_Teamliste.m_Items, o.list);
    EXPECT_EQ(m_app->SettingsChangedSinceLoad(), o.answer == 0);
  }
}

// Catches: Strg+E still switched off, the statistics not opened modally, or opened for another
// team than the active window's.
TEST_F(TeamViewTest, PropertiesCommandShowsTheActiveTeamsStatistics) {
  m_app->m_Settings.m_Teamliste.m_Items = {"Zwergenstürmer"};
  MainWindow main(m_app.get());
  main.show();
  TeamFrame* frame = main.OpenDocumentFile(WriteSampleTeam("aktiv.krt", "Aktiv"));
  ASSERT_NE(frame, nullptr);
  QAction* properties = main.Action("properties");
  ASSERT_NE(properties, nullptr);
  EXPECT_TRUE(properties->isEnabled());
  EXPECT_EQ(properties->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
  QString played;
  test::WhenModal<TeamStatisticsDialog>([&](TeamStatisticsDialog* dialog) {
    played = dialog->Value("spiele");
    dialog->accept();
  });
  properties->trigger();
  EXPECT_EQ(played, "1");
  Discard(frame);
}

// Catches: a team whose creation never finished (race -1) getting a sheet, figures, questions
// or an editable header.
TEST_F(TeamViewTest, TeamWithoutRaceStaysEmpty) {
  auto team = test::MakeSampleTeam();
  team->m_nRasse = -1;
  team->m_nFanFaktor = 0;
  auto* frame = new TeamFrame(test::NewDocumentWith(std::move(team)));
  EXPECT_EQ(frame->View()->Pages(), nullptr);
  EXPECT_TRUE(Field(frame, "teamName")->text().isEmpty());
  EXPECT_TRUE(Field(frame, "teamName")->isReadOnly());
  EXPECT_FALSE(Child<QToolButton>(frame->View(), "raceButton")->isEnabled());
  EXPECT_EQ(frame->Document()->Team().m_strTeamwert, "100");  // not recalculated
  EXPECT_TRUE(m_messages.requests.empty());
  Discard(frame);
}

// Catches: a stored name longer than the field takes being cut to the field's length when
// the team is saved, though nobody typed in it.
TEST_F(TeamViewTest, LongStoredNameSurvivesSaving) {
  m_app->m_Settings.m_Teamliste.m_Items = {"Zwergenstürmer"};
  auto team = test::MakeSampleTeam();
  team->m_strName = std::string(120, 'L');
  auto* frame = new TeamFrame(test::NewDocumentWith(std::move(team)));
  const std::string path = Path("lang.krt");
  ASSERT_TRUE(frame->Document()->DoSave(nullptr, QString::fromStdString(path), true));
  EXPECT_EQ(LoadTeamFile(path)->m_strName, std::string(120, 'L'));
  Discard(frame);
}

class TeamStatisticsDialogTest : public test::ProgramTest {};

// Catches a figure shown in another field than its label's: every figure differs from the
// others here. (The counting and the stamps themselves: TeamStatistics.CountsMatchesAndPlayers.)
TEST_F(TeamStatisticsDialogTest, EachFigureInItsField) {
  CKRTeam team;  // no creation stamp
  for (const char* result : {"1:1", "0:1", "0:2", "2:0", "3:0", "4:0"})
    team.AddGame({.m_strErgebnis = result, .m_bGewonnen = result[0] > '1'});
  for (int32_t n = 1; n <= 5; ++n) test::AddPlayer(team, n, "S", "P", 6, 3, 3, 8, 50000, "", n, n < 5 ? 201 : 25);
  TeamStatisticsDialog dialog(team);
  QStringList shown;
  for (const char* field : {"erstellt", "spiele", "gewonnen", "verloren", "unentschieden", "spieler", "stars", "tote"})
    shown << dialog.Value(field);
  EXPECT_EQ(shown, QStringList({"(xx.xx.xx) xx:xx:xx", "6", "3", "2", "1", "5", "4", "0"}));
  EXPECT_EQ(dialog.Value("geaendert").toStdString(), team.m_strGeaendert);
  EXPECT_EQ(team.m_strGeaendert.size(), 19u);
}

}  // namespace
}  // namespace krv
