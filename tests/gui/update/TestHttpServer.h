#pragma once
// A small HTTP server on 127.0.0.1 for the update tests: it serves canned answers by path,
// optionally slowly, and closes the connection after each answer; and the tests' fixture.

#include <QByteArray>
#include <QFile>
#include <QHostAddress>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "support/MessageRecorder.h"
#include "support/TempFolder.h"

namespace krv::test {

struct CannedAnswer {
  QByteArray status = "200 OK";  // after "HTTP/1.1 "
  QByteArray body;
  QList<QByteArray> headers;  // extra lines such as "Location: /b"
  bool contentLength = true;  // send "Content-Length"
  int pieceBytes = 0;         // > 0: send the body in pieces ...
  int pieceDelayMs = 0;       // ... this far apart
  QByteArray raw;             // when set: sent as it stands instead of an HTTP answer
  bool endless = false;       // the body never ends: sent as fast as the client reads it
};

inline CannedAnswer Canned(const QByteArray& status, const QByteArray& body, const QList<QByteArray>& headers = {}) {
  CannedAnswer answer;
  answer.status = status;
  answer.body = body;
  answer.headers = headers;
  return answer;
}

class TestHttpServer : public QObject {
 public:
  TestHttpServer() {
    QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = m_server.nextPendingConnection()) Serve(socket);
    });
    m_server.listen(QHostAddress::LocalHost, 0);
  }

  QString Url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
  void Answer(const QByteArray& path, const CannedAnswer& answer) { m_answers[path] = answer; }
  // The answer to a request of `path` that brings an "Authorization" header.
  void AnswerAuthorized(const QByteArray& path, const CannedAnswer& answer) { m_authorized[path] = answer; }

  QList<QByteArray> requests;        // the paths asked for, in order
  QList<QByteArray> authorizations;  // "Authorization" header per request ("" when none)

 private:
  void Serve(QTcpSocket* socket) {
    auto buffer = std::make_shared<QByteArray>();
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
      buffer->append(socket->readAll());
      if (!buffer->contains("\r\n\r\n")) return;
      const QList<QByteArray> lines = buffer->left(buffer->indexOf("\r\n\r\n")).split('\n');
      const QByteArray path = lines.value(0).split(' ').value(1);
      QByteArray authorization;
      for (const QByteArray& line : lines)
        if (line.toLower().startsWith("authorization:")) authorization = line.mid(14).trimmed();
      buffer->clear();
      requests << path;
      authorizations << authorization;
      if (!authorization.isEmpty() && m_authorized.contains(path)) return Reply(socket, m_authorized[path]);
      Reply(socket, m_answers.value(path, Canned("404 Not Found", "not here")));
    });
  }

  void Reply(QTcpSocket* socket, const CannedAnswer& answer) {
    QByteArray head = "HTTP/1.1 " + answer.status + "\r\nConnection: close\r\n";
    if (answer.contentLength) head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    for (const QByteArray& header : answer.headers) head += header + "\r\n";
    socket->write(answer.raw.isEmpty() ? head + "\r\n" : answer.raw);
    if (answer.endless) return SendEndlessly(socket);
    // The body one piece per tick (all of it at once without pieces) while the client stays.
    const qsizetype piece = answer.pieceBytes > 0 ? answer.pieceBytes : answer.body.size();
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, sent, piece, body = answer.body] {
      if (socket->state() != QAbstractSocket::ConnectedState) return timer->stop();
      socket->write(body.mid(*sent, piece));
      *sent += piece;
      if (*sent < body.size()) return;
      timer->stop();
      socket->disconnectFromHost();
    });
    timer->start(answer.pieceDelayMs);
  }

  // Keeps a little data queued until the client goes away; never more than that in memory.
  static void SendEndlessly(QTcpSocket* socket) {
    const QByteArray chunk(64 * 1024, 'x');
    auto refill = [socket, chunk] {
      while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < 4 * chunk.size())
        socket->write(chunk);
    };
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, refill);
    refill();
  }

  QTcpServer m_server;
  QMap<QByteArray, CannedAnswer> m_answers;
  QMap<QByteArray, CannedAnswer> m_authorized;
};

// A test folder, a server and the message boxes, for the download window and the update command.
class UpdateServerTest : public TempFolderTest {
 protected:
  // Where the archive goes, and what it holds ("" when it is not there).
  QString Local() const { return QString::fromStdString(Path("kr.zip")); }
  QByteArray LocalBytes() const {
    QFile file(Local());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  TestHttpServer m_server;
  MessageRecorder m_messages;
};

}  // namespace krv::test
