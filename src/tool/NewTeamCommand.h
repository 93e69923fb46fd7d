#pragma once
// krv neu: creates a team file as the creation dialog followed by the first save would.

#include <string>
#include <vector>

namespace krv {

// Help text of "krv neu".
extern const char* const kNewTeamUsage;

// Runs "krv neu" with the arguments after "neu". Returns the exit status: 0 when the
// team file was written, 1 when the team cannot be created as asked (the reason on
// stderr, nothing written), 2 for a malformed call. File errors are thrown as FileError.
int RunNewTeamCommand(const std::vector<std::string>& args);

}  // namespace krv
