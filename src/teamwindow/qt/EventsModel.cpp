#include "teamwindow/qt/EventsModel.h"

namespace krv {

EventsModel::EventsModel(QObject* parent)
    : RecordListModel<CKREreignisse>(kEventColumns.data(), kEventColumnCount, parent) {}

QString EventsModel::CellText(int row, int column) const {
  const CKREreignisse* event = Record(row);
  return event && column == kEventText ? QString::fromStdString(event->m_strText) : QString();
}

}  // namespace krv
