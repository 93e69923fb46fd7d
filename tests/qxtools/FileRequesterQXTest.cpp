// The requester window behind the handle: file types, views, favourites, new folders,
// navigation, the picture preview and what it remembers under "QXGUI" and "FileRequester".

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTreeView>
#include <tuple>
#include <vector>

#include "RequesterDriver.h"

namespace qxtest {
namespace {

using FileRequesterQXTest = RequesterTest;

// The favourites stored for the mode: their number, then each folder.
QStringList Favourites(const QString& mode) {
  QStringList stored{Setting("QXGUI/" + mode + "/FAVORITEN_ANZ").toString()};
  for (int i = 0; Setting(QString("QXGUI/%1/S%2").arg(mode).arg(i)).isValid(); ++i)
    stored << Setting(QString("QXGUI/%1/S%2").arg(mode).arg(i)).toString();
  return stored;
}

// The filter string: pairs of text and pattern up to the first empty part ("||"), blanks
// trimmed, several patterns with ";", "*.*" also matching names without a dot, an empty string giving all files. A
// parsing slip would show the wrong types or hide the coach's files.
TEST_F(FileRequesterQXTest, FileTypesFromFilterString) {
  const QStringList all = {"a.krt", "B.KRT", "Daten", "logo.bmp", "logo.png", "notiz.txt", "ohnepunkt"};
  for (const QString& name : all)
    if (name != "Daten") WriteFile(Path(name));
  ASSERT_TRUE(QDir(folder).mkdir("Daten"));
  // The filter, the types offered and the names shown with the first one.
  const std::vector<std::tuple<QString, QStringList, QStringList>> filters = {
      {QString("  ") + kTeamFilter + "  ",
       {"Krashball-Team (*.krt)", "Alle Dateien (*.*)"},
       {"a.krt", "B.KRT", "Daten"}},
      {"Bilder|*.bmp; *.png|Notizen||Rest|*.txt||Danach|*.krt", {"Bilder"}, {"Daten", "logo.bmp", "logo.png"}},
      {"|*.txt|Texte|||", {"Alle Dateien (*.*)"}, all},
      {"", {"Alle Dateien (*.*)"}, all},
  };
  for (const auto& [filter, types, names] : filters) {
    Peek(Handle({}, filter), [&](QDialog* d) {
      EXPECT_EQ(ComboTexts(Types(d)), types) << filter.toStdString();
      EXPECT_TRUE(WaitForNames(d, names)) << filter.toStdString();
    });
  }
  // Another type chosen, or a pattern typed instead of choosing a file, filters the list anew.
  Peek(OpenInFolder(), [&](QDialog* d) {
    Types(d)->setCurrentIndex(1);
    EXPECT_TRUE(WaitForNames(d, all));
    Choose(d, "*.txt");
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(WaitForNames(d, {"Daten", "notiz.txt"}));
  });
}

// "Details", "Liste", "Symbole" and the folder tree are remembered per mode under "QXGUI"; a
// mix-up of the mode names would let the save window take over the open window's view.
TEST_F(FileRequesterQXTest, ViewRememberedPerMode) {
  // The list on screen, and "+tree" where the folder tree is shown.
  const auto view = [](QDialog* d) {
    return ShownList(d)->objectName() + (Child<QTreeView>(d, "folderTree")->isVisible() ? "+tree" : "");
  };
  EXPECT_EQ(Peek(OpenInFolder(),
                 [&](QDialog* d) {
                   Action(d, "listAction")->trigger();
                   Action(d, "treeAction")->trigger();
                   return view(d);
                 }),
            "listView");
  EXPECT_EQ(Setting("QXGUI/OPEN/Details2").toBool(), false);
  EXPECT_EQ(Setting("QXGUI/OPEN/TreeView").toBool(), false);
  EXPECT_FALSE(Setting("QXGUI/SAVE/Details2").isValid());
  EXPECT_EQ(Peek(OpenInFolder(), view), "listView");
  EXPECT_EQ(Peek(Handle({}, kTeamFilter, 0, false), view), "detailsView+tree");
}

// Favourites: stored as "FAVORITEN_ANZ" and "S0", "S1", ... per mode, read back into "Ort:" and
// the menu, replaced by the standard set, and removed through "Favoriten löschen...".
TEST_F(FileRequesterQXTest, FavouritesStoredAndReadBack) {
  ASSERT_TRUE(QDir(folder).mkdir("Liga"));
  QSettings().setValue("QXGUI/OPEN/FAVORITEN_ANZ", 1);
  QSettings().setValue("QXGUI/OPEN/S0", Path("Liga"));
  Peek(OpenInFolder(), [&](QDialog* d) {
    EXPECT_TRUE(ComboTexts(Places(d)).contains(Path("Liga")));
    Action(d, "addFavouriteAction")->trigger();
    Action(d, "addFavouriteAction")->trigger();  // already there: not twice
    // Choosing a favourite in "Ort:" opens it.
    QComboBox* places = Places(d);
    const int index = places->findData(Path("Liga"));
    ASSERT_GE(index, 0);
    places->setCurrentIndex(index);
    emit places->activated(index);
    EXPECT_EQ(ShownFolder(d), Path("Liga"));
  });
  EXPECT_EQ(Favourites("OPEN"), (QStringList{"2", Path("Liga"), folder}));
  EXPECT_EQ(Favourites("SAVE"), QStringList{""});

  Peek(OpenInFolder(), [&](QDialog* d) {
    // The menu lists the favourites before its commands.
    auto* menu = Child<QMenu>(d, "favouritesMenu");
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* action : menu->actions())
      if (!action->isSeparator()) texts << action->text();
    EXPECT_EQ(texts, (QStringList{Path("Liga"), folder, "&Standard Favoriten", "Favoriten &löschen...",
                                  "&Aktuelles Verzeichnis aufnehmen", "Hier &Dateimanager öffnen..."}));
    EXPECT_FALSE(Action(d, "addFavouriteAction")->isEnabled());

    // Delete the first one in the dialog.
    OnNextBox([](QDialog* box) {
      EXPECT_EQ(box->windowTitle(), "Favoriten löschen");
      auto* list = box->findChild<QListWidget*>("favouritesList");
      ASSERT_NE(list, nullptr);
      ASSERT_EQ(list->count(), 2);
      list->item(0)->setCheckState(Qt::Checked);
      box->findChild<QPushButton*>("deleteButton")->click();
    });
    Action(d, "deleteFavouritesAction")->trigger();
    EXPECT_FALSE(ComboTexts(Places(d)).contains(Path("Liga")));
  });
  EXPECT_EQ(Favourites("OPEN"), (QStringList{"1", folder}));

