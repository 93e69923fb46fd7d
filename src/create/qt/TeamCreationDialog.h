#pragma once
// "Neues Team erstellen (<Rasse>)": the coach spends the starting capital on players, star
// players, re-rolls, fan factor and staff. The dialog's fields are the creation budget
// (TeamBudget): the caller sets m_Rasse, m_TheTeam and m_Startkapital, runs the dialog and
// after "&Erstellen" builds the team from the same fields (BuildNewTeam). Every change of a
// field recomputes the budget at once.

#include <QDialog>
#include <array>

#include "create/TeamBudget.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace krv {

class CountSpinBox;

class TeamCreationDialog : public QDialog, public TeamBudget {
  Q_OBJECT
 public:
  explicit TeamCreationDialog(QWidget* parent = nullptr);

  static constexpr const char* kLayoutName = "Erstellen";
  static constexpr const char* kHelpTopic = "#OWN_TEAM";

  // The dialog takes the caller's fields the first time it is shown.
  void setVisible(bool visible) override;

  // "&Erstellen": closes only when the team may be created; otherwise says why.
  void accept() override;

 private:
  void Open();
  void FieldChanged();
  void ReadControls();
  void ShowFields();
  void ShowSummary();
  void ShowStarSlot(int slot);
  void BuyButton(int slot);
  void BuildButton(int slot);

  bool m_bOpened = false;
  bool m_bShowing = false;  // the dialog writes its controls; their signals are not changes
  QString m_strRangeProblemShown;

  QLineEdit* m_pName = nullptr;
  QLineEdit* m_pRestgold = nullptr;
  std::array<QLabel*, kCreationRows> m_pRowLabel{};
  std::array<QLineEdit*, kCreationRows> m_pRowMax{};
  std::array<CountSpinBox*, kCreationRows> m_pRowCount{};
  CountSpinBox* m_pTrainingsmarken = nullptr;
  CountSpinBox* m_pFanFaktor = nullptr;
  CountSpinBox* m_pCheerleader = nullptr;
  CountSpinBox* m_pCoTrainer = nullptr;
  QCheckBox* m_pSani = nullptr;
  QCheckBox* m_pZauberer = nullptr;
  std::array<QLineEdit*, kStarSlots> m_pStarName{};
  std::array<QPushButton*, kStarSlots> m_pStarBuy{};
  std::array<QPushButton*, kStarSlots> m_pStarBuild{};
  QListWidget* m_pSummary = nullptr;
};

}  // namespace krv
