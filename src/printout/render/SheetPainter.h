#pragma once
// The one painter of the team sheet and the match list: draws a page's drawing list on any
// paint device (printer, preview, PDF). It uses Qt GUI only, so the command-line tool can
// render pages without windows.

#include <QPageLayout>

#include "printout/PageOps.h"

class QPainter;

namespace krv {

// Draws `page` with the painter's origin at the printable area's top-left corner of a page
// of `layout` at `resolution` dots per inch; the layout is placed so nothing is cut off.
// The painter's state is restored afterwards.
void PaintSheetPage(QPainter& painter, const SheetPage& page, const QPageLayout& layout, int resolution);

}  // namespace krv
