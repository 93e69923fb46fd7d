#include "app/qt/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace krv {
namespace {
constexpr int kTimeoutMs = 1000;
}

QString DefaultInstanceName() {
  return QStringLiteral("SglInst_Title_Krashball-Verwaltung-%1").arg(::getuid());
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
        if (!socket->canReadLine()) return;
        const QString file = QString::fromUtf8(socket->readLine()).trimmed();
        socket->write("ok\n");
        socket->flush();
        emit FileHandedOver(file);
      });
    }
  });
  return true;
}

}  // namespace krv
