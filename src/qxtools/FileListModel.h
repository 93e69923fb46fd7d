#pragma once
// The file system as the requester's lists show it: German column titles, sizes in KB,
// German type names and dates.

#include <QFileSystemModel>

namespace qxtools {

class FileListModel : public QFileSystemModel {
  Q_OBJECT
 public:
  using QFileSystemModel::QFileSystemModel;

  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

// "1 KB" for any file up to 1024 bytes, then whole kilobytes rounded up with point grouping.
QString SizeText(qint64 bytes);
// "Dateiordner", "KRT-Datei", "Datei".
QString TypeText(bool isFolder, const QString& suffix);

}  // namespace qxtools
