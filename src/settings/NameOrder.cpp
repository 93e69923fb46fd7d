#include "settings/NameOrder.h"

#include <algorithm>

#include "model/TextCase.h"

namespace krv {

std::string NameSortKey(const std::string& name) {
  std::string key;
  key.reserve(name.size());
  for (size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c == 0xC3 && i + 1 < name.size()) {
      const auto next = static_cast<unsigned char>(name[i + 1]);
      const char* folded = nullptr;
      switch (next) {
        case 0x84:
        case 0xA4: folded = "a"; break;  // Ä ä
        case 0x96:
        case 0xB6: folded = "o"; break;  // Ö ö
        case 0x9C:
        case 0xBC: folded = "u"; break;   // Ü ü
        case 0x9F: folded = "ss"; break;  // ß
        default: break;
      }
      if (folded) {
        key += folded;
        ++i;
        continue;
      }
    }
    key += AsciiLower(static_cast<char>(c));
  }
  return key;
}

void SortNames(std::vector<std::string>& names) {
  std::vector<std::pair<std::string, std::string>> keyed;
  keyed.reserve(names.size());
  for (auto& name : names) keyed.emplace_back(NameSortKey(name), std::move(name));
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < keyed.size(); ++i) names[i] = std::move(keyed[i].second);
}

}  // namespace krv
