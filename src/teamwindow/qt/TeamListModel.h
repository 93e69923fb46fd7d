#pragma once
// Base of the page lists' models: a table over one of the team's record lists that reads
// the records when the view asks for a cell, so that a list of ten thousand matches costs
// no more to show than the rows on the screen.

#include <QAbstractTableModel>
#include <array>
#include <cstddef>

#include "model/Team.h"
#include "teamwindow/ListColumn.h"
#include "teamwindow/RecordRows.h"

namespace krv {

class TeamListModel : public QAbstractTableModel {
 public:
  // How the last Refresh brought the rows up to date: nothing to do, one row redrawn, every
  // row redrawn, rows added at the end, or everything read afresh.
  enum class Update { Unchanged, RowRedrawn, Redrawn, Appended, Reset };

  // The team whose list is shown; a different team reads the list afresh.
  void SetTeam(CKRTeam* team);
  CKRTeam* Team() const { return m_pTeam; }

  // Shows what the team's list holds now. The team only appends records and removes them
  // one at a time, each change followed by a refresh: a longer list gets its new rows at
  // the end (the selection stays), a shorter one is read afresh. Rows already shown are
  // redrawn as `change` says: all of them, the row of the one record changed, or none.
  Update Refresh(const TeamChange& change);
  // The same for a change that may have touched every record.
  Update Refresh() { return Refresh(TeamChange::Everything()); }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  const ListColumn& Column(int column) const { return m_pColumns[column]; }
  // The team's list shown, and the record in a row (null for none).
  TeamList List() const { return ShownList(); }
  const void* RecordInRow(int row) const { return row < 0 ? nullptr : ShownRecord(row); }

 protected:
  TeamListModel(const ListColumn* columns, int columnCount, QObject* parent);

  // Length of the team's list as it stands (empty entries included); cheap.
  virtual size_t ListLength() const = 0;
  // Records (not empty entries) in the list from position `from` on.
  virtual size_t PresentFrom(size_t from) const = 0;
  // Takes the list as it stands into the row index.
  virtual void TakeList() = 0;
  // Rows in the row index.
  virtual size_t Rows() const = 0;
  // The text of a cell of a row that exists.
  virtual QString CellText(int row, int column) const = 0;
  // Roles beyond text and alignment (the players list greys the rows of former players).
  virtual QVariant ExtraData(int row, int column, int role) const;
  // Runs when the rows were read afresh or extended: the players list drops its own order.
  virtual void RowsTaken();
  // Whether the rows are shown in an order of their own (then new rows need a fresh read).
  virtual bool Reordered() const { return false; }
  // The team's list these rows show.
  virtual TeamList ShownList() const = 0;
  // The record shown in `row` (any order of its own applied), or null.
  virtual const void* ShownRecord(int row) const = 0;

 private:
  // Reads the list of `team` afresh.
  void ResetRows(CKRTeam* team);
  // Redraws what `change` altered in place among the first `rows` rows.
  Update RedrawChanged(const TeamChange& change, size_t rows);
  QVariant Alignment(int column) const;

  const ListColumn* m_pColumns;
  int m_nColumns;
  CKRTeam* m_pTeam = nullptr;
  size_t m_nListLength = 0;  // the list's length when it was last taken
};

// A list model over one record list of the team.
template <typename T>
class RecordListModel : public TeamListModel {
 public:
  // The record shown in `row`, or null.
  const T* Record(int row) const {
    if (!Team() || row < 0) return nullptr;
    return m_Rows.At(Records(*Team()), static_cast<size_t>(row));
  }

 protected:
  using TeamListModel::TeamListModel;

  virtual const RecordList<T>& Records(const CKRTeam& team) const = 0;

  size_t ListLength() const override { return Team() ? Records(*Team()).size() : 0; }
  size_t PresentFrom(size_t from) const override {
    if (!Team()) return 0;
    const RecordList<T>& list = Records(*Team());
    size_t present = 0;
    for (size_t i = from; i < list.size(); ++i)
      if (list[i]) ++present;
    return present;
  }
  void TakeList() override {
    if (Team()) m_Rows.Rebuild(Records(*Team()));
    else m_Rows = RecordRows<T>();
  }
  size_t Rows() const override { return m_Rows.Count(); }
  TeamList ShownList() const override { return kListOf<T>; }
  const void* ShownRecord(int row) const override { return Record(row); }

 private:
  RecordRows<T> m_Rows;
};

}  // namespace krv
