#pragma once
// Creating a new team from start to end: race selection, the creation dialog and the
// building of the team from what the coach chose.

#include <cstdint>
#include <memory>

class QWidget;

namespace krv {

class CKRTeam;

// Shown when the coach cancels either dialog.
extern const char* const kCreationCancelledMessage;  // "Sie haben die Team-\nErstellung abgebrochen!"

// Runs the race selection and the creation dialog and builds the team. Returns the new
// team (its figures not yet computed), or null after telling the coach that the creation
// was cancelled.
std::unique_ptr<CKRTeam> RunTeamCreation(QWidget* parent, int32_t startkapital);

// Creates a team and writes it to a team file the coach names (".krt" is added when the
// name lacks it). Returns 0 when the file was written, 1 when the coach cancelled or the
// file could not be written (the reason is shown).
int RunNewTeamDemo(int32_t startkapital);

}  // namespace krv
