#include "printout/render/SheetPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>

#include "printout/BitmapPixels.h"
#include "printout/PagePlacement.h"

namespace krv {
namespace {

// The painter works in 0.01 mm with y growing downward: ten times finer than the layout,
// so font sizes, which Qt keeps as whole pixels, stay exact to a tenth of the layout's unit.
constexpr double kFine = 10;
constexpr double kMmPerInch = 25.4;

QRectF Box(const PageRect& r) {
  return QRectF(r.left * kFine, -r.top * kFine, (r.right - r.left) * kFine, (r.top - r.bottom) * kFine);
}

QFont MakeFont(SheetFont which) {
  const FontSpec look = GetFontSpec(which);
  QFont font(QString::fromLatin1(kSheetFontFamily));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(static_cast<int>(look.height * kFine));  // the character height
  font.setWeight(look.weight >= 700 ? QFont::Bold : QFont::Normal);
  font.setHintingPreference(QFont::PreferNoHinting);  // scaled to paper, not fitted to pixels
  return font;
}

// The eight fonts of a page. Made per page, not kept: a font must not outlive the GUI
// application whose font database resolved it.
struct PageFonts {
  std::array<QFont, 8> fonts;
  PageFonts() {
    for (size_t i = 0; i < fonts.size(); ++i) fonts[i] = MakeFont(static_cast<SheetFont>(i));
  }
  const QFont& operator[](SheetFont which) const { return fonts[static_cast<size_t>(which)]; }
};

Qt::Alignment Alignment(TextAlign align) {
  switch (align) {
    case TextAlign::kCenter: return Qt::AlignTop | Qt::AlignHCenter;
    case TextAlign::kRight: return Qt::AlignTop | Qt::AlignRight;
    case TextAlign::kLeft: break;
  }
  return Qt::AlignTop | Qt::AlignLeft;
}

// Millimetres to the painter's device pixels.
QTransform PageTransform(const QPageLayout& layout, int resolution) {
  const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
  const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
  const PagePlacement placement =
      PlaceLayout({paper.left(), paper.top(), paper.width(), paper.height()},
                  {printable.left(), printable.top(), printable.width(), printable.height()});
  const double pixelsPerMm = resolution / kMmPerInch;
  QTransform transform;
  transform.scale(pixelsPerMm, pixelsPerMm);
  transform.translate(placement.originX - printable.left(), placement.originY - printable.top());
  transform.scale(placement.scale / 100, placement.scale / 100);  // 0.01 mm to mm
  return transform;
}

void DrawText(QPainter& painter, const DrawOp& op, const PageFonts& fonts) {
  if (op.text.empty() || op.text == " ") return;  // nothing to see
  const QRectF box = Box(op.rect);
  const QFont& font = fonts[op.font];
  painter.setFont(font);
  painter.save();
  // A long text ends at its box, as on the form; only whole lines are shown, never the top
  // half of a line that does not fit.
  const double lineSpacing = QFontMetricsF(font).lineSpacing();
  const double wholeLines =
      lineSpacing > 0 ? std::max(1.0, std::floor(box.height() / lineSpacing)) * lineSpacing : box.height();
  painter.setClipRect(QRectF(box.left(), box.top(), box.width(), std::min(box.height(), wholeLines)),
                      Qt::IntersectClip);
  painter.drawText(box, static_cast<int>(Alignment(op.align) | Qt::TextWordWrap), QString::fromStdString(op.text));
  painter.restore();
}

void DrawBitmap(QPainter& painter, const DrawOp& op, const SheetPage& page) {
  if (op.image >= page.images.size() || !page.images[op.image]) return;
  const PixelImage& pixels = *page.images[op.image];
  // A copy of its own: the print preview keeps the picture after the page is gone.
  const QImage image = QImage(reinterpret_cast<const uchar*>(pixels.pixels.data()), pixels.width, pixels.height,
                              static_cast<qsizetype>(pixels.width) * 4, QImage::Format_RGB32)
                           .copy();
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(Box(op.rect), image);
  painter.restore();
}

}  // namespace

void PaintSheetPage(QPainter& painter, const SheetPage& page, const QPageLayout& layout, int resolution) {
  painter.save();
  painter.setTransform(PageTransform(layout, resolution), true);
  painter.setBackgroundMode(Qt::TransparentMode);
  QPen pen(Qt::black, kFine, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);  // 0.1 mm
  const PageFonts fonts;
  for (const DrawOp& op : page.ops) {
    switch (op.kind) {
      case DrawKind::kFill: painter.fillRect(Box(op.rect), QColor(op.color.red, op.color.green, op.color.blue)); break;
      case DrawKind::kLine:
        painter.setPen(pen);
        painter.drawLine(QPointF(op.rect.left * kFine, -op.rect.top * kFine),
                         QPointF(op.rect.right * kFine, -op.rect.bottom * kFine));
        break;
      case DrawKind::kText:
        painter.setPen(Qt::black);
        DrawText(painter, op, fonts);
        break;
      case DrawKind::kBitmap: DrawBitmap(painter, op, page); break;
    }
  }
  painter.restore();
}

}  // namespace krv
