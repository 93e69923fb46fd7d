#pragma once
// The properties sheet below the team header: six tabbed pages through which the coach
// keeps staff, players, expenses, income, matches and special events.

#include <QTabWidget>

#include "model/TeamChange.h"

namespace krv {

class TeamDocument;
class StaffPage;
class PlayersPage;
class ExpensesPage;
class IncomePage;
class MatchesPage;
class MiscPage;

class TeamPages : public QTabWidget {
  Q_OBJECT
 public:
  // Builds all six pages over the document's team; "Personal" is in front. The view calls
  // RefreshAllPages() after every recalculation.
  explicit TeamPages(TeamDocument* doc, QWidget* parent = nullptr);

  // All six pages show the team again, every list drawn anew. Reads only.
  void RefreshAllPages();
  // After a change: the pages show the team again, their lists drawing only what `change`
  // touched. Reads only.
  void ShowChange(const TeamChange& change);

  StaffPage* Staff() const { return m_pPage1; }
  PlayersPage* Players() const { return m_pPage2; }
  ExpensesPage* Expenses() const { return m_pPage3; }
  IncomePage* Income() const { return m_pPage4; }
  MatchesPage* Matches() const { return m_pPage5; }
  MiscPage* Misc() const { return m_pPage6; }

  TeamDocument* Document() const { return m_pDoc; }

 private:
  TeamDocument* m_pDoc;
  StaffPage* m_pPage1 = nullptr;
  PlayersPage* m_pPage2 = nullptr;
  ExpensesPage* m_pPage3 = nullptr;
  IncomePage* m_pPage4 = nullptr;
  MatchesPage* m_pPage5 = nullptr;
  MiscPage* m_pPage6 = nullptr;
};

}  // namespace krv
