#pragma once
// The requester's folder tree: every folder but the hidden ones, except hidden folders on the
// way to the folder shown (a data folder below ~/.local, say), so that the tree always shows
// the folder "Ort:" names.

#include <QSortFilterProxyModel>
#include <QString>

class QFileSystemModel;

namespace qxtools {

class FolderTreeModel : public QSortFilterProxyModel {
 public:
  // `folders` reads every folder, hidden ones included.
  FolderTreeModel(QFileSystemModel* folders, QObject* parent);

  // The folder shown; hidden folders on the way to it stay in the tree.
  void ShowWayTo(const QString& folder);
  QModelIndex IndexOf(const QString& path) const;
  QString PathOf(const QModelIndex& index) const;

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

 private:
  QFileSystemModel* m_folders;
  QString m_way;
};

}  // namespace qxtools
