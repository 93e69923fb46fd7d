#pragma once
// Looking things up in a page's drawing list the way a reader looks at the paper: which text
// stands in the box at a place, which lines and pictures there are.

#include <initializer_list>
#include <string>
#include <vector>

#include "printout/PageOps.h"

namespace krv::test {

// The text drawn in the box whose top-left corner is (left, top); null when there is none.
inline const DrawOp* TextAt(const SheetPage& page, int32_t left, int32_t top) {
  for (const DrawOp& op : page.ops)
    if (op.kind == DrawKind::kText && op.rect.left == left && op.rect.top == top) return &op;
  return nullptr;
}

inline std::string TextIn(const SheetPage& page, int32_t left, int32_t top) {
  const DrawOp* op = TextAt(page, left, top);
  return op ? op->text : "<kein Textfeld>";
}

// The texts of one row, in the boxes at these left edges.
inline std::vector<std::string> TextsIn(const SheetPage& page, int32_t top, std::initializer_list<int32_t> lefts) {
  std::vector<std::string> texts;
  for (int32_t left : lefts) texts.push_back(TextIn(page, left, top));
  return texts;
}

inline std::vector<const DrawOp*> OpsOfKind(const SheetPage& page, DrawKind kind) {
  std::vector<const DrawOp*> ops;
  for (const DrawOp& op : page.ops)
    if (op.kind == kind) ops.push_back(&op);
  return ops;
}

}  // namespace krv::test
