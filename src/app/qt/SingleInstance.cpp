#include "app/qt/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <unistd.h>

#include "app/InstanceName.h"

namespace krv {
namespace {
constexpr int kTimeoutMs = 1000;
// How often a waiting hand-over looks again whether the open box has been answered.
constexpr int kRetryMs = 100;
}  // namespace

QString DefaultInstanceName() {
  const DisplaySession session{QGuiApplication::platformName().toStdString(),
                               qEnvironmentVariable("DISPLAY").toStdString(),
                               qEnvironmentVariable("WAYLAND_DISPLAY").toStdString()};
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);  // the user's own
  if (folder.isEmpty()) folder = QDir::tempPath() + QStringLiteral("/krashball-%1").arg(::getuid());
  QDir().mkpath(folder);
  return folder + '/' + QString::fromStdString(InstanceSocketName(session));
}

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent), m_name(name) {}

bool SingleInstance::HandOverToRunningInstance(const QString& file) {
  QLocalSocket socket;
  socket.connectToServer(m_name);
  if (!socket.waitForConnected(kTimeoutMs)) return false;
  socket.write(file.toUtf8() + '\n');
  if (!socket.waitForBytesWritten(kTimeoutMs)) return false;
  socket.waitForReadyRead(kTimeoutMs);  // the first instance acknowledges
  return true;
}

bool SingleInstance::Listen() {
  m_server = new QLocalServer(this);
  if (!m_server->listen(m_name)) {
    // A server name left behind by a crashed instance: nobody answered above, so take it.
    QLocalServer::removeServer(m_name);
    if (!m_server->listen(m_name)) return false;
  }
  connect(m_server, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        // Only read here: opening a team may show a box whose event loop lets the other start
        // disconnect and its socket be deleted while this handler would still be running.
        while (socket->canReadLine()) {
          m_pending.enqueue(QString::fromUtf8(socket->readLine()).trimmed());
          socket->write("ok\n");
        }
        socket->flush();
        QTimer::singleShot(0, this, &SingleInstance::DeliverPending);
      });
    }
  });
  return true;
}

void SingleInstance::DeliverPending() {
  // One at a time, and never while a box or dialog waits for an answer: each hand-over waits
  // its turn instead of piling up boxes.
  if (m_pending.isEmpty()) return;
  if (m_delivering || QApplication::activeModalWidget()) {
    QTimer::singleShot(kRetryMs, this, &SingleInstance::DeliverPending);
    return;
  }
  m_delivering = true;
  emit FileHandedOver(m_pending.dequeue());
  m_delivering = false;
  if (!m_pending.isEmpty()) QTimer::singleShot(0, this, &SingleInstance::DeliverPending);
}

}  // namespace krv
