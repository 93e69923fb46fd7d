#pragma once
// Renders a whole printout onto a paged device: printer, preview or PDF writer. One page is
// built, drawn and dropped at a time.

#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace krv {

class TeamPrintout;

// Draws pages `first` to `last` (counted from 1, clamped to the printout) with an active
// painter on `device`, starting a new device page between them.
void RenderPrintout(QPainter& painter, QPagedPaintDevice& device, int resolution, const TeamPrintout& printout,
                    int first = 1, int last = -1);

// Writes the printout as a PDF, landscape, with its text kept as text and the fonts
// embedded. The file appears only complete; throws FileError (German) when it cannot be
// written.
void WritePrintoutPdf(const TeamPrintout& printout, const QString& path, const QString& title,
                      const QPageSize& pageSize = QPageSize(QPageSize::A4));

}  // namespace krv
