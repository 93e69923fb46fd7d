#pragma once
// Long message lines broken by hand into lines of about the same width, so that a box never
// ends with one lonely word ("ein.") on a line of its own.

#include <QString>

class QFontMetrics;

namespace krv {

// Every line of `text` wider than `maxWidth` is broken at spaces into as few lines as fit,
// all about equally wide. Lines that fit, and words longer than `maxWidth`, stay as they are.
QString BalancedLines(const QString& text, const QFontMetrics& metrics, int maxWidth);

}  // namespace krv
