#include "teamwindow/qt/PlayersModel.h"

#include <QColor>

namespace krv {
namespace {

// Former players are drawn grey.
const QColor kFormerPlayerColour(128, 128, 128);

}  // namespace

PlayersModel::PlayersModel(QObject* parent)
    : RecordListModel<CKRSpieler>(kPlayerColumns.data(), kPlayerColumnCount, parent) {}

const CKRSpieler* PlayersModel::Player(int row) const {
  if (row < 0) return nullptr;
  if (m_order.empty()) return Record(row);
  if (static_cast<size_t>(row) >= m_order.size()) return nullptr;
  return Record(static_cast<int>(m_order[static_cast<size_t>(row)]));
}

QString PlayersModel::CellText(int row, int column) const {
  const CKRSpieler* player = Player(row);
  return player ? QString::fromStdString(PlayerCellText(*player, column)) : QString();
}

QVariant PlayersModel::ExtraData(int row, int, int role) const {
  if (role != Qt::ForegroundRole) return {};
  const CKRSpieler* player = Player(row);
  if (!player || player->IsActive()) return {};
  return kFormerPlayerColour;
}

void PlayersModel::RowsTaken() {
  m_order.clear();  // a filled list shows the players in list order
}

void PlayersModel::SortByNumber() {
  const int rows = rowCount();
  std::vector<int32_t> numbers(static_cast<size_t>(rows));
  for (int row = 0; row < rows; ++row) {
    const CKRSpieler* player = Record(row);
    numbers[static_cast<size_t>(row)] = player ? player->m_nNummer : 0;
  }
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  // The selection follows its player to the new row.
  const QModelIndexList before = persistentIndexList();
  std::vector<size_t> listRowOfOldRow(static_cast<size_t>(rows));
  for (int row = 0; row < rows; ++row)
    listRowOfOldRow[static_cast<size_t>(row)] =
        m_order.empty() ? static_cast<size_t>(row) : m_order[static_cast<size_t>(row)];

  m_order = OrderByNumber(numbers);
  std::vector<int> newRowOfListRow(static_cast<size_t>(rows));
  for (int row = 0; row < rows; ++row) newRowOfListRow[m_order[static_cast<size_t>(row)]] = row;

  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& index : before) {
    const size_t listRow = listRowOfOldRow[static_cast<size_t>(index.row())];
    after.append(this->index(newRowOfListRow[listRow], index.column()));
  }
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace krv
