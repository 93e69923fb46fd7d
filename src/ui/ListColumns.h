#pragma once
// Lists remember the widths of their columns under a list name ("SpielerListe", ...):
// section "ListColumns", entry "<name>#<column>".

#include <QString>

class QHeaderView;

namespace krv {

// Call after the columns exist: restores stored widths (0 or missing keeps the current
// width) and stores all widths whenever the user lets go of a divider he dragged.
void RememberColumns(QHeaderView* header, const QString& listName);

QString ColumnKey(const QString& listName, int column);

}  // namespace krv
