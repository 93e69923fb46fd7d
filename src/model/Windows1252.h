#pragma once
// Team files and KRV.DAT hold their texts in Windows-1252; in memory every text is UTF-8.

#include <string>
#include <string_view>

namespace krv {

// Every byte has a meaning: the five bytes Windows-1252 leaves undefined become the C1
// control characters of the same value, so a file read and written again is unchanged.
std::string Windows1252ToUtf8(std::string_view bytes);
// The same into an existing string (its old text is replaced), which keeps its storage:
// the file reader fills the records' texts this way.
void AssignWindows1252AsUtf8(std::string_view bytes, std::string& out);

// Characters Windows-1252 cannot hold (and bytes that are not UTF-8, overlong forms among
// them) become "?".
// `replaced` (when given) is increased by the number of such characters.
std::string Utf8ToWindows1252(std::string_view utf8, size_t* replaced = nullptr);
// The same appended to `out`; returns the number of characters written as "?".
size_t AppendUtf8AsWindows1252(std::string_view utf8, std::string& out);

// True when the text is well-formed UTF-8: shortest forms only, no surrogates.
bool IsValidUtf8(std::string_view text);

// True when every character of the UTF-8 text can be stored in a team file.
bool IsWindows1252Representable(std::string_view utf8);

// The number of characters of a UTF-8 text, what a length limit of the program counts (each
// is one byte in a team file).
size_t CharacterCount(std::string_view utf8);

// The length of the leading part of `text` that is plain ASCII (the same in both
// encodings); most texts of a team are ASCII throughout.
size_t AsciiPrefixLength(std::string_view text);

}  // namespace krv