  // The standard set replaces the coach's favourites.
  Peek(OpenInFolder(), [](QDialog* d) { Action(d, "standardFavouritesAction")->trigger(); });
  EXPECT_EQ(Setting("QXGUI/OPEN/S0").toString(), QDir::cleanPath(QDir::homePath()));
}

// "Neuen Ordner erstellen" makes "Neuer Ordner", then "Neuer Ordner (2)"; where no folder can
// be made the user is told.
TEST_F(FileRequesterQXTest, NewFolder) {
  ASSERT_TRUE(QDir(folder).mkdir("weg"));
  BoxRecorder boxes;
  Peek(OpenInFolder(), [&](QDialog* d) {
    // The new folder's name is open for editing in the list.
    auto nameEditor = [d]() -> QLineEdit* {
      QAbstractItemView* list = ShownList(d);
      return qobject_cast<QLineEdit*>(list->indexWidget(list->currentIndex()));
    };
    Action(d, "newFolderAction")->trigger();
    EXPECT_TRUE(QFileInfo(Path("Neuer Ordner")).isDir());
    QLineEdit* editor = nameEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "Neuer Ordner");
    QTest::keyClick(editor, Qt::Key_Escape);  // keeps the name, leaves the requester open
    EXPECT_TRUE(d->isVisible());
    Action(d, "newFolderAction")->trigger();
    EXPECT_TRUE(QFileInfo(Path("Neuer Ordner (2)")).isDir());
    editor = nameEditor();
    ASSERT_NE(editor, nullptr);
    editor->setText("Liga");
    QTest::keyClick(editor, Qt::Key_Return);  // renames, does not press OK
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo(Path("Liga")).isDir(); }, 10000));
    EXPECT_FALSE(QFileInfo(Path("Neuer Ordner (2)")).exists());
    EXPECT_TRUE(boxes.notices.isEmpty());

    Choose(d, "weg");
    ASSERT_EQ(ShownFolder(d), Path("weg"));
    ASSERT_TRUE(QDir(Path("weg")).removeRecursively());
    Action(d, "newFolderAction")->trigger();
    EXPECT_EQ(boxes.notices, QStringList{"Verzeichnis konnte nicht erstellt werden."});
  });
}

