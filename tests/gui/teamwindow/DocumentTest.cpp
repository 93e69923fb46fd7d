// The team document and the main window: saving, the save questions, opening, the window
// commands. The creation dialogs are replaced by a team built in code unless said otherwise.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QCoreApplication>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "teamwindow/qt/TeamFrame.h"
#include "app/qt/ColourNotice.h"
#include "app/qt/KrashballApp.h"
#include "teamwindow/qt/TeamDocument.h"
#include "app/qt/MainWindow.h"
#include "app/qt/RecentFiles.h"
#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "gui/CreationDialogDriver.h"
#include "gui/NewTeamDriver.h"
#include "gui/roster/RosterTestSupport.h"
#include "support/MessageRecorder.h"
#include "support/SampleTeams.h"
#include "ui/AppSettings.h"
#include "ui/FileNames.h"

namespace krv {
namespace {

namespace fs = std::filesystem;
using test::WhenModal;

class DocumentTest : public test::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    // The sample team's opponent is known, so opening its window asks nothing.
    m_app->m_Settings.m_Teamliste.m_Items = {"Zwergenstürmer"};
    TeamDocument::SetCreateTeamFunction([this](QWidget*, int32_t) {
      auto team = test::MakeSampleTeam();
      team->m_strName = "Neu" + std::to_string(++m_created);
      return team;
    });
    TeamDocument::SetAskSavePathFunction([this](QWidget*, const QString& proposed) {
      m_proposed << proposed;
      return m_savePaths.isEmpty() ? QString() : m_savePaths.takeFirst();
    });
  }
  void TearDown() override {
    TeamDocument::SetCreateTeamFunction(nullptr);
    TeamDocument::SetAskSavePathFunction(nullptr);
    ProgramTest::TearDown();
  }

  QStringList m_savePaths;  // answers of the save requester, in order
  QStringList m_proposed;   // what it was asked with
  int m_created = 0;
};

// A new team proposes data folder + name + ".krt", is modified and titled with " *";
// "Speichern unter" to a name without extension writes "<name>.krt".
TEST_F(DocumentTest, NewTeamAndSaveAsAppendsExtension) {
  TeamDocument doc(*m_app);
  ASSERT_TRUE(doc.OnNewDocument(nullptr));
  EXPECT_TRUE(doc.m_bNeu);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.Title(), "Neu1.krt *");
  EXPECT_EQ(doc.PathName(), QString::fromStdString(Path("Daten/Neu1.krt")));

  m_savePaths << QString::fromStdString(Path("anders"));
  ASSERT_TRUE(doc.Save(nullptr));  // the file does not exist yet: the requester is asked
  EXPECT_EQ(m_proposed, QStringList{QString::fromStdString(Path("Daten/Neu1.krt"))});
  EXPECT_TRUE(fs::exists(Path("anders.krt")));
  EXPECT_EQ(doc.Title(), "anders.krt");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(doc.m_bNeu);  // stays a new team for "Alle speichern"

  doc.Team().m_strTrainer = "Neuer Trainer";
  doc.Team().SetTeamModified();
  ASSERT_TRUE(doc.Save(nullptr));  // now the file exists: no requester
  EXPECT_EQ(m_proposed.size(), 1);
  EXPECT_EQ(LoadTeamFile(Path("anders.krt"))->m_strTrainer, "Neuer Trainer");
}

// Answering No to the overwrite question writes nothing and keeps path and modified state.
// Also catches "Speichern unter" with a name typed without extension replacing "<name>.krt"
// unasked: the question names the file with the extension that would be replaced.
TEST_F(DocumentTest, OverwriteRefusedLeavesFile) {
  const QString existing = WriteSampleTeam("alt.krt", "Alte Garde");
  const std::string before = ReadWholeFile(existing.toStdString());
  for (const char* typed : {"alt.krt", "alt"}) {
    SCOPED_TRACE(typed);
    m_messages.requests.clear();
    TeamDocument doc(*m_app);
    ASSERT_TRUE(doc.OnNewDocument(nullptr));
    const QString proposed = doc.PathName();
    m_savePaths << QString::fromStdString(Path(typed));
    m_messages.answers = {1};  // "&Nein"
    EXPECT_FALSE(doc.DoSave(nullptr, QString(), true));
    ASSERT_EQ(m_messages.requests.size(), 1u);
    EXPECT_EQ(m_messages.requests[0].text, existing + "\nDiese Datei ist bereits vorhanden.\nDatei überschrieben?");
    EXPECT_EQ(ReadWholeFile(existing.toStdString()), before);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.PathName(), proposed);
  }
}

