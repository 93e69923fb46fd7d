#include "teamwindow/qt/RosterCommands.h"

#include "create/qt/StarPlayerBuilderDialog.h"
#include "create/qt/StarPlayerChoiceDialog.h"
#include "roster/PlayerChange.h"
#include "roster/PlayerPurchase.h"
#include "roster/PlayerRemoval.h"
#include "roster/ZombieRevival.h"
#include "roster/qt/PlayerChangeDialog.h"
#include "roster/qt/PlayerRemovalDialog.h"
#include "roster/qt/PlayerPurchaseDialog.h"
#include "season/qt/StaffDialog.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramServices.h"

namespace krv {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The name dialog in its new-entry mode; nothing when it was cancelled.
std::optional<std::string> AskNewName(QWidget* parent, PersonalArt art, const std::string& proposal) {
  StaffDialog dialog(parent);
  dialog.m_bNeu = true;
  dialog.m_nArt = art;
  dialog.m_strName = Q(proposal);
  if (dialog.exec() != StaffDialog::kIdOk) return std::nullopt;
  return dialog.m_strName.toStdString();
}

int32_t MaxPlayers(const ProgramServices& services) { return services.m_Settings.m_nMaxSpieler; }

}  // namespace

bool BuyPlayerCommand(QWidget* parent, CKRTeam& team, ProgramServices& services) {
  if (const ChangeOutcome full = RosterFullRefusal(team, MaxPlayers(services)); full.Refused())
    return services.ShowOutcome(parent, full);
  PlayerPurchaseDialog dialog(team, MaxPlayers(services), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  switch (dialog.Chosen()) {
    case PlayerPurchaseDialog::Choice::kKaufen: {
      PlayerPurchase purchase = dialog.Purchase();
      // A cancelled name dialog still buys the player, named after his position.
      purchase.m_Name = AskNewName(parent, kPersonalSpieler, purchase.m_strPosition);
      return services.ShowOutcome(parent, BuyPlayer(team, purchase, MaxPlayers(services)));
    }
    case PlayerPurchaseDialog::Choice::kStarplayer: return HireStarPlayerCommand(parent, team, services);
    case PlayerPurchaseDialog::Choice::kBauen: return BuildStarPlayerCommand(parent, team, services);
    case PlayerPurchaseDialog::Choice::kAbbruch: break;
  }
  return false;
}

bool HireStarPlayerCommand(QWidget* parent, CKRTeam& team, ProgramServices& services) {
  // Refused before the choice, as the players page does, also when hired as an expense.
  if (const ChangeOutcome full = RosterFullRefusal(team, MaxPlayers(services)); full.Refused())
    return services.ShowOutcome(parent, full);
  StarPlayerChoiceDialog dialog(team.m_nRasse, &team, services.m_Settings.m_nStartkapital, true, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  const std::optional<CKRSpieler> star = dialog.Result();
  if (!star) return false;
  return services.ShowOutcome(parent, HireStarPlayer(team, *star, MaxPlayers(services)));
}

bool BuildStarPlayerCommand(QWidget* parent, CKRTeam& team, ProgramServices& services) {
  StarPlayerBuilderDialog builder(PurchaseTreasury(team), true, parent);
  if (builder.exec() != QDialog::Accepted) return false;
  return services.ShowOutcome(parent, BuyBuiltPlayer(team, builder.Builder(), MaxPlayers(services)));
}

bool ReviveZombieCommand(QWidget* parent, CKRTeam& team, ProgramServices& services) {
  if (const ChangeOutcome refusal = ZombieRevivalRefusal(team, MaxPlayers(services)); refusal.Refused())
    return services.ShowOutcome(parent, refusal);
  const std::optional<std::string> name = AskNewName(parent, kPersonalZombie, std::string());
  if (!name) return false;
  return services.ShowOutcome(parent, ReviveZombie(team, *name, MaxPlayers(services)));
}

bool RemovePlayerCommand(QWidget* parent, CKRTeam& team, CKRSpieler& player, ProgramServices& services,
                         bool* removedEntirely) {
  if (removedEntirely) *removedEntirely = false;
  const RemovalStart start = RemovalStartFor(player, services.m_Settings.m_bSpielerBehalten != 0);
  switch (start.m_Step) {
    case RemovalStep::kNotActive: ErrorBox(parent, Q(start.m_strText)); return false;
    case RemovalStep::kAskFinalRemoval:
      if (!QuestionBox(parent, Q(start.m_strText))) return false;
      break;
    case RemovalStep::kAskRemovalFromList:
      if (!services.Frage(parent, Q(start.m_strText))) return false;
      break;
    case RemovalStep::kOpenDialog: {
      PlayerRemovalDialog dialog(Q(player.m_strName), parent);
      if (dialog.exec() != QDialog::Accepted) return false;
      return services.ShowOutcome(parent, RemovePlayer(team, player, dialog.Removal()));
    }
  }
  const bool removed = services.ShowOutcome(parent, RemovePlayerCompletely(team, &player));
  if (removedEntirely) *removedEntirely = removed;
  return removed;
}

bool ChangePlayerCommand(QWidget* parent, CKRTeam& team, CKRSpieler& player, ProgramServices& services) {
  if (const ChangeOutcome refusal = PlayerChangeEntryRefusal(player); refusal.Refused())
    return services.ShowOutcome(parent, refusal);
  PlayerChangeDialog sheet(player, parent);
  if (sheet.exec() == QDialog::Accepted)
    return services.ShowOutcome(
        parent, ApplyPlayerChange(team, player, sheet.Values(), services.m_Settings.m_bLebenslaufAuto != 0));
  // The skills field's commands count even when the sheet is cancelled.
  if (const auto& skills = sheet.SkillsSetAtOnce())
    return services.ShowOutcome(parent, SetSkillsAtOnce(team, player, *skills));
  return false;
}

}  // namespace krv
