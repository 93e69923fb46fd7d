#include "teamwindow/qt/TeamListModel.h"

namespace krv {

TeamListModel::TeamListModel(const ListColumn* columns, int columnCount, QObject* parent)
    : QAbstractTableModel(parent), m_pColumns(columns), m_nColumns(columnCount) {}

void TeamListModel::SetTeam(CKRTeam* team) {
  if (team != m_pTeam) ResetRows(team);
}

void TeamListModel::ResetRows(CKRTeam* team) {
  beginResetModel();
  m_pTeam = team;
  TakeList();
  m_nListLength = ListLength();
  endResetModel();
  RowsTaken();
}

TeamListModel::Update TeamListModel::Refresh(const TeamChange& change) {
  const size_t length = ListLength();
  if (length == m_nListLength) return RedrawChanged(change, Rows());
  const size_t before = Rows();
  if (length > m_nListLength && !Reordered()) {
    // Records were appended: the rows already shown stay, new ones follow.
    const size_t added = PresentFrom(m_nListLength);
    if (added > 0) beginInsertRows(QModelIndex(), static_cast<int>(before), static_cast<int>(before + added) - 1);
    TakeList();
    m_nListLength = length;
    if (added > 0) endInsertRows();
    RedrawChanged(change, before);
    RowsTaken();
    return Update::Appended;
  }
  ResetRows(m_pTeam);
  return Update::Reset;
}

TeamListModel::Update TeamListModel::RedrawChanged(const TeamChange& change, size_t rows) {
  if (rows == 0) return Update::Unchanged;
  const TeamList list = ShownList();
  if (change.MayHaveChangedAll(list)) {
    emit dataChanged(index(0, 0), index(static_cast<int>(rows) - 1, m_nColumns - 1));
    return Update::Redrawn;
  }
  const void* record = change.ChangedRecord(list);
  if (!record) return Update::Unchanged;
  for (int row = 0; row < static_cast<int>(rows); ++row) {
    if (ShownRecord(row) != record) continue;
    emit dataChanged(index(row, 0), index(row, m_nColumns - 1));
    return Update::RowRedrawn;
  }
  return Update::Unchanged;
}

int TeamListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(Rows()); }

int TeamListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_nColumns; }

QVariant TeamListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(Rows()) || index.column() >= m_nColumns) return {};
  switch (role) {
    case Qt::DisplayRole: return CellText(index.row(), index.column());
    case Qt::TextAlignmentRole: return Alignment(index.column());
    default: return ExtraData(index.row(), index.column(), role);
  }
}

QVariant TeamListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= m_nColumns) return {};
  switch (role) {
    case Qt::DisplayRole: return QString::fromUtf8(m_pColumns[section].heading);
    case Qt::TextAlignmentRole: return Alignment(section);
    default: return {};
  }
}

QVariant TeamListModel::Alignment(int column) const {
  return QVariant::fromValue(
      Qt::Alignment((m_pColumns[column].rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
}

QVariant TeamListModel::ExtraData(int, int, int) const { return {}; }

void TeamListModel::RowsTaken() {}

}  // namespace krv
