#include "sheet/render/PrintoutRenderer.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

#include "model/FileIO.h"
#include "sheet/TeamPrintout.h"
#include "sheet/render/SheetPainter.h"

namespace krv {
namespace {

// Dots per inch of the PDF's coordinates; fine enough for the 0.1 mm layout.
constexpr int kPdfResolution = 1200;

// Printer margins the PDF leaves free, so a PDF printed again loses nothing.
constexpr double kPdfMarginMm = 5;

}  // namespace

void RenderPrintout(QPainter& painter, QPagedPaintDevice& device, int resolution, const TeamPrintout& printout,
                    int first, int last) {
  if (last < 0 || last > printout.PageCount()) last = printout.PageCount();
  first = std::max(first, 1);
  const QPageLayout layout = device.pageLayout();
  for (int page = first; page <= last; ++page) {
    if (page > first) device.newPage();
    PaintSheetPage(painter, printout.Page(page), layout, resolution);
  }
}

void WritePrintoutPdf(const TeamPrintout& printout, const QString& path, const QString& title,
                      const QPageSize& pageSize) {
  QSaveFile file(path);
  const std::string target = path.toStdString();
  if (!file.open(QIODevice::WriteOnly))
    throw FileError(FileMessage(target, "Die Datei kann nicht angelegt werden: " + file.errorString().toStdString()));
  {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Landscape,
                                     QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                     QPageLayout::Millimeter));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Krashball-Verwaltung"));
    QPainter painter(&writer);
    RenderPrintout(painter, writer, kPdfResolution, printout);
    painter.end();
  }
  if (!file.commit())
    throw FileError(FileMessage(target, "Die Datei kann nicht geschrieben werden: " + file.errorString().toStdString()));
}

}  // namespace krv
