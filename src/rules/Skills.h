#pragma once
// The skill catalogue: every player skill of the game with its category, the abbreviation
// players carry and its rule text; plus turning skill names into abbreviation texts.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace krv {

struct SFertigkeit {
  const char* m_pszName;          // as shown and as matched in skill texts
  const char* m_pszCategory;      // "Allgemein", "Pass", "Stärke", ...
  const char* m_pszAbbreviation;  // stored on players; unique in the catalogue
  const char* m_pszDescription;   // the rule text shown to the coach
};

constexpr size_t kSkillCount = 57;

// The lists offer prefixes of the catalogue: the new skills dialog everything up to and
// including "Blöd", the player builder everything but "Wurzeln schlagen".
constexpr size_t kSkillsForAdvancement = 53;
constexpr size_t kSkillsForPlayerBuilder = 56;

// Order matters: the prefixes above and every "first match" lookup depend on it.
extern const std::array<SFertigkeit, kSkillCount> g_Fertigkeiten;

// Player kinds of the player builder; the index is the builder's kind.
extern const std::array<const char*, 7> g_PositionsArten;

// The row whose name is exactly `name` (case-sensitive), or null.
const SFertigkeit* FindSkillByName(std::string_view name);

// The first row whose abbreviation is exactly `abbreviation` (case-sensitive), or null.
const SFertigkeit* FindSkillByAbbreviation(std::string_view abbreviation);

// Appends to `out` the abbreviation text of a text of skill names: a leading "<item>"
// (everything up to the first ">") kept as it stands, then the abbreviation of every
// catalogue name found anywhere in the text, once each, sorted, joined by ",".
// Names spelled differently from the catalogue are silently skipped.
void SkillTextToAbbreviations(std::string_view text, std::string& out);
std::string SkillTextToAbbreviations(std::string_view text);

// Sets `out` to the entries of the abbreviation text, split at ",", sorted and joined by
// "," again. Empty entries vanish; blanks inside entries are kept and take part in sorting.
void SortAbbreviationText(std::string_view text, std::string& out);

}  // namespace krv
