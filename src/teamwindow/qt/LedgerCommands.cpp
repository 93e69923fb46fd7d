#include "teamwindow/qt/LedgerCommands.h"

#include <QApplication>

#include "teamwindow/qt/TeamDocument.h"
#include "settings/qt/TeamChoiceDialog.h"
#include "model/Gold.h"
#include "season/ExpenseEntry.h"
#include "season/qt/ExpenseDialog.h"
#include "season/qt/LedgerEntryDialog.h"
#include "teamwindow/qt/RecordListPage.h"
#include "teamwindow/qt/SeasonServices.h"
#include "season/qt/StaffNameDialog.h"
#include "teamwindow/qt/RosterCommands.h"
#include "ui/MessageBoxes.h"

namespace krv {
namespace {

// The staff dialog's kind for the choices that hire somebody.
std::optional<PersonalArt> StaffKind(int choice) {
  switch (choice) {
    case kWahlCotrainer: return kPersonalCoTrainer;
    case kWahlCheerleader: return kPersonalCheerleader;
    case kWahlZauberer: return kPersonalZauberer;
    case kWahlSani: return kPersonalSani;
    default: return std::nullopt;
  }
}

const CKRAusgaben* Expense(CKRTeam& team, size_t row) { return NthRecord(team.m_Ausgaben, row); }
const CKREinnahmen* Income(CKRTeam& team, size_t row) { return NthRecord(team.m_Einnahmen, row); }

}  // namespace

void NewExpense(RecordListPage* page) {
  TeamDocument* doc = page->Document();
  CKRTeam& team = doc->Team();
  ExpenseDialog dlg(team, true, page);
  if (dlg.exec() != QDialog::Accepted) return;
  RememberExpenseChoice(team, dlg.m_nWahl);
  // Players and star players are bought as on the players page, which books their expense.
  if (dlg.m_nWahl == kWahlStarspieler || dlg.m_nWahl == kWahlSpieler) {
    if (dlg.m_nWahl == kWahlStarspieler) HireStarPlayerCommand(page, team, doc->Services());
    else BuyPlayerCommand(page, team, doc->Services());
    return;
  }
  ExpenseBooking booking;
  booking.choice = dlg.m_nWahl;
  booking.text = dlg.m_strText.toStdString();
  booking.value = static_cast<int32_t>(dlg.m_nWert);
  if (const auto kind = StaffKind(booking.choice)) {
    const auto name = AskNewStaffName(page, team, *kind);
    if (!name) return;  // a cancelled hire books nothing
    booking.name = *name;
  }
  ShowOutcome(page, doc, BookExpense(team, booking));
}

void NewIncome(RecordListPage* page) {
  TeamDocument* doc = page->Document();
  LedgerEntryDialog dlg(page);
  dlg.m_PickTeam = [page] { return PickTeam(page, SystemTeamList(page->Document())); };
  if (dlg.exec() != QDialog::Accepted) return;
  ShowOutcome(page, doc, AddIncome(doc->Team(), dlg.m_strArt.toStdString(), static_cast<int32_t>(dlg.m_nWert)));
}

void ChangeLedgerRow(RecordListPage* page, Ledger ledger) {
  TeamDocument* doc = page->Document();
  CKRTeam& team = doc->Team();
  const int row = page->SelectedRow();
  if (row < 0 || !LedgerRowEditable(team, ledger, static_cast<size_t>(row))) {
    QApplication::beep();
    return;
  }
  const auto index = static_cast<size_t>(row);
  LedgerEntryDialog dlg(page);
  dlg.m_bNeu = false;
  dlg.m_bAusgabe = ledger == Ledger::Expenses;
  const std::string text = dlg.m_bAusgabe ? Expense(team, index)->m_strText : Income(team, index)->m_strText;
  const int32_t amount = dlg.m_bAusgabe ? Expense(team, index)->m_nBetrag : Income(team, index)->m_nBetrag;
  dlg.m_strArt = QString::fromStdString(text);
  dlg.m_nWert = amount;
  if (!dlg.m_bAusgabe) dlg.m_PickTeam = [page] { return PickTeam(page, SystemTeamList(page->Document())); };
  if (dlg.exec() != QDialog::Accepted) return;
  ShowOutcome(page, doc,
              ChangeLedgerEntry(team, ledger, index, dlg.m_strArt.toStdString(), static_cast<int32_t>(dlg.m_nWert)));
}

void DeleteLedgerRow(RecordListPage* page, Ledger ledger) {
  TeamDocument* doc = page->Document();
  CKRTeam& team = doc->Team();
  const int row = page->SelectedRow();
  if (row < 0 || !LedgerRowEditable(team, ledger, static_cast<size_t>(row))) return;
  const auto index = static_cast<size_t>(row);
  if (DeleteConfirmBox(page, QString::fromStdString(DeleteLedgerQuestion(team, ledger, index))) != kIdYes) return;
  ShowOutcome(page, doc, DeleteLedgerEntry(team, ledger, index));
}

}  // namespace krv
