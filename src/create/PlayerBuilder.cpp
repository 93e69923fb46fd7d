#include "create/PlayerBuilder.h"

#include <algorithm>

#include "model/Format.h"
#include "rules/SortText.h"

namespace krv {

const char* const kBuilderCaption = "Starplayer bauen";
const char* const kBuilderCardLabel = "Mit Karte: 'Spieler zum halben Preis'";
const char* const kBuilderSkillListTooltip =
    "Mehrfachauswahl und deselektieren\nmit der Strg-Taste.\n"
    "\x01"
    "Grau gefärbte Fertigkeiten stehen ihrem Spieler\nnormalerweise nicht zu.";
const char* const kBuilderTooExpensiveWarning = "Dieser Spieler ist zu teuer! ";
const char* const kBuilderSpikesWarning = "Stacheln und RW 10 ist nicht möglich! RW 10 ist das Maximum.";
const char* const kBuilderExpenseText = "Einstellung von Starplayer %s";

namespace {

constexpr const char* kBigBaseWarning = "Dieser Spieler benötigt eine große Base. ";
constexpr const char* kMissingDisadvantages = "Und noch %ld Nachteil(e)!";
constexpr const char* kSpikesSkill = "Stacheln";
constexpr int32_t kBigBaseStrength = 6;

constexpr const char* kTooExpensiveForBank = "Dieser Spieler ist zu teuer!\nEs sind max. 190.000 Golstücke erlaubt!";
constexpr const char* kTooExpensiveForKind = "Dieser Spieler ist zu teuer!";
constexpr const char* kNiceTry = "%ld Goldstücke - netter Versuch!";
constexpr const char* kNameless = "Dieser Spieler ist namenlos!";
constexpr const char* kNotEvenHalfPrice = "So viel Gold haben Sie auch beim halben Preis nicht!";
constexpr const char* kNotEnoughGold = "So viel Gold haben Sie gar nicht!";

constexpr const char* kStarplayerPosition = "Starplayer";

// The catalogue row the builder's list shows under the name, or null for a name the list
// does not offer.
const SFertigkeit* OfferedSkill(std::string_view name) {
  for (size_t i = 0; i < kSkillsForPlayerBuilder; ++i)
    if (name == g_Fertigkeiten[i].m_pszName) return &g_Fertigkeiten[i];
  return nullptr;
}

// The offered rows among the selected names, each once: a list row is selected or not.
std::vector<const SFertigkeit*> SelectedRows(const std::vector<std::string>& names) {
  std::vector<const SFertigkeit*> rows;
  for (const std::string& name : names) {
    const SFertigkeit* row = OfferedSkill(name);
    if (row && std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
  }
  return rows;
}

bool Clamp(int32_t& value, int32_t low, int32_t high) {
  const int32_t clamped = std::clamp(value, low, high);
  const bool changed = clamped != value;
  value = clamped;
  return changed;
}

ChangeOutcome Refuse(std::string message, bool bankBox) {
  return ChangeOutcome::Refuse(std::move(message), bankBox ? NoticeKind::Bank : NoticeKind::Information);
}

}  // namespace

std::vector<BuilderSkillRow> BuilderSkillRows(int32_t kind, bool mutation) {
  std::vector<BuilderSkillRow> rows;
  rows.reserve(kSkillsForPlayerBuilder);
  for (size_t i = 0; i < kSkillsForPlayerBuilder; ++i) {
    const SFertigkeit& skill = g_Fertigkeiten[i];
    rows.push_back(BuilderSkillRow{&skill, !IsCategoryNormallyAllowed(kind, mutation, skill.m_pszCategory)});
  }
  std::stable_sort(rows.begin(), rows.end(), [](const BuilderSkillRow& a, const BuilderSkillRow& b) {
    return CompareSortText(a.m_pSkill->m_pszName, b.m_pSkill->m_pszName) < 0;
  });
  return rows;
}

bool ClampBuilderCharacteristics(PlayerBuilder& builder) {
  bool changed = Clamp(builder.m_nBW, kBuilderMinBW, kBuilderMaxBW);
  changed |= Clamp(builder.m_nST, kBuilderMinST, kBuilderMaxST);
  changed |= Clamp(builder.m_nGE, kBuilderMinGE, kBuilderMaxGE);
  changed |= Clamp(builder.m_nRW, kBuilderMinRW, kBuilderMaxRW);
  return changed;
}

bool RecomputePlayerBuilder(PlayerBuilder& builder) {
  // The point tables only know the ranges; a value set from outside them is held there.
  bool beep = ClampBuilderCharacteristics(builder);

  builder.m_nCounts = {};
  builder.m_nDisadvantages = 0;
  builder.m_bSpikesConflict = false;
  builder.m_bTooExpensive = false;
  int32_t requiredDisadvantages = 1;

  for (const SFertigkeit* row : SelectedRows(builder.m_SelectedSkills)) {
    const std::string_view name = row->m_pszName;
    const std::string_view category = row->m_pszCategory;
    if (name == kSpikesSkill && builder.m_nRW >= kBuilderMaxRW) {
      beep = true;
      builder.m_nRW = kBuilderMaxRW - 1;
      builder.m_bSpikesConflict = true;
    }
    if (const std::optional<BuilderCategory> counted = CountedCategory(category)) {
      ++builder.m_nCounts[*counted];
      if (*counted == kCategoryKoerpermerkmal) requiredDisadvantages = 2;
    } else if (IsDisadvantageCategory(category)) {
      ++builder.m_nDisadvantages;
    }
  }

  builder.m_nPoints = BuilderPoints(builder.m_nBW, builder.m_nST, builder.m_nGE, builder.m_nRW, builder.m_nCounts);
  builder.m_nValue = BuilderValue(builder.m_nPoints);

  std::string& warnings = builder.m_strWarnings;
  warnings.clear();
  if (builder.m_nST >= kBigBaseStrength) {
    warnings = kBigBaseWarning;
    if (builder.m_nDisadvantages < requiredDisadvantages)
      warnings += Format(kMissingDisadvantages, static_cast<long>(requiredDisadvantages - builder.m_nDisadvantages));
  }
  if (builder.m_nValue > kBuilderMaxValue) {
    if (!warnings.empty()) warnings += ' ';
    warnings += kBuilderTooExpensiveWarning;
    builder.m_bTooExpensive = true;
  }
  const std::optional<int32_t> limit = KindPointLimit(builder.m_nKind);
  if (limit && builder.m_nPoints > *limit) {
    if (!warnings.empty()) warnings += ' ';
    if (!builder.m_bTooExpensive) warnings += kBuilderTooExpensiveWarning;
    builder.m_bTooExpensive = true;
  }
  if (builder.m_bSpikesConflict) warnings += kBuilderSpikesWarning;
  return beep;
}

void ShowBuilderSkill(PlayerBuilder& builder, std::string_view clickedName) {
  const SFertigkeit* skill = FindSkillByName(clickedName);
  builder.m_strDescription = skill ? skill->m_pszDescription : "";
}

std::string BuilderAbbreviationText(const std::vector<std::string>& selectedSkills) {
  std::string text;
  for (const SFertigkeit* row : SelectedRows(selectedSkills)) {
    for (const SFertigkeit& skill : g_Fertigkeiten) {
      if (std::string_view(skill.m_pszName) != row->m_pszName) continue;
      if (!text.empty()) text += ',';
      text += skill.m_pszAbbreviation;
    }
  }
  std::string sorted;
  SortAbbreviationText(text, sorted);
  return sorted;
}

int32_t BuilderPrice(const PlayerBuilder& builder) { return builder.m_bCard ? builder.m_nValue / 2 : builder.m_nValue; }

ChangeOutcome PlayerBuilderKaufen(PlayerBuilder& builder, int32_t gold) {
  builder.m_strAbbreviations.clear();
  RecomputePlayerBuilder(builder);

  if (builder.m_nValue > kBuilderMaxValue) return Refuse(kTooExpensiveForBank, true);
  if (builder.m_bTooExpensive) return Refuse(kTooExpensiveForKind, true);
  if (builder.m_nValue < kBuilderMinValue) return Refuse(Format(kNiceTry, static_cast<long>(builder.m_nValue)), false);
  if (builder.m_strName.empty()) return Refuse(kNameless, false);

  builder.m_strAbbreviations = BuilderAbbreviationText(builder.m_SelectedSkills);

  if (builder.m_bCard) {
    if (gold < builder.m_nValue / 2) return Refuse(kNotEvenHalfPrice, true);
  } else if (gold < builder.m_nValue) {
    return Refuse(kNotEnoughGold, true);
  }

  return ChangeOutcome::Nothing();
}

CKRSpieler BuiltStarRecord(const PlayerBuilder& builder) {
  CKRSpieler record;
  record.m_strName = builder.m_strName;
  record.m_strPosition = kStarplayerPosition;
  record.m_nBW = builder.m_nBW;
  record.m_nST = builder.m_nST;
  record.m_nGE = builder.m_nGE;
  record.m_nRW = builder.m_nRW;
  record.m_nWert = builder.m_nValue;
  record.m_strFertigkeiten = builder.m_strAbbreviations;
  record.m_nPositionCode = kBuiltStarCode;
  return record;
}

}  // namespace krv
