#pragma once
// The team as one JSON object, for `krv json`.

#include <string>

#include "model/Team.h"

namespace krv {

// Recalculates the team (as a team window does at first display) and returns its JSON.
// The stored team value and treasury texts are reported as they were before.
std::string TeamToJson(CKRTeam& team);

}  // namespace krv
