#include "properties/DeleteQuestions.h"

#include "model/Format.h"

namespace krv {

std::string DeleteIncomeQuestion(const CKREinnahmen& entry) {
  return Format("%s\nzu %ld Goldstücken.\n\nWirklich löschen?", entry.m_strText.c_str(), static_cast<long>(entry.m_nBetrag));
}

std::string DeleteExpenseQuestion(const CKRAusgaben& entry) {
  return Format(
      "%s zu %ld Goldstücken.\nWirklich löschen?\n\nAchtung!!!\nWenn Sie Ausgaben wie Cheerleader oder\n"
      "Cotrainer löschen, müssen Sie diese manuell\naus den Listen löschen!\nDa Sie deren Namen "
      "nachträglich ändern können,\nkann das Programm nicht willkürlich löschen.\n\nTrainermarken werden "
      "nur abgezogen, wenn diese mit\nder Version 1.3++ der KRV erstellt wurden.",
      entry.m_strText.c_str(), static_cast<long>(entry.m_nBetrag));
}

std::string DeleteMatchQuestion(const CKRGames& match) {
  return Format("Das Spiel gegen %s wirklich löschen?", match.m_strGegner.c_str());
}

std::string DeleteEventQuestion(const CKREreignisse& event) {
  return Format("%s\nDiesen Eintrag wirklich löschen?", event.m_strText.c_str());
}

}  // namespace krv
