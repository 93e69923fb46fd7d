#include "teamwindow/qt/RecordListPage.h"

#include <algorithm>
#include <limits>

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QStatusTipEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>

#include "teamwindow/qt/TeamDocument.h"
#include "teamwindow/StepNames.h"
#include "teamwindow/qt/TeamListModel.h"
#include "ui/ListColumns.h"
#include "ui/DeferredStandardIcon.h"

namespace krv {
namespace {

size_t Slot(PageCommand command) { return static_cast<size_t>(command); }

// A list as the pages show it: whole rows, one at a time. A click beside the rows takes
// the selection away, so that the row commands are disabled again.
class PageListView : public QTableView {
 public:
  using QTableView::QTableView;

  void setModel(QAbstractItemModel* model) override {
    QTableView::setModel(model);
    if (!model) return;
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent, int first, int last) {
      const bool atEnd = !parent.isValid() && last == this->model()->rowCount() - 1;
      m_nAppendedFrom = atEnd && m_nAppendedFrom != kRedrawAll ? std::min(first, m_nAppendedFrom) : kRedrawAll;
    });
    // Anything else that changes the rows asks for the whole list to be drawn again.
    auto redrawAll = [this] { m_nAppendedFrom = kRedrawAll; };
    connect(model, &QAbstractItemModel::modelReset, this, redrawAll);
    connect(model, &QAbstractItemModel::layoutChanged, this, redrawAll);
    connect(model, &QAbstractItemModel::rowsRemoved, this, redrawAll);
    connect(model, &QAbstractItemModel::rowsMoved, this, redrawAll);
    connect(model, &QAbstractItemModel::columnsInserted, this, redrawAll);
    connect(model, &QAbstractItemModel::columnsRemoved, this, redrawAll);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (!indexAt(event->position().toPoint()).isValid()) {
      clearSelection();
      setCurrentIndex(QModelIndex());
      return;
    }
    QTableView::mousePressEvent(event);
  }

  // Rows appended at the end (a recorded match, a new ledger entry) leave the rows above them
  // as they are: only the scroll bars follow and the new rows' place is drawn, when it is in
  // sight. Drawing every visible row again costs as much as the rest of the change.
  void doItemsLayout() override {
    const int appendedFrom = m_nAppendedFrom;
    m_nAppendedFrom = kNothingAppended;
    if (appendedFrom < 0 || !model() || appendedFrom >= model()->rowCount()) {
      QTableView::doItemsLayout();
      return;
    }
    updateGeometries();
    const int top = rowViewportPosition(appendedFrom);
    if (top >= 0 && top < viewport()->height())
      viewport()->update(QRect(0, top, viewport()->width(), viewport()->height() - top));
  }

 private:
  static constexpr int kNothingAppended = std::numeric_limits<int>::max();
  static constexpr int kRedrawAll = -1;
  // The first row appended since the rows were last laid out, or one of the two above.
  int m_nAppendedFrom = kNothingAppended;
};

// Rows are chosen whole: no cell gets a focus frame of its own.
class WholeRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~QStyle::State_HasFocus;
  }
};

}  // namespace

RecordListPage::RecordListPage(TeamDocument* doc, const char* helpTopic, QWidget* parent)
    : QWidget(parent), m_pDoc(doc) {
  setProperty("helpTopic", QString::fromLatin1(helpTopic));
  m_pMenu = new QMenu(this);
  m_pMenu->setObjectName(QStringLiteral("contextMenu"));
  connect(m_pMenu, &QMenu::aboutToHide, this, [this] { ShowPrompt(QString()); });
}

CKRTeam& RecordListPage::Team() const { return m_pDoc->Team(); }

ProgramServices& RecordListPage::Services() const { return m_pDoc->Services(); }

void RecordListPage::SetUpList(TeamListModel* model, const ListColumn* columns, int columnCount, const char* listName) {
  m_pModel = model;
  m_pList = new PageListView(this);
  m_pList->setObjectName(QStringLiteral("list"));
  m_pList->setModel(model);
  m_pList->setItemDelegate(new WholeRowDelegate(m_pList));
  m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
  m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_pList->setShowGrid(false);
  m_pList->setWordWrap(false);
  m_pList->setTextElideMode(Qt::ElideRight);
  m_pList->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  // The page shows the list's context menu.
  m_pList->installEventFilter(this);
  m_pList->viewport()->installEventFilter(this);
  m_pList->setMinimumHeight(m_pList->fontMetrics().height() * 6);

  // Every row has the same height: the view never measures ten thousand rows.
  QHeaderView* rows = m_pList->verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(m_pList->fontMetrics().height() + 6);

  QHeaderView* header = m_pList->horizontalHeader();
  header->setHighlightSections(false);
  header->setStretchLastSection(false);
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setMinimumSectionSize(0);
  const QFontMetrics metrics(header->font());
  for (int column = 0; column < columnCount; ++column) {
    if (columns[column].width == 0) {
      m_pList->setColumnHidden(column, true);  // holds data the program needs, not the coach
      continue;
    }
    // A heading always fits into its column at the start.
    const int headingWidth = metrics.horizontalAdvance(QString::fromUtf8(columns[column].heading)) + 16;
    header->resizeSection(column, std::max(columns[column].width, headingWidth));
  }
  RememberColumns(header, QString::fromLatin1(listName));

  connect(m_pList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { UpdateCommandStates(); });
  connect(model, &QAbstractItemModel::modelReset, this, [this] { UpdateCommandStates(); });
  connect(m_pList, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) RunCommand(PageCommand::Change);
  });
}

