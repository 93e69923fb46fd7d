#pragma once
// The readable German summary of a team, for `krv show`.

#include <string>

#include "model/Team.h"

namespace krv {

// Recalculates the team and describes it: figures, staff and the active players.
std::string TeamSummary(CKRTeam& team);

}  // namespace krv
