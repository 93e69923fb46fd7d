#include "create/RaceInformation.h"

#include <algorithm>
#include <initializer_list>

#include "model/Team.h"
#include "rules/Races.h"
#include "rules/StaffPrices.h"

namespace krv {
namespace {

constexpr int32_t kUntote = 12;

// The position codes each race adds to the list, in the order they are added.
const std::initializer_list<int32_t> kPositionCodesAdded[kEigeneRasse] = {
    {0, 1},                // Chaos
    {4, 3, 2},             // Chaoszwerge
    {8, 6, 7, 5},          // Dunkelelfen
    {53, 54},              // Echsenmenschen
    {10, 11, 12, 9},       // Elfen
    {13},                  // Goblins
    {14},                  // Halblinge
    {16, 17, 18, 15},      // Hochelfen
    {20, 21, 22, 19},      // Menschen
    {23, 24},              // Oger
    {26, 27, 28, 29, 25},  // Orks
    {31, 32, 33, 30},      // Skaven
    {36, 37, 38, 34, 35},  // Untote
    {42, 40, 41, 39},      // Waldelfen
    {43, 44, 45, 46},      // Zwerge
};

RaceInformationRow OwnPositionRow(const char* name, const char* count, const char* limit, const char* skills) {
  return {name, count, limit, "", "x", "x", "x", "x", skills};
}

}  // namespace

RaceInformationRow PositionInformationRow(int32_t code) {
  const SKaderPosition* row = FindPositionByCode(code);
  if (!row) return {"????", "", "", "", "", "", "", "", ""};
  return {"",
          std::to_string(row->m_nMaxCount),
          std::to_string(row->m_nCost),
          row->m_pszName,
          std::to_string(row->m_nBW),
          std::to_string(row->m_nST),
          std::to_string(row->m_nGE),
          std::to_string(row->m_nRW),
          row->m_pszSkills};
}

std::vector<RaceInformationRow> RaceInformationRowsAdded(int32_t race) {
  std::vector<RaceInformationRow> rows;
  if (race < 0 || race > kEigeneRasse) return rows;

  if (race == kEigeneRasse)
    rows.push_back(
        {"Trainingsmarke", "8", std::to_string(GetRerollPrice(race, false)), "+20K bei Mutanten", "", "", "", "", ""});
  else rows.push_back({"Trainingsmarke", "8", std::to_string(GetRerollPrice(race, false)), "", "", "", "", "", ""});

  if (race != kUntote) {
    rows.push_back({"Sani", "1", std::to_string(kApothecaryPrice), "", "", "", "", "", ""});
    rows.push_back({WizardSlotName(race), "1", std::to_string(kWizardPrice), "", "", "", "", "", ""});
  }

  if (race < kEigeneRasse) {
    for (int32_t code : kPositionCodesAdded[race]) rows.push_back(PositionInformationRow(code));
  } else {
    rows.push_back(OwnPositionRow("Superspieler", "2", "max. 120K", "Allge./Stärke./Geschick."));
    rows.push_back(OwnPositionRow("Gen. 2", "2", "max. 80K", "Allgemeine"));
    rows.push_back(OwnPositionRow("Gen. 1", "2", "max. 80K", "Allgemeine"));
    rows.push_back(OwnPositionRow("Fänger", "2", "max. 100K", "Allg./Geschicklichkeit"));
    rows.push_back(OwnPositionRow("Werfer", "2", "max. 100K", "Allge./Pass."));
    rows.push_back(OwnPositionRow("Feldspieler", "12", "max. 80K", "Allgemeine"));
  }
  return rows;
}

std::vector<RaceInformationRow> RaceInformationRows(int32_t race) {
  std::vector<RaceInformationRow> rows = RaceInformationRowsAdded(race);
  std::reverse(rows.begin(), rows.end());
  return rows;
}

}  // namespace krv
