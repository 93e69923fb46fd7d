#pragma once
// The team sheet: the roster table of up to 16 active players, the team figures with staff
// and their costs, and the team logo. First the texts are collected from the team, then they
// are laid out as a page.

#include <array>
#include <cstdint>
#include <string>

#include "printout/PageOps.h"

namespace krv {

class CKRTeam;
struct ProgramSettings;

// The two print settings of the "Drucken" page.
struct SheetPrintSettings {
  bool skipZeroValues = true;  // "Nur Null-Werte nicht drucken"
  bool skipValues = false;     // "Werte nicht drucken" (wins over the first)
};
SheetPrintSettings SheetPrintSettingsFrom(const ProgramSettings& settings);

constexpr int kRosterRows = 17;  // the heading row and 16 players
constexpr int kRosterColumns = 16;
constexpr int kLowerRows = 8;
constexpr int kLowerColumns = 6;

struct TeamSheetContent {
  std::array<std::array<std::string, kRosterColumns>, kRosterRows> roster;
  std::array<std::array<std::string, kLowerColumns>, kLowerRows> lower;
  std::string logoPath;
};

// The re-rolls left after the lost ones are taken, double-price ones first.
struct RemainingRerolls {
  int64_t normal = 0;
  int64_t doublePrice = 0;
};
RemainingRerolls ComputeRemainingRerolls(const CKRTeam& team);

// Recalculates the team first, so the figures printed are current.
TeamSheetContent CollectTeamSheet(CKRTeam& team, const SheetPrintSettings& settings);

// The page in drawing order. The logo file is read here; a logo that cannot be read as a
// bitmap gives the text that invites one.
SheetPage LayoutTeamSheet(const TeamSheetContent& content);

extern const char* const kLogoPlaceholderText;

}  // namespace krv
