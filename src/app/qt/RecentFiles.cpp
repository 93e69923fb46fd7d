#include "app/qt/RecentFiles.h"

#include <QByteArray>
#include <QSettings>
#include <QVariant>

#include "ui/AppSettings.h"
#include "ui/FileNames.h"

namespace krv {
namespace {

const QString kRecentKey = QStringLiteral("Recent File List/File%1");

// A UTF-8 name as text (readable in the settings file); any other as its bytes.
QVariant Stored(const QString& path) {
  const std::string bytes = FileNameBytes(path);
  if (QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())) == path) return path;
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString Loaded(const QVariant& value) {
  if (value.typeId() == QMetaType::QByteArray) return FileNameFromBytes(value.toByteArray().toStdString());
  return value.toString();
}

void Store(const QStringList& files) {
  QSettings settings = AppSettings();
  for (int i = 1; i <= kRecentFiles; ++i) {
    if (i <= files.size()) settings.setValue(kRecentKey.arg(i), Stored(files[i - 1]));
    else settings.remove(kRecentKey.arg(i));
  }
}

}  // namespace

QStringList RecentFiles() {
  QSettings settings = AppSettings();
  QStringList files;
  for (int i = 1; i <= kRecentFiles; ++i) {
    const QString file = Loaded(settings.value(kRecentKey.arg(i)));
    if (!file.isEmpty()) files << file;
  }
  return files;
}

void AddRecentFile(const QString& path) {
  QStringList files = RecentFiles();
  files.removeAll(path);
  files.prepend(path);
  Store(files.mid(0, kRecentFiles));
}

void RemoveRecentFile(const QString& path) {
  QStringList files = RecentFiles();
  if (files.removeAll(path) > 0) Store(files);
}

}  // namespace krv
