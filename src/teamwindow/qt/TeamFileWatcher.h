#pragma once
// Notices when the file of an open team is changed or deleted on disk by another program
// (krv, a second copy, a file manager). The program's own saves are remembered first, so
// they never count as a change from outside.

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace krv {

class TeamFileWatcher : public QObject {
  Q_OBJECT
 public:
  explicit TeamFileWatcher(QObject* parent = nullptr);

  // Watches `path` from now on and takes its current contents as known.
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
  void Rewatch();

  QFileSystemWatcher m_watcher;
  QTimer m_settle;  // a save by rename comes as several notices: look once they settle
  QString m_strPath;
  QByteArray m_known;  // fingerprint of the contents the program knows; empty: file gone
};

}  // namespace krv
