#pragma once
// Asking for the name of staff about to be hired through the expense entry: the staff
// dialog in new mode, shown again with the typed name while an assistant coach or
// cheerleader of that exact name is already there.

#include <optional>
#include <string>

#include "season/Staff.h"

class QWidget;

namespace krv {

class CKRTeam;

// The name the coach entered, or nothing when he cancelled.
std::optional<std::string> AskNewStaffName(QWidget* parent, const CKRTeam& team, PersonalArt art);

}  // namespace krv
