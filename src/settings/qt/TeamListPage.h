#pragma once
// Settings page "Team-Liste": the system team list, sorted, to add names to and delete from.
// The page works on a copy; the sheet hands it to the system team list on OK only.

#include <QWidget>

#include "settings/TeamListEdit.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace krv {

class TeamListPage : public QWidget {
  Q_OBJECT
 public:
  explicit TeamListPage(const CKRStringArray& teams, QWidget* parent = nullptr);

  const TeamListEdit& Teams() const { return m_Teams; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnUebernehmen();
  void OnLoeschen();
  void FillList();

  TeamListEdit m_Teams;
  QLineEdit* m_pName;
  QListWidget* m_pList;
  QPushButton* m_pLoeschen;
  QLabel* m_pCount;
};

}  // namespace krv
