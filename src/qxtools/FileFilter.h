#pragma once
// The file types of the "Dateityp:" box, read from the usual filter string of alternating
// display texts and patterns: "Krashball-Team (*.krt)|*.krt|Alle Dateien (*.*)|*.*||".

#include <QList>
#include <QString>
#include <QStringList>

namespace qxtools {

struct FileType {
  QString text;          // shown in the box
  QStringList patterns;  // name patterns for the list; "*.*" becomes "*" (names need no dot)
};

// Several patterns of one type are separated by ";". The first empty text or pattern ends the
// list, as "||" does. An empty list gives "Alle Dateien (*.*)".
QList<FileType> ParseFileFilter(const QString& filter);

}  // namespace qxtools
