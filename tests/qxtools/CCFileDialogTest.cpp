// The interface the program relies on: DoModal's results, the chosen paths one by one, the
// overwrite question in save mode, typed folders, starting folders and a handle without requester.

#include <QCoreApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QStandardPaths>
#include <tuple>
#include <vector>

#include "RequesterDriver.h"

namespace qxtest {
namespace {

using CCFileDialogTest = RequesterTest;

// Cancelling must leave no path behind, by button and by Escape; a stale path from an earlier
// OK would otherwise open the wrong team. One chosen file (Enter is OK) is returned once: the
// second call is empty (the program would otherwise loop over the same file), GetPath(true)
// starts again, and a first GetPath(false) gives the first.
TEST_F(CCFileDialogTest, CancelLeavesNothingAndPathsComeOneByOne) {
  WriteFile(Path("team.krt"));
  CCFileDialog dlg = OpenInFolder();
  EXPECT_EQ(RunWith(dlg, [](QDialog* d) { Child<QPushButton>(d, "cancelButton")->click(); }), CCFileDialog::IDCANCEL);
  EXPECT_EQ(Chosen(dlg), QStringList{"0"});
  EXPECT_EQ(dlg.GetPath(false), QString());

  EXPECT_EQ(RunWith(dlg,
                    [](QDialog* d) {
                      NameEdit(d)->setText("team.krt");
                      QTest::keyClick(NameEdit(d), Qt::Key_Return);
                    }),
            CCFileDialog::IDOK);
  EXPECT_EQ(dlg.GetPath(false), Path("team.krt"));
  EXPECT_EQ(dlg.GetPath(false), QString());
  EXPECT_EQ(Chosen(dlg), (QStringList{"1", Path("team.krt")}));

  EXPECT_EQ(RunWith(dlg,
                    [](QDialog* d) {
                      NameEdit(d)->setText("team.krt");
                      QTest::keyClick(NameEdit(d), Qt::Key_Escape);
                    }),
            CCFileDialog::IDCANCEL);
  EXPECT_EQ(Chosen(dlg), QStringList{"0"});
}

// Several files with flag 2: typed in quotes or picked in the list, each comes once in order.
// Without the flag only one file can be chosen.
TEST_F(CCFileDialogTest, SeveralFiles) {
  WriteFile(Path("a.krt"));
  WriteFile(Path("b.krt"));
  CCFileDialog dlg = OpenInFolder(2);
  EXPECT_EQ(RunWith(dlg, [](QDialog* d) { Choose(d, "\"a.krt\" \"b.krt\""); }), CCFileDialog::IDOK);
  EXPECT_EQ(Chosen(dlg), (QStringList{"2", Path("a.krt"), Path("b.krt")}));

  EXPECT_EQ(RunWith(dlg,
                    [](QDialog* d) {
                      ASSERT_TRUE(WaitForNames(d, {"a.krt", "b.krt"}));
                      ShownList(d)->selectAll();
                      EXPECT_EQ(NameEdit(d)->text(), "\"a.krt\" \"b.krt\"");
                      OkButton(d)->click();
                    }),
            CCFileDialog::IDOK);
  EXPECT_EQ(Chosen(dlg), (QStringList{"2", Path("a.krt"), Path("b.krt")}));

  CCFileDialog single = OpenInFolder();
  EXPECT_EQ(RunWith(single,
                    [](QDialog* d) {
                      ASSERT_TRUE(WaitForNames(d, {"a.krt", "b.krt"}));
                      EXPECT_EQ(ShownList(d)->selectionMode(), QAbstractItemView::SingleSelection);
                      Choose(d, "\"a.krt\" \"b.krt\"");
                    }),
            CCFileDialog::IDOK);
  EXPECT_EQ(Chosen(single), (QStringList{"1", Path("a.krt")}));
}

// Save mode (its caption and button: Captions): an existing file is only taken after "&Ja" in
// the real question box, which names the file and has German buttons; "&Nein" and Escape keep
// the window open so the coach can pick another name. A new name asks nothing.
TEST_F(CCFileDialogTest, SaveAsksBeforeOverwriting) {
  WriteFile(Path("team.krt"));
  CCFileDialog dlg = Handle(Path("team.krt"), kTeamFilter, 0, false);
  // Answers the next question box with the button of that text, or with Escape where empty.
  const auto answer = [this](const QString& buttonText) {
    OnNextBox([this, buttonText](QDialog* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->text(),
                Path("team.krt") + "\nDiese Datei ist bereits vorhanden.\nMöchten Sie die Datei überschreiben?");
      QStringList texts;
      for (QAbstractButton* button : box->buttons()) texts << button->text();
      texts.sort();
      EXPECT_EQ(texts, (QStringList{"&Ja", "&Nein"}));
      if (buttonText.isEmpty()) QTest::keyClick(box, Qt::Key_Escape);
      for (QAbstractButton* button : box->buttons())
        if (button->text() == buttonText) button->click();
    });
  };
  const int result = RunWith(dlg, [&](QDialog* d) {
    EXPECT_EQ(NameEdit(d)->text(), "team.krt");
    for (const QString& refusing : {QString("&Nein"), QString()}) {
      answer(refusing);
      OkButton(d)->click();
      EXPECT_TRUE(d->isVisible());
    }
    answer("&Ja");
    OkButton(d)->click();
  });
  EXPECT_EQ(result, CCFileDialog::IDOK);
  EXPECT_EQ(dlg.GetPath(true), Path("team.krt"));

