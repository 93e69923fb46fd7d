#include "create/OwnRace.h"

#include "model/Format.h"
#include "model/Team.h"

namespace krv {

const std::array<OwnRaceSlot, kOwnRaceSlotCount> kOwnRaceSlots = {{
    {"Feldspieler: ", 1015, 1001, kKindFeldspieler, "Feldspieler", 47, 12, true},
    {"Fänger: ", 1012, 1002, kKindFaenger, "Fänger", 48, 2, true},
    {"Werfer: ", 1013, 1003, kKindWerfer, "Werfer", 49, 2, true},
    {"Superspieler: ", 1014, 1004, kKindSuperspieler, "Superspieler", 50, 2, true},
    {"Gen 1: ", 1016, 1005, kKindGen1, "Gen.1", 51, 4, false},
    {"Gen 2: ", 1017, 1006, kKindGen2, "Gen.2", 52, 4, false},
}};

const char* const kOwnRaceCaption = "Eigene Spieler erstellen";
const char* const kOwnRaceMutationLabel = "Die Spieler habe die Möglichkeit zur Mutation";
const char* const kOwnRaceColumnHeading = "BW, ST, GE, RW, Preis, Fertigkeiten";
const char* const kOwnRaceNoTeamMessage = "m_TheTeam = NULL??????";

namespace {

bool ValidSlot(int slot) { return slot >= 0 && slot < kOwnRaceSlotCount; }

}  // namespace

bool IsOwnPositionDefined(const CKRTeam& team, int slot) {
  return ValidSlot(slot) && team.m_Positionen[static_cast<size_t>(slot)].m_nPositionCode != 0;
}

std::string OwnPositionText(const SEigenePosition& position) {
  if (position.m_nPositionCode == 0) return {};
  return Format("%ld,%ld,%ld,%ld,%ld,%s", static_cast<long>(position.m_nBW), static_cast<long>(position.m_nST),
                static_cast<long>(position.m_nGE), static_cast<long>(position.m_nRW),
                static_cast<long>(position.m_nCost), position.m_strSkills.c_str());
}

PlayerBuilder OwnRaceBuilder(const OwnRaceDesign& design, int slot) {
  PlayerBuilder builder;
  if (ValidSlot(slot)) {
    builder.m_nKind = kOwnRaceSlots[static_cast<size_t>(slot)].m_nKind;
    builder.m_strName = kOwnRaceSlots[static_cast<size_t>(slot)].m_pszName;
  }
  builder.m_bMutation = design.m_bMutation;
  return builder;
}

void DefineOwnPosition(OwnRaceDesign& design, int slot, const PlayerBuilder& builder) {
  // Without a team there is nothing to write into.
  if (!ValidSlot(slot) || !design.m_pTeam) return;
  SEigenePosition& position = design.m_pTeam->m_Positionen[static_cast<size_t>(slot)];
  position.m_nBW = builder.m_nBW;
  position.m_nST = builder.m_nST;
  position.m_nGE = builder.m_nGE;
  position.m_nRW = builder.m_nRW;
  position.m_nCost = builder.m_nValue;
  position.m_strName = builder.m_strName;
  position.m_strNameCopy = builder.m_strName;
  position.m_strSkills = builder.m_strAbbreviations;
  position.m_nPositionCode = kOwnRaceSlots[static_cast<size_t>(slot)].m_nCode;
  design.m_Texts[static_cast<size_t>(slot)] = OwnPositionText(position);
}

void UndefineOwnPosition(OwnRaceDesign& design, int slot) {
  if (!ValidSlot(slot)) return;
  design.m_Texts[static_cast<size_t>(slot)].clear();
  if (!design.m_pTeam) return;
  SEigenePosition& position = design.m_pTeam->m_Positionen[static_cast<size_t>(slot)];
  position.m_nPositionCode = 0;
  // The position code is not saved with the team; a cost of 0 is what keeps the withdrawn
  // position from being offered for purchase once the team has been saved and opened again.
  position.m_nCost = 0;
}

void OwnRaceBuilderClosed(OwnRaceDesign& design, int slot, const PlayerBuilder* accepted) {
  if (accepted) DefineOwnPosition(design, slot, *accepted);
  else UndefineOwnPosition(design, slot);
}

bool OwnRaceMayAccept(const OwnRaceDesign& design) {
  if (!design.m_pTeam) return false;
  for (int slot = 0; slot < kOwnRaceSlotCount; ++slot)
    if (kOwnRaceSlots[static_cast<size_t>(slot)].m_bRequired && !IsOwnPositionDefined(*design.m_pTeam, slot))
      return false;
  return true;
}

bool AcceptOwnRace(OwnRaceDesign& design) {
  if (!OwnRaceMayAccept(design)) return false;
  design.m_pTeam->m_bMutation = design.m_bMutation;
  return true;
}

}  // namespace krv
