#pragma once
// What staff and team extras cost, and how many of them a new team may buy. The same
// prices apply when staff is hired later; the re-roll price depends on the race
// (GetRerollPrice in Races.h).

#include <cstdint>

namespace krv {

constexpr int32_t kFanFactorPointPrice = 10000;
constexpr int32_t kCoTrainerPrice = 10000;
constexpr int32_t kCheerleaderPrice = 10000;
constexpr int32_t kApothecaryPrice = 50000;  // "Sani"
constexpr int32_t kWizardPrice = 150000;     // "Zauberer", "Alchemist" or "Meisterkoch"

// Limits when the team is created.
constexpr int32_t kMaxRerollsAtCreation = 7;
constexpr int32_t kMinFanFactorAtCreation = 1;
constexpr int32_t kMaxFanFactorAtCreation = 10;
constexpr int32_t kMaxCoTrainersAtCreation = 10;
constexpr int32_t kMaxCheerleadersAtCreation = 10;

}  // namespace krv
