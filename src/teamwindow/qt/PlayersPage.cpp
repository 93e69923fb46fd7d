#include "teamwindow/qt/PlayersPage.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "teamwindow/qt/TeamDocument.h"
#include "model/Format.h"
#include "teamwindow/PlayerRows.h"
#include "teamwindow/qt/PlayersModel.h"
#include "teamwindow/qt/RosterCommands.h"
#include "ui/QuickHelp.h"
#include "ui/DeferredStandardIcon.h"

namespace krv {
namespace {

constexpr const char* kListToolTip =
    "In dieser Liste stehen alle Spieler, die Sie jemals für\n"
    "Ihr Team gekauft haben. Grau dargestellte Spieler\n"
    "haben das Team verlassen (verkauft, verstorben, ...).";
constexpr const char* kNewToolTip =
    "Hier können Sie:\n  -Einen neuen Spieler kaufen.\n  -Einen Starplayer auswählen.\n  -Einen Starplayer bauen.";
constexpr const char* kDeleteToolTip =
    "Hier können Sie den selektierten Spieler als\nCotrainer einstellen, ihn entlassen oder bestimmen,\n"
    "was sonst auch immer mit ihm passiert ist.";
constexpr const char* kChangeToolTip =
    "Um die Attribute oder Fertigkeiten des Spielers\nzu erweitern, klicken Sie hier.";
constexpr const char* kZombieToolTip =
    "Hiermit können Sie einen gegnerischen\nSpieler wiederbeleben und als Zombie\nin ihre Mannschaft aufnehmen.";

}  // namespace

PlayersPage::PlayersPage(TeamDocument* doc, QWidget* parent)
    : RecordListPage(doc, "#TEAM_PLAYER", parent), m_pModel(new PlayersModel(this)) {
  setObjectName(QStringLiteral("PlayersPage"));
  setWindowTitle(QStringLiteral("Spieler"));
  SetUpList(m_pModel, kPlayerColumns.data(), kPlayerColumnCount, kPlayerListName);
  List()->setToolTip(QuickHelpText(kListToolTip));

  QHBoxLayout* bottom =
      AddListButtons(QuickHelpText(kNewToolTip), QuickHelpText(kDeleteToolTip), QuickHelpText(kChangeToolTip));
  QPushButton* zombie = AddCommandButton(PageCommand::Zombie, QString(), QuickHelpText(kZombieToolTip));
  zombie->setObjectName(QStringLiteral("zombie"));
  zombie->setIcon(DeferredStandardIcon(QStyle::SP_BrowserReload));
  zombie->setAccessibleName(QStringLiteral("Zombie wiederbeleben"));

  AddMenuEntry(PageCommand::New, QStringLiteral("&Neuer Spieler"), QStringLiteral("Neuen Spieler einfügen."));
  AddMenuEntry(PageCommand::Delete, QStringLiteral("Spieler &Löschen"), QStringLiteral("Markierten Spieler löschen."));
  AddMenuEntry(PageCommand::Change, QStringLiteral("Spielerwerte &ändern"));
  ContextMenu()->addSeparator();
  AddMenuEntry(PageCommand::SortByNumber, QStringLiteral("Nach Nr. sortieren"));
  SetCommandHandler(PageCommand::SortByNumber, [this] { SortByNumber(); });
  // The roster commands change the team through the core, whose modified routine refreshes
  // the window; the page shows the list again in any case (a player whose entry check wrote
  // his injury text included). What a command can have done: append players (and ledger
  // entries), change the player it was given, or take that player out of the list.
  SetCommandHandler(PageCommand::New, [this] {
    BuyPlayerCommand(this, Team(), Services());
    ShowChange(TeamChange::TeamFields());
  });
  SetCommandHandler(PageCommand::Zombie, [this] {
    ReviveZombieCommand(this, Team(), Services());
    ShowChange(TeamChange::TeamFields());
  });
  SetCommandHandler(PageCommand::Change, [this] {
    CKRSpieler* player = SelectedPlayer();
    if (!player) return ShowChange(TeamChange::TeamFields());
    ChangePlayerCommand(this, Team(), *player, Services());
    ShowChange(TeamChange::Record(*player));
  });
  SetCommandHandler(PageCommand::Delete, [this] {
    CKRSpieler* player = SelectedPlayer();
    if (!player) return ShowChange(TeamChange::TeamFields());
    bool removedEntirely = false;
    RemovePlayerCommand(this, Team(), *player, Services(), &removedEntirely);
    if (removedEntirely) {
      // The record is gone and the list shorter: it is read afresh.
      List()->clearSelection();
      return ShowChange(TeamChange::TeamFields());
    }
    ShowChange(TeamChange::Record(*player));
  });

  m_pSSPGesamt = new QLineEdit(this);
  m_pSSPGesamt->setObjectName(QStringLiteral("gesamtSSP"));
  m_pSSPGesamt->setReadOnly(true);
  m_pSSPGesamt->setFocusPolicy(Qt::ClickFocus);
  m_pSSPGesamt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_pSSPGesamt->setFixedWidth(m_pSSPGesamt->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
  auto* sspLabel = new QLabel(QStringLiteral("Gesamt SSP:"), this);
  sspLabel->setBuddy(m_pSSPGesamt);

  bottom->addWidget(zombie);
  bottom->addStretch(1);
  bottom->addWidget(sspLabel);
  bottom->addWidget(m_pSSPGesamt);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(List(), 1);
  layout->addLayout(bottom);

  RefreshPage();
}

void PlayersPage::ShowFields() {
  const CKRTeam& team = Team();
  m_pSSPGesamt->setText(QString::fromStdString(Format("%ld", static_cast<long>(team.m_nSSPGesamt))));
  CommandButton(PageCommand::Zombie)->setVisible(ZombieButtonVisible(team.m_nRasse));
}

void PlayersPage::SortByNumber() {
  m_pModel->SortByNumber();
  const int row = SelectedRow();
  if (row >= 0) List()->scrollTo(m_pModel->index(row, 0));
}

CKRSpieler* PlayersPage::SelectedPlayer() const {
  const int row = SelectedRow();
  const CKRSpieler* shown = m_pModel->Player(row);
  if (!shown) return nullptr;
  // The row reads its player from the team's list, so it is that very record (identities
  // from old files need not be unique).
  for (const auto& player : Team().m_Spieler)
    if (player.get() == shown) return player.get();
  return nullptr;
}

}  // namespace krv
