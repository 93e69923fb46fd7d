#include "teamwindow/qt/RosterCommands.h"

#include "create/qt/Starplayer.h"
#include "create/qt/StarplayerAuswahlDlg.h"
#include "model/TeamHost.h"
#include "season/qt/PersonalDlg.h"
#include "roster/PlayerChange.h"
#include "roster/PlayerPurchase.h"
#include "roster/PlayerRemoval.h"
#include "roster/ZombieRevival.h"
#include "roster/qt/PlayerChangeSheet.h"
#include "roster/qt/SpielerEntfernenDlg.h"
#include "roster/qt/SpielerKaufenDlg.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramServices.h"

namespace krv {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

void Play(const RosterServices& services, const std::string& sound) {
  if (!sound.empty() && services.m_PlaySound) services.m_PlaySound(Q(sound));
}

// The name dialog in its new-entry mode; nothing when it was cancelled.
std::optional<std::string> AskNewName(QWidget* parent, PersonalArt art, const std::string& proposal) {
  CPersonalDlg dialog(parent);
  dialog.m_bNeu = true;
  dialog.m_nArt = art;
  dialog.m_strName = Q(proposal);
  if (dialog.exec() != CPersonalDlg::kIdOk) return std::nullopt;
  return dialog.m_strName.toStdString();
}

}  // namespace

RosterServices ApplicationRosterServices(ProgramServices& program) {
  RosterServices services;
  {
    ProgramServices* app = &program;
    const ProgramSettings& s = app->m_Settings;
    services.m_nMaxSpieler = s.m_nMaxSpieler;
    services.m_nStartkapital = s.m_nStartkapital;
    services.m_bLebenslaufAuto = s.m_bLebenslaufAuto != 0;
    services.m_bSpielerBehalten = s.m_bSpielerBehalten != 0;
    services.m_Frage = [app](QWidget* parent, const QString& question) { return app->Frage(parent, question); };
    services.m_PlaySound = [app](const QString& path) { app->PlaySoundFile(path); };
  }
  return services;
}

bool BuyPlayerCommand(QWidget* parent, CKRTeam& team, const RosterServices& services) {
  if (auto full = RosterFullRefusal(team, services.m_nMaxSpieler)) {
    RulesMessageBox(parent, Q(*full));
    return false;
  }
  CSpielerKaufenDlg dialog(team, services.m_nMaxSpieler, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  switch (dialog.Chosen()) {
    case CSpielerKaufenDlg::Choice::kKaufen: {
      PlayerPurchase purchase = dialog.Purchase();
      // A cancelled name dialog still buys the player, named after his position.
      purchase.m_Name = AskNewName(parent, kPersonalSpieler, purchase.m_strPosition);
      const PurchaseOutcome outcome = BuyPlayer(team, purchase);
      if (!outcome.m_strRefusal.empty()) RulesMessageBox(parent, Q(outcome.m_strRefusal));
      return outcome.m_pPlayer != nullptr;
    }
    case CSpielerKaufenDlg::Choice::kStarplayer: return HireStarPlayerCommand(parent, team, services);
    case CSpielerKaufenDlg::Choice::kBauen: return BuildStarPlayerCommand(parent, team, services);
    case CSpielerKaufenDlg::Choice::kAbbruch: break;
  }
  return false;
}

bool HireStarPlayerCommand(QWidget* parent, CKRTeam& team, const RosterServices& services) {
  CStarplayerAuswahlDlg dialog(team.m_nRasse, &team, services.m_nStartkapital, true, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  const std::optional<CKRSpieler> star = dialog.Result();
  if (!star) return false;
  const PurchaseOutcome outcome = HireStarPlayer(team, *star);
  if (!outcome.m_strRefusal.empty()) BankMessageBox(parent, Q(outcome.m_strRefusal));
  return outcome.m_pPlayer != nullptr;
}

bool BuildStarPlayerCommand(QWidget* parent, CKRTeam& team, const RosterServices& services) {
  CStarplayer builder(&team, services.m_nStartkapital, parent);
  return builder.exec() == QDialog::Accepted;
}

bool ReviveZombieCommand(QWidget* parent, CKRTeam& team, const RosterServices& services) {
  if (auto refusal = ZombieRevivalRefusal(team, services.m_nMaxSpieler)) {
    RulesMessageBox(parent, Q(*refusal));
    return false;
  }
  const std::optional<std::string> name = AskNewName(parent, kPersonalZombie, std::string());
  if (!name) return false;
  ReviveZombie(team, *name);  // its modified routine refreshes every page, the events too
  return true;
}

bool RemovePlayerCommand(QWidget* parent, CKRTeam& team, CKRSpieler& player, const RosterServices& services,
                         bool* removedEntirely) {
  if (removedEntirely) *removedEntirely = false;
  const RemovalStart start = RemovalStartFor(player, services.m_bSpielerBehalten);
  switch (start.m_Step) {
    case RemovalStep::kNotActive: ErrorBox(parent, Q(start.m_strText)); return false;
    case RemovalStep::kAskFinalRemoval:
      if (!QuestionBox(parent, Q(start.m_strText))) return false;
      break;
    case RemovalStep::kAskRemovalFromList:
      if (services.m_Frage && !services.m_Frage(parent, Q(start.m_strText))) return false;
      break;
    case RemovalStep::kOpenDialog: {
      CSpielerEntfernenDlg dialog(Q(player.m_strName), parent);
      if (dialog.exec() != QDialog::Accepted) return false;
      const RemovalOutcome outcome = RemovePlayer(team, player, dialog.Removal());
      if (!outcome.m_strRefusal.empty()) {
        ErrorBox(parent, Q(outcome.m_strRefusal));
        return false;
      }
      Play(services, outcome.m_strSound);
      return true;
    }
  }
  const bool removed = RemovePlayerCompletely(team, &player);
  if (removedEntirely) *removedEntirely = removed;
  return removed;
}

bool ChangePlayerCommand(QWidget* parent, CKRTeam& team, CKRSpieler& player, const RosterServices& services) {
  if (auto refusal = PlayerChangeEntryRefusal(player)) {
    ErrorBox(parent, Q(*refusal));
    return false;
  }
  CPlayerChangeSheet sheet(team, player, services.m_bLebenslaufAuto, parent);
  return sheet.exec() == QDialog::Accepted;
}

}  // namespace krv