// Catches a new team's first "S&peichern" replacing last season's file of the same name
// without a word: it goes through the requester and the overwrite question; "&Nein"
// leaves the old file. Once saved, the next "S&peichern" writes without asking.
TEST_F(DocumentTest, NewTeamDoesNotReplaceFileOfSameName) {
  fs::create_directories(Path("Daten"));
  const QString existing = WriteSampleTeam("Daten/Neu1.krt", "Vorige Saison");
  const std::string before = ReadWholeFile(existing.toStdString());
  TeamDocument doc(*m_app);
  ASSERT_TRUE(doc.OnNewDocument(nullptr));
  ASSERT_EQ(doc.PathName(), existing);
  m_savePaths << existing;
  m_messages.answers = {1};  // "&Nein"
  EXPECT_FALSE(doc.Save(nullptr));
  EXPECT_EQ(m_proposed.size(), 1);
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_TRUE(m_messages.requests[0].text.endsWith("Diese Datei ist bereits vorhanden.\nDatei überschrieben?"));
  EXPECT_EQ(ReadWholeFile(existing.toStdString()), before);

  m_savePaths << existing;
  m_messages.answers = {0};  // "&Ja"
  EXPECT_TRUE(doc.Save(nullptr));
  EXPECT_EQ(LoadTeamFile(existing.toStdString())->m_strName, "Neu1");
  doc.Team().SetTeamModified();
  EXPECT_TRUE(doc.Save(nullptr));
  EXPECT_EQ(m_proposed.size(), 2);  // its own file now: no requester
}

// A save that fails says so, leaves the old file as it was and keeps the team modified.
// (Which failures there are and their texts, the file-size limit included: FileIO.)
TEST_F(DocumentTest, FailedSaveKeepsOldFile) {
  const QString path = WriteSampleTeam("team.krt", "Fest");
  const std::string before = ReadWholeFile(path.toStdString());
  TeamDocument doc(*m_app);
  QString error;
  ASSERT_TRUE(doc.OnOpenDocument(path, &error));
  doc.Team().m_strName = "Geändert";
  doc.Team().SetTeamModified();
  if (::geteuid() != 0) {
    fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(doc.Save(nullptr));
    fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::add);
  } else {
    // Root writes into any folder; a folder standing where the file goes fails the same way.
    fs::create_directory(Path("ordner.krt"));
    EXPECT_FALSE(doc.DoSave(nullptr, QString::fromStdString(Path("ordner.krt")), true));
  }
  ASSERT_FALSE(m_messages.requests.empty());
  EXPECT_EQ(m_messages.requests.back().kind, BoxKind::Error);
  EXPECT_TRUE(m_messages.requests.back().text.contains("Kann nicht gespeichert werden"));
  EXPECT_EQ(ReadWholeFile(path.toStdString()), before);
  EXPECT_TRUE(doc.IsModified());
}

// Bad input never hangs or ends the program: a pipe (open() blocked forever) is refused with
// the reader's message (the other refusals: FileIO). A name that is not UTF-8 opens and saves
// under its own bytes.
TEST_F(DocumentTest, OpenRefusesPipesAndDevicesAndKeepsOddNames) {
  ASSERT_EQ(::mkfifo(Path("pipe.krt").c_str(), 0644), 0);
  TeamDocument doc(*m_app);
  QString error;
  EXPECT_FALSE(doc.OnOpenDocument(QString::fromStdString(Path("pipe.krt")), &error));
  EXPECT_TRUE(error.contains("Pipe, keine gewöhnliche Datei")) << error.toStdString();

  const std::string latin1 = Path("Orks-\xe4.krt");
  fs::copy_file(WriteSampleTeam("orks.krt", "Orks").toStdString(), latin1);
  const QString shown = FileNameFromBytes(latin1);
  ASSERT_TRUE(doc.OnOpenDocument(shown, &error)) << error.toStdString();
  EXPECT_EQ(doc.Team().m_strName, "Orks");
  doc.Team().m_strName = "Orks neu";
  doc.Team().SetTeamModified();
  ASSERT_TRUE(doc.Save(nullptr));
  EXPECT_TRUE(m_proposed.isEmpty());  // the file was found: no requester
  EXPECT_EQ(LoadTeamFile(latin1)->m_strName, "Orks neu");
}

