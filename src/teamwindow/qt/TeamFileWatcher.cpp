#include "teamwindow/qt/TeamFileWatcher.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace krv {

TeamFileWatcher::TeamFileWatcher(QObject* parent) : QObject(parent) {
  m_settle.setSingleShot(true);
  m_settle.setInterval(150);
  connect(&m_settle, &QTimer::timeout, this, &TeamFileWatcher::Check);
  // Writers replace the file by renaming a new one over it: the folder is watched too, so
  // the new file is noticed even after the watch on the old one ended.
  connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { m_settle.start(); });
  connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_settle.start(); });
}

void TeamFileWatcher::Watch(const QString& path) {
  if (!m_watcher.files().isEmpty()) m_watcher.removePaths(m_watcher.files());
  if (!m_watcher.directories().isEmpty()) m_watcher.removePaths(m_watcher.directories());
  m_strPath = path;
  m_known = Fingerprint();
  Rewatch();
}

void TeamFileWatcher::Remember() {
  m_known = Fingerprint();
  Rewatch();
}

QByteArray TeamFileWatcher::Fingerprint() const {
  QFile file(m_strPath);
  if (m_strPath.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(&file);
  return hash.result();
}

void TeamFileWatcher::Rewatch() {
  if (m_strPath.isEmpty()) return;
  const QFileInfo info(m_strPath);
  if (info.exists() && !m_watcher.files().contains(m_strPath)) m_watcher.addPath(m_strPath);
  const QString folder = info.absolutePath();
  if (QFileInfo(folder).isDir() && !m_watcher.directories().contains(folder)) m_watcher.addPath(folder);
}

void TeamFileWatcher::Check() {
  if (m_strPath.isEmpty()) return;
  Rewatch();
  const QByteArray now = Fingerprint();
  if (now == m_known) return;
  m_known = now;
  if (now.isEmpty()) emit DeletedOnDisk();
  else emit ChangedOnDisk();
}

}  // namespace krv
