#include "qxtools/FileListModel.h"

#include <QDateTime>
#include <QLocale>

namespace qxtools {

QString SizeText(qint64 bytes) {
  const qint64 kilobytes = bytes <= 0 ? 0 : (bytes + 1023) / 1024;
  return QLocale(QLocale::German, QLocale::Germany).toString(kilobytes) + QStringLiteral(" KB");
}

QString TypeText(bool isFolder, const QString& suffix) {
  if (isFolder) return QStringLiteral("Dateiordner");
  if (suffix.isEmpty()) return QStringLiteral("Datei");
  return suffix.toUpper() + QStringLiteral("-Datei");
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
    switch (section) {
      case 0: return QStringLiteral("Name");
      case 1: return QStringLiteral("Größe");
      case 2: return QStringLiteral("Typ");
      case 3: return QStringLiteral("Geändert am");
      default: break;
    }
  }
  return QFileSystemModel::headerData(section, orientation, role);
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (index.isValid() && role == Qt::DisplayRole) {
    switch (index.column()) {
      case 1: return isDir(index) ? QString() : SizeText(size(index));
      case 2: return TypeText(isDir(index), fileInfo(index).suffix());
      case 3: return lastModified(index).toString(QStringLiteral("dd.MM.yyyy HH:mm"));
      default: break;
    }
  }
  return QFileSystemModel::data(index, role);
}

}  // namespace qxtools
