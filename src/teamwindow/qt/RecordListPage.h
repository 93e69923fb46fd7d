#pragma once
// What the list pages of the properties sheet share: a list over one of the team's record
// lists, the buttons "&Neu", "&Löschen", "&Ändern" and a context menu with the same
// commands. "&Löschen" and "&Ändern" are enabled only while a row is selected; a command
// whose action the program does not offer (yet) stays disabled.

#include <QWidget>
#include <array>
#include <functional>

#include "teamwindow/ListColumn.h"
#include "model/TeamChange.h"
#include "teamwindow/PageCommands.h"
#include "teamwindow/qt/TeamSteps.h"

class QAbstractButton;
class QAction;
class QHBoxLayout;
class QMenu;
class QPushButton;
class QTableView;

namespace krv {

class TeamDocument;
class CKRTeam;
class ProgramServices;
class TeamListModel;

class RecordListPage : public QWidget {
  Q_OBJECT
 public:
  TeamDocument* Document() const { return m_pDoc; }
  // Settings, questions, sounds and help, as the document was given them.
  ProgramServices& Services() const;
  QTableView* List() const { return m_pList; }

  // Shows what the team holds now, every row drawn again.
  void RefreshPage() { ShowChange(TeamChange::Everything()); }
  // After a change: the list draws again only what `change` touched (and rows appended),
  // the page's other fields show the team's figures.
  void ShowChange(const TeamChange& change);

  // The selected row in the order shown, or -1.
  int SelectedRow() const;
  bool ItemSelected() const { return SelectedRow() >= 0; }

  // Gives a command its action; until then its button and menu entry stay disabled.
  // An empty function takes the action away again.
  void SetCommandHandler(PageCommand command, std::function<void()> handler);
  bool IsCommandEnabled(PageCommand command) const;
  // Runs the command's action when the command is enabled.
  void RunCommand(PageCommand command);

  // The command's button or context-menu entry; null when the page has none.
  QPushButton* CommandButton(PageCommand command) const;
  QAction* CommandAction(PageCommand command) const;
  // The context menu of the list, with its entries enabled as they would be shown now.
  QMenu* ContextMenu();

 signals:
  // The context menu is about to open; `itemSelected`: a row of the list is selected.
  void ContextMenuOpening(bool itemSelected);

 protected:
  RecordListPage(TeamDocument* doc, const char* helpTopic, QWidget* parent);

  CKRTeam& Team() const;

  // Creates the list over `model` with its columns, restoring the widths remembered under
  // `listName`.
  void SetUpList(TeamListModel* model, const ListColumn* columns, int columnCount, const char* listName);
  // Creates a command's button (text may be empty) or context-menu entry.
  QPushButton* AddCommandButton(PageCommand command, const QString& text, const QString& toolTip);
  // `prompt` is shown in the main window's status bar while the entry is highlighted.
  QAction* AddMenuEntry(PageCommand command, const QString& text, const QString& prompt = QString());
  // The buttons "&Neu", "&Löschen" and "&Ändern" with their pictures and quick-help texts,
  // side by side in a new row.
  QHBoxLayout* AddListButtons(const QString& newToolTip = QString(), const QString& deleteToolTip = QString(),
                              const QString& changeToolTip = QString());
  // Brings the list up to date with the team and the buttons with the selection.
  void RefreshList(const TeamChange& change);
  // Shows the page's fields beside the list (totals, the logo); cheap.
  virtual void ShowFields() {}
  // Sets every button and menu entry by the selection and the actions offered.
  void UpdateCommandStates();

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowContextMenu(const QPoint& globalPosition);
  // What names the step a command makes.
  TeamSteps::Namer StepNamer(PageCommand command) const;
  void ShowPrompt(const QString& prompt);

  TeamDocument* m_pDoc;
  QTableView* m_pList = nullptr;
  TeamListModel* m_pModel = nullptr;
  QMenu* m_pMenu = nullptr;
  std::array<QPushButton*, kPageCommandCount> m_Buttons{};
  std::array<QAction*, kPageCommandCount> m_Actions{};
  std::array<std::function<void()>, kPageCommandCount> m_Handlers{};
};

}  // namespace krv
