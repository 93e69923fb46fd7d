#pragma once
// File names as the file system holds them (bytes) and as the windows hold them (UTF-16).
// Names that are not valid UTF-8 survive the way there and back: each byte that is not part
// of a valid UTF-8 sequence is held as the unpaired code unit U+DC80..U+DCFF, so that a file
// such as "Orks-\xe4.krt" from an older system can be opened and saved again.

#include <string>
#include <string_view>

namespace krv {

std::u16string FileNameToUtf16(std::string_view bytes);
std::string FileNameFromUtf16(std::u16string_view name);

}  // namespace krv
