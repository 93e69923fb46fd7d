#pragma once
// Opponents of a team's matches that the system team list does not know yet, checked once
// when the team's window opens.

#include <string>
#include <vector>

namespace krv {

class CKRTeam;
class CKRStringArray;

// Each opponent name of the team's matches, in match order, that the list does not contain
// (case is ignored, as the list always compares names) and that was not collected yet. Empty
// names are nobody and are skipped.
std::vector<std::string> MissingOpponents(const CKRTeam& team, const CKRStringArray& teamList);

// The question naming them: ", " between two names and a line break after every fourth name
// when more follow.
std::string MissingOpponentsQuestion(const std::vector<std::string>& names);

// Appends the names at the end of the list, in order.
void AppendTeams(CKRStringArray& teamList, const std::vector<std::string>& names);

}  // namespace krv