// The tool buttons: parent folder, back to the last folder visited, and their enabling;
// Backspace in the list goes up, Enter on a folder opens it and on a file chooses it; a file
// picked in the list fills "Dateiname:".
TEST_F(FileRequesterQXTest, Navigation) {
  ASSERT_TRUE(QDir(folder).mkpath("Liga/Saison"));
  WriteFile(Path("Liga/Saison/team.krt"));
  CCFileDialog dlg = Handle(Path("Liga/Saison/"));
  const int result = RunWith(dlg, [&](QDialog* d) {
    QAction* back = Action(d, "backAction");
    QAction* up = Action(d, "upAction");
    EXPECT_FALSE(back->isEnabled());
    for (const auto& [action, shown] :
         {std::pair{up, Path("Liga")}, {up, folder}, {back, Path("Liga")}, {back, Path("Liga/Saison")}}) {
      action->trigger();  // does nothing where disabled
      EXPECT_EQ(ShownFolder(d), shown);
    }
    EXPECT_FALSE(back->isEnabled());

    QAbstractItemView* list = ShownList(d);
    QTest::keyClick(list, Qt::Key_Backspace);
    EXPECT_EQ(ShownFolder(d), Path("Liga"));
    ASSERT_TRUE(WaitForNames(d, {"Saison"}));
    SelectFirst(d);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(ShownFolder(d), Path("Liga/Saison"));
    ASSERT_TRUE(WaitForNames(d, {"team.krt"}));
    SelectFirst(d);
    EXPECT_EQ(NameEdit(d)->text(), "team.krt");
    QTest::keyClick(list, Qt::Key_Return);
  });
  EXPECT_EQ(result, CCFileDialog::IDOK);
  EXPECT_EQ(dlg.GetPath(true), Path("Liga/Saison/team.krt"));
}

// The folder tree shows the folder "Ort:" names, also below a hidden folder (the data folder
// below ~/.local is one), while other hidden folders stay out of it. Catches a tree that shows
// nothing where the coach is.
TEST_F(FileRequesterQXTest, TreeShowsTheFolderOfOrt) {
  ASSERT_TRUE(QDir(folder).mkpath(".lokal/krashball/Daten"));
  ASSERT_TRUE(QDir(folder).mkpath(".anderes"));
  Peek(Handle(Path(".lokal/krashball/Daten/")), [&](QDialog* d) {
    auto* tree = Child<QTreeView>(d, "folderTree");
    EXPECT_EQ(ShownFolder(d), Path(".lokal/krashball/Daten"));
    const auto treeShowsOrt = [&] {
      const QModelIndex current = tree->currentIndex();
      return current.isValid() && current.data().toString() == "Daten" &&
             tree->viewport()->rect().intersects(tree->visualRect(current));
    };
    EXPECT_TRUE(QTest::qWaitFor(treeShowsOrt, 5000));
    const QModelIndex lokal = tree->currentIndex().parent().parent();
    ASSERT_TRUE(lokal.isValid());
    QStringList siblings;
    for (int row = 0; row < tree->model()->rowCount(lokal.parent()); ++row)
      siblings << tree->model()->index(row, 0, lokal.parent()).data().toString();
    EXPECT_TRUE(siblings.contains(".lokal"));
    EXPECT_FALSE(siblings.contains(".anderes"));
  });
}

