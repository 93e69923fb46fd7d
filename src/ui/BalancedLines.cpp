#include "ui/BalancedLines.h"

#include <QFontMetrics>
#include <QStringList>
#include <cmath>

namespace krv {
namespace {

// Breaks the words into lines, each ending at the break that comes closest to `target`.
QStringList BreakNear(const QStringList& words, const QFontMetrics& metrics, int target) {
  QStringList lines;
  QString line;
  for (const QString& word : words) {
    if (line.isEmpty()) {
      line = word;
      continue;
    }
    const QString longer = line + ' ' + word;
    const int without = metrics.horizontalAdvance(line);
    const int with = metrics.horizontalAdvance(longer);
    if (with > target && std::abs(with - target) > std::abs(target - without)) {
      lines << line;
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

QString BalanceLine(const QString& line, const QFontMetrics& metrics, int maxWidth) {
  const int width = metrics.horizontalAdvance(line);
  if (width <= maxWidth) return line;
  const QStringList words = line.split(' ', Qt::SkipEmptyParts);
  int longest = 0;
  for (const QString& word : words) longest = std::max(longest, metrics.horizontalAdvance(word));
  // As few lines as fit; one more while the breaks leave a line too wide.
  for (int count = (width + maxWidth - 1) / maxWidth; count <= static_cast<int>(words.size()); ++count) {
    const QStringList lines = BreakNear(words, metrics, width / count);
    bool fits = true;
    for (const QString& l : lines) fits = fits && (metrics.horizontalAdvance(l) <= std::max(maxWidth, longest));
    if (fits) return lines.join('\n');
  }
  return words.join('\n');
}

}  // namespace

QString BalancedLines(const QString& text, const QFontMetrics& metrics, int maxWidth) {
  QStringList lines = text.split('\n');
  for (QString& line : lines) line = BalanceLine(line, metrics, maxWidth);
  return lines.join('\n');
}

}  // namespace krv
