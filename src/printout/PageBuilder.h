#pragma once
// Small helpers that append drawing operations to a page.

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "printout/PageOps.h"

namespace krv {

inline DrawOp& AddOp(SheetPage& page, DrawKind kind, const PageRect& rect) {
  DrawOp& op = page.ops.emplace_back();
  op.kind = kind;
  op.rect = rect;
  return op;
}

inline void AddFill(SheetPage& page, const PageRect& rect, Rgb color) {
  AddOp(page, DrawKind::kFill, rect).color = color;
}

inline void AddLine(SheetPage& page, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  AddOp(page, DrawKind::kLine, {x1, y1, x2, y2});
}

inline void AddText(SheetPage& page, const PageRect& box, std::string text, SheetFont font, TextAlign align) {
  DrawOp& op = AddOp(page, DrawKind::kText, box);
  op.text = std::move(text);
  op.font = font;
  op.align = align;
}

inline void AddBitmap(SheetPage& page, const PageRect& rect, std::shared_ptr<const PixelImage> image) {
  page.images.push_back(std::move(image));
  AddOp(page, DrawKind::kBitmap, rect).image = page.images.size() - 1;
}

// A frame of vertical lines at `xs` and horizontal lines at `ys`, spanning `span`.
inline void AddFrame(SheetPage& page, const PageRect& span, std::initializer_list<int32_t> xs,
                     std::initializer_list<int32_t> ys) {
  for (int32_t x : xs) AddLine(page, x, span.top, x, span.bottom);
  for (int32_t y : ys) AddLine(page, span.left, y, span.right, y);
}

// `text` with every `from` replaced by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace krv
