// Printing from the team window: the page choice, printing to the chosen printer, the
// preview and the PDF export, driven through the real dialogs and menu actions.

#include <gtest/gtest.h>

#include <algorithm>

#include <QFile>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolButton>

#include "teamwindow/qt/TeamFrame.h"
#include "app/qt/KrashballApp.h"
#include "app/qt/MainWindow.h"
#include "gui/CreationDialogDriver.h"
#include "model/TeamFile.h"
#include "printout/qt/PrintChoiceDialog.h"
#include "printout/BitmapPixels.h"
#include "printout/PageOps.h"
#include "printout/qt/TeamPrinting.h"
#include "printout/render/SheetPainter.h"
#include "support/MessageRecorder.h"
#include "support/SeasonTeam.h"
#include "support/TempFolder.h"

namespace krv {
namespace {

using test::Child;
using test::WhenModal;

// The season team with `matches` matches in all and no logo.
std::unique_ptr<CKRTeam> Team(int matches) {
  auto team = test::MakeSeasonTeam();
  team->m_strLogo.clear();
  while (static_cast<int>(team->m_Games.size()) < matches)
    team->AddGame({.m_strGegner = "G", .m_strErgebnis = "1:0", .m_bLiga = 1, .m_bGewonnen = 1});
  team->m_Games.resize(static_cast<size_t>(matches));
  return team;
}

// Pages of a PDF file as Qt writes them.
int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

// Chooses a mode in the dialog "Drucken" and starts (or cancels with -1).
void ChooseInDialog(int mode) {
  WhenModal<PrintChoiceDialog>([mode](PrintChoiceDialog* dialog) {
    if (mode < 0) return Child<QPushButton>(dialog, "cancel")->click();
    Child<QRadioButton>(dialog, QStringLiteral("mode%1").arg(mode))->click();
    Child<QPushButton>(dialog, "start")->click();
  });
}

class TeamPrintingTest : public test::TempFolderTest {
 protected:
  QString File(const std::string& name) const { return QString::fromStdString(Path(name)); }
};

// The page choice is remembered for the run and preselected, "&Abbruch" keeps it and ends
// the job, and a team without matches is never asked. Catches a dialog that forgets the
// choice, and a question to a coach who has only a team sheet to print.
TEST_F(TeamPrintingTest, PageChoiceRememberedForTheRun) {
  TeamPrinting printing;
  auto team = Team(30);
  WhenModal<PrintChoiceDialog>([](PrintChoiceDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Drucken");
    EXPECT_TRUE(Child<QRadioButton>(dialog, "mode0")->isChecked());  // the first time
    EXPECT_EQ(Child<QRadioButton>(dialog, "mode1")->toolTip(),
              "Es wird die Liste der Spiele gedruckt.\nBeginnend bei Seite 2, darauf folgen alle geraden Seiten.");
    EXPECT_EQ(Child<QPushButton>(dialog, "start")->toolTip(), "Startet den Ausdruck.");
    Child<QRadioButton>(dialog, "mode2")->click();
    Child<QPushButton>(dialog, "start")->click();
  });
  EXPECT_EQ(printing.AskPages(nullptr, *team), PrintMode::kOddPages);
  WhenModal<PrintChoiceDialog>([](PrintChoiceDialog* dialog) {
    EXPECT_TRUE(Child<QRadioButton>(dialog, "mode2")->isChecked());
    Child<QRadioButton>(dialog, "mode3")->click();
    Child<QPushButton>(dialog, "cancel")->click();
  });
  EXPECT_EQ(printing.AskPages(nullptr, *team), std::nullopt);
  EXPECT_EQ(printing.RememberedMode(), PrintMode::kOddPages);

  auto noMatches = Team(0);
  EXPECT_EQ(printing.AskPages(nullptr, *noMatches), PrintMode::kSheetOnly);  // returns at once
}

// With a printer chosen, "&Drucken..." prints the chosen pages straight away, landscape; the
// preview shows the same pages as the printout would have. Catches the page plan lost on the
// way to the printer or the preview, and a portrait printout.
TEST_F(TeamPrintingTest, PrintsAndPreviewsTheChosenPages) {
  TeamPrinting printing;
  printing.Printer().setOutputFormat(QPrinter::PdfFormat);
  printing.Printer().setOutputFileName(File("drucker.pdf"));
  printing.Printer().setPageOrientation(QPageLayout::Portrait);
  printing.SetPrinterChosen(true);
  auto team = Team(30);
  ChooseInDialog(3);
  printing.Print(nullptr, *team, {});
  EXPECT_EQ(PdfPages(File("drucker.pdf")), 3);
  EXPECT_EQ(printing.Printer().pageLayout().orientation(), QPageLayout::Landscape);

  team = Team(100);
  ChooseInDialog(1);
  int pages = -1;
  WhenModal<QPrintPreviewDialog>([&pages](QPrintPreviewDialog* preview) {
    EXPECT_EQ(preview->windowTitle(), "Seitenansicht");
    pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
    preview->close();
  });
  printing.Preview(nullptr, *team, {});
  EXPECT_EQ(pages, 3);  // matches 1, 49 and 97
}

// The preview plays its recorded pages back whenever it draws, after the page that was painted
// is gone and its pixels freed. Catches a logo drawn from the page's pixels instead of a copy
// of its own (coloured noise in the preview, or a read of freed memory the sanitizers report):
// here the page's pixels turn black after painting. (That the sheet has the logo: TeamSheetLogo.)
TEST_F(TeamPrintingTest, PreviewKeepsTheLogoAfterItsPageIsGone) {
  auto logo = std::make_shared<PixelImage>();
  logo->width = logo->height = 32;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintPreviewWidget preview(&printer);
  QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [logo](QPrinter* target) {
    logo->pixels.assign(32 * 32, 0xFF0CC85Au);
    SheetPage page;
    page.images.push_back(logo);
    page.ops.push_back({.kind = DrawKind::kBitmap, .rect = {100, -100, 1000, -1000}, .image = 0});
    QPainter painter(target);
    PaintSheetPage(painter, page, target->pageLayout(), target->resolution());
    painter.end();
    std::fill(logo->pixels.begin(), logo->pixels.end(), 0xFF000000u);
  });
  preview.resize(600, 500);
  preview.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
  preview.updatePreview();
  QApplication::processEvents();
  const QImage shown = preview.grab().toImage();
  int logoPixels = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) logoPixels += shown.pixel(x, y) == qRgb(0x0C, 0xC8, 0x5A) ? 1 : 0;
  EXPECT_GT(logoPixels, 100);
}