  BoxRecorder boxes;
  EXPECT_EQ(RunWith(dlg, [](QDialog* d) { Choose(d, "neu.krt"); }), CCFileDialog::IDOK);
  EXPECT_TRUE(boxes.questions.isEmpty());
  EXPECT_EQ(dlg.GetPath(true), Path("neu.krt"));
}

// A typed folder name opens that folder instead of closing ("..", absolute and "sub/" too,
// and in "Ort:"); a folder that does not exist is reported and nothing is chosen.
TEST_F(CCFileDialogTest, TypedFolderOpens) {
  ASSERT_TRUE(QDir(folder).mkdir("Daten"));
  BoxRecorder boxes;
  CCFileDialog dlg = OpenInFolder();
  const int result = RunWith(dlg, [&](QDialog* d) {
    EXPECT_EQ(ShownFolder(d), folder);
    // What is typed into "Dateiname:", and the folder shown afterwards with the window open.
    const std::pair<QString, QString> typed[] = {{"Daten", Path("Daten")},
                                                 {"..", folder},
                                                 {Path("Daten") + "/", Path("Daten")},
                                                 {"gibtsnicht/", Path("Daten")},
                                                 {"gibtsnicht/team.krt", Path("Daten")}};
    for (const auto& [text, shown] : typed) {
      Choose(d, text);
      EXPECT_TRUE(d->isVisible()) << text.toStdString();
      EXPECT_EQ(ShownFolder(d), shown) << text.toStdString();
      EXPECT_EQ(NameEdit(d)->text(), text.contains("gibtsnicht") ? text : QString());
    }
    // A folder typed into "Ort:" opens with Enter; a wrong one is reported the same way.
    for (const QString& text : {folder, Path("nirgends"), Path("Daten")}) {
      Places(d)->setEditText(text);
      QTest::keyClick(Places(d)->lineEdit(), Qt::Key_Return);
      EXPECT_TRUE(d->isVisible());
      EXPECT_EQ(ShownFolder(d), text);  // a wrong one stays typed, to be corrected
    }
    EXPECT_EQ(boxes.notices, QStringList(3, "Dies ist kein gültiges Verzeichnis!"));
    Choose(d, "team.krt");
  });
  EXPECT_EQ(result, CCFileDialog::IDOK);
  EXPECT_EQ(dlg.GetPath(true), Path("Daten/team.krt"));
  EXPECT_TRUE(boxes.questions.isEmpty());
}

// Where the requester starts: a file path gives its folder and proposes the name, a folder path
// that folder, a missing folder its nearest parent; an empty path the program's folder, or
// with flag 4 the folder the last requester was closed in; no properties the documents folder.
TEST_F(CCFileDialogTest, StartFolders) {
  ASSERT_TRUE(QDir(folder).mkdir("Daten"));
  WriteFile(Path("Daten/alt.krt"));
  const QString program = QDir::cleanPath(QCoreApplication::applicationDirPath()) + "|";
  // The path, flags and mode of each requester in turn, and the folder it shows with the name
  // it proposes after a "|".
  const std::vector<std::tuple<QString, int, bool, QString>> starts = {
      {Path("Daten/alt.krt"), 0, true, Path("Daten") + "|alt.krt"},
      {Path("Daten"), 0, true, Path("Daten") + "|"},
      {Path("fehlt/auch/team.krt"), 0, true, folder + "|team.krt"},
      {"", 0, true, program},
      {Path("Daten/"), 0, true, Path("Daten") + "|"},
      {"", 4, true, Path("Daten") + "|"},
      {"", 0, false, program},
  };
  const auto shown = [](QDialog* d) { return ShownFolder(d) + "|" + NameEdit(d)->text(); };
  for (const auto& [path, flags, open, start] : starts)
    EXPECT_EQ(Peek(Handle(path, kTeamFilter, flags, open), shown), start) << path.toStdString() << flags;

  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QFileInfo(documents).isDir()) documents = QDir::homePath();
  EXPECT_EQ(Peek(CCFileDialog(nullptr, false), shown), QDir::cleanPath(documents) + "|");
}