// "Dateien suchen" finds matching files below the current folder, counts them and hands the
// chosen one back: its folder opens and its name is proposed.
TEST_F(FileRequesterQXTest, SearchFiles) {
  ASSERT_TRUE(QDir(folder).mkpath("Liga/Saison"));
  for (const char* name : {"Orks.krt", "Liga/Saison/Orkland.krt", "Liga/Saison/Orkland.txt", "Liga/Zwerge.krt"})
    WriteFile(Path(name));
  CCFileDialog dlg = OpenInFolder();
  const int result = RunWith(dlg, [&](QDialog* d) {
    OnNextBox([](QDialog* search) {
      auto* pattern = search->findChild<QLineEdit*>("searchPattern");
      EXPECT_EQ(pattern->text(), "*.krt");  // the chosen file type
      pattern->setText("ork");              // without a wildcard: part of the name
      search->findChild<QPushButton*>("searchButton")->click();
      EXPECT_EQ(search->findChild<QLabel*>("searchCount")->text(), "Gefundene Dateien: 3");
      auto* results = search->findChild<QListWidget*>("searchResults");
      QStringList found;
      for (int i = 0; i < results->count(); ++i) found << results->item(i)->text();
      EXPECT_EQ(found, (QStringList{"Liga/Saison/Orkland.krt", "Liga/Saison/Orkland.txt", "Orks.krt"}));
      results->setCurrentRow(0);
      search->findChild<QPushButton*>("takeButton")->click();
    });
    Action(d, "searchAction")->trigger();
    EXPECT_EQ(ShownFolder(d), Path("Liga/Saison"));
    EXPECT_EQ(NameEdit(d)->text(), "Orkland.krt");
    OkButton(d)->click();
  });
  EXPECT_EQ(result, CCFileDialog::IDOK);
  EXPECT_EQ(dlg.GetPath(true), Path("Liga/Saison/Orkland.krt"));
}

// Flag 1 shows a preview of the selected picture; without it there is no preview pane.
TEST_F(FileRequesterQXTest, PicturePreview) {
  QImage image(64, 32, QImage::Format_RGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(Path("logo.bmp")));
  CCFileDialog dlg(nullptr, false);
  dlg.SetProperties(true, folder + "/", "Bitmap-Dateien (*.bmp)|*.bmp|Alle Dateien (*.*)|*.*||", "IMPORT", 1);
  Peek(dlg, [](QDialog* d) {
    EXPECT_TRUE(Child<QGroupBox>(d, "previewBox")->isVisible());
    ASSERT_TRUE(WaitForNames(d, {"logo.bmp"}));
    SelectFirst(d);
    EXPECT_FALSE(Child<QLabel>(d, "previewLabel")->pixmap().isNull());
    EXPECT_EQ(Child<QLabel>(d, "previewInfo")->text(), "64 x 32 Pixel");
  });
  dlg.SetProperties(true, folder + "/", "Bitmap-Dateien (*.bmp)|*.bmp||", "", 0);
  Peek(dlg, [](QDialog* d) { EXPECT_FALSE(Child<QGroupBox>(d, "previewBox")->isVisible()); });
}

// The window's placement is kept under "FileRequester" and restored by the next requester.
TEST_F(FileRequesterQXTest, PlacementRemembered) {
  Peek(CCFileDialog(nullptr, false), [](QDialog* d) { d->resize(900, 560); });
  EXPECT_EQ(Setting("FileRequester/Right").toInt() - Setting("FileRequester/Left").toInt(), 900);
  EXPECT_EQ(Setting("FileRequester/Bottom").toInt() - Setting("FileRequester/Top").toInt(), 560);
  EXPECT_EQ(Peek(CCFileDialog(nullptr, true), [](QDialog* d) { return d->size(); }), QSize(900, 560));
}

// Keyboard: every field has its mnemonic label, OK is the default button, Tab goes in order.
TEST_F(FileRequesterQXTest, KeyboardAccess) {
  Peek(CCFileDialog(nullptr, false), [](QDialog* d) {
    QStringList labels;
    for (QLabel* label : d->findChildren<QLabel*>())
      if (label->buddy()) labels << label->text();
    labels.sort();
    EXPECT_EQ(labels, (QStringList{"&Ort:", "Datei&name:", "Datei&typ:"}));
    EXPECT_TRUE(OkButton(d)->isDefault());
    EXPECT_EQ(d->focusWidget(), NameEdit(d));
    // Tab goes through the window from top to bottom.
    const QStringList fields{"placesCombo", "folderTree", "detailsView", "fileNameEdit",
                             "filterCombo", "okButton",   "cancelButton"};
    QStringList order;
    for (QWidget* w = d->nextInFocusChain(); w != d; w = w->nextInFocusChain())
      if (fields.contains(w->objectName()) && !order.contains(w->objectName())) order << w->objectName();
    EXPECT_EQ(order, fields);
  });
}

}  // namespace
}  // namespace qxtest