QPushButton* RecordListPage::AddCommandButton(PageCommand command, const QString& text, const QString& toolTip) {
  auto* button = new QPushButton(text, this);
  if (!toolTip.isEmpty()) button->setToolTip(toolTip);
  button->setAutoDefault(false);
  m_Buttons[Slot(command)] = button;
  connect(button, &QPushButton::clicked, this, [this, command] { RunCommand(command); });
  UpdateCommandStates();
  return button;
}

QAction* RecordListPage::AddMenuEntry(PageCommand command, const QString& text, const QString& prompt) {
  QAction* action = m_pMenu->addAction(text);
  action->setStatusTip(prompt);
  // A context menu is a window of its own, where a status tip would stop: the page passes it
  // on towards the main window's status bar.
  connect(action, &QAction::hovered, this, [this, action] { ShowPrompt(action->statusTip()); });
  m_Actions[Slot(command)] = action;
  connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
  UpdateCommandStates();
  return action;
}

QHBoxLayout* RecordListPage::AddListButtons(const QString& newToolTip, const QString& deleteToolTip,
                                            const QString& changeToolTip) {
  QPushButton* neu = AddCommandButton(PageCommand::New, QStringLiteral("&Neu"), newToolTip);
  neu->setObjectName(QStringLiteral("neu"));
  neu->setIcon(DeferredStandardIcon(QStyle::SP_FileIcon));
  QPushButton* loeschen = AddCommandButton(PageCommand::Delete, QStringLiteral("&Löschen"), deleteToolTip);
  loeschen->setObjectName(QStringLiteral("loeschen"));
  loeschen->setIcon(DeferredStandardIcon(QStyle::SP_TrashIcon));
  QPushButton* aendern = AddCommandButton(PageCommand::Change, QStringLiteral("&Ändern"), changeToolTip);
  aendern->setObjectName(QStringLiteral("aendern"));
  aendern->setIcon(DeferredStandardIcon(QStyle::SP_FileDialogDetailedView));
  auto* row = new QHBoxLayout;
  row->addWidget(neu);
  row->addWidget(loeschen);
  row->addWidget(aendern);
  return row;
}

int RecordListPage::SelectedRow() const {
  if (!m_pList || !m_pList->selectionModel()) return -1;
  const QModelIndexList rows = m_pList->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void RecordListPage::SetCommandHandler(PageCommand command, std::function<void()> handler) {
  m_Handlers[Slot(command)] = std::move(handler);
  UpdateCommandStates();
}

bool RecordListPage::IsCommandEnabled(PageCommand command) const {
  return CommandEnabled(command, static_cast<bool>(m_Handlers[Slot(command)]), ItemSelected());
}

TeamSteps::Namer RecordListPage::StepNamer(PageCommand command) const {
  const TeamList list = m_pModel->List();
  // A new record exists only once the command has run; any other is named now, before the
  // command may take it away.
  if (command == PageCommand::New || command == PageCommand::Zombie)
    return [this, list, command, players = Team().m_Spieler.size()] {
      return NewRecordStepName(Team(), list, command, players);
    };
  return [name = PageStepName(list, command, m_pModel->RecordInRow(SelectedRow()))] { return name; };
}

void RecordListPage::RunCommand(PageCommand command) {
  if (!IsCommandEnabled(command)) return;
  const StepCommand step(m_pDoc->Steps(), StepNamer(command));
  // A copy: the action may give the page new handlers.
  const std::function<void()> handler = m_Handlers[Slot(command)];
  handler();
}

QPushButton* RecordListPage::CommandButton(PageCommand command) const { return m_Buttons[Slot(command)]; }

QAction* RecordListPage::CommandAction(PageCommand command) const { return m_Actions[Slot(command)]; }

QMenu* RecordListPage::ContextMenu() {
  UpdateCommandStates();
  return m_pMenu;
}

void RecordListPage::ShowChange(const TeamChange& change) {
  RefreshList(change);
  ShowFields();
}

void RecordListPage::RefreshList(const TeamChange& change) {
  m_pModel->SetTeam(&Team());
  m_pModel->Refresh(change);
  UpdateCommandStates();
}

void RecordListPage::UpdateCommandStates() {
  for (int i = 0; i < kPageCommandCount; ++i) {
    const bool enabled = IsCommandEnabled(static_cast<PageCommand>(i));
    if (m_Buttons[static_cast<size_t>(i)]) m_Buttons[static_cast<size_t>(i)]->setEnabled(enabled);
    if (m_Actions[static_cast<size_t>(i)]) m_Actions[static_cast<size_t>(i)]->setEnabled(enabled);
  }
}

bool RecordListPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ContextMenu && m_pList && (watched == m_pList || watched == m_pList->viewport())) {
    auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    // From the keyboard the menu opens near the page's top left corner.
    ShowContextMenu(menuEvent->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(5, 5))
                                                                       : menuEvent->globalPos());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void RecordListPage::ShowPrompt(const QString& prompt) {
  QStatusTipEvent tip(prompt);
  QCoreApplication::sendEvent(this, &tip);
}

void RecordListPage::ShowContextMenu(const QPoint& globalPosition) {
  UpdateCommandStates();
  emit ContextMenuOpening(ItemSelected());
  m_pMenu->exec(globalPosition);
}

}  // namespace krv
