#pragma once
// Page "Personal" of the properties sheet: head coach, apothecary, wizard (or alchemist or
// master chef), assistant coaches and cheerleaders. The coach edits the three names here,
// dismisses staff and changes assistant coaches and cheerleaders; the expense entry hires
// through the operations at the end.

#include <QString>
#include <QWidget>

#include "season/Staff.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

namespace krv {

class CKRTeam;
class TeamDocument;

class StaffPage : public QWidget {
  Q_OBJECT
 public:
  explicit StaffPage(TeamDocument* doc, QWidget* parent = nullptr);

  static constexpr const char* kHelpTopic = "#TEAM_PERSONAL";

  // Shows what the team holds now: both lists, the three names, labels, enabling, counts.
  void RefreshPage();
  // The wizard label by race, "nicht möglich" for race 12, enabling by the staff flags.
  void SetLabelsAndEnabling();
  void UpdateCounts();

  // The page's commands.
  void DismissApothecary();
  void DismissWizard();
  void ChangeCoTrainer();    // "&Ändern" under "Cotrainer:" or a double click
  void ChangeCheerleader();  // "Ä&ndern" under "CheerleaderInnen:" or a double click

  // Hiring, called by the expense entry. Each runs the staff dialog in new mode and leaves
  // the name in the team's m_strEingabeName; false when the coach cancelled. Assistant
  // coaches and cheerleaders are added to the team (without expense and without the
  // modified routine, which the caller runs); apothecary and wizard only give the name.
  bool HireCoTrainer();
  bool HireCheerleader();
  bool AskApothecaryName();
  bool AskWizardName();

 private:
  CKRTeam& Team() const;
  bool Ask(const std::string& question);
  void ShowOutcome(const ChangeOutcome& outcome);
  void FillList(QListWidget* list, const std::vector<std::string>& names);
  void NameEdited();
  void ChangeStaff(PersonalArt art);
  bool HireStaff(PersonalArt art);
  bool AskName(PersonalArt art);
  void UpdateButtons();

  TeamDocument* m_pDoc;
  QLineEdit* m_pTrainer;
  QLineEdit* m_pSani;
  QLineEdit* m_pZauberer;
  QLabel* m_pZaubererLabel;
  QToolButton* m_pSaniEntlassen;
  QToolButton* m_pZaubererEntlassen;
  QListWidget* m_pCoTrainer;
  QListWidget* m_pCheerleader;
  QLabel* m_pCoTrainerAnzahl;
  QLabel* m_pCheerleaderAnzahl;
  QPushButton* m_pCoTrainerAendern;
  QPushButton* m_pCheerleaderAendern;
};

}  // namespace krv
