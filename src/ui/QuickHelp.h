#pragma once
// Quick-help texts (tooltips) of the dialogs. A few of the program's texts carry a control
// character of code 1 after a line break; it is not shown.

#include <QString>

namespace krv {

inline QString QuickHelpText(const char* utf8) { return QString::fromUtf8(utf8).remove(QChar(1)); }

}  // namespace krv
