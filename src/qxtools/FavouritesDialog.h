#pragma once
// "Favoriten löschen": the favourites with a check box each; "&Löschen" removes the ticked ones.

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace qxtools {

class FavouritesDialog : public QDialog {
  Q_OBJECT
 public:
  FavouritesDialog(const QStringList& favourites, QWidget* parent);

  // The favourites that are not ticked.
  QStringList Remaining() const;

 private:
  void UpdateButton();

  QListWidget* m_list;
  QPushButton* m_delete;
};

}  // namespace qxtools
