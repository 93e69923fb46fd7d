#pragma once
// The commands of page "Sonstiges": new, changed and deleted special events, and choosing or
// removing the team logo.

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace krv {

class RecordListPage;

void NewEvent(RecordListPage* page);
void ChangeSelectedEvent(RecordListPage* page);
void DeleteSelectedEvent(RecordListPage* page);
void ChooseLogo(RecordListPage* page);

// Asks for a bitmap file, starting at `start`: the program's own requester ("Grafik
// importieren", key word "IMPORT", picture preview) or the system's dialog, as set.
// Tests put their own answer in; an empty function restores the requesters.
using ChooseLogoFunction = std::function<std::optional<QString>(QWidget* parent, const QString& start)>;
void SetChooseLogoFunction(ChooseLogoFunction function);

}  // namespace krv