// The export appends ".pdf", asks before replacing a file under the completed name, and is
// reachable from the team window's menu. Catches a file without extension, a silently
// replaced file and a menu entry left disabled.
TEST_F(TeamPrintingTest, ExportPdfFromTheMenu) {
  ::setenv("KRV_DATEN", Path("Daten").c_str(), 1);
  KrashballApp app(QString::fromStdString(m_dir.string()));
  test::MessageRecorder messages;
  QString proposed;
  TeamPrinting::SetAskPdfPathFunction([&](QWidget*, const QString& offered) {
    proposed = offered;
    return QString::fromStdString(Path("Bogen"));
  });
  SaveTeamFile(*Team(0), Path("Orks.krt"));
  MainWindow frame(&app);
  ASSERT_NE(frame.OpenDocumentFile(File("Orks.krt")), nullptr);
  for (const char* name : {"print", "preview", "exportPdf", "printSetup"}) {
    EXPECT_TRUE(frame.Action(name)->isEnabled()) << name;
    EXPECT_TRUE(frame.Action(name)->isVisible()) << name;
  }
  for (const char* name : {"print", "preview"}) {
    const auto* button =
        frame.findChild<QToolBar*>("toolBar")->findChild<QToolButton*>(QString::fromLatin1(name) + "Button");
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->defaultAction(), frame.Action(name)) << name;
  }

  frame.Action("exportPdf")->trigger();  // no matches: no page choice
  EXPECT_EQ(proposed, File("Orks.pdf"));
  EXPECT_EQ(PdfPages(File("Bogen.pdf")), 1);
  EXPECT_TRUE(messages.requests.empty());

  QFile(File("Bogen.pdf")).resize(0);
  messages.answers = {1};  // "&Nein": keep the file
  frame.Action("exportPdf")->trigger();
  ASSERT_EQ(messages.requests.size(), 1u);
  EXPECT_TRUE(messages.Texts().front().contains("gibt es schon"));
  EXPECT_EQ(QFile(File("Bogen.pdf")).size(), 0);
  TeamPrinting::SetAskPdfPathFunction(nullptr);
}

}  // namespace
}  // namespace krv
