#pragma once
// Page "Spiele" of the properties sheet: every match the team played, numbered, with "L"
// for league games and the fan-factor change, and the commands for new, deleted and
// changed matches.

#include "teamwindow/qt/RecordListPage.h"

namespace krv {

class MatchesModel;

class MatchesPage : public RecordListPage {
  Q_OBJECT
 public:
  explicit MatchesPage(TeamDocument* doc, QWidget* parent = nullptr);

  MatchesModel* Model() const { return m_pModel; }

 private:
  MatchesModel* m_pModel;
};

}  // namespace krv
