#include "rules/SortText.h"

#include <cstddef>
#include <utility>

#include "model/Windows1252.h"

namespace krv {
namespace {

unsigned char FoldAsciiLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// Compares texts that are already Windows-1252 bytes.
int CompareSortBytes(std::string_view a, std::string_view b) {
  const size_t common = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < common; ++i) {
    const unsigned char ca = FoldAsciiLetter(static_cast<unsigned char>(a[i]));
    const unsigned char cb = FoldAsciiLetter(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

int CompareSortText(std::string_view a, std::string_view b) {
  return CompareSortBytes(Utf8ToWindows1252(a), Utf8ToWindows1252(b));
}

void SortStringList(std::vector<std::string>& list) {
  // Convert once; the keys travel with their texts through the swaps.
  std::vector<std::string> keys;
  keys.reserve(list.size());
  for (const std::string& text : list) keys.push_back(Utf8ToWindows1252(text));

  for (size_t i = 0; i + 1 < list.size(); ++i) {
    for (size_t j = i + 1; j < list.size(); ++j) {
      if (CompareSortBytes(keys[i], keys[j]) > 0) {
        std::swap(keys[i], keys[j]);
        std::swap(list[i], list[j]);
      }
    }
  }
}

}  // namespace krv
