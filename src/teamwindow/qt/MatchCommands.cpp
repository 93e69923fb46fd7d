#include "teamwindow/qt/MatchCommands.h"

#include "teamwindow/qt/TeamDocument.h"
#include "settings/qt/TeamChoiceDialog.h"
#include "model/StringArray.h"
#include "season/MatchEntry.h"
#include "season/qt/MatchDialog.h"
#include "teamwindow/qt/RecordListPage.h"
#include "teamwindow/qt/SeasonServices.h"
#include "ui/MessageBoxes.h"

namespace krv {
namespace {

constexpr const char* kAddOpponentQuestion =
    "Ihr Gegner steht noch nicht in der System-\nTeamliste. Soll er jetzt eingefügt werden?";

// Runs the dialog; after OK offers an unknown opponent for the system team list.
bool RunMatchDialog(RecordListPage* page, MatchDialog& dlg) {
  dlg.m_PickTeam = [page] { return PickTeam(page, SystemTeamList(page->Document())); };
  if (dlg.exec() != QDialog::Accepted) return false;
  CKRStringArray known;
  known.m_Items = SystemTeamList(page->Document());
  if (OpponentNeedsAdding(known, dlg.m_Entry.gegner) && QuestionBox(page, QString::fromUtf8(kAddOpponentQuestion)))
    AppendToSystemTeamList(page->Document(), dlg.m_Entry.gegner);
  return true;
}

}  // namespace

void NewMatch(RecordListPage* page) {
  MatchDialog dlg(SystemTeamList(page->Document()), page);
  if (!RunMatchDialog(page, dlg)) return;
  ShowOutcome(page, page->Document(), RecordMatch(page->Document()->Team(), dlg.m_Entry));
}

void ChangeSelectedMatch(RecordListPage* page) {
  CKRTeam& team = page->Document()->Team();
  const int row = page->SelectedRow();
  const CKRGames* game = row < 0 ? nullptr : NthRecord(team.m_Games, static_cast<size_t>(row));
  if (!game) return;
  MatchDialog dlg(SystemTeamList(page->Document()), page);
  dlg.m_Entry = MatchEntryFromGame(*game);
  dlg.m_bEditMode = true;
  if (!RunMatchDialog(page, dlg)) return;
  ShowOutcome(page, page->Document(), ChangeMatch(team, static_cast<size_t>(row), dlg.m_Entry));
}

void DeleteSelectedMatch(RecordListPage* page) {
  CKRTeam& team = page->Document()->Team();
  const int row = page->SelectedRow();
  if (row < 0 || !NthRecord(team.m_Games, static_cast<size_t>(row))) return;
  const auto index = static_cast<size_t>(row);
  if (DeleteConfirmBox(page, QString::fromStdString(DeleteMatchQuestion(team, index))) != kIdYes) return;
  ShowOutcome(page, page->Document(), DeleteMatch(team, index));
}

}  // namespace krv
