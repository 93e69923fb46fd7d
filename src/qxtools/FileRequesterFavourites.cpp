// The favourite folders: their menu, adding, restoring the standard ones and deleting.

#include "qxtools/FileRequesterQX.h"

#include <QAction>
#include <QMenu>
#include <QStyle>

#include "qxtools/FavouritesDialog.h"
#include "qxtools/RequesterMessages.h"
#include "qxtools/RequesterPaths.h"

using namespace qxtools;

void CFileRequesterQX::FillFavouritesMenu() {
  m_favouritesMenu->clear();
  const QIcon icon = style()->standardIcon(QStyle::SP_DirLinkIcon);
  for (const QString& folder : m_favourites) {
    QAction* action = m_favouritesMenu->addAction(icon, folder);
    connect(action, &QAction::triggered, this, [this, folder] {
      if (!OpenFolder(folder, true)) ShowNotice(this, QStringLiteral("Dies ist kein gültiges Verzeichnis!"));
    });
  }
  if (!m_favourites.isEmpty()) m_favouritesMenu->addSeparator();
  m_deleteFavouritesAction->setEnabled(!m_favourites.isEmpty());
  m_addFavouriteAction->setEnabled(!m_favourites.contains(m_folder));
  m_favouritesMenu->addActions({m_standardFavouritesAction, m_deleteFavouritesAction, m_addFavouriteAction});
  m_favouritesMenu->addSeparator();
  m_favouritesMenu->addAction(m_fileManagerAction);
}

void CFileRequesterQX::SetFavourites(const QStringList& folders) {
  m_favourites = folders;
  StoreFavourites(ModeName(), m_favourites);
  FillPlaces();
}

void CFileRequesterQX::AddCurrentFolderToFavourites() {
  if (m_favourites.contains(m_folder)) return;
  SetFavourites(m_favourites + QStringList{m_folder});
}

void CFileRequesterQX::RestoreStandardFavourites() { SetFavourites(StandardFavourites()); }

void CFileRequesterQX::DeleteFavourites() {
  if (m_favourites.isEmpty()) return;
  FavouritesDialog dialog(m_favourites, this);
  if (dialog.exec() == QDialog::Accepted) SetFavourites(dialog.Remaining());
}
