#pragma once
// What the requester remembers between uses: per mode ("OPEN", "SAVE") under "QXGUI" the view
// ("Details2", "Symbole"), whether the folder tree is shown ("TreeView") and the favourites
// ("FAVORITEN_ANZ", "S0", "S1", ...); the window placement under "FileRequester".

#include <QSettings>
#include <QString>
#include <QStringList>

class QWidget;

namespace qxtools {

// The settings store chosen with QXTools::SetSettingsLocation, else the application's profile.
QSettings OpenSettings();

enum class ListView { Details, List, Icons };

struct ViewSettings {
  ListView view = ListView::Details;
  bool treeShown = true;
};

ViewSettings LoadViewSettings(const QString& mode);
void StoreViewSettings(const QString& mode, const ViewSettings& settings);

// The favourite folders of a mode; the standard favourites while none were ever stored.
QStringList LoadFavourites(const QString& mode);
void StoreFavourites(const QString& mode, const QStringList& folders);
// The user's usual folders that exist: home, desktop, documents, pictures, downloads.
QStringList StandardFavourites();

// Restores the window's size and position under the layout name when it is first shown and
// stores them whenever it is hidden. A placement that fits no screen any more is ignored.
void RememberPlacement(QWidget* window, const QString& layoutName);

}  // namespace qxtools
