#include "teamwindow/qt/MatchesPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "teamwindow/qt/TeamDocument.h"
#include "teamwindow/MatchRows.h"
#include "teamwindow/qt/MatchCommands.h"
#include "teamwindow/qt/MatchesModel.h"

namespace krv {

MatchesPage::MatchesPage(TeamDocument* doc, QWidget* parent)
    : RecordListPage(doc, "#TEAM_GAME", parent), m_pModel(new MatchesModel(this)) {
  setObjectName(QStringLiteral("MatchesPage"));
  setWindowTitle(QStringLiteral("Spiele"));
  SetUpList(m_pModel, kMatchColumns.data(), kMatchColumnCount, kMatchListName);
  auto* caption = new QLabel(QStringLiteral("Spiele:"), this);
  caption->setBuddy(List());

  AddMenuEntry(PageCommand::New, QStringLiteral("&Neues Spiel"), QStringLiteral("Neues Spiel eingeben."));
  AddMenuEntry(PageCommand::Delete, QStringLiteral("Spiel &löschen"), QStringLiteral("Löscht das markierte Spiel."));
  AddMenuEntry(PageCommand::Change, QStringLiteral("Spiel &ändern"), QStringLiteral("Markiertes Spiel verändern."));

  QHBoxLayout* bottom = AddListButtons();
  bottom->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(List(), 1);
  layout->addLayout(bottom);

  SetCommandHandler(PageCommand::New, [this] { NewMatch(this); });
  SetCommandHandler(PageCommand::Change, [this] { ChangeSelectedMatch(this); });
  SetCommandHandler(PageCommand::Delete, [this] { DeleteSelectedMatch(this); });
  RefreshPage();
}

}  // namespace krv
