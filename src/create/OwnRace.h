#pragma once
// The own race "Eigene Spieler erstellen": the coach designs up to six positions with the
// player builder, each written straight into the new team's own-race templates; the four
// required ones must be defined before the race can be taken.

#include <array>
#include <cstdint>
#include <string>

#include "create/PlayerBuilder.h"

namespace krv {

class CKRTeam;
struct SEigenePosition;

// One designable position: template index = index in kOwnRaceSlots.
struct OwnRaceSlot {
  const char* m_pszLabel;  // "Feldspieler: ", ...
  int32_t m_nButtonId;
  int32_t m_nTextId;
  int32_t m_nKind;        // the builder's kind
  const char* m_pszName;  // preset name in the builder
  int32_t m_nCode;        // position code of a defined template
  int32_t m_nMaxCount;    // players of the position a team may have
  bool m_bRequired;       // must be defined before "&Übernehmen"
};

constexpr int kOwnRaceSlotCount = 6;
extern const std::array<OwnRaceSlot, kOwnRaceSlotCount> kOwnRaceSlots;

extern const char* const kOwnRaceCaption;        // "Eigene Spieler erstellen"
extern const char* const kOwnRaceMutationLabel;  // "Die Spieler habe die Möglichkeit zur Mutation"
extern const char* const kOwnRaceColumnHeading;  // "BW, ST, GE, RW, Preis, Fertigkeiten"
extern const char* const kOwnRaceNoTeamMessage;  // "m_TheTeam = NULL??????"

// The dialog's fields.
struct OwnRaceDesign {
  CKRTeam* m_pTeam = nullptr;                          // the new team
  std::array<std::string, kOwnRaceSlotCount> m_Texts;  // the read-only text fields
  bool m_bMutation = false;                            // the mutation check box
};

// Whether template k of the team is defined (its position code is not 0).
bool IsOwnPositionDefined(const CKRTeam& team, int slot);

// The text field of a template: "BW,ST,GE,RW,Preis,Fertigkeiten"; empty when undefined.
std::string OwnPositionText(const SEigenePosition& position);

// The builder a position's button opens: the slot's kind and preset name, the current
// mutation state, no team.
PlayerBuilder OwnRaceBuilder(const OwnRaceDesign& design, int slot);

// Writes an accepted builder into template k: BW, ST, GE, RW, the value as cost, the name
// as name and as name copy, the abbreviation text as skills, position code 47 + k; and
// shows its text.
void DefineOwnPosition(OwnRaceDesign& design, int slot, const PlayerBuilder& builder);

// A cancelled builder: the text is emptied and template k becomes undefined (code 0).
void UndefineOwnPosition(OwnRaceDesign& design, int slot);

// After a position's builder closed: OK (builder given) defines, cancel (null) undefines.
void OwnRaceBuilderClosed(OwnRaceDesign& design, int slot, const PlayerBuilder* accepted);

// "&Übernehmen" is enabled exactly when the required templates 0 to 3 are all defined.
bool OwnRaceMayAccept(const OwnRaceDesign& design);

// "&Übernehmen": the team takes the mutation flag from the check box. False (and nothing
// changes) while a required position is undefined.
bool AcceptOwnRace(OwnRaceDesign& design);

}  // namespace krv
