#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "support/MessageRecorder.h"
#include "ui/AppSettings.h"
#include "ui/ListColumns.h"
#include "ui/NumberEdit.h"
#include "ui/QuickHelp.h"
#include "ui/WindowPlacement.h"

namespace krv {
namespace {

// Captions and button texts of the three titled boxes, and the delete box's answers.
TEST(MessageBoxes, TitledBoxes) {
  test::MessageRecorder recorder;
  RulesMessageBox(nullptr, "Regel");
  BankMessageBox(nullptr, "Geld");
  recorder.answers = {0, 1, -1};
  EXPECT_EQ(DeleteConfirmBox(nullptr, "Weg?"), kIdYes);
  EXPECT_EQ(DeleteConfirmBox(nullptr, "Weg?"), kIdNo);
  EXPECT_EQ(DeleteConfirmBox(nullptr, "Weg?"), kIdNo);  // close button
  ASSERT_EQ(recorder.requests.size(), 5u);
  EXPECT_EQ(recorder.requests[0].caption, "Hey Trainer! So nicht!");
  EXPECT_EQ(recorder.requests[0].buttons, QStringList{"OK"});
  EXPECT_EQ(recorder.requests[1].caption, "Die Bank sagt...");
  EXPECT_EQ(recorder.requests[1].buttons, QStringList{"&Dann eben nicht"});
  EXPECT_EQ(recorder.requests[2].caption, "Löschen");
  EXPECT_EQ(recorder.requests[2].buttons, (QStringList{"&Löschen", "&Nein"}));
}

// The real delete box closed with its close button must answer No, never delete.
TEST(MessageBoxes, RealDeleteBoxClosedAnswersNo) {
  QTimer::singleShot(0, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  EXPECT_EQ(DeleteConfirmBox(nullptr, "Wirklich löschen?"), kIdNo);
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Löschen");
    for (QAbstractButton* button : box->buttons())
      if (button->text() == "&Löschen") button->click();
  });
  EXPECT_EQ(DeleteConfirmBox(nullptr, "Wirklich löschen?"), kIdYes);
}

// Grouping with points on display, only digits when read back.
TEST(NumberEdit, GroupsAndReadsDigits) {
  NumberEdit edit;
  edit.SetValue(1000000);
  EXPECT_EQ(edit.text(), "1.000.000");
  edit.setText("1.2a3 Goldst.");
  EXPECT_EQ(edit.Value(), 123);
  emit edit.editingFinished();
  EXPECT_EQ(edit.text(), "123");
  edit.setText("");
  EXPECT_EQ(edit.Value(), 0);
  edit.setText("99999999999999999999");
  EXPECT_EQ(edit.Value(), 999'999'999'999);
}

// A window comes back in its stored size only under its own layout name (the round trip
// itself is checked with every dialog): a name never stored keeps the window's own size.
TEST(WindowPlacement, UnknownNameKeepsOwnSize) {
  {
    QDialog stored;
    RememberPlacement(&stored, "TestFenster");
    stored.show();
    stored.resize(432, 321);
    stored.hide();
  }
  QDialog other;
  other.resize(200, 150);
  RememberPlacement(&other, "AnderesFenster");
  other.show();
  EXPECT_EQ(other.size(), QSize(200, 150));  // never stored: keeps its own size
}

// Stored column widths come back; 0 counts as missing; unnamed lists store nothing.
TEST(ListColumns, RestoresWidths) {
  {
    QSettings settings = AppSettings();
    settings.setValue(ColumnKey("TestListe", 0), 155);
    settings.setValue(ColumnKey("TestListe", 1), 0);
  }
  EXPECT_EQ(ColumnKey("SpielerListe", 3), "ListColumns/SpielerListe#3");
  QTableWidget table(1, 2);
  table.horizontalHeader()->resizeSection(0, 80);
  table.horizontalHeader()->resizeSection(1, 90);
  RememberColumns(table.horizontalHeader(), "TestListe");
  EXPECT_EQ(table.horizontalHeader()->sectionSize(0), 155);
  EXPECT_EQ(table.horizontalHeader()->sectionSize(1), 90);
  table.horizontalHeader()->resizeSection(1, 120);  // set by the program, not dragged
  EXPECT_EQ(AppSettings().value(ColumnKey("TestListe", 1)).toInt(), 0);
}

TEST(QuickHelp, HidesControlCharacter) {
  EXPECT_EQ(QuickHelpText("Zeile\n\x01Weiter"), "Zeile\nWeiter");
}

}  // namespace
}  // namespace krv