// A read-only file was overwritten; now its "S&peichern" leads to "Speichern unter" and the
// file stays. (Links and permission bits kept by every save: FileIO.)
TEST_F(DocumentTest, ReadOnlyFileLeadsToSaveAs) {
  const QString readOnly = WriteSampleTeam("fest.krt", "Fest");
  const std::string before = ReadWholeFile(readOnly.toStdString());
  fs::permissions(readOnly.toStdString(), fs::perms::owner_read);
  TeamDocument doc(*m_app);
  QString error;
  ASSERT_TRUE(doc.OnOpenDocument(readOnly, &error));
  doc.Team().SetTeamModified();
  EXPECT_FALSE(doc.Save(nullptr));  // the requester is cancelled
  EXPECT_EQ(m_proposed, QStringList{readOnly});
  EXPECT_EQ(ReadWholeFile(readOnly.toStdString()), before);
  EXPECT_TRUE(doc.IsModified());
}

// A damaged file gives a message naming it and no window.
TEST_F(DocumentTest, DamagedFileOpensNoWindow) {
  std::ofstream(Path("kaputt.krt")) << "\x04\0\0\0 kaputt";
  MainWindow frame(m_app.get());
  EXPECT_EQ(frame.OpenDocumentFile(QString::fromStdString(Path("kaputt.krt"))), nullptr);
  EXPECT_TRUE(frame.TeamWindows().isEmpty());
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_TRUE(m_messages.requests[0].text.contains("kaputt.krt"));
  EXPECT_TRUE(m_messages.requests[0].text.contains("Keine gültige Team-Datei"));
}

// Opening, then saving, gives the same file; opening it twice only brings its window forward.
TEST_F(DocumentTest, OpenShowsTeamAndSavesSameBytes) {
  const QString path = WriteSampleTeam("orks.krt", "Grünhaut Gröhler");
  MainWindow frame(m_app.get());
  TeamFrame* child = frame.OpenDocumentFile(path);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->windowTitle(), "orks.krt");
  EXPECT_EQ(frame.OpenDocumentFile(path), child);
  EXPECT_EQ(frame.TeamWindows().size(), 1);
  EXPECT_TRUE(frame.windowTitle().endsWith("orks.krt"));

  auto reference = LoadTeamFile(path.toStdString());
  reference->Recalculate();
  ASSERT_TRUE(child->Document()->Save(&frame));
  EXPECT_EQ(ReadWholeFile(path.toStdString()), SerializeTeam(*reference));

  // "S&peichern" is offered only while there is something to save.
  EXPECT_FALSE(frame.Action("save")->isEnabled());
  child->Document()->Team().SetTeamModified();
  EXPECT_TRUE(frame.Action("save")->isEnabled());
}

