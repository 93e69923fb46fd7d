#include "teamwindow/qt/TeamFileWatcher.h"

#include <QCryptographicHash>
#include <cerrno>
#include <climits>
#include <sys/inotify.h>
#include <unistd.h>

#include "model/FileIO.h"
#include "ui/FileNames.h"

namespace krv {
namespace {

// Every way another program can change, replace or remove a file of the folder.
constexpr uint32_t kFolderEvents =
    IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

}  // namespace

TeamFileWatcher::TeamFileWatcher(QObject* parent) : QObject(parent) {
  m_settle.setSingleShot(true);
  m_settle.setInterval(150);
  connect(&m_settle, &QTimer::timeout, this, &TeamFileWatcher::Check);
  m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (m_inotify < 0) return;  // no notices (limit reached): Check() still works when called
  m_notifier = std::make_unique<QSocketNotifier>(m_inotify, QSocketNotifier::Read);
  connect(m_notifier.get(), &QSocketNotifier::activated, this, &TeamFileWatcher::ReadNotices);
}

TeamFileWatcher::~TeamFileWatcher() {
  m_notifier.reset();
  if (m_inotify >= 0) ::close(m_inotify);
}

void TeamFileWatcher::StopWatching() {
  if (m_folderWatch >= 0) ::inotify_rm_watch(m_inotify, m_folderWatch);
  m_folderWatch = -1;
}

void TeamFileWatcher::Watch(const QString& path) {
  StopWatching();
  m_path = FileNameBytes(path);
  const size_t slash = m_path.rfind('/');
  m_name = slash == std::string::npos ? m_path : m_path.substr(slash + 1);
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : m_path.substr(0, slash);
  // Writers replace the file by renaming a new one over it: the folder is watched, so the
  // new file is noticed as well as a change in place.
  if (m_inotify >= 0 && !m_path.empty()) m_folderWatch = ::inotify_add_watch(m_inotify, folder.c_str(), kFolderEvents);
  m_known = Fingerprint();
}

void TeamFileWatcher::Remember() { m_known = Fingerprint(); }

void TeamFileWatcher::ReadNotices() {
  alignas(inotify_event) char buffer[16 * (sizeof(inotify_event) + NAME_MAX + 1)];
  for (;;) {
    const ssize_t length = ::read(m_inotify, buffer, sizeof buffer);
    if (length <= 0) return;  // EAGAIN: all read
    for (ssize_t offset = 0; offset < length;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
      offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      if (event->wd == m_folderWatch && event->len > 0 && m_name == event->name) m_settle.start();
    }
  }
}

QByteArray TeamFileWatcher::Fingerprint() const {
  if (m_path.empty()) return {};
  try {
    const std::string bytes = ReadWholeFile(m_path);
    return QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                    QCryptographicHash::Sha256);
  } catch (const std::exception&) {
    return {};  // gone, or no longer a file that can be read
  }
}

void TeamFileWatcher::Check() {
  if (m_path.empty()) return;
  const QByteArray now = Fingerprint();
  if (now == m_known) return;
  m_known = now;
  if (now.isEmpty()) emit DeletedOnDisk();
  else emit ChangedOnDisk();
}

}  // namespace krv
