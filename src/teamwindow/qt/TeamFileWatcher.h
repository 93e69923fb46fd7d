#pragma once
// Notices when the file of an open team is changed or deleted on disk by another program
// (krv, a second copy, a file manager). The program's own saves are remembered first, so
// they never count as a change from outside. The file is named by its bytes throughout, so a
// name that is not UTF-8 is watched as well as any other.

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>

namespace krv {

class TeamFileWatcher : public QObject {
  Q_OBJECT
 public:
  explicit TeamFileWatcher(QObject* parent = nullptr);
  ~TeamFileWatcher() override;

  // Watches `path` (see ui/FileNames.h) from now on and takes its current contents as known.
  void Watch(const QString& path);
  // The file now holds what the program itself wrote (after a save).
  void Remember();
  // Looks at the file now (also done shortly after every notice of the system).
  void Check();

 signals:
  // The file holds something the program did not load or write.
  void ChangedOnDisk();
  // The file is gone.
  void DeletedOnDisk();

 private:
  QByteArray Fingerprint() const;
  void StopWatching();
  void ReadNotices();

  int m_inotify = -1;
  int m_folderWatch = -1;
  std::unique_ptr<QSocketNotifier> m_notifier;
  QTimer m_settle;     // a save by rename comes as several notices: look once they settle
  std::string m_path;  // the file's name as the file system holds it
  std::string m_name;  // its last part, as the notices name it
  QByteArray m_known;  // fingerprint of the contents the program knows; empty: file gone
};

}  // namespace krv
