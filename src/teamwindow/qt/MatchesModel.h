#pragma once
// The matches list: one row per match in order of entry, numbered 1 to n.

#include "teamwindow/MatchRows.h"
#include "teamwindow/qt/TeamListModel.h"

namespace krv {

class MatchesModel : public RecordListModel<CKRGames> {
 public:
  explicit MatchesModel(QObject* parent = nullptr);

 protected:
  const RecordList<CKRGames>& Records(const CKRTeam& team) const override { return team.m_Games; }
  QString CellText(int row, int column) const override;
};

}  // namespace krv
