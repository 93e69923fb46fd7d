#include "model/StringArray.h"

#include "model/Archive.h"
#include "model/TextCase.h"

namespace krv {

bool CKRStringArray::Contains(std::string_view text) const {
  for (const auto& item : m_Items)
    if (EqualsIgnoringAsciiCase(item, text)) return true;
  return false;
}

}  // namespace krv

namespace krv {

void CKRStringArray::Serialize(ArchiveWriter& archive) const {
  archive.WriteCount(m_Items.size());
  for (const auto& item : m_Items) archive.WriteString(item);
}

void CKRStringArray::Deserialize(ArchiveReader& archive) {
  const uint32_t count = archive.ReadCount(1);  // every text has at least its length byte
  std::vector<std::string> items;
  items.reserve(count);
  for (uint32_t i = 0; i < count; ++i) items.push_back(archive.ReadString());
  m_Items = std::move(items);
}

}  // namespace krv