// A coach's first evening: a team created through the real dialogs is titled with " *" and
// shows its computed figures; saved (asked, ".krt" appended), closed without a question and
// opened again, it is the same team to the byte.
TEST_F(DocumentTest, CreatedThroughTheDialogsSavedAndReopened) {
  TeamDocument::SetCreateTeamFunction(nullptr);
  MainWindow frame(m_app.get());
  test::CreateMenschenTeam();
  TeamFrame* created = frame.OnFileNew();
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->windowTitle(), "Altdorfer Greifen.krt *");
  EXPECT_EQ(created->Document()->Team().m_strTeamwert, "100");  // computed at first display
  m_savePaths << QString::fromStdString(Path("Greifen"));
  ASSERT_TRUE(created->Document()->Save(&frame));
  const std::string saved = ReadWholeFile(Path("Greifen.krt"));
  ASSERT_TRUE(created->close());  // unmodified: no question
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(frame.TeamWindows().isEmpty());

  TeamFrame* reopened = frame.OpenDocumentFile(QString::fromStdString(Path("Greifen.krt")));
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(reopened->Document()->Team().m_Spieler.size(), 15u);
  EXPECT_EQ(SerializeTeam(reopened->Document()->Team()), saved);
  EXPECT_TRUE(m_messages.requests.empty()) << m_messages.Texts().join("|").toStdString();
}

// "Alle speichern": an opened unmodified team is written again without a question, a new
// team asks for its file name.
TEST_F(DocumentTest, SaveAll) {
  const QString path = WriteSampleTeam("offen.krt", "Offen");
  fs::last_write_time(path.toStdString(), fs::file_time_type::clock::now() - std::chrono::hours(1));
  const auto before = fs::last_write_time(path.toStdString());
  MainWindow frame(m_app.get());
  ASSERT_NE(frame.OpenDocumentFile(path), nullptr);
  ASSERT_NE(frame.OnFileNew(), nullptr);
  m_savePaths << QString::fromStdString(Path("neu.krt"));
  frame.OnSaveAll();
  EXPECT_TRUE(m_messages.requests.empty());
  EXPECT_GT(fs::last_write_time(path.toStdString()), before);
  EXPECT_EQ(m_proposed.size(), 1);
  EXPECT_TRUE(fs::exists(Path("neu.krt")));
}

// "Alle schliessen" asks for each modified team; cancelling stops with both windows open.
// The window commands for all windows are greyed while only one team is open.
TEST_F(DocumentTest, CloseAllStopsOnCancel) {
  MainWindow frame(m_app.get());
  ASSERT_NE(frame.OnFileNew(), nullptr);
  EXPECT_FALSE(frame.Action("closeAll")->isEnabled());
  EXPECT_FALSE(frame.Action("minimizeAll")->isEnabled());
  EXPECT_TRUE(frame.Action("minimize")->isEnabled());
  ASSERT_NE(frame.OnFileNew(), nullptr);
  EXPECT_TRUE(frame.Action("closeAll")->isEnabled());

  m_messages.answers = {2};  // "Abbrechen"
  frame.OnCloseAll();
  EXPECT_EQ(frame.TeamWindows().size(), 2);
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_TRUE(m_messages.requests[0].text.startsWith("Änderungen an „Neu2.krt“ speichern?"));

  m_messages.answers = {1, 1};  // "&Nein" for both: close without saving
  frame.OnCloseAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(frame.TeamWindows().isEmpty());
  EXPECT_FALSE(fs::exists(Path("Daten/Neu1.krt")));
}

