#pragma once
// A team's whole state as the step history and the recovery file keep it: the bytes its
// team file would hold now.

#include <memory>
#include <string>
#include <string_view>

#include "model/Team.h"

namespace krv {

// The bytes of the team as it stands (its figures as the last change computed them).
std::string TeamState(CKRTeam& team);

// The team of a state, its figures computed; throws ArchiveError for bytes that are no team.
std::unique_ptr<CKRTeam> TeamFromState(std::string_view state);

}  // namespace krv
