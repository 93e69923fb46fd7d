#include "qxtools/RequesterPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace qxtools {
namespace {

QString StandardFolder(QStandardPaths::StandardLocation location) {
  const QString folder = QStandardPaths::writableLocation(location);
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) return QDir::cleanPath(folder);
  return QDir::cleanPath(QDir::homePath());
}

QString& LastFolderStore() {
  static QString folder;
  return folder;
}

}  // namespace

QString DocumentsFolder() { return StandardFolder(QStandardPaths::DocumentsLocation); }

QString DesktopFolder() { return StandardFolder(QStandardPaths::DesktopLocation); }

QString LastFolder() {
  const QString& folder = LastFolderStore();
  return folder.isEmpty() ? DocumentsFolder() : ExistingFolder(folder);
}

void SetLastFolder(const QString& folder) { LastFolderStore() = folder; }

QString ExistingFolder(const QString& folder) {
  if (folder.isEmpty()) return DocumentsFolder();
  QString candidate = QDir::cleanPath(QDir(folder).absolutePath());
  for (;;) {
    if (QFileInfo(candidate).isDir()) return candidate;
    const QString parent = QFileInfo(candidate).path();
    if (parent == candidate) break;
    candidate = parent;
  }
  return DocumentsFolder();
}

StartLocation SplitStartPath(const QString& path, bool startInLastFolder) {
  if (path.trimmed().isEmpty())
    return {startInLastFolder ? LastFolder() : ExistingFolder(QCoreApplication::applicationDirPath()), QString()};
  if (path.endsWith(QLatin1Char('/')) || QFileInfo(path).isDir()) return {ExistingFolder(path), QString()};
  const QFileInfo info(path);
  return {ExistingFolder(info.absolutePath()), info.fileName()};
}

QStringList SplitTypedNames(const QString& text) {
  const QString trimmed = text.trimmed();
  if (!trimmed.startsWith(QLatin1Char('"'))) return trimmed.isEmpty() ? QStringList() : QStringList{trimmed};
  static const QRegularExpression quoted(QStringLiteral("\"([^\"]*)\""));
  QStringList names;
  for (const QRegularExpressionMatch& match : quoted.globalMatch(trimmed)) {
    const QString name = match.captured(1).trimmed();
    if (!name.isEmpty()) names << name;
  }
  return names;
}

QString JoinNames(const QStringList& names) {
  if (names.size() == 1) return names.first();
  QStringList quoted;
  for (const QString& name : names) quoted << QLatin1Char('"') + name + QLatin1Char('"');
  return quoted.join(QLatin1Char(' '));
}

QString CombinePath(const QString& folder, const QString& name) {
  QString expanded = name;
  if (expanded == QLatin1String("~") || expanded.startsWith(QLatin1String("~/")))
    expanded = QDir::homePath() + expanded.mid(1);
  if (QDir::isAbsolutePath(expanded)) return QDir::cleanPath(expanded);
  return QDir::cleanPath(QDir(folder).absoluteFilePath(expanded));
}

bool HasWildcard(const QString& name) { return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?')); }

}  // namespace qxtools
