#pragma once
// Only one Krashball-Verwaltung runs per user and display: a second start hands its team file
// to the first, which opens it and comes to the front.

#include <QObject>
#include <QQueue>
#include <QString>

class QLocalServer;

namespace krv {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(const QString& name, QObject* parent = nullptr);

  // True when another instance answered and took `file` (may be empty) over.
  bool HandOverToRunningInstance(const QString& file);
  // Becomes the instance the next starts hand their files to.
  bool Listen();

 signals:
  // Another start asked to open `file` (empty: only to come to the front).
  void FileHandedOver(const QString& file);

 private:
  void DeliverPending();

  QString m_name;
  QQueue<QString> m_pending;  // handed-over files not yet opened
  bool m_delivering = false;
  QLocalServer* m_server = nullptr;
};

// The socket of this user's program on this display, in the user's runtime folder.
QString DefaultInstanceName();

}  // namespace krv
