// The list models read the team's records when asked: a refresh redraws, appends or reads
// afresh as the list changed, and empty entries from a file are no rows.

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "gui/teamwindow/PageTestSupport.h"
#include "teamwindow/qt/EventsModel.h"
#include "teamwindow/qt/LedgerModel.h"
#include "support/SeasonTeam.h"

namespace krv {
namespace {

using Update = TeamListModel::Update;

// An unchanged list is only redrawn (the view keeps selection and scroll position); a
// longer one gets rows at the end; a shorter one is read afresh.
TEST(ListModels, RefreshKinds) {
  auto team = test::MakeSeasonTeam();
  std::unique_ptr<TeamListModel> owned(MakeLedgerModel(Ledger::Expenses, nullptr));
  TeamListModel& model = *owned;
  model.SetTeam(team.get());
  ASSERT_EQ(model.rowCount(), 13);
  QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
  QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
  QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);

  EXPECT_EQ(model.Refresh(), Update::Redrawn);
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(resets.count(), 0);

  team->AddAusgabe({"Verlust", 1000, kAusgabeVerlust});
  team->AddAusgabe({"Verlust", 2000, kAusgabeVerlust});
  EXPECT_EQ(model.Refresh(), Update::Appended);
  ASSERT_EQ(inserts.count(), 1);
  EXPECT_EQ(inserts[0][1].toInt(), 13);
  EXPECT_EQ(inserts[0][2].toInt(), 14);
  EXPECT_EQ(model.rowCount(), 15);
  EXPECT_EQ(test::Cell(owned.get(), 14, 1), "2.000");

  team->m_Ausgaben.erase(team->m_Ausgaben.begin() + 1);
  EXPECT_EQ(model.Refresh(), Update::Reset);
  EXPECT_EQ(resets.count(), 1);
  EXPECT_EQ(model.rowCount(), 14);
  EXPECT_EQ(test::Cell(owned.get(), 1, 0), "Trainningsmarke");

  // Another team is read afresh.
  auto other = test::MakeSeasonTeam();
  other->m_Ausgaben.resize(1);
  model.SetTeam(other.get());
  EXPECT_EQ(model.rowCount(), 1);
  model.SetTeam(nullptr);
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(model.Refresh(), Update::Unchanged);  // no rows: nothing to redraw
}

// Empty entries (possible in damaged files) are skipped, as the team's index operations
// skip them; appending after them still works.
TEST(ListModels, EmptyEntries) {
  CKRTeam team;
  team.AddEreignis({"eins", 1});
  team.m_Ereignisse.push_back(nullptr);
  team.AddEreignis({"zwei", 1});
  EventsModel model;
  model.SetTeam(&team);
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(test::Cell(&model, 1, 0), "zwei");
  team.AddEreignis({"drei", 0});
  EXPECT_EQ(model.Refresh(), Update::Appended);
  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(test::Cell(&model, 2, 0), "drei");
  EXPECT_EQ(test::Cell(&model, 3, 0), "");
  EXPECT_FALSE(model.data(model.index(5, 0)).isValid());
}

}  // namespace
}  // namespace krv
