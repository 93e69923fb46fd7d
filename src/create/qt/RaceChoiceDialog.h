#pragma once
// "Auswahl der Teamrasse": the first step of a new team. The coach picks one of the fifteen
// races (or ticks "Eigenes Team generieren" for an own race) and sees what the race's
// re-rolls, staff and positions cost before taking it over.

#include <QDialog>
#include <cstdint>

#include "create/TeamBudget.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QTreeWidget;

namespace krv {

class CKRTeam;

class RaceChoiceDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RaceChoiceDialog(QWidget* parent = nullptr);

  // Set by the caller before the dialog runs: the new team (an own race writes its
  // position templates into it) and the starting capital the own positions are built
  // against.
  CKRTeam* m_TheTeam = nullptr;
  int32_t m_Startkapital = kDefaultStartkapital;

  // The result: the chosen race number, -1 while none is chosen, 15 for an own race.
  int32_t m_Rasse = -1;
  // State of "Eigenes Team generieren".
  bool m_Eigenes = false;

  static constexpr const char* kLayoutName = "NeuesTeam";
  static constexpr const char* kHelpTopic = "#NEW_TEAM";

  // "&Übernehmen": an own race first runs the own-race dialog; without a race the coach
  // is told to choose one and the dialog stays open.
  void accept() override;

 private:
  void RaceChosen(int index);
  void OwnRaceToggled(bool checked);
  void ShowRace(int32_t race);
  void FillInformation(int32_t race);

  QComboBox* m_pRace = nullptr;
  QCheckBox* m_pEigenes = nullptr;
  QTreeWidget* m_pInformation = nullptr;
  QPushButton* m_pUebernehmen = nullptr;
};

}  // namespace krv
