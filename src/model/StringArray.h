#pragma once
// A list of texts that can be stored as an object; holds the system team list.

#include <string>
#include <string_view>
#include <vector>

namespace krv {

class ArchiveReader;
class ArchiveWriter;

class CKRStringArray {
 public:
  static constexpr const char* kClassName = "CKRStringArray";
  static constexpr int kSchema = 2;

  // True when an element equals `text`, ignoring the case of ASCII letters.
  bool Contains(std::string_view text) const;

  // The texts as a count followed by each text; the caller writes or reads the object tag.
  void Serialize(ArchiveWriter& archive) const;
  void Deserialize(ArchiveReader& archive);

  std::vector<std::string> m_Items;
};

}  // namespace krv
