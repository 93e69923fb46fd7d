#pragma once
// printf-style formatting into a std::string, for the program's fixed message texts. The
// compiler checks every format against its arguments (-Wformat).

#include <string>

namespace krv {

[[gnu::format(printf, 1, 2)]] std::string Format(const char* format, ...);

}  // namespace krv
