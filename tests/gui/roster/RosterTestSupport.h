#pragma once
// What the team window tests share: a program with its own data folder, team windows over
// teams built in code, and a team of a whole season.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "teamwindow/qt/TeamFrame.h"
#include "app/qt/KrashballApp.h"
#include "teamwindow/qt/TeamDocument.h"
#include "app/qt/MainWindow.h"
#include "gui/TestServices.h"
#include "gui/teamwindow/PageTestSupport.h"
#include "model/Team.h"
#include "model/TeamFile.h"
#include "support/MessageRecorder.h"
#include "support/SampleTeams.h"
#include "support/TempFolder.h"

namespace krv::test {

// A document holding `team` as after "Neu" (modified, never saved), for a team window to own.
inline TeamDocument* NewDocumentWith(std::unique_ptr<CKRTeam> team) {
  auto doc = DocumentWith(std::move(team));
  EXPECT_TRUE(doc);
  return doc.release();
}

// Types the text key by key, umlauts included, as a coach would.
inline void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 128) QTest::keyClick(widget, c.toLatin1());
    else QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// A running program with its own data folder and message boxes answered by the test.
class ProgramTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ::setenv("KRV_DATEN", Path("Daten").c_str(), 1);
    m_app = std::make_unique<KrashballApp>(QString::fromStdString(m_dir.string()));
    m_app->m_Settings.m_bSound = 0;
    ServicesOverride() = m_app.get();
  }
  void TearDown() override {
    ServicesOverride() = nullptr;
    m_app.reset();
    ::unsetenv("KRV_DATEN");
    TempFolderTest::TearDown();
  }
  // The sample team under the name, saved to the file in the test's folder.
  QString WriteSampleTeam(const std::string& file, const std::string& teamName) const {
    auto team = MakeSampleTeam();
    team->m_strName = teamName;
    SaveTeamFile(*team, Path(file));
    return QString::fromStdString(Path(file));
  }
  static void ShowMain(MainWindow& main, QSize size = QSize(1100, 800)) {
    main.resize(size);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  }
  // Closes a team window without questions and lets it go.
  static void Discard(TeamFrame* frame) {
    frame->Document()->SetModifiedFlag(false);
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  std::unique_ptr<KrashballApp> m_app;
  MessageRecorder m_messages;
};

// A running program and a team's properties sheet, wired as the team window wires it.
class SheetTest : public ProgramTest {
 protected:
  void TearDown() override {
    m_sheet.reset();
    m_doc.reset();
    ProgramTest::TearDown();
  }
  void OpenSheet(std::unique_ptr<CKRTeam> team) {
    m_doc = DocumentWith(std::move(team));
    ASSERT_TRUE(m_doc);
    m_sheet = WiredSheet(m_doc.get());
  }
  CKRTeam& Team() { return m_doc->Team(); }

  std::unique_ptr<TeamDocument> m_doc;
  std::unique_ptr<TeamPages> m_sheet;
};

}  // namespace krv::test
