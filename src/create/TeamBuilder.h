#pragma once
// Building a new team from what the coach chose in the creation dialogs: staff, players,
// star players, the starting capital in both ledgers, re-rolls, fan factor and the names
// of the head coach, apothecary and wizard.

#include <cstdint>

namespace krv {

class CKRTeam;
struct TeamBudget;

// Before the creation dialog runs: the team takes the chosen race and is stamped with
// the current time as its creation time.
void PrepareNewTeam(CKRTeam& team, int32_t race);

// Fills the freshly prepared `team` from the creation dialog's fields, which passed
// CheckTeamCreation. Shirt numbers run from 1 over all created players, identities
// continue from the team's m_nNaechsteID. For an own race (15) the players come from the
// team's own position templates. The figures are not computed here; the team window
// does that when it first shows the team.
void BuildNewTeam(CKRTeam& team, const TeamBudget& budget);

}  // namespace krv
