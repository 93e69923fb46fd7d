#pragma once
// The keys of a property sheet: Strg+Tab and Strg+Bild↓ show its next page, Strg+Umschalt+Tab
// and Strg+Bild↑ the one before (round the end, past disabled pages), wherever the focus is
// inside the sheet, also in a field that would otherwise take the key for itself.

class QTabWidget;

namespace krv {

void AddPageSwitchKeys(QTabWidget* sheet);

}  // namespace krv
