// The team document and the main window: saving, the save questions, opening, the window
// commands, "krashball --neues-team". The creation dialogs are replaced by a team built in
// code unless said otherwise.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QCoreApplication>
#include <QFileInfo>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "app/qt/ColourNotice.h"
#include "app/qt/RecentFiles.h"
#include "model/FileIO.h"
#include "gui/NewTeamDriver.h"
#include "gui/roster/RosterTestSupport.h"
#include "app/qt/StartOptions.h"
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

// Answering "&Nein" to the overwrite question writes nothing and keeps path and modified
// state; "&Ja" writes. Rows: a new team's proposed file, last season's team of the same name
// (a new team's first "S&peichern" replaced it without a word); a name typed with and
// without extension (the question must name the file with the extension that would be
// replaced, not replace "<name>.krt" unasked).
TEST_F(DocumentTest, OverwriteRefusedLeavesFile) {
  fs::create_directories(Path("Daten"));
  const QString existing[] = {WriteSampleTeam("Daten/Neu1.krt", "Vorige Saison"), WriteSampleTeam("alt.krt", "Alt")};
  const std::string before[] = {ReadWholeFile(existing[0].toStdString()), ReadWholeFile(existing[1].toStdString())};
  const struct {
    const char* typed;
    int file;
  } cases[] = {{"Daten/Neu1.krt", 0}, {"alt.krt", 1}, {"alt", 1}};
  auto doc = std::make_unique<TeamDocument>(*m_app);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    m_messages.requests.clear();
    doc = std::make_unique<TeamDocument>(*m_app);
    ASSERT_TRUE(doc->OnNewDocument(nullptr));
    const QString proposed = doc->PathName();
    m_savePaths << QString::fromStdString(Path(c.typed));
    m_messages.answers = {1};  // "&Nein"
    EXPECT_FALSE(doc->Save(nullptr));
    EXPECT_EQ(m_messages.Texts(),
              QStringList{existing[c.file] + "\nDiese Datei ist bereits vorhanden.\nDatei überschrieben?"});
    EXPECT_EQ(ReadWholeFile(existing[c.file].toStdString()), before[c.file]);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->PathName(), proposed);
  }
  m_savePaths << QString::fromStdString(Path("alt"));
  m_messages.answers = {0};  // "&Ja"
  EXPECT_TRUE(doc->Save(nullptr));
  EXPECT_EQ(LoadTeamFile(existing[1].toStdString())->m_strName, "Neu3");
}

// Neither save may touch the old file, and both keep the team modified: a read-only file
// (once overwritten) whose "S&peichern" now leads to "Speichern unter", here cancelled; and a
// save that fails and says so. (Which failures there are and their texts, the file-size
// limit, links and permission bits: FileIO.)
TEST_F(DocumentTest, SaveThatCannotWriteKeepsOldFile) {
  const QString path = WriteSampleTeam("team.krt", "Fest");
  const std::string before = ReadWholeFile(path.toStdString());
  fs::permissions(path.toStdString(), fs::perms::owner_read);
  TeamDocument doc(*m_app);
  ASSERT_TRUE(doc.OnOpenDocument(path, nullptr));
  doc.Team().SetTeamModified();
  EXPECT_FALSE(doc.Save(nullptr));  // the requester is cancelled
  EXPECT_EQ(m_proposed, QStringList{path});
  EXPECT_TRUE(m_messages.requests.empty());

  fs::permissions(path.toStdString(), fs::perms::owner_write, fs::perm_options::add);
  if (::geteuid() != 0) {
    fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(doc.Save(nullptr));
    fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::add);
  } else {
    // Root writes into any folder; a folder standing where the file goes fails the same way.
    fs::create_directory(Path("ordner.krt"));
    EXPECT_FALSE(doc.DoSave(nullptr, QString::fromStdString(Path("ordner.krt")), true));
  }
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_EQ(m_messages.requests[0].kind, BoxKind::Error);
  EXPECT_TRUE(m_messages.requests[0].text.contains("Kann nicht gespeichert werden"));
  EXPECT_EQ(ReadWholeFile(path.toStdString()), before);
  EXPECT_TRUE(doc.IsModified());
}

