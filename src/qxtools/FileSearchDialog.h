#pragma once
// "Dateien suchen": finds files by name below the requester's folder; the chosen one is handed
// back to the requester.

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qxtools {

class FileSearchDialog : public QDialog {
  Q_OBJECT
 public:
  FileSearchDialog(const QString& folder, const QStringList& patterns, QWidget* parent);

  // The full path of the file taken with "&Übernehmen", empty otherwise.
  QString ChosenFile() const { return m_chosen; }

  // Files below the folder whose names match one of the patterns; a name without "*" or "?"
  // matches wherever it occurs in a name. At most `limit` files; folders are not listed.
  static QStringList Find(const QString& folder, const QStringList& patterns, bool subfolders, int limit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Search();
  void Take();
  void UpdateButtons();

  QString m_folder;
  QString m_chosen;
  QLineEdit* m_pattern;
  QCheckBox* m_subfolders;
  QListWidget* m_results;
  QLabel* m_count;
  QPushButton* m_search;
  QPushButton* m_take;
};

}  // namespace qxtools