// The recent-file list keeps the ten files opened last, newest first, without repeats. A new
// team's proposed path was listed before anything was written there, and an entry that
// failed to open stayed; a name that is not UTF-8 was stored with U+FFFD and never opened
// again. Now a path is added when a file was written or read, and one that fails to open is
// removed, with the error message.
TEST_F(DocumentTest, RecentFiles) {
  MainWindow frame(m_app.get());
  for (int i = 0; i < 12; ++i) frame.OpenDocumentFile(WriteSampleTeam("t" + std::to_string(i) + ".krt", "T"));
  frame.OpenDocumentFile(QString::fromStdString(Path("t5.krt")));  // already open: only its window comes forward
  QSettings settings = AppSettings();
  EXPECT_TRUE(settings.value("Recent File List/File1").toString().endsWith("t11.krt"));
  EXPECT_TRUE(settings.value("Recent File List/File10").toString().endsWith("t2.krt"));
  EXPECT_FALSE(settings.contains("Recent File List/File11"));

  TeamFrame* created = frame.OnFileNew();
  EXPECT_FALSE(RecentFiles().contains(created->Document()->PathName()));
  m_savePaths << QString::fromStdString(Path("neu.krt"));
  ASSERT_TRUE(created->Document()->Save(nullptr));
  EXPECT_EQ(RecentFiles().value(0), QString::fromStdString(Path("neu.krt")));

  const QString latin1 = FileNameFromBytes(Path("Orks-\xe4.krt"));
  auto team = test::MakeSampleTeam();
  SaveTeamFile(*team, FileNameBytes(latin1));
  ASSERT_TRUE(frame.OpenDocumentFile(latin1));
  EXPECT_EQ(FileNameBytes(RecentFiles().value(0)), Path("Orks-\xe4.krt"));

  AddRecentFile(QString::fromStdString(Path("weg.krt")));  // listed once, deleted since
  ASSERT_TRUE(RecentFiles().contains(QString::fromStdString(Path("weg.krt"))));
  test::MessageRecorder messages;
  EXPECT_EQ(frame.OpenDocumentFile(QString::fromStdString(Path("weg.krt"))), nullptr);
  ASSERT_EQ(messages.requests.size(), 1u);
  EXPECT_TRUE(messages.requests[0].text.contains("weg.krt“: Kann nicht geöffnet werden."))
      << messages.Texts()[0].toStdString();
  EXPECT_FALSE(RecentFiles().contains(QString::fromStdString(Path("weg.krt"))));
  EXPECT_EQ(RecentFiles().size(), kRecentFiles - 1);
}

// The colour notice: shown at 256 colours or fewer with their number, never again once ticked.
TEST_F(DocumentTest, ColourNotice) {
  EXPECT_EQ(ColourCount(32), 1LL << 30);
  EXPECT_FALSE(ShowColourNotice(nullptr, *m_app, 24));
  WhenModal<QDialog>([](QDialog* notice) {
    EXPECT_EQ(notice->windowTitle(), "Nur 256 Farben :-((");
    EXPECT_NE(notice->findChild<QLabel*>()->text().indexOf("nur 16 Farben"), -1);
    notice->findChild<QCheckBox*>("dontShow")->setChecked(true);
    notice->accept();
  });
  EXPECT_TRUE(ShowColourNotice(nullptr, *m_app, 4));
  EXPECT_EQ(m_app->m_Settings.m_bKeine256Warnung, 1);
  EXPECT_TRUE(m_app->SettingsChangedSinceLoad());
  EXPECT_FALSE(ShowColourNotice(nullptr, *m_app, 4));
}

// KRV.DAT: read at start from the data folder, written at exit only after a change (its
// layouts and a damaged file are checked in KrvDat). A KRV.DAT that cannot be written lost the
// session's settings without a word; now the reason comes back (for the box at exit) and
// the old file stays.
TEST_F(DocumentTest, SettingsWrittenOnlyWhenChanged) {
  fs::create_directories(Path("Daten"));
  m_app->LoadSettings();
  EXPECT_EQ(m_app->m_Settings.m_nStartkapital, 1000000);
  m_app->SaveSettingsIfChanged();
  EXPECT_FALSE(fs::exists(Path("Daten/KRV.DAT")));
  m_app->m_Settings.m_nStartkapital = 900000;
  m_app->SetSettingsChanged();
  m_app->SaveSettingsIfChanged();
  KrashballApp again(QString::fromStdString(m_dir.string()));
  again.LoadSettings();
  EXPECT_EQ(again.m_Settings.m_nStartkapital, 900000);

  const std::string before = ReadWholeFile(Path("Daten/KRV.DAT"));
  fs::permissions(Path("Daten/KRV.DAT"), fs::perms::owner_read);
  m_app->m_Settings.m_nStartkapital = 800000;
  const QString problem = m_app->SaveSettingsIfChanged();
  EXPECT_TRUE(problem.contains("KRV.DAT“: Kann nicht gespeichert werden. Die Datei ist schreibgeschützt."))
      << problem.toStdString();
  EXPECT_TRUE(problem.contains("konnten nicht gespeichert werden")) << problem.toStdString();
  EXPECT_EQ(ReadWholeFile(Path("Daten/KRV.DAT")), before);
}

}  // namespace
}  // namespace krv
