#pragma once
// The commands of the list pages (buttons and context-menu entries) and when they may be
// used.

namespace krv {

enum class PageCommand {
  New,           // "&Neu" and the context menu's first entry: always offered
  Delete,        // "&Löschen": only while a row is selected
  Change,        // "&Ändern": only while a row is selected; also a double click on a row
  Zombie,        // players page of an undead team: always offered
  Logo,          // miscellaneous page: choose or remove the team logo, always offered
  SortByNumber,  // players page: "Nach Nr. sortieren", always offered
};

inline constexpr int kPageCommandCount = 6;

// Whether the command needs a selected row.
bool NeedsSelection(PageCommand command);

// A command is enabled when the program can carry it out (`available`) and, for the
// commands that act on a row, a row is selected.
bool CommandEnabled(PageCommand command, bool available, bool rowSelected);

}  // namespace krv
