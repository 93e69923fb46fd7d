#include "roster/NewSkills.h"

#include <algorithm>

#include "rules/SortText.h"

namespace krv {

const char* const kSkillAlreadyChosen = "\r\nDiese Fertigkeit haben Sie bereits ausgewählt!";
const char* const kPlayerHasSkill = "\r\nDiese Fertigkeit hat der Spieler bereits!";

std::vector<const SFertigkeit*> NewSkillRows() {
  std::vector<const SFertigkeit*> rows;
  for (size_t i = 0; i < kSkillsForAdvancement; ++i) rows.push_back(&g_Fertigkeiten[i]);
  std::stable_sort(rows.begin(), rows.end(), [](const SFertigkeit* a, const SFertigkeit* b) {
    return CompareSortText(a->m_pszName, b->m_pszName) < 0;
  });
  return rows;
}

std::string NewSkillDescription(std::string_view abbreviation) {
  const SFertigkeit* skill = FindSkillByAbbreviation(abbreviation);
  return skill ? skill->m_pszDescription : std::string();
}

std::optional<std::string> ChooseNewSkill(std::vector<std::string>& chosen, const std::string& abbreviation,
                                          std::string_view currentSkills) {
  if (std::find(chosen.begin(), chosen.end(), abbreviation) != chosen.end()) return std::string(kSkillAlreadyChosen);
  // A plain substring search: "Blk" counts as had when the player has "MehrBlk".
  if (currentSkills.find(abbreviation) != std::string_view::npos) return std::string(kPlayerHasSkill);
  chosen.push_back(abbreviation);
  return std::nullopt;
}

std::string NewSkillsResult(const std::vector<std::string>& chosen, std::string_view currentSkills) {
  std::string result;
  for (const std::string& abbreviation : chosen)
    if (currentSkills.find(abbreviation) == std::string_view::npos) result += "," + abbreviation;
  return result;
}

std::string SkillTextWithNewSkills(std::string_view currentSkills, std::string_view result) {
  std::string combined(currentSkills);
  if (!combined.empty()) combined += ",";
  combined += result;
  std::string sorted;
  SortAbbreviationText(combined, sorted);
  return sorted;
}

}  // namespace krv
