#include "printout/render/PrintoutRenderer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "model/FileIO.h"
#include "model/FileNameText.h"
#include "printout/TeamPrintout.h"
#include "printout/render/SheetPainter.h"

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
  // Rendered in memory, then written as every file of the program: crash-safe, through links,
  // keeping permissions, refusing what is no writable file, with German messages.
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
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
  const QByteArray& bytes = buffer.data();
  WriteFileAtomically(FileNameFromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(path.utf16()),
                                                            static_cast<size_t>(path.size()))),
                      std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace krv
