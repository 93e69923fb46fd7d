#pragma once
// "Volk ändern": puts right a team whose race or players' position codes came out wrong after
// races were added to the program. The dialog edits a RaceRepair; the caller takes it over
// when the dialog closes.

#include <QDialog>
#include "roster/RaceRepair.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

namespace krv {

class CKRTeam;

class RaceChangeDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RaceChangeDialog(const CKRTeam& team, QWidget* parent = nullptr);

  // The result, read after the dialog closed.
  const RaceRepair& Repair() const { return m_repair; }

 private:
  void OnRaceChosen();
  void OnSelectionChanged();
  void OnPositionTypeChosen(int entry);
  void FillPlayers();

  const CKRTeam& m_team;
  RaceRepair m_repair;
  QComboBox* m_pRasse;
  QLineEdit* m_pEigene;
  QTreeWidget* m_pSpieler;
  QComboBox* m_pSpielertyp;
};

}  // namespace krv
