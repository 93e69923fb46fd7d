#pragma once
// What the season commands of krv share beyond the team commands' frame: reporting what a
// core change did, and the length limits of the dialogs' text fields.

#include <cstddef>
#include <string>

#include "model/ChangeOutcome.h"

namespace krv {

// Refuses the command with the outcome's refusal; otherwise returns `done` followed by the
// outcome's notices (each on a line of its own).
std::string ReportOutcome(const ChangeOutcome& outcome, std::string done);

// Refuses a text longer than the dialog's field takes ("Der Text darf höchstens ...").
void CheckTextLength(const std::string& text, size_t maxCharacters, const char* what);

}  // namespace krv
