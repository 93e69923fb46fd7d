#pragma once
// An undead team may take a killed opponent into its ranks as a zombie: free of charge, with
// an event, at most eight zombies and never beyond the maximum number of players.

#include <cstdint>
#include <string>

#include "model/Team.h"

namespace krv {

extern const char* const kOnlyUndeadMessage;      // "Das dürfen nur Untote"
extern const char* const kTooManyZombiesMessage;  // "Sie haben schon 8 Zombies!..."

constexpr int32_t kUndeadRace = 12;
constexpr int32_t kZombieCode = 35;
constexpr int32_t kMaxZombies = 8;

// The rules message that stops a revival, checked in this order: not undead, eight zombies,
// the maximum number of players; nothing when the name dialog may open.
ChangeOutcome ZombieRevivalRefusal(const CKRTeam& team, int32_t maxSpieler);

// Revives a zombie of that name after the same checks: the event "Wiederbelebung von '%s'."
// (kind 1), the player "Neuer Zombie" (`created`: BW 5, ST 3, GE 2, RW 7, value 3000, "Reg",
// code 35) with the lowest free number and the next identity, then the modified routine.
// No expense.
ChangeOutcome ReviveZombie(CKRTeam& team, const std::string& name, int32_t maxSpieler);

}  // namespace krv
