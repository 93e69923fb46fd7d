#pragma once
// The expense and income lists: text and amount of every entry, in order of entry.

#include "season/LedgerEntries.h"
#include "teamwindow/LedgerRows.h"
#include "teamwindow/qt/TeamListModel.h"

namespace krv {

template <typename Entry>
class LedgerModel : public RecordListModel<Entry> {
 public:
  LedgerModel(const ListColumn* columns, RecordList<Entry> CKRTeam::*entries, QObject* parent)
      : RecordListModel<Entry>(columns, kLedgerColumnCount, parent), m_entries(entries) {}

 protected:
  const RecordList<Entry>& Records(const CKRTeam& team) const override { return team.*m_entries; }
  QString CellText(int row, int column) const override {
    const Entry* entry = this->Record(row);
    if (!entry) return {};
    if (column == kLedgerText) return QString::fromStdString(entry->m_strText);
    return QString::fromStdString(LedgerAmountText(entry->m_nBetrag));
  }

 private:
  RecordList<Entry> CKRTeam::*m_entries;
};

// The list model of one ledger.
TeamListModel* MakeLedgerModel(Ledger ledger, QObject* parent);

}  // namespace krv
