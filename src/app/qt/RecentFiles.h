#pragma once
// The list "Zuletzt geöffnet" as the settings keep it: paths of files the program wrote or
// read, newest first. A name that is not UTF-8 is kept as its bytes, so it opens again.

#include <QString>
#include <QStringList>

namespace krv {

constexpr int kRecentFiles = 10;

QStringList RecentFiles();
// `path` to the top (a file was written or read there).
void AddRecentFile(const QString& path);
// `path` out of the list (it could not be opened).
void RemoveRecentFile(const QString& path);

}  // namespace krv
