#include "printout/qt/TeamPrinting.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "model/FileIO.h"
#include "model/Team.h"
#include "printout/TeamPrintout.h"
#include "printout/qt/PrintChoiceDialog.h"
#include "printout/render/PrintoutRenderer.h"
#include "ui/FileChooser.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"

namespace krv {
namespace {

TeamPrinting::AskPdfPathFunction& AskPdfPathOverride() {
  static TeamPrinting::AskPdfPathFunction function;
  return function;
}

QString AskPdfPath(QWidget* parent, const QString& proposed, const ProgramServices& services) {
  if (AskPdfPathOverride()) return AskPdfPathOverride()(parent, proposed);
  return AskFileToSave(parent, services, PdfFileKind(), proposed);
}

// Draws the printout on a printer in landscape, honouring a page range chosen in its dialog.
void PrintOn(QPrinter& printer, const TeamPrintout& printout) {
  printer.setPageOrientation(QPageLayout::Landscape);
  QPainter painter;
  if (!painter.begin(&printer)) return;
  const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
  RenderPrintout(painter, printer, printer.resolution(), printout, range ? printer.fromPage() : 1,
                 range ? printer.toPage() : -1);
  painter.end();
}

}  // namespace

TeamPrinting::TeamPrinting() = default;

TeamPrinting::~TeamPrinting() = default;

QPrinter& TeamPrinting::Printer() {
  // Made on first use: a printer loads the system's print support and asks the print service
  // for its printers, which the main window does not need to come up.
  if (!m_printer) {
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setPageOrientation(QPageLayout::Landscape);
  }
  return *m_printer;
}

void TeamPrinting::SetAskPdfPathFunction(AskPdfPathFunction function) { AskPdfPathOverride() = std::move(function); }

QString WithPdfExtension(const QString& path) {
  return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf");
}

bool TeamPrinting::HasPrinter() const { return m_bPrinterChosen || !QPrinterInfo::defaultPrinter().isNull(); }

void TeamPrinting::PrinterSetup(QWidget* parent) {
  QPrintDialog dialog(&Printer(), parent);
  dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() == QDialog::Accepted) {
    Printer().setPageOrientation(QPageLayout::Landscape);
    m_bPrinterChosen = true;
  }
}

std::optional<PrintMode> TeamPrinting::AskPages(QWidget* parent, const CKRTeam& team) {
  if (CountMatches(team) == 0) return PrintMode::kSheetOnly;
  PrintChoiceDialog dialog(m_mode, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  m_mode = dialog.Mode();
  return m_mode;
}

void TeamPrinting::Print(QWidget* parent, CKRTeam& team, const SheetPrintSettings& settings) {
  const std::optional<PrintMode> mode = AskPages(parent, team);
  if (!mode) return;
  const TeamPrintout printout(team, *mode, settings);
  if (!HasPrinter()) {
    Printer().setFromTo(1, printout.PageCount());
    QPrintDialog dialog(&Printer(), parent);
    dialog.setMinMax(1, printout.PageCount());
    if (dialog.exec() != QDialog::Accepted) return;
  }
  WaitCursor wait;
  PrintOn(Printer(), printout);
}

void TeamPrinting::Preview(QWidget* parent, CKRTeam& team, const SheetPrintSettings& settings) {
  const std::optional<PrintMode> mode = AskPages(parent, team);
  if (!mode) return;
  const TeamPrintout printout(team, *mode, settings);
  Printer().setPageOrientation(QPageLayout::Landscape);
  QPrintPreviewDialog preview(&Printer(), parent);
  preview.setObjectName(QStringLiteral("Seitenansicht"));
  preview.setWindowTitle(QStringLiteral("Seitenansicht"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&printout](QPrinter* printer) { PrintOn(*printer, printout); });
  preview.exec();
}

void TeamPrinting::ExportPdf(QWidget* parent, CKRTeam& team, const SheetPrintSettings& settings,
                             const QString& proposedPath, const ProgramServices& services) {
  const std::optional<PrintMode> mode = AskPages(parent, team);
  if (!mode) return;
  const QString chosen = AskPdfPath(parent, proposedPath, services);
  if (chosen.isEmpty()) return;
  const QString path = WithPdfExtension(chosen);
  // The dialog asked about the name as typed; a file under the completed name is asked about here.
  if (path != chosen && QFileInfo::exists(path) &&
      !QuestionBox(parent, QStringLiteral("„%1“ gibt es schon.\nSoll die Datei ersetzt werden?").arg(path)))
    return;
  const TeamPrintout printout(team, *mode, settings);
  try {
    WaitCursor wait;
    WritePrintoutPdf(printout, path, QString::fromStdString(team.m_strName));
  } catch (const FileError& e) {
    ErrorBox(parent, QString::fromStdString(e.what()));
  }
}

}  // namespace krv
