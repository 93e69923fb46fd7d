#pragma once
// The player builder "Starplayer bauen": the coach composes a player from characteristics
// and skills, the point scheme prices him, and "&Kaufen" checks the result. It builds the
// star players of the creation dialog's slots, the own race's positions, and in purchase
// mode a star player that the command then buys into the team (roster/PlayerPurchase.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "create/PlayerBuilderPoints.h"
#include "model/ChangeOutcome.h"
#include "model/Spieler.h"
#include "rules/Skills.h"

namespace krv {

// The builder's fields: the caller sets kind, name, mutation and purchase mode,
// the coach the characteristics, skills and card; the recomputation fills the rest.
struct PlayerBuilder {
  int32_t m_nKind = kKindStarspieler;
  std::string m_strName;  // at most kBuilderNameMaxLength characters
  int32_t m_nBW = 6;
  int32_t m_nST = 3;
  int32_t m_nGE = 3;
  int32_t m_nRW = 8;
  // The names of the selected rows of the skill list.
  std::vector<std::string> m_SelectedSkills;

  BuilderCategoryCounts m_nCounts{};  // chosen skills per counted category
  int32_t m_nDisadvantages = 0;       // chosen skills whose category contains "Nachteil"
  int32_t m_nPoints = 5;              // "Punkte"
  int32_t m_nValue = 50000;           // "Wert" in gold pieces
  std::string m_strDescription;       // rule text of the last clicked skill
  std::string m_strWarnings;          // shown under the skill list

  bool m_bCard = false;          // "Mit Karte: 'Spieler zum halben Preis'"
  bool m_bMutation = false;      // body traits count as normally allowed
  bool m_bPurchaseMode = false;  // buying into a team: enables the card check box

  std::string m_strAbbreviations;  // result of "&Kaufen": the chosen skills as abbreviation text
  bool m_bTooExpensive = false;    // value above 190000 or above the kind's point limit
  bool m_bSpikesConflict = false;  // "Stacheln" chosen with RW 10
};

constexpr size_t kBuilderNameMaxLength = 60;

// Texts of the builder.
extern const char* const kBuilderCaption;              // "Starplayer bauen"
extern const char* const kBuilderCardLabel;            // "Mit Karte: 'Spieler zum halben Preis'"
extern const char* const kBuilderSkillListTooltip;     // with the quick-help separator \x01
extern const char* const kBuilderTooExpensiveWarning;  // "Dieser Spieler ist zu teuer! "
extern const char* const kBuilderSpikesWarning;
extern const char* const kBuilderExpenseText;  // "Einstellung von Starplayer %s"
constexpr int32_t kBuilderExpenseKind = 18;

// One row of the builder's skill list.
struct BuilderSkillRow {
  const SFertigkeit* m_pSkill = nullptr;
  bool m_bGrey = false;  // not normally allowed for the kind; still selectable
};

// The rows of the skill list: the catalogue without "Wurzeln schlagen", sorted by name,
// grey where the kind does not normally allow the category.
std::vector<BuilderSkillRow> BuilderSkillRows(int32_t kind, bool mutation);

// Holds BW, ST, GE and RW within their ranges; true when one had to be changed (beep).
bool ClampBuilderCharacteristics(PlayerBuilder& builder);

// Recounts the chosen skills and recomputes points, value, warnings and the two flags.
// "Stacheln" with RW 10 sets RW to 9. True when the builder should beep: a characteristic
// was out of its range or RW had to give way to the spikes.
bool RecomputePlayerBuilder(PlayerBuilder& builder);

// A click in the skill list shows the clicked skill's rule text. It does not recompute: the
// selection change of the same click has done that, and a second pass would find RW already
// lowered to 9 and drop the spikes warning.
void ShowBuilderSkill(PlayerBuilder& builder, std::string_view clickedName);

// The abbreviation text of the chosen skills, sorted.
std::string BuilderAbbreviationText(const std::vector<std::string>& selectedSkills);

// What the builder pays for the player: half the value (rounded down) with the card.
int32_t BuilderPrice(const PlayerBuilder& builder);

// "&Kaufen": recompute, check in order (value above 190000, kind limit, value below 10000,
// no name, not enough of `gold`: the starting capital, or the team's treasury in purchase
// mode) and build the abbreviation text. A refusal goes to the bank box ("Die Bank
// sagt...") or the information box; nothing refused: the dialog closes with OK.
ChangeOutcome PlayerBuilderKaufen(PlayerBuilder& builder, int32_t gold);

// The record a creation star slot receives from an accepted builder: the built name,
// position text "Starplayer", BW, ST, GE, RW, the value, the abbreviation text, code 222.
CKRSpieler BuiltStarRecord(const PlayerBuilder& builder);

}  // namespace krv
