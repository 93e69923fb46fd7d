#pragma once
// The properties sheet below the team header: six tabbed pages through which the coach
// keeps staff, players, expenses, income, matches and special events.

#include <QTabWidget>

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
  // Builds all six pages over the document's team; "Personal" is in front. The sheet
  // refreshes the staff and events pages when the document says they changed; the view
  // calls RefreshAllPages() after every recalculation.
  explicit CMyPropertySheet(KrashballDoc* doc, QWidget* parent = nullptr);

  // After every change: the pages "Spieler" to "Sonstiges" show the team again. (The staff
  // page writes its names into the team as they are typed, never on a refresh: a refresh
  // would otherwise undo a name the expense entry or a deleted expense just set.)
  void RefreshAllPages();
  // Staff or events changed behind the pages' back (dismissal, a deleted staff expense).
  void RefreshStaffAndEventsPages();

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