// Captions: "Öffnen" by default, the set title in both modes, and back to the default.
TEST_F(CCFileDialogTest, Captions) {
  CCFileDialog dlg(nullptr, false);
  auto captionOf = [](CCFileDialog& handle) {
    return Peek(handle, [](QDialog* d) { return d->windowTitle() + "|" + OkButton(d)->text(); });
  };
  EXPECT_EQ(captionOf(dlg), "Öffnen|Ö&ffnen");
  dlg.SetDlgTitle("Grafik importieren");
  dlg.SetProperties(false, folder + "/", kTeamFilter, "", 0);
  EXPECT_EQ(captionOf(dlg), "Grafik importieren|&Speichern");
  dlg.SetDlgTitle("");
  EXPECT_EQ(captionOf(dlg), "Speichern unter|&Speichern");
  CCFileDialog saving(nullptr, true);
  EXPECT_EQ(captionOf(saving), "Speichern unter|&Speichern");
}

// A handle whose requester was handed on answers every call harmlessly; the one that took it
// over works. A double delete or a stale pointer would crash here.
TEST_F(CCFileDialogTest, HandleWithoutRequester) {
  CCFileDialog first(nullptr, false);
  first.SetDlgTitle("Übernommen");
  CCFileDialog second(std::move(first));
  EXPECT_EQ(first.DoModal(), CCFileDialog::IDCANCEL);  // no window appears: RunWith is not needed
  first.SetProperties(true, folder, kTeamFilter, "", 7);
  first.SetDlgTitle("x");
  EXPECT_EQ(first.GetPath(true), QString());
  EXPECT_EQ(first.CountFiles(), 0);

  CCFileDialog third(nullptr, true);
  third = std::move(second);
  EXPECT_EQ(second.DoModal(), CCFileDialog::IDCANCEL);
  EXPECT_EQ(second.CountFiles(), 0);
  EXPECT_EQ(Peek(third, [](QDialog* d) { return d->windowTitle(); }), "Übernommen");
  EXPECT_EQ(QXTools::GetLibVersion(), 2);
}

// The requester runs over the given parent (or the main window) and leaves it afterwards, so a
// parent closed before the handle does not take the requester with it.
TEST_F(CCFileDialogTest, ParentOnlyWhileRunning) {
  auto* window = new QMainWindow;
  window->show();
  {
    const auto shownOver = [](QDialog* d) { return d->parentWidget(); };
    CCFileDialog dlg(nullptr, false);
    EXPECT_EQ(Peek(dlg, shownOver), window);
    auto* parent = new QWidget;
    CCFileDialog owned(parent, false);
    EXPECT_EQ(Peek(owned, shownOver), parent);
    delete parent;
    EXPECT_EQ(RunWith(owned, [](QDialog* d) { d->reject(); }), CCFileDialog::IDCANCEL);
  }
  delete window;
}

}  // namespace
}  // namespace qxtest
