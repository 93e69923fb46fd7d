#include "qxtools/FileListModel.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QStyle>

namespace qxtools {

FallbackIconProvider::FallbackIconProvider() {
  const QStyle* look = QApplication::style();
  m_computer = look->standardIcon(QStyle::SP_ComputerIcon);
  m_desktop = look->standardIcon(QStyle::SP_DesktopIcon);
  m_trash = look->standardIcon(QStyle::SP_TrashIcon);
  m_network = look->standardIcon(QStyle::SP_DriveNetIcon);
  m_drive = look->standardIcon(QStyle::SP_DriveHDIcon);
  m_folder = look->standardIcon(QStyle::SP_DirIcon);
  m_folderLink = look->standardIcon(QStyle::SP_DirLinkIcon);
  m_file = look->standardIcon(QStyle::SP_FileIcon);
  m_fileLink = look->standardIcon(QStyle::SP_FileLinkIcon);
}

QIcon FallbackIconProvider::icon(IconType type) const {
  QIcon icon = QFileIconProvider::icon(type);
  if (!icon.isNull()) return icon;
  switch (type) {
    case Computer: return m_computer;
    case Desktop: return m_desktop;
    case Trashcan: return m_trash;
    case Network: return m_network;
    case Drive: return m_drive;
    case Folder: return m_folder;
    case File: return m_file;
  }
  return icon;
}

QIcon FallbackIconProvider::icon(const QFileInfo& info) const {
  QIcon icon = QFileIconProvider::icon(info);
  if (!icon.isNull()) return icon;
  if (info.isRoot()) return m_drive;
  if (info.isDir()) return info.isSymLink() ? m_folderLink : m_folder;
  return info.isSymLink() ? m_fileLink : m_file;
}

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
