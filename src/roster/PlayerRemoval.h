#pragma once
// Players leave the team: sold or dismissed, taken over as assistant coach, dead, or gone for
// another reason. Leaving only changes the status; a dead player can later be taken out of
// the list entirely. The remove dialog and `krv entfernen` call these; none of them asks.

#include <cstdint>
#include <optional>
#include <string>

#include "model/Team.h"

namespace krv {

// The remove dialog's four choices, with the status each sets.
enum class RemovalReason : int32_t {
  kVerkauft = kStatusVerkauft,      // "&Verkauft/Entlassen"
  kCotrainer = kStatusCotrainer,    // "&Als Cotrainer übernommen"
  kVerstorben = kStatusVerstorben,  // "&Verstorben"
  kSonstiges = kStatusSonstiges,    // "&Sonstiges" with a reason text
};

constexpr int kMaxRemovalText = 80;  // the "&Sonstiges" field takes at most this many characters

extern const char* const kDeathSound;  // "Sounds/Tod.wav"

// What happens when the coach asks to remove the selected player.
enum class RemovalStep {
  kOpenDialog,          // an active player: the remove dialog
  kNotActive,           // a former player: only the message (stop icon)
  kAskFinalRemoval,     // a dead player: the question whether he goes entirely (Yes/No)
  kAskRemovalFromList,  // the settings keep no removed players: the question (through Frage)
};
struct RemovalStart {
  RemovalStep m_Step = RemovalStep::kOpenDialog;
  std::string m_strText;  // the message or the question
};
// `keepRemoved`: the setting "Gelöschte Spieler in der Liste behalten".
RemovalStart RemovalStartFor(const CKRSpieler& player, bool keepRemoved);

// What the remove dialog hands over on "&Ändern".
struct PlayerRemoval {
  std::optional<RemovalReason> m_Reason;  // nothing when no choice is made
  std::string m_strText;                  // the "&Sonstiges" text
};

// The check that keeps the dialog open: refused (information box) when no choice is made, or
// "&Sonstiges" has an empty or too long text.
ChangeOutcome PlayerRemovalRefusal(const PlayerRemoval& removal);

// Sets the active player's status by the reason ("&Sonstiges" stores the text where the
// injury stood; an assistant coach is added with the player's name) and runs the modified
// routine; a death plays kDeathSound. Refused, changing nothing, when the choice is
// incomplete or the player is not active.
ChangeOutcome RemovePlayer(CKRTeam& team, CKRSpieler& player, const PlayerRemoval& removal);

// Takes the player out of the team's list and deletes him, then runs the modified routine.
// Nothing when he is not in the list.
ChangeOutcome RemovePlayerCompletely(CKRTeam& team, const CKRSpieler* player);

}  // namespace krv
