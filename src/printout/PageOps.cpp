#include "printout/PageOps.h"

#include <array>

namespace krv {

const char* const kSheetFontFamily = "Times New Roman";

FontSpec GetFontSpec(SheetFont font) {
  static constexpr std::array<FontSpec, 8> kFonts{{
      {33, 400},  // sheet body
      {55, 700},  // sheet large bold
      {44, 700},  // sheet heading
      {30, 400},  // sheet small
      {30, 700},  // sheet small bold
      {44, 400},  // list body
      {44, 700},  // list heading
      {20, 400},  // list small
  }};
  return kFonts[static_cast<size_t>(font)];
}

}  // namespace krv
