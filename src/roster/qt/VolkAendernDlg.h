#pragma once
// "Volk ändern": puts right a team whose race or players' position codes came out wrong after
// races were added to the program. Position codes change on the players at once; the race and
// the own race name are taken over by the caller when the dialog was changed.

#include <QDialog>
#include <vector>

class QComboBox;
class QLineEdit;
class QTreeWidget;

namespace krv {

class CKRTeam;
struct CKRSpieler;

class CVolkAendernDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CVolkAendernDlg(CKRTeam& team, QWidget* parent = nullptr);

  // Results, read after the dialog closed.
  bool IsChanged() const { return m_bChanged; }
  int ChosenRace() const;        // 0 to 15, or -1 when none is chosen
  QString OwnRaceName() const;   // the "Eigene: " text

 private:
  void OnRaceChosen();
  void OnSelectionChanged();
  void OnPositionTypeChosen(int entry);
  void FillPlayers();

  CKRTeam& m_team;
  QComboBox* m_pRasse;
  QLineEdit* m_pEigene;
  QTreeWidget* m_pSpieler;
  QComboBox* m_pSpielertyp;
  std::vector<CKRSpieler*> m_rows;  // the player of each list row
  bool m_bChanged = false;
};

}  // namespace krv
