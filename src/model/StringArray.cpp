#include "model/StringArray.h"

#include "model/TextCase.h"

namespace krv {

bool CKRStringArray::Contains(std::string_view text) const {
  for (const auto& item : m_Items)
    if (EqualsIgnoringAsciiCase(item, text)) return true;
  return false;
}

}  // namespace krv
