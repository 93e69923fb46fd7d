#pragma once
// Team files and KRV.DAT hold their texts in Windows-1252; in memory every text is UTF-8.

#include <string>
#include <string_view>

namespace krv {

// Every byte has a meaning: the five bytes Windows-1252 leaves undefined become the C1
// control characters of the same value, so a file read and written again is unchanged.
std::string Windows1252ToUtf8(std::string_view bytes);

// Characters Windows-1252 cannot hold (and bytes that are not UTF-8) become "?".
// `replaced` (when given) is increased by the number of such characters.
std::string Utf8ToWindows1252(std::string_view utf8, size_t* replaced = nullptr);

// True when every character of the UTF-8 text can be stored in a team file.
bool IsWindows1252Representable(std::string_view utf8);

}  // namespace krv
