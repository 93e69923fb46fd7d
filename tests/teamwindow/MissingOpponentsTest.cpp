// Opponents missing from the system team list when a team window opens.

#include <gtest/gtest.h>

#include "model/StringArray.h"
#include "model/Team.h"
#include "teamwindow/MissingOpponents.h"

namespace krv {
namespace {

// Catches: known teams reported (also when the case differs), a name reported twice, the
// order of the matches lost, an empty opponent offered as a team name.
TEST(MissingOpponents, CollectsEachUnknownNameOnceInMatchOrder) {
  CKRTeam team;
  for (const char* name : {"Zwergenstürmer", "Orkland", "Elfenpracht", "zwergenstürmer", "", "ORKLAND", "Echsen"})
    team.AddGame({.m_strGegner = name});
  CKRStringArray list;
  list.m_Items = {"orkland"};
  EXPECT_EQ(MissingOpponents(team, list), (std::vector<std::string>{"Zwergenstürmer", "Elfenpracht", "Echsen"}));
  list.m_Items = {"Zwergenstürmer", "Elfenpracht", "Echsen", "Orkland"};
  EXPECT_TRUE(MissingOpponents(team, list).empty());
  EXPECT_TRUE(MissingOpponents(CKRTeam{}, CKRStringArray{}).empty());
}

// Catches: the line break placed before the fifth name's separator or after the last name,
// a break after fewer than four names, the fixed texts changed, names appended out of order.
TEST(MissingOpponents, QuestionBreaksAfterEveryFourthName) {
  EXPECT_EQ(MissingOpponentsQuestion({"A"}),
            "Folgende(s) Team(s) stehen nicht in der System-Teamliste!\n\nA\n\n"
            "Sollen die fehlenden Teams jetzt eingefügt werden?");
  EXPECT_EQ(MissingOpponentsQuestion({"1", "2", "3", "4", "5", "6", "7", "8", "9"}),
            "Folgende(s) Team(s) stehen nicht in der System-Teamliste!\n\n1, 2, 3, 4, \n5, 6, 7, 8, \n9\n\n"
            "Sollen die fehlenden Teams jetzt eingefügt werden?");

  CKRStringArray list;
  list.m_Items = {"Alt"};
  AppendTeams(list, {"Neu1", "Neu2"});
  EXPECT_EQ(list.m_Items, (std::vector<std::string>{"Alt", "Neu1", "Neu2"}));
}

}  // namespace
}  // namespace krv
