// "Test auf neue Version..." from start to end against a local update server: the offers of
// the version file, the question, the downloaded archive and the messages.

#include <gtest/gtest.h>

#include <QFile>

#include "gui/update/TestHttpServer.h"
#include "support/MessageRecorder.h"
#include "support/TempFolder.h"
#include "ui/ProgramServices.h"
#include "update/qt/UpdateCommand.h"

namespace krv {
namespace {

using test::Canned;

class UpdateCommandTest : public test::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ::setenv("KRV_UPDATE_SERVER", m_server.Url().toUtf8().constData(), 1);
    m_services = std::make_unique<ProgramServices>(QString::fromStdString(m_dir.string()));
  }
  void TearDown() override {
    ::unsetenv("KRV_UPDATE_SERVER");
    m_services.reset();
    TempFolderTest::TearDown();
  }
  QByteArray Archive() const {
    QFile file(QString::fromStdString(Path("kr.zip")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  test::TestHttpServer m_server;
  test::MessageRecorder m_messages;
  std::unique_ptr<ProgramServices> m_services;
};

// 1.6.5,1.7.0 offers 1.7.0 and fetches the update archive "krup.zip" into the program's
// folder as "kr.zip"; the message names that path. Catches the wrong archive, or a success
// message for a file that is not there.
TEST_F(UpdateCommandTest, OffersAndDownloadsUpdateArchive) {
  m_server.Answer("/kr.ver", Canned("200 OK", "1.6.5,1.7.0\n"));
  m_server.Answer("/krup.zip", Canned("200 OK", "update archive"));
  m_server.Answer("/kr.zip", Canned("200 OK", "full setup"));
  OnCheckForUpdate(nullptr, *m_services);
  ASSERT_EQ(m_messages.requests.size(), 2u);
  EXPECT_EQ(m_messages.requests[0].kind, BoxKind::Question);
  EXPECT_EQ(m_messages.requests[0].text, "Die Version 1.7.0 ist erschienen.\nWollen Sie sie downloaden?");
  EXPECT_EQ(m_messages.requests[1].text,
            "Das neue Setup wurde als\n" + QString::fromStdString(Path("kr.zip")) +
                "\nabgelegt.\n\nBitte beenden Sie erst diese Programm bevor Sie\ndas Setup starten.");
  EXPECT_EQ(Archive(), "update archive");
  EXPECT_EQ(m_server.requests, QList<QByteArray>({"/kr.ver", "/krup.zip"}));

  // 1.7.0,1.6.5: the full setup; "Nein" downloads nothing.
  QFile::remove(QString::fromStdString(Path("kr.zip")));
  m_server.Answer("/kr.ver", Canned("200 OK", "1.7.0,1.6.5"));
  m_messages.requests.clear();
  m_messages.answers = {1};
  OnCheckForUpdate(nullptr, *m_services);
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("kr.zip"))));
  m_messages.requests.clear();
  OnCheckForUpdate(nullptr, *m_services);
  EXPECT_EQ(Archive(), "full setup");
}

// Nothing newer, a failed version download, an unusable and no server address: one clear message each
// (the failed download's from its window), no question, no archive.
TEST_F(UpdateCommandTest, NothingToOffer) {
  m_server.Answer("/kr.ver", Canned("200 OK", "1.6.0,1.6.0"));
  OnCheckForUpdate(nullptr, *m_services);
  EXPECT_EQ(m_messages.Texts(), QStringList({"Es ist keine neuere Version verfügbar."}));

  m_server.Answer("/kr.ver", Canned("500 Internal Server Error", "kaputt"));
  m_messages.requests.clear();
  OnCheckForUpdate(nullptr, *m_services);
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_TRUE(m_messages.requests[0].text.startsWith("Failed to receive a valid HTTP response from the server"));

  ::setenv("KRV_UPDATE_SERVER", "ftp://127.0.0.1/", 1);
  m_messages.requests.clear();
  OnCheckForUpdate(nullptr, *m_services);
  EXPECT_EQ(m_messages.Texts(),
            QStringList(
                {QString::fromUtf8("Die Adresse des Update-Servers \"ftp://127.0.0.1/\" ist keine gültige http- oder "
                                   "https-Adresse.\nBitte korrigieren Sie sie unter Ansicht - Einstellungen... auf der "
                                   "Seite \"Verschiedenes\".")}));

  ::unsetenv("KRV_UPDATE_SERVER");
  m_messages.requests.clear();
  OnCheckForUpdate(nullptr, *m_services);
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_TRUE(m_messages.requests[0].text.startsWith("Es ist kein Update-Server eingetragen."));
  EXPECT_EQ(m_server.requests.size(), 2);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("kr.zip"))));
}

// A version file without a version (an error page served with status 200) was taken for
// "nothing newer"; an endless one was written whole into the program folder. The first is
// now a failed check that says so, the second is stopped at a few KB and removed.
TEST_F(UpdateCommandTest, UnusableVersionFiles) {
  m_server.Answer("/kr.ver", Canned("200 OK", "<html><body>Willkommen!</body></html>"));
  OnCheckForUpdate(nullptr, *m_services);
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_EQ(m_messages.requests[0].kind, BoxKind::Error);
  EXPECT_TRUE(
      m_messages.requests[0].text.startsWith("Die Versionsdatei \"kr.ver\" des Update-Servers konnte nicht "
                                             "gelesen werden"));

  test::CannedAnswer endless;
  endless.endless = true;
  endless.contentLength = false;
  m_server.Answer("/kr.ver", endless);
  m_messages.requests.clear();
  OnCheckForUpdate(nullptr, *m_services);
  EXPECT_TRUE(
      m_messages.Texts().value(0).startsWith("Die Datei \"kr.ver\" ist größer als 4.0 KB und wird nicht geladen"))
      << m_messages.Texts().value(0).toStdString();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("kr.ver"))));
  EXPECT_EQ(m_server.requests.count("/kr.zip") + m_server.requests.count("/krup.zip"), 0);
}

}  // namespace
}  // namespace krv
