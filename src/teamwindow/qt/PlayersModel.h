#pragma once
// The players list: every player the team ever had, former players greyed.

#include <vector>

#include "teamwindow/PlayerRows.h"
#include "teamwindow/qt/TeamListModel.h"

namespace krv {

class PlayersModel : public RecordListModel<CKRSpieler> {
 public:
  explicit PlayersModel(QObject* parent = nullptr);

  // The player shown in `row` (in the order shown), or null.
  const CKRSpieler* Player(int row) const;

  // "Nach Nr. sortieren": rows by number, ascending, until the list is filled again.
  void SortByNumber();
  bool IsSortedByNumber() const { return !m_order.empty(); }

 protected:
  const RecordList<CKRSpieler>& Records(const CKRTeam& team) const override { return team.m_Spieler; }
  QString CellText(int row, int column) const override;
  QVariant ExtraData(int row, int column, int role) const override;
  void RowsTaken() override;
  bool Reordered() const override { return IsSortedByNumber(); }
  const void* ShownRecord(int row) const override { return Player(row); }

 private:
  std::vector<size_t> m_order;  // row -> row in list order; empty: list order
};

}  // namespace krv
