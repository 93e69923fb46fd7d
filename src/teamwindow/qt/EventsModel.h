#pragma once
// The special events list: one row per event text, in order of entry.

#include "teamwindow/EventRows.h"
#include "teamwindow/qt/TeamListModel.h"

namespace krv {

class EventsModel : public RecordListModel<CKREreignisse> {
 public:
  explicit EventsModel(QObject* parent = nullptr);

 protected:
  const RecordList<CKREreignisse>& Records(const CKRTeam& team) const override { return team.m_Ereignisse; }
  QString CellText(int row, int column) const override;
};

}  // namespace krv
