#pragma once
// "Neue Fertigkeiten": the skills a player can learn, the choice with its two refusals, and
// how the chosen abbreviations join the player's skill text.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/Skills.h"

namespace krv {

// The skills offered: the first 53 catalogue rows, sorted by name.
std::vector<const SFertigkeit*> NewSkillRows();

// The rule text for an abbreviation, looked up in the whole catalogue; empty when unknown.
std::string NewSkillDescription(std::string_view abbreviation);

extern const char* const kSkillAlreadyChosen;  // "\r\nDiese Fertigkeit haben Sie bereits ausgewählt!"
extern const char* const kPlayerHasSkill;      // "\r\nDiese Fertigkeit hat der Spieler bereits!"

// A double click: adds the abbreviation to `chosen`, or returns the description field's
// refusal when it is chosen already or the player's skill text contains it anywhere.
std::optional<std::string> ChooseNewSkill(std::vector<std::string>& chosen, const std::string& abbreviation,
                                          std::string_view currentSkills);

// "&Übernehmen": "," before each chosen abbreviation that the skill text does not contain.
std::string NewSkillsResult(const std::vector<std::string>& chosen, std::string_view currentSkills);

// The page's skill text after the choice: the result appended (after a "," when the text is
// not empty) and the whole text sorted by SortAbbreviationText.
std::string SkillTextWithNewSkills(std::string_view currentSkills, std::string_view result);

}  // namespace krv
