#pragma once
// The questions of the deletion box ("Löschen") that the pages ask before they delete a
// ledger entry, a match or an event. The deletion itself (CKRTeam::Delete...) never asks.

#include <string>

#include "model/Records.h"

namespace krv {

// "%s\nzu %ld Goldstücken.\n\nWirklich löschen?"
std::string DeleteIncomeQuestion(const CKREinnahmen& entry);
// "%s zu %ld Goldstücken.\nWirklich löschen?\n\nAchtung!!!..." with the warning that staff
// must be dismissed by hand and re-rolls come off only for entries of version 1.3 and later.
std::string DeleteExpenseQuestion(const CKRAusgaben& entry);
// "Das Spiel gegen %s wirklich löschen?"
std::string DeleteMatchQuestion(const CKRGames& match);
// "%s\nDiesen Eintrag wirklich löschen?"
std::string DeleteEventQuestion(const CKREreignisse& event);

}  // namespace krv
