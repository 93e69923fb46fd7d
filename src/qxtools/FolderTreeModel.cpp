#include "qxtools/FolderTreeModel.h"

#include <QFileSystemModel>

namespace qxtools {

FolderTreeModel::FolderTreeModel(QFileSystemModel* folders, QObject* parent)
    : QSortFilterProxyModel(parent), m_folders(folders) {
  setSourceModel(folders);
}

void FolderTreeModel::ShowWayTo(const QString& folder) {
  if (folder == m_way) return;
  m_way = folder;
  invalidateFilter();
}

QModelIndex FolderTreeModel::IndexOf(const QString& path) const { return mapFromSource(m_folders->index(path)); }

QString FolderTreeModel::PathOf(const QModelIndex& index) const { return m_folders->filePath(mapToSource(index)); }

bool FolderTreeModel::filterAcceptsRow(int row, const QModelIndex& parent) const {
  const QModelIndex index = m_folders->index(row, 0, parent);
  if (!m_folders->fileInfo(index).isHidden()) return true;
  const QString path = m_folders->filePath(index);
  return m_way == path || m_way.startsWith(path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/'));
}

}  // namespace qxtools
