#pragma once
// A printed page as a list of drawing operations in 0.1 mm units, x growing to the right and
// y growing upward (everything below the page origin has negative y). The core builds these
// lists; one painter draws them on a printer, a preview or a PDF.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace krv {

struct PixelImage;

// The fonts of the two pages; every one is "Times New Roman".
enum class SheetFont {
  kSheetBody,
  kSheetLargeBold,
  kSheetHeading,
  kSheetSmall,
  kSheetSmallBold,
  kListBody,
  kListHeading,
  kListSmall,
};

struct FontSpec {
  int32_t height;  // character height in 0.1 mm
  int32_t weight;  // 400 normal, 700 bold
};

FontSpec GetFontSpec(SheetFont font);
extern const char* const kSheetFontFamily;

enum class TextAlign { kLeft, kCenter, kRight };

// Left, top, right, bottom; top lies above bottom, so top > bottom.
struct PageRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PageRect&) const = default;
};

struct Rgb {
  uint8_t red = 0, green = 0, blue = 0;
};

enum class DrawKind {
  kFill,    // `rect` filled with `color`
  kLine,    // from (rect.left, rect.top) to (rect.right, rect.bottom)
  kText,    // `text` in the box `rect`: transparent background, word-wrapped, clipped to the
            // box, no mnemonic processing
  kBitmap,  // picture `image` of the page stretched into `rect` whatever its own proportions
};

struct DrawOp {
  DrawKind kind = DrawKind::kFill;
  PageRect rect;
  std::string text;  // UTF-8
  SheetFont font = SheetFont::kSheetBody;
  TextAlign align = TextAlign::kLeft;
  Rgb color;
  size_t image = 0;  // index into SheetPage::images
};

// One page in drawing order. An empty list is a blank page.
struct SheetPage {
  std::vector<DrawOp> ops;
  std::vector<std::shared_ptr<const PixelImage>> images;
};

// The area every page of the layout can reach; the painter fits this box onto the paper.
constexpr PageRect kLayoutBounds{34, -54, 2701, -2005};

}  // namespace krv
