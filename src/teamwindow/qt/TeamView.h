#pragma once
// The content of every team window: the header with the team's name, race, team value,
// treasury, re-rolls and fan factor in force above the properties sheet with its six pages.
// The view checks the team when it is first shown.

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace krv {

class TeamDocument;
class TeamPages;
class TeamChange;

class TeamView : public QWidget {
  Q_OBJECT
 public:
  // The first display runs here: the sheet, the figures, the missing-opponents question.
  explicit TeamView(TeamDocument* doc, QWidget* parent = nullptr);
  ~TeamView() override;

  // The embedded sheet; null for a team whose creation was cancelled (race -1).
  TeamPages* Pages() const { return m_pSheet; }

  // Refills the six header fields from the team; reads only.
  void UpdateTeamHeader();

  // Wide enough for all six tabs, the players' first columns and a long team name.
  QSize sizeHint() const override;

 public slots:
  // The button beside "Volk:": the race repair dialog.
  void OnVolkAendern();

 private:
  void OnInitialUpdate();
  void AskForMissingOpponents();
  // The no-fans notice of a team shown for the first time (created, opened, read again).
  void ShowFanCheck();
  void OnTeamRecalculated(const TeamChange& change);
  void OnNameEdited(const QString& text);
  void OnRaceEdited(const QString& text);
  void HandOverTypedText();
  void SetRaceEditable(bool editable);
  QWidget* MessageParent();

  QPointer<TeamDocument> m_pDoc;  // goes before the view when the window closes
  TeamPages* m_pSheet = nullptr;
  QLineEdit* m_pName = nullptr;
  QLineEdit* m_pRace = nullptr;
  QToolButton* m_pRaceButton = nullptr;
  QLineEdit* m_pTeamwert = nullptr;
  QLineEdit* m_pGold = nullptr;
  QLineEdit* m_pMarken = nullptr;
  QLineEdit* m_pFanFaktor = nullptr;
  bool m_bBuilt = false;  // the team has a race: header and sheet exist
};

}  // namespace krv
