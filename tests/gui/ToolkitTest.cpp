#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QMainWindow>
#include <QTest>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>

#include "support/MessageRecorder.h"
#include "ui/AppSettings.h"
#include "ui/BalancedLines.h"
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

// Catches: the toolkit's own wrapping leaving one word alone on the last line ("ein."), a
// line broken although it fits, lines still too wide after breaking.
TEST(MessageBoxes, LongLinesBrokenIntoEvenLines) {
  const QFontMetrics metrics(QApplication::font());
  const QString range = QStringLiteral("Bitte geben Sie für die Trainingsmarken eine Zahl zwischen 0 und 7 ein.");
  const int width = metrics.horizontalAdvance(range);
  const QStringList lines = BalancedLines(range, metrics, width - 10).split('\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines.join(' '), range);
  // Both lines about equally wide: neither holds less than a third of the text.
  for (const QString& line : lines) EXPECT_GT(metrics.horizontalAdvance(line), width / 3) << line.toStdString();
  EXPECT_EQ(BalancedLines(range, metrics, width), range);
  // Lines of their own stay; only the long one is broken, each part within the limit.
  const QString twoLines = QStringLiteral("Kurz.\n") + range;
  const QStringList parts = BalancedLines(twoLines, metrics, width / 3).split('\n');
  EXPECT_EQ(parts.first(), "Kurz.");
  EXPECT_GE(parts.size(), 4);
  for (const QString& part : parts) EXPECT_LE(metrics.horizontalAdvance(part), width / 3);
  EXPECT_EQ(BalancedLines("/ein/sehr/langer/Pfad", metrics, 5), "/ein/sehr/langer/Pfad");
}

// Catches: a box whose window is not shown yet (a team window being opened) centred on the
// screen, away from the main window; the no-fans notice with a sign; a long range message
// shown with the toolkit's wrapping.
TEST(MessageBoxes, RealBoxesOnTheMainWindow) {
  QMainWindow main;
  main.setGeometry(420, 260, 500, 360);
  main.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  QWidget notShownYet;  // the window a team window's check runs in before it is shown
  QRect boxGeometry;
  QString boxText;
  QMessageBox::Icon icon = QMessageBox::Warning;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    boxGeometry = box->frameGeometry();
    boxText = box->text();
    icon = box->icon();
    box->buttons().first()->click();
  });
  PlainBox(&notShownYet, QStringLiteral("Bitte geben Sie für die Trainingsmarken eine Zahl zwischen 0 und 7 ein, "
                                        "und zwar eine ganze, keine halbe."));
  EXPECT_TRUE(main.geometry().contains(boxGeometry.center())) << boxGeometry.x() << "," << boxGeometry.y();
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  ASSERT_TRUE(boxText.contains('\n'));
  EXPECT_GT(boxText.section('\n', -1).count(' '), 2) << boxText.toStdString();
}

// Catches: disabled buttons and commands (toolbar, page buttons, the logo button) showing
// their pictures in full colour, so that they look usable.
TEST(ProgramStyle, DisabledPicturesGreyAndFaded) {
  QPixmap red(16, 16);
  red.fill(Qt::red);
  for (const QIcon& icon : {QIcon(red), QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton)}) {
    const QImage normal = icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage disabled = icon.pixmap(16, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(disabled.size(), normal.size());
    for (int y = 0; y < disabled.height(); ++y)
      for (int x = 0; x < disabled.width(); ++x) {
        const QRgb pixel = disabled.pixel(x, y);
        ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)) << x << "," << y;
        ASSERT_LE(qAlpha(pixel), qAlpha(normal.pixel(x, y)) / 2) << x << "," << y;
      }
  }
  EXPECT_EQ(QIcon(red).pixmap(16).toImage().pixel(3, 3), QColor(Qt::red).rgb());  // enabled keeps its colour
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

// Stored column widths come back; 0 counts as missing; unnamed lists store nothing. Only a
// divider the coach drags in the header stores the widths, when he lets go; a column that
// changes while the mouse button is held elsewhere (a window dragged wider by its frame)
// stores nothing. Catches widths stored although no divider was ever touched.
TEST(ListColumns, RestoredAndStoredOnlyAfterADividerDrag) {
  {
    QSettings settings = AppSettings();
    settings.setValue(ColumnKey("TestListe", 0), 155);
    settings.setValue(ColumnKey("TestListe", 1), 0);
  }
  EXPECT_EQ(ColumnKey("SpielerListe", 3), "ListColumns/SpielerListe#3");
  QTableWidget table(1, 2);
  QHeaderView* header = table.horizontalHeader();
  header->resizeSection(0, 80);
  header->resizeSection(1, 90);
  RememberColumns(header, "TestListe");
  EXPECT_EQ(header->sectionSize(0), 155);
  EXPECT_EQ(header->sectionSize(1), 90);
  header->resizeSection(1, 120);  // set by the program, not dragged
  EXPECT_EQ(AppSettings().value(ColumnKey("TestListe", 1)).toInt(), 0);

  header->resizeSection(0, 100);
  table.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
  QTest::mousePress(table.viewport(), Qt::LeftButton);
  header->resizeSection(1, 130);
  QTest::mouseRelease(table.viewport(), Qt::LeftButton);
  EXPECT_EQ(AppSettings().value(ColumnKey("TestListe", 1)).toInt(), 0);

  const QPoint divider(header->sectionViewportPosition(0) + header->sectionSize(0) - 1, header->height() / 2);
  QTest::mousePress(header->viewport(), Qt::LeftButton, {}, divider);
  QTest::mouseMove(header->viewport(), divider + QPoint(40, 0));
  QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, divider + QPoint(40, 0));
  EXPECT_EQ(AppSettings().value(ColumnKey("TestListe", 0)).toInt(), 140);
  EXPECT_EQ(AppSettings().value(ColumnKey("TestListe", 1)).toInt(), 130);
}

TEST(QuickHelp, HidesControlCharacter) { EXPECT_EQ(QuickHelpText("Zeile\n\x01Weiter"), "Zeile\nWeiter"); }

}  // namespace
}  // namespace krv
