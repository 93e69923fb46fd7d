#pragma once
// The file system as the requester's lists show it: German column titles, sizes in KB,
// German type names and dates.

#include <QFileIconProvider>
#include <QFileSystemModel>

namespace qxtools {

class FileListModel : public QFileSystemModel {
  Q_OBJECT
 public:
  using QFileSystemModel::QFileSystemModel;

  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

// The desktop's icons for files and folders; the style's own where the desktop has no icon theme.
// The models ask from their reading thread, so the style's icons are taken beforehand.
class FallbackIconProvider : public QFileIconProvider {
 public:
  FallbackIconProvider();
  QIcon icon(IconType type) const override;
  QIcon icon(const QFileInfo& info) const override;

 private:
  QIcon m_computer, m_desktop, m_trash, m_network, m_drive, m_folder, m_folderLink, m_file, m_fileLink;
};

// "1 KB" for any file up to 1024 bytes, then whole kilobytes rounded up with point grouping.
QString SizeText(qint64 bytes);
// "Dateiordner", "KRT-Datei", "Datei".
QString TypeText(bool isFolder, const QString& suffix);

}  // namespace qxtools
