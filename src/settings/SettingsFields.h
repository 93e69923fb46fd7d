#pragma once
// The checks and the OK of the settings sheet "Einstellungen". The pages fill a copy of the
// settings (every field except the colour warning and the news version, which the sheet
// does not show); ApplySettingsSheet checks it and, unless refused, takes it over.

#include <string>

#include "settings/KrvDat.h"
#include "settings/TeamListEdit.h"
#include "model/ChangeOutcome.h"

namespace krv {

// The sound that marks settings beyond the rules of the game (more than 16 players, more
// than 1000000 gold to start with).
inline constexpr const char* kBeyondRulesSound = "Sounds/nicht16.WAV";

// The page fields: flags as the settings hold them; the two numbers as read from their edits
// (the starting capital from the digits of its grouped field, so it may be far out of range).
struct SettingsPageFields {
  ProgramSettings flags;  // m_bSound ... m_bSkipValues are read from here; numbers below
  long long maxSpieler = 0;
  long long startkapital = 0;
};

// What the sheet shows when it opens: the current settings.
SettingsPageFields SettingsPageFieldsFrom(const ProgramSettings& settings);

// OK: a maximum number of players outside 1 to 32 refuses and the sheet stays open. A
// starting capital outside 10000 to 2000000 becomes 1000000 with the bank's notice. Then the
// fields and the team list page's names replace the settings; the caller marks the settings
// changed (even when nothing differs, so KRV.DAT is written at the end). The outcome carries
// kBeyondRulesSound for 17 or more players or more than 1000000 gold.
ChangeOutcome ApplySettingsSheet(ProgramSettings& settings, const SettingsPageFields& fields,
                                 const TeamListEdit& teams);

// The enabling rules of the sheet's boxes.
inline bool OnlyOnceEnabled(bool noQuickHelp) { return !noQuickHelp; }  // "Hilfe nur einmal anzeigen"
inline bool BrowserChoiceEnabled(bool htmlHelp) { return !htmlHelp; }   // "Standard Browser nutzen"
inline bool SkipZeroValuesEnabled(bool noValues) { return !noValues; }  // "Nur Null-Werte nicht drucken"

}  // namespace krv
