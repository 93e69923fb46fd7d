#pragma once
// Control characters in texts: ESC, BEL, DEL, the C1 controls, and line breaks where a text
// has only one line. A name must not carry them (a team file could otherwise send escape
// sequences to a terminal that shows it), and whatever shows a text outside a window prints
// them escaped.

#include <string>
#include <string_view>

namespace krv {

// True when the UTF-8 text holds a control character; CR, LF and TAB count only where
// `multiLine` is false (a multi-line text keeps its line breaks, never a tab).
bool HasControlCharacters(std::string_view utf8, bool multiLine);

// The text with every control character written as "\xHH" (C0 and DEL) or "\uHHHH" (C1),
// line feeds included: the result is one printable line.
std::string EscapeControlCharacters(std::string_view utf8);

}  // namespace krv
