#pragma once
// The properties sheet below the team header: six tabbed pages through which the coach
// keeps staff, players, expenses, income, matches and special events.

#include <QTabWidget>

#include "model/TeamChange.h"

namespace krv {

class KrashballDoc;
class CMyPropertyPage1;
class CMyPropertyPage2;
class CMyPropertyPage3;
class CMyPropertyPage4;
class CMyPropertyPage5;
class CMyPropertyPage6;

class CMyPropertySheet : public QTabWidget {
  Q_OBJECT
 public:
  // Builds all six pages over the document's team; "Personal" is in front. The view calls
  // RefreshAllPages() after every recalculation.
  explicit CMyPropertySheet(KrashballDoc* doc, QWidget* parent = nullptr);

  // All six pages show the team again, every list drawn anew. Reads only.
  void RefreshAllPages();
  // After a change: the pages show the team again, their lists drawing only what `change`
  // touched. Reads only.
  void ShowChange(const TeamChange& change);

  CMyPropertyPage1* StaffPage() const { return m_pPage1; }
  CMyPropertyPage2* PlayersPage() const { return m_pPage2; }
  CMyPropertyPage3* ExpensesPage() const { return m_pPage3; }
  CMyPropertyPage4* IncomePage() const { return m_pPage4; }
  CMyPropertyPage5* MatchesPage() const { return m_pPage5; }
  CMyPropertyPage6* MiscPage() const { return m_pPage6; }

  KrashballDoc* Document() const { return m_pDoc; }

 private:
  KrashballDoc* m_pDoc;
  CMyPropertyPage1* m_pPage1 = nullptr;
  CMyPropertyPage2* m_pPage2 = nullptr;
  CMyPropertyPage3* m_pPage3 = nullptr;
  CMyPropertyPage4* m_pPage4 = nullptr;
  CMyPropertyPage5* m_pPage5 = nullptr;
  CMyPropertyPage6* m_pPage6 = nullptr;
};

}  // namespace krv
