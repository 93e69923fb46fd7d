#pragma once
// Folders and names as the requester understands them.

#include <QString>
#include <QStringList>

namespace qxtools {

// The user's documents folder ("Eigene Dateien"), the home folder when there is none.
QString DocumentsFolder();
// The desktop folder, the home folder when there is none.
QString DesktopFolder();

// The folder the requester showed when it was last closed, shared by all requesters of the
// program; the documents folder before the first use.
QString LastFolder();
void SetLastFolder(const QString& folder);

// The folder itself when it exists, else its nearest existing parent, else the documents folder.
QString ExistingFolder(const QString& folder);

struct StartLocation {
  QString folder;  // an existing folder
  QString name;    // the proposed file name, may be empty
};

// Splits a starting path into folder and file name. A path naming a folder (ending in "/" or
// existing as one) gives that folder and no name. An empty path starts in the last folder
// when asked for, else in the program's own folder.
StartLocation SplitStartPath(const QString& path, bool startInLastFolder);

// The names typed into "Dateiname:": several names in double quotes ("a.krt" "b.krt"),
// else the whole text as one name.
QStringList SplitTypedNames(const QString& text);
// The names written back for several selected files.
QString JoinNames(const QStringList& names);

// A typed name combined with the current folder. Absolute names and "~/..." stand for
// themselves; ".." and "." are resolved.
QString CombinePath(const QString& folder, const QString& name);

bool HasWildcard(const QString& name);

}  // namespace qxtools
