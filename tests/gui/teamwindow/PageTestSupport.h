#pragma once
// What the tests of the properties pages share: the pages, a document holding a team built
// in code, reading a page's list as the coach sees it, and the answers of the boxes.

#include <QAbstractItemModel>
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QTableView>
#include <QTest>
#include <memory>

#include "gui/TestServices.h"
#include "season/MatchEntry.h"
#include "teamwindow/qt/LedgerPage.h"
#include "teamwindow/qt/MatchesPage.h"
#include "teamwindow/qt/MiscPage.h"
#include "teamwindow/qt/PlayersPage.h"
#include "teamwindow/qt/RecordListPage.h"
#include "teamwindow/qt/StaffPage.h"
#include "teamwindow/qt/TeamDocument.h"
#include "teamwindow/qt/TeamPages.h"

namespace krv::test {

constexpr int kJa = 0;        // "&Ja", the first button of a question
constexpr int kNein = 1;      // "&Nein"
constexpr int kLoeschen = 0;  // "&Löschen", the first button of the deletion box

// A document that owns `team`, as after "Neu".
inline std::unique_ptr<TeamDocument> DocumentWith(std::unique_ptr<CKRTeam> team) {
  auto holder = std::make_shared<std::unique_ptr<CKRTeam>>(std::move(team));
  TeamDocument::SetCreateTeamFunction([holder](QWidget*, int32_t) { return std::move(*holder); });
  auto doc = std::make_unique<TeamDocument>(TestServices());
  const bool created = doc->OnNewDocument(nullptr);
  TeamDocument::SetCreateTeamFunction(nullptr);
  return created ? std::move(doc) : nullptr;
}

// The sheet over the document, wired as the team view wires it: every recalculation
// refreshes all pages. The team comes recalculated and unmodified.
inline std::unique_ptr<TeamPages> WiredSheet(TeamDocument* doc) {
  auto sheet = std::make_unique<TeamPages>(doc);
  QObject::connect(doc, &TeamDocument::TeamRecalculatedSignal, sheet.get(), &TeamPages::RefreshAllPages);
  doc->Team().Recalculate();
  doc->SetModifiedFlag(false);
  return sheet;
}

// One page over the document, refreshed by every recalculation as the sheet does it, shown.
template <typename Page>
std::unique_ptr<Page> ShownPage(TeamDocument* doc, QSize size) {
  auto page = std::make_unique<Page>(doc);
  QObject::connect(doc, &TeamDocument::TeamRecalculatedSignal, page.get(), [p = page.get()] { p->RefreshPage(); });
  page->resize(size);
  page->show();
  return page;
}

// A league match against `opponent` on 02.06.07, lost or won against one goal.
inline MatchEntry LeagueMatch(const std::string& opponent, int32_t goals, int32_t takings) {
  return {
      .gegner = opponent, .eigeneTore = goals, .gegnerTore = 1, .datum = "02.06.07", .einnahmen = takings, .liga = 1};
}

inline QString Cell(const QAbstractItemModel* model, int row, int column) {
  return model->data(model->index(row, column)).toString();
}

// The texts of a row, or for -1 the headings.
inline QStringList Row(const QAbstractItemModel* model, int row) {
  QStringList texts;
  for (int column = 0; column < model->columnCount(); ++column)
    texts << (row < 0 ? model->headerData(column, Qt::Horizontal) : model->index(row, column).data()).toString();
  return texts;
}

// A left click into the list's rows area at the row (or, for -1, beside all rows: below
// them or right of the last column).
inline void ClickRow(QTableView* list, int row) {
  QPoint at;
  if (row >= 0) {
    list->scrollTo(list->model()->index(row, 0));
    at = list->visualRect(list->model()->index(row, 0)).center();
  } else {
    const QRect area = list->viewport()->rect();
    for (const QPoint candidate : {QPoint(10, area.bottom() - 2), QPoint(area.right() - 2, 10)})
      if (!list->indexAt(candidate).isValid()) at = candidate;
  }
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

inline void DoubleClickRow(QTableView* list, int row) {
  const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

// The names of the page's enabled command buttons, as "neu loeschen aendern".
inline QString EnabledButtons(const QWidget* page) {
  QStringList names;
  for (const char* name : {"neu", "loeschen", "aendern"})
    if (auto* button = page->findChild<QPushButton*>(name); button && button->isEnabled()) names << name;
  return names.join(' ');
}

// The context menu's entries, separators left out, as it is about to open.
inline QStringList MenuTexts(RecordListPage* page) {
  QStringList texts;
  for (QAction* action : page->ContextMenu()->actions())
    if (!action->isSeparator()) texts << action->text();
  return texts;
}

}  // namespace krv::test
