// "Test auf neue Version..." from start to end against a local update server: the offers of
// the version file, the question, the downloaded archive and the messages.

#include <gtest/gtest.h>

#include "gui/update/TestHttpServer.h"
#include "ui/ProgramServices.h"
#include "update/qt/UpdateCommand.h"

namespace krv {
namespace {

using test::Canned;

class UpdateCommandTest : public test::UpdateServerTest {
 protected:
  void SetUp() override {
    UpdateServerTest::SetUp();
    ::setenv("KRV_UPDATE_SERVER", m_server.Url().toUtf8().constData(), 1);
    m_services = std::make_unique<ProgramServices>(QString::fromStdString(m_dir.string()));
  }
  void TearDown() override {
    ::unsetenv("KRV_UPDATE_SERVER");
    m_services.reset();
    UpdateServerTest::TearDown();
  }

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
            "Das neue Setup wurde als\n" + Local() +
                "\nabgelegt.\n\nBitte beenden Sie erst diese Programm bevor Sie\ndas Setup starten.");
  EXPECT_EQ(LocalBytes(), "update archive");
  EXPECT_EQ(m_server.requests, QList<QByteArray>({"/kr.ver", "/krup.zip"}));

  // 1.7.0,1.6.5: the full setup; "Nein" downloads nothing.
  QFile::remove(Local());
  m_server.Answer("/kr.ver", Canned("200 OK", "1.7.0,1.6.5"));
  m_messages.requests.clear();
  m_messages.answers = {1};
  OnCheckForUpdate(nullptr, *m_services);
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_FALSE(QFile::exists(Local()));
  m_messages.requests.clear();
  OnCheckForUpdate(nullptr, *m_services);
  EXPECT_EQ(LocalBytes(), "full setup");
}

// Each row is one clear message, no question, no archive and no version file left behind.
// Rows: nothing newer; a version file without a version (an error page served with status
// 200, once taken for "nothing newer"); an endless one (once written whole into the program
// folder), stopped at a few KB, with the message from the download window (its other
// failures: DownloadDialogTest.FailuresLeaveNoFileAndSayWhy); an unusable server address;
// none at all.
TEST_F(UpdateCommandTest, NothingToOffer) {
  test::CannedAnswer endless;
  endless.endless = true;
  endless.contentLength = false;
  const QByteArray server = m_server.Url().toUtf8();
  const struct {
    const char* server;
    test::CannedAnswer version;
    QString says;
  } cases[] = {
      {server, Canned("200 OK", "1.6.0,1.6.0"), "Es ist keine neuere Version verfügbar."},
      {server, Canned("200 OK", "<html><body>Willkommen!</body></html>"),
       "Die Versionsdatei \"kr.ver\" des Update-Servers konnte nicht gelesen werden"},
      {server, endless, "Die Datei \"kr.ver\" ist größer als 4.0 KB und wird nicht geladen"},
      {"ftp://127.0.0.1/",
       {},
       "Die Adresse des Update-Servers \"ftp://127.0.0.1/\" ist keine gültige http- oder https-Adresse.\nBitte "
       "korrigieren Sie sie unter Ansicht - Einstellungen... auf der Seite \"Verschiedenes\"."},
      {nullptr, {}, "Es ist kein Update-Server eingetragen."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says.toStdString());
    if (c.server) ::setenv("KRV_UPDATE_SERVER", c.server, 1);
    else ::unsetenv("KRV_UPDATE_SERVER");
    m_server.Answer("/kr.ver", c.version);
    m_messages.requests.clear();
    OnCheckForUpdate(nullptr, *m_services);
    ASSERT_EQ(m_messages.requests.size(), 1u);
    EXPECT_TRUE(m_messages.requests[0].text.startsWith(c.says)) << m_messages.requests[0].text.toStdString();
  }
  EXPECT_EQ(m_server.requests.size(), 3);
  EXPECT_EQ(m_server.requests.count("/kr.zip") + m_server.requests.count("/krup.zip"), 0);
  EXPECT_FALSE(QFile::exists(Local()));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("kr.ver"))));
}

}  // namespace
}  // namespace krv
