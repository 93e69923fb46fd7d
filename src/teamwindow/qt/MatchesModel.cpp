#include "teamwindow/qt/MatchesModel.h"

namespace krv {

MatchesModel::MatchesModel(QObject* parent)
    : RecordListModel<CKRGames>(kMatchColumns.data(), kMatchColumnCount, parent) {}

QString MatchesModel::CellText(int row, int column) const {
  const CKRGames* game = Record(row);
  return game ? QString::fromStdString(MatchCellText(*game, column)) : QString();
}

}  // namespace krv