// A name that is not UTF-8 opens and saves under its own bytes. (Pipes and devices refused
// by the reader: FileIO.ReadRefusesPipesDevicesFoldersAndHugeFiles; its message reaching the
// coach: RecentFiles.)
TEST_F(DocumentTest, OddNameOpensAndSavesUnderItsBytes) {
  TeamDocument doc(*m_app);
  QString error;
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

// Opening, then saving, gives the same file; opening it twice only brings its window forward;
// a saved team closes without a question. ("S&peichern" offered only while there is something
// to save: TeamWindowsTest.ToolbarButtonsStayGreyedWithoutATeam.)
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

  ASSERT_TRUE(child->close());  // saved: no question
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
// failed to open stayed. Now a path is added when a file was written or read, and one that
// fails to open is removed, with the error message. (A name that is not UTF-8, once stored
// with U+FFFD and never opened again, kept as bytes: outside_changes_test.sh.)
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

  // A file listed once and deleted since, and a damaged one: the message names it, no window
  // opens, and the entry goes.
  std::ofstream(Path("kaputt.krt")) << "\x04\0\0\0 kaputt";
  const qsizetype windows = frame.TeamWindows().size();
  const struct {
    const char* file;
    const char* says;
  } failing[] = {{"weg.krt", "weg.krt“: Kann nicht geöffnet werden."}, {"kaputt.krt", "Keine gültige Team-Datei"}};
  for (const auto& f : failing) {
    const QString path = QString::fromStdString(Path(f.file));
    AddRecentFile(path);
    m_messages.requests.clear();
    EXPECT_EQ(frame.OpenDocumentFile(path), nullptr);
    ASSERT_EQ(m_messages.requests.size(), 1u);
    EXPECT_TRUE(m_messages.requests[0].text.contains(f.file));
    EXPECT_TRUE(m_messages.requests[0].text.contains(f.says)) << m_messages.Texts()[0].toStdString();
    EXPECT_FALSE(RecentFiles().contains(path));
    EXPECT_EQ(frame.TeamWindows().size(), windows);
  }
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
// session's settings without a word; now the reason comes back (for the box at exit). (The
// old file staying: FileIO.SaveRefusesWhatIsNoWritableFile, KrvDatFile.FailedWriteKeepsPreviousFile.)
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

  fs::permissions(Path("Daten/KRV.DAT"), fs::perms::owner_read);
  m_app->m_Settings.m_nStartkapital = 800000;
  const QString problem = m_app->SaveSettingsIfChanged();
  EXPECT_TRUE(problem.contains("KRV.DAT“: Kann nicht gespeichert werden. Die Datei ist schreibgeschützt."))
      << problem.toStdString();
  EXPECT_TRUE(problem.contains("konnten nicht gespeichert werden")) << problem.toStdString();
}

class NewTeamOption : public DocumentTest {};

// "krashball --neues-team": the creation dialogs alone, then the save requester. Would catch
// the option starting the whole program (or doing nothing) instead of creating and saving the
// team, a saved file without the team's computed figures or not the same team when read
// again, and a cancelled save reported as success (the exit status).
TEST_F(NewTeamOption, SavesTheCreatedTeamOrReportsNothingSaved) {
  TeamDocument::SetCreateTeamFunction(nullptr);
  m_savePaths << QString::fromStdString(Path("Greifen"));
  test::CreateMenschenTeam();
  EXPECT_EQ(RunNewTeamOnly(test::TestServices()), 0);
  const std::unique_ptr<CKRTeam> saved = LoadTeamFile(Path("Greifen.krt"));
  EXPECT_EQ(saved->m_strName, "Altdorfer Greifen");
  EXPECT_EQ(saved->m_Spieler.size(), 15u);
  EXPECT_EQ(saved->m_strTeamwert, "100");
  EXPECT_EQ(SerializeTeam(*saved), ReadWholeFile(Path("Greifen.krt")));

  test::CreateMenschenTeam();  // and no file name given
  EXPECT_EQ(RunNewTeamOnly(test::TestServices()), 1);
  EXPECT_FALSE(QFileInfo::exists(test::TestServices().DataFolder() + "/Altdorfer Greifen.krt"));
  EXPECT_TRUE(m_messages.requests.empty()) << m_messages.Texts().join("|").toStdString();
}

}  // namespace
}  // namespace krv
