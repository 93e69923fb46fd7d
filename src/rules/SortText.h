#pragma once
// The one text order of the catalogue: byte by byte over the Windows-1252 bytes, with only
// the ASCII letters folded, the way the skill lists and abbreviation texts were always sorted.

#include <string>
#include <string_view>
#include <vector>

namespace krv {

// Negative when `a` sorts before `b`, zero when they sort alike, positive otherwise.
// Texts are UTF-8; they are compared as their Windows-1252 bytes, so "€" (0x80) sorts
// before "ä" (0xE4) and umlauts sort after every ASCII letter. A prefix sorts first.
int CompareSortText(std::string_view a, std::string_view b);

// Sorts the list in place, ascending, by CompareSortText. It is the program's exchange
// sort, not a stable sort: texts that differ only in ASCII case may change their order.
void SortStringList(std::vector<std::string>& list);

}  // namespace krv
