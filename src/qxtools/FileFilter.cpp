#include "qxtools/FileFilter.h"

namespace qxtools {

QList<FileType> ParseFileFilter(const QString& filter) {
  const QStringList parts = filter.trimmed().split(QLatin1Char('|'));
  QList<FileType> types;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString text = parts[i].trimmed();
    const QString pattern = parts[i + 1].trimmed();
    if (text.isEmpty() || pattern.isEmpty()) break;  // an empty part ("||") ends the list
    QStringList patterns;
    for (const QString& part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString one = part.trimmed();
      if (one.isEmpty()) continue;
      patterns << (one == QLatin1String("*.*") ? QStringLiteral("*") : one);
    }
    if (patterns.isEmpty()) break;
    types.append({text, patterns});
  }
  if (types.isEmpty()) types.append({QStringLiteral("Alle Dateien (*.*)"), {QStringLiteral("*")}});
  return types;
}

}  // namespace qxtools
