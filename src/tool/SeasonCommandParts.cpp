#include "tool/SeasonCommandParts.h"

#include "model/Format.h"
#include "model/Windows1252.h"
#include "tool/TeamCommand.h"

namespace krv {

std::string ReportOutcome(const ChangeOutcome& outcome, std::string done) {
  if (outcome.Refused()) Refuse(outcome.refusal.text);
  for (const Notice& notice : outcome.notices) done += "\n" + notice.text;
  return done;
}

void CheckTextLength(const std::string& text, size_t maxCharacters, const char* what) {
  if (CharacterCount(text) > maxCharacters)
    Refuse(Format("%s darf höchstens %ld Zeichen lang sein.", what, static_cast<long>(maxCharacters)));
}

}  // namespace krv
