#pragma once
// The commands of page "Spiele": a new match, changing and deleting the selected one. After
// the dialog's OK an opponent the system team list does not know is offered for it, and the
// result's sound plays.

namespace krv {

class RecordListPage;

void NewMatch(RecordListPage* page);
void ChangeSelectedMatch(RecordListPage* page);
void DeleteSelectedMatch(RecordListPage* page);

}  // namespace krv
