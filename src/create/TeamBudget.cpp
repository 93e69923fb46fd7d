#include "create/TeamBudget.h"

#include <algorithm>
#include <limits>

#include "model/Format.h"
#include "model/Team.h"
#include "model/Windows1252.h"
#include "rules/Races.h"
#include "rules/StaffPrices.h"

namespace krv {

const char* const kInvalidRaceMessage = "ups????? Ungültige Rasse";

namespace {

constexpr const char* kTooFewPlayers = "Sie müssen mit mininmal 11 Spielern anfangen!";
constexpr const char* kTooManyPlayers = "Nett!\nAber es sind nur 16 Spielern erlaubt!";
constexpr const char* kGoldLeft = "Sie müssen mit 0 Goldstücken abschließen!";
constexpr const char* kNoName =
    "Das Team braucht noch einen Namen!\n\n(Dieser kann natürlich nachträglich noch\ngeändert werden).";

constexpr int kRowsOfRosterRaces = 5;  // races 0 to 14 never use row 6
constexpr size_t kSummarySeparatorLength = 74;

bool IsRosterRace(int32_t race) { return race >= 0 && race < kEigeneRasse; }

// The roster row behind position row k, or null when the race has no such row.
const SKaderPosition* RosterRowOf(const TeamBudget& budget, int row) {
  const auto roster = GetRaceRoster(budget.m_Rasse);
  if (!roster || row < 1 || row > roster->m_nPositions) return nullptr;
  const int32_t index = budget.m_ErsteZeile + row - 1;
  if (index < 0 || index >= static_cast<int32_t>(g_Kader.size())) return nullptr;
  return &g_Kader[index];
}

// The own-race template behind position row k of a race-15 budget, or null.
const SEigenePosition* TemplateOf(const TeamBudget& budget, int row) {
  if (budget.m_Rasse != kEigeneRasse || !budget.m_TheTeam || row < 1 || row > kCreationRows) return nullptr;
  return &budget.m_TheTeam->m_Positionen[row - 1];
}

// Wizard slot word of the summary; the Alchemist is misspelt there.
const char* SummaryWizardWord(int32_t race) {
  if (race == 1 || race == 14) return "Alchemnist";
  if (race == 6) return "Meisterkoch";
  return "Zauberer";
}

long AsLong(int64_t v) { return static_cast<long>(v); }

}  // namespace

std::string CreationCaption(int32_t race) {
  const char* name = (race >= 0 && race < kRaceCount) ? g_RassenAnzeige[race] : "????";
  return Format("Neues Team erstellen (%s)", name);
}

const char* WizardCheckBoxLabel(int32_t race) {
  if (race == 1 || race == 14) return "Alchemist:";
  if (race == 6) return "Meisterkoch:";
  return "&Zauberer: ";
}

bool ApothecaryAndWizardEnabled(int32_t race) { return MayHireApothecaryAndWizard(race); }

bool PositionRowEnabled(const TeamBudget& budget, int row) {
  const SKaderPosition* rosterRow = RosterRowOf(budget, row);
  if (!rosterRow) return false;
  if (budget.m_Rasse != kEigeneRasse) return true;
  // Own race: a row needs its template (templates 0 to 3 are always defined once the
  // own-race dialog closed; 4 and 5 are optional).
  const SEigenePosition* position = TemplateOf(budget, row);
  return position && position->m_nPositionCode != 0;
}

std::string PositionRowLabel(const TeamBudget& budget, int row) {
  const SKaderPosition* rosterRow = RosterRowOf(budget, row);
  return rosterRow ? rosterRow->m_pszName : "";
}

int32_t PositionCost(const TeamBudget& budget, int row) {
  if (!PositionRowEnabled(budget, row)) return 0;
  if (IsRosterRace(budget.m_Rasse)) return row <= kRowsOfRosterRaces ? RosterRowOf(budget, row)->m_nCost : 0;
  return TemplateOf(budget, row)->m_nCost;
}

int32_t FilledStarSlots(const TeamBudget& budget) {
  return static_cast<int32_t>(std::count_if(budget.m_Starplayer.begin(), budget.m_Starplayer.end(),
                                            [](const auto& slot) { return slot.has_value(); }));
}

void SetStarSlot(TeamBudget& budget, int slot, std::optional<CKRSpieler> player) {
  if (slot < 0 || slot >= kStarSlots) return;
  budget.m_Starname[slot] = player ? player->m_strName : std::string();
  budget.m_Starplayer[slot] = std::move(player);
}

bool OpenTeamBudget(TeamBudget& budget) {
  budget.m_Max.fill(0);
  const auto roster = GetRaceRoster(budget.m_Rasse);
  budget.m_ErsteZeile = roster ? roster->m_nFirstRow : 0;
  if (roster)
    for (int row = 1; row <= roster->m_nPositions && row <= kCreationRows; ++row)
      budget.m_Max[row - 1] = g_Kader[roster->m_nFirstRow + row - 1].m_nMaxCount;
  RecomputeTeamBudget(budget);
  return roster.has_value();
}

void RecomputeTeamBudget(TeamBudget& budget) {
  // The number fields take digits only, so nothing is below 0; the upper limits are the
  // spin ranges. A fan factor of 0 stays: the field refuses it when the team is created.
  budget.m_Trainingsmarken = std::clamp(budget.m_Trainingsmarken, 0, kMaxRerollsAtCreation);
  budget.m_CoTrainer = std::clamp(budget.m_CoTrainer, 0, kMaxCoTrainersAtCreation);
  budget.m_Cheerleader = std::clamp(budget.m_Cheerleader, 0, kMaxCheerleadersAtCreation);
  budget.m_FanFaktor = std::clamp(budget.m_FanFaktor, 0, kMaxFanFactorAtCreation);
  for (int row = 1; row <= kCreationRows; ++row) {
    // A row the race has not (or an undefined own position) is disabled and holds 0.
    const SKaderPosition* rosterRow = RosterRowOf(budget, row);
    const int32_t max = PositionRowEnabled(budget, row) ? rosterRow->m_nMaxCount : 0;
    budget.m_Anzahl[row - 1] = std::clamp(budget.m_Anzahl[row - 1], 0, max);
  }
  // The Untote cannot tick these boxes.
  if (!ApothecaryAndWizardEnabled(budget.m_Rasse)) budget.m_Sani = budget.m_Zauberer = false;

  const bool mutation = budget.m_TheTeam && budget.m_TheTeam->m_bMutation;
  budget.m_MarkenPreis = GetRerollPrice(budget.m_Rasse, mutation);

  int32_t players = FilledStarSlots(budget);
  for (int32_t count : budget.m_Anzahl) players += count;
  budget.m_Spielerzahl = players;

  int64_t gold = budget.m_Startkapital;
  gold -= int64_t{budget.m_Trainingsmarken} * budget.m_MarkenPreis;
  gold -= int64_t{kFanFactorPointPrice} * budget.m_FanFaktor;
  gold -= int64_t{kCoTrainerPrice} * budget.m_CoTrainer;
  gold -= int64_t{kCheerleaderPrice} * budget.m_Cheerleader;
  if (budget.m_Zauberer) gold -= kWizardPrice;
  if (budget.m_Sani) gold -= kApothecaryPrice;
  for (int row = 1; row <= kCreationRows; ++row) gold -= int64_t{budget.m_Anzahl[row - 1]} * PositionCost(budget, row);
  for (const auto& star : budget.m_Starplayer)
    if (star) gold -= star->m_nWert;
  budget.m_Restgold = static_cast<int32_t>(
      std::clamp<int64_t>(gold, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

std::vector<std::string> BudgetSummaryLines(const TeamBudget& budget) {
  std::vector<std::string> lines;
  lines.push_back(Format("Trainingsmarken : %ld, Preis: %ld", AsLong(budget.m_Trainingsmarken),
                         AsLong(int64_t{budget.m_Trainingsmarken} * budget.m_MarkenPreis)));
  lines.push_back(Format("Fanfaktor : %ld, Preis : %ld", AsLong(budget.m_FanFaktor),
                         AsLong(int64_t{budget.m_FanFaktor} * kFanFactorPointPrice)));
  lines.push_back(Format("Cotrainer : %ld, Preis : %ld", AsLong(budget.m_CoTrainer),
                         AsLong(int64_t{budget.m_CoTrainer} * kCoTrainerPrice)));
  lines.push_back(Format("Cheerleaderinnen : %ld, Preis : %ld", AsLong(budget.m_Cheerleader),
                         AsLong(int64_t{budget.m_Cheerleader} * kCheerleaderPrice)));
  lines.push_back(Format("Sani : %s%s", budget.m_Sani ? "Ja" : "Nein", budget.m_Sani ? ", Preis : 50000" : ""));
  lines.push_back(Format("%s : %s%s", SummaryWizardWord(budget.m_Rasse), budget.m_Zauberer ? "Ja" : "Nein",
                         budget.m_Zauberer ? ", Preis : 150000" : ""));
  lines.push_back(std::string(kSummarySeparatorLength, '-'));
  lines.push_back(Format("       %ld%s Spieler", AsLong(budget.m_Spielerzahl),
                         budget.m_Spielerzahl > kMaxPlayersAtCreation ? "!!!!" : ""));
  for (int row = 1; row <= kCreationRows; ++row) {
    const int32_t count = budget.m_Anzahl[row - 1];
    if (count <= 0) continue;
    std::string name = PositionRowLabel(budget, row);
    // The optional own positions carry the names the coach gave them.
    if (budget.m_Rasse == kEigeneRasse && row >= 5)
      if (const SEigenePosition* position = TemplateOf(budget, row)) name = position->m_strName;
    lines.push_back(Format("%s : %ld, Preis : %ld", name.c_str(), AsLong(count),
                           AsLong(int64_t{count} * PositionCost(budget, row))));
  }
  const int32_t stars = FilledStarSlots(budget);
  if (stars > 0) lines.push_back(Format("Starplayer : %ld", AsLong(stars)));
  return lines;
}

std::optional<std::string> BudgetRangeProblem(const TeamBudget& budget) {
  auto outside = [](int32_t value, int32_t low, int32_t high) { return value < low || value > high; };
  if (outside(budget.m_Trainingsmarken, 0, kMaxRerollsAtCreation))
    return Format("Bitte geben Sie für die Trainingsmarken eine Zahl zwischen 0 und %ld ein.",
                  AsLong(kMaxRerollsAtCreation));
  if (outside(budget.m_FanFaktor, kMinFanFactorAtCreation, kMaxFanFactorAtCreation))
    return Format("Bitte geben Sie für den Fan-Faktor eine Zahl zwischen %ld und %ld ein.",
                  AsLong(kMinFanFactorAtCreation), AsLong(kMaxFanFactorAtCreation));
  if (outside(budget.m_Cheerleader, 0, kMaxCheerleadersAtCreation))
    return Format("Bitte geben Sie für die CheerleaderInnen eine Zahl zwischen 0 und %ld ein.",
                  AsLong(kMaxCheerleadersAtCreation));
  if (outside(budget.m_CoTrainer, 0, kMaxCoTrainersAtCreation))
    return Format("Bitte geben Sie für die CoTrainerInnen eine Zahl zwischen 0 und %ld ein.",
                  AsLong(kMaxCoTrainersAtCreation));
  for (int row = 1; row <= kCreationRows; ++row) {
    const int32_t count = budget.m_Anzahl[row - 1];
    if (count == 0) continue;
    const int32_t max = PositionRowEnabled(budget, row) ? RosterRowOf(budget, row)->m_nMaxCount : 0;
    if (!outside(count, 0, max)) continue;
    const std::string label = PositionRowLabel(budget, row);
    if (max == 0 || label.empty())
      return Format("Die Positionszeile %ld kann für diese Rasse nicht besetzt werden.", AsLong(row));
    return Format("Bitte geben Sie für „%s“ eine Zahl zwischen 0 und %ld ein.", label.c_str(), AsLong(max));
  }
  if (!ApothecaryAndWizardEnabled(budget.m_Rasse) && (budget.m_Sani || budget.m_Zauberer))
    return std::string("Diese Rasse darf weder Sani noch Zauberer einstellen.");
  if (Utf8ToWindows1252(budget.m_TeamName).size() > kMaxTeamNameLength)
    return Format("Der Name des Teams darf höchstens %ld Zeichen lang sein.", AsLong(kMaxTeamNameLength));
  return std::nullopt;
}

std::optional<std::string> CheckTeamCreation(const TeamBudget& budget) {
  if (auto problem = BudgetRangeProblem(budget)) return problem;
  if (budget.m_Spielerzahl < kMinPlayersAtCreation) return std::string(kTooFewPlayers);
  if (budget.m_Spielerzahl > kMaxPlayersAtCreation) return std::string(kTooManyPlayers);
  if (budget.m_Restgold != 0) return std::string(kGoldLeft);
  if (budget.m_TeamName.empty()) return std::string(kNoName);
  return std::nullopt;
}

}  // namespace krv
