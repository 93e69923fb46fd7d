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

}  // namespace krv
