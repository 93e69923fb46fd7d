// The download window against a real HTTP server on 127.0.0.1 (started by the test): whole
// files with and without a length, refusals, a login, redirects, an aborted transfer. Every
// failure must leave no file behind and say why.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTimer>
#include <QPushButton>

#include "gui/CreationDialogDriver.h"
#include "gui/update/TestHttpServer.h"
#include "support/MessageRecorder.h"
#include "support/TempFolder.h"
#include "update/TransferTexts.h"
#include "update/qt/DownloadDialog.h"

namespace krv {
namespace {

using test::Canned;
using test::CannedAnswer;

QByteArray Body(int size) {
  QByteArray body;
  for (int i = 0; i < size; ++i) body += char('A' + i % 26);
  return body;
}

class DownloadDialogTest : public test::TempFolderTest {
 protected:
  void TearDown() override {
    DownloadDialog::SetAskCredentialsFunction(nullptr);
    TempFolderTest::TearDown();
  }
  int Run(const QString& path, DownloadDialog* dialog = nullptr) {
    DownloadDialog own;
    DownloadDialog& dlg = dialog ? *dialog : own;
    dlg.m_sURLToDownload = m_server.Url() + path;
    dlg.m_sFileToDownloadInto = Local();
    return dlg.exec();
  }
  QString Local() const { return QString::fromStdString(Path("kr.zip")); }
  QByteArray LocalBytes() const {
    QFile file(Local());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  test::TestHttpServer m_server;
  test::MessageRecorder m_messages;
};

// A file with and without Content-Length arrives whole; the caption shows the percentage
// only when the total is known. Catches a transfer that waits for a length that never comes.
TEST_F(DownloadDialogTest, DownloadsWithAndWithoutLength) {
  const QByteArray body = Body(5000);
  m_server.Answer("/kr.zip", Canned("200 OK", body));
  DownloadDialog withLength;
  EXPECT_EQ(Run("/kr.zip", &withLength), QDialog::Accepted);
  EXPECT_EQ(LocalBytes(), body);
  EXPECT_EQ(withLength.windowTitle(), "100% von kr.zip fertig");
  EXPECT_TRUE(withLength.ShownStatuses().contains("Empfange Datei"));

  CannedAnswer noLength = Canned("200 OK", body);
  noLength.contentLength = false;
  m_server.Answer("/ohne.zip", noLength);
  QFile::remove(Local());
  DownloadDialog withoutLength;
  EXPECT_EQ(Run("/ohne.zip", &withoutLength), QDialog::Accepted);
  EXPECT_EQ(LocalBytes(), body);
  EXPECT_EQ(withoutLength.windowTitle(), "Programm-Update");
  EXPECT_TRUE(m_messages.requests.empty());
}

// 404: text 2113 with the status, and no file (not even the error page as "kr.zip").
TEST_F(DownloadDialogTest, NotFoundLeavesNoFile) {
  EXPECT_EQ(Run("/fehlt.zip"), QDialog::Rejected);
  EXPECT_FALSE(QFile::exists(Local()));
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_EQ(m_messages.requests[0].text,
            QString::fromStdString(HttpStatusErrorText(404)) + "\nGrund: Die Datei gibt es auf dem Server nicht.");
}

// 401 without credentials: the login is asked for, declined, and the error page is never
// saved as the download. With credentials the request is repeated and the file arrives.
TEST_F(DownloadDialogTest, LoginRefusedOrGiven) {
  const CannedAnswer refused =
      Canned("401 Unauthorized", "<html>Zugang verweigert</html>", {"WWW-Authenticate: Basic realm=\"Krashball\""});
  m_server.Answer("/kr.zip", refused);
  m_server.AnswerAuthorized("/kr.zip", Canned("200 OK", Body(3000)));
  QStringList realms;
  DownloadDialog::SetAskCredentialsFunction([&](QWidget*, const QString& realm) -> std::optional<Credentials> {
    realms << realm;
    return std::nullopt;
  });
  EXPECT_EQ(Run("/kr.zip"), QDialog::Rejected);
  EXPECT_EQ(realms, QStringList({"Krashball"}));
  EXPECT_FALSE(QFile::exists(Local()));
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_TRUE(m_messages.requests[0].text.startsWith(QString::fromStdString(HttpStatusErrorText(401)) +
                                                     "\nGrund: Der Server verlangt eine Anmeldung"));

  DownloadDialog::SetAskCredentialsFunction([](QWidget*, const QString&) -> std::optional<Credentials> {
    return Credentials{"trainer", "geheim"};
  });
  EXPECT_EQ(Run("/kr.zip"), QDialog::Accepted);
  EXPECT_EQ(LocalBytes(), Body(3000));
  EXPECT_EQ(m_server.authorizations.last(), "Basic " + QByteArray("trainer:geheim").toBase64());
}

// A redirect is followed and shown with text 2107; the redirect's own body never reaches the
// file. A redirect loop is given up with the status and no file.
TEST_F(DownloadDialogTest, Redirects) {
  m_server.Answer("/kr.ver", Canned("302 Found", "moved", {"Location: /neu/kr.ver"}));
  m_server.Answer("/neu/kr.ver", Canned("200 OK", "1.6.5,1.7.0"));
  DownloadDialog dialog;
  EXPECT_EQ(Run("/kr.ver", &dialog), QDialog::Accepted);
  EXPECT_EQ(LocalBytes(), "1.6.5,1.7.0");
  EXPECT_TRUE(dialog.ShownStatuses().contains("Redirecting to " + m_server.Url() + "/neu/kr.ver"));

  m_server.Answer("/kreis", Canned("301 Moved Permanently", "", {"Location: /kreis"}));
  QFile::remove(Local());
  EXPECT_EQ(Run("/kreis"), QDialog::Rejected);
  EXPECT_FALSE(QFile::exists(Local()));
  EXPECT_TRUE(m_messages.Texts().last().startsWith(QString::fromStdString(HttpStatusErrorText(301)) + "\nGrund: "));
  EXPECT_LE(m_server.requests.count("/kreis"), 6);
}

// "Abbruch" during a slow transfer stops it, shows "Transfer abgebrochen" and deletes the
// partial file; no error box follows.
TEST_F(DownloadDialogTest, AbortDeletesPartialFile) {
  CannedAnswer slow = Canned("200 OK", Body(200 * 1024));
  slow.pieceBytes = 1024;
  slow.pieceDelayMs = 10;
  m_server.Answer("/kr.zip", slow);
  DownloadDialog dialog;
  bool sawPartialFile = false;
  test::WhenModal<DownloadDialog>([&](DownloadDialog* shown) {
    auto* poll = new QTimer(shown);
    QObject::connect(poll, &QTimer::timeout, shown, [&, shown, poll] {
      if (QFileInfo(Local()).size() < 4096) return;
      poll->stop();
      sawPartialFile = true;
      shown->findChild<QPushButton*>("abbruch")->click();
    });
    poll->start(5);
  });
  EXPECT_EQ(Run("/kr.zip", &dialog), QDialog::Rejected);
  EXPECT_TRUE(sawPartialFile);
  EXPECT_FALSE(QFile::exists(Local()));
  EXPECT_EQ(dialog.ShownStatuses().last(), "Transfer abgebrochen");
  EXPECT_TRUE(m_messages.requests.empty());
}

// No HTTP answer at all (text 2112) and no server at all (2111): each says so and leaves no
// file; an existing local file is kept when the coach does not want it replaced.
TEST_F(DownloadDialogTest, BrokenServersAndExistingFile) {
  CannedAnswer garbage;
  garbage.raw = "SPAM SPAM SPAM\r\n\r\nnot http";
  m_server.Answer("/kr.zip", garbage);
  EXPECT_EQ(Run("/kr.zip"), QDialog::Rejected);
  EXPECT_FALSE(QFile::exists(Local()));
  EXPECT_EQ(m_messages.Texts().value(0),
            "Failed to receive a valid response from the server\nGrund: Der Server hat "
            "die Verbindung vorzeitig beendet.");

  DownloadDialog closed;
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  const quint16 unusedPort = probe.serverPort();
  probe.close();
  closed.m_sURLToDownload = QStringLiteral("127.0.0.1:%1/kr.zip").arg(unusedPort);  // "http://" is assumed
  closed.m_sFileToDownloadInto = Local();
  EXPECT_EQ(closed.exec(), QDialog::Rejected);
  EXPECT_FALSE(QFile::exists(Local()));
  EXPECT_TRUE(m_messages.Texts().value(1).startsWith("Verbindung zum Server konnte nicht hergestellt werden: Error:"));
  EXPECT_TRUE(m_messages.Texts().value(1).endsWith("\nGrund: Der Server nimmt keine Verbindung an."));

  {
    QFile keep(Local());
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.write("alt");
  }
  m_server.Answer("/neu.zip", Canned("200 OK", "neu"));
  m_messages.answers = {1};  // "&Nein"
  EXPECT_EQ(Run("/neu.zip"), QDialog::Rejected);
  EXPECT_EQ(m_messages.Texts().value(2), QString::fromStdString(FileExistsQuestion(Local().toStdString())));
  EXPECT_EQ(LocalBytes(), "alt");
}

// The resident set of this process in KB.
long ResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return 0;
}

// A hostile or broken server: an answer announcing more than the limit is refused before a
// byte is written; an endless answer (it once wrote 2.4 GB while the program grew to 4.66 GB)
// is stopped at the limit with memory to spare; a redirect to another host is not followed.
// Each says why and leaves no file.
TEST_F(DownloadDialogTest, HostileServersAreStopped) {
  constexpr qint64 kLimit = 8 << 20;
  m_server.Answer("/gross.zip", Canned("200 OK", Body(kLimit + 1)));
  DownloadDialog huge;
  huge.m_nMaxBytes = kLimit;
  EXPECT_EQ(Run("/gross.zip", &huge), QDialog::Rejected);
  EXPECT_FALSE(QFile::exists(Local()));
  EXPECT_TRUE(
      m_messages.Texts().value(0).startsWith("Die Datei \"gross.zip\" ist größer als 8.00 MB und wird nicht "
                                             "geladen"))
      << m_messages.Texts().value(0).toStdString();

  CannedAnswer endless;
  endless.endless = true;
  endless.contentLength = false;
  m_server.Answer("/endlos.zip", endless);
  DownloadDialog stopped;
  stopped.m_nMaxBytes = kLimit;
  [[maybe_unused]] const long before = ResidentKb();
  EXPECT_EQ(Run("/endlos.zip", &stopped), QDialog::Rejected);
#ifndef __SANITIZE_ADDRESS__
  // AddressSanitizer keeps freed blocks in quarantine, so there the resident size says nothing.
  EXPECT_LT(ResidentKb() - before, kLimit / 1024) << "the answer was held in memory";
#endif
  EXPECT_FALSE(QFile::exists(Local()));
  EXPECT_TRUE(m_messages.Texts().value(1).startsWith("Die Datei \"endlos.zip\" ist größer als 8.00 MB"));

  // "localhost" is the same machine but not the host the coach entered (127.0.0.1).
  const QByteArray elsewhere = "http://localhost:" + m_server.Url().section(':', -1).toUtf8() + "/kr.ver";
  m_server.Answer("/kr.ver", Canned("302 Found", "", {"Location: " + elsewhere}));
  EXPECT_EQ(Run("/kr.ver"), QDialog::Rejected);
  EXPECT_FALSE(QFile::exists(Local()));
  EXPECT_EQ(m_server.requests.count("/kr.ver"), 1);
  EXPECT_TRUE(m_messages.Texts().value(2).contains("zu einem anderen Server wird nicht gefolgt"));
}

}  // namespace
}  // namespace krv
