#include "teamwindow/StepNames.h"

#include "roster/ZombieRevival.h"

namespace krv {
namespace {

template <typename T>
const T* Last(const RecordList<T>& list) {
  for (auto it = list.rbegin(); it != list.rend(); ++it)
    if (*it) return it->get();
  return nullptr;
}

// The newest record of the list, or null.
const void* LastRecord(const CKRTeam& team, TeamList list) {
  switch (list) {
    case TeamList::kPlayers: return Last(team.m_Spieler);
    case TeamList::kMatches: return Last(team.m_Games);
    case TeamList::kExpenses: return Last(team.m_Ausgaben);
    case TeamList::kIncome: return Last(team.m_Einnahmen);
    case TeamList::kEvents: return Last(team.m_Ereignisse);
    default: return nullptr;
  }
}

std::string Quoted(const std::string& text) { return text.empty() ? std::string() : " „" + text + "“"; }

// "Spiel gegen Orkland", "Spieler Grimm", "Ausgabe „Zaun“"; the noun alone without a record.
std::string Subject(TeamList list, const void* record) {
  switch (list) {
    case TeamList::kPlayers:
      return "Spieler" + (record ? " " + static_cast<const CKRSpieler*>(record)->m_strName : std::string());
    case TeamList::kMatches:
      return "Spiel" + (record ? " gegen " + static_cast<const CKRGames*>(record)->m_strGegner : std::string());
    case TeamList::kExpenses:
      return "Ausgabe" + (record ? Quoted(static_cast<const CKRAusgaben*>(record)->m_strText) : std::string());
    case TeamList::kIncome:
      return "Einnahme" + (record ? Quoted(static_cast<const CKREinnahmen*>(record)->m_strText) : std::string());
    case TeamList::kEvents: return "Ereignis";
    default: return "Eintrag";
  }
}

}  // namespace

const char* const kUnnamedStep = "Änderung";

const char* const kRaceStep = "Volk ändern";

std::string FieldStepName(const std::string& field) { return field + " ändern"; }

std::string StaffStepName(const std::string& role, const std::string& name, const std::string& verb) {
  return role + (name.empty() ? "" : " " + name) + " " + verb;
}

std::string PageStepName(TeamList list, PageCommand command, const void* record) {
  const bool players = list == TeamList::kPlayers;
  switch (command) {
    case PageCommand::New: return Subject(list, record) + (players ? " kaufen" : " eintragen");
    case PageCommand::Change: return Subject(list, record) + " ändern";
    case PageCommand::Delete: return Subject(list, record) + (players ? " entfernen" : " löschen");
    case PageCommand::Zombie: return "Zombie wiederbeleben";
    case PageCommand::Logo: return "Logo ändern";
    case PageCommand::SortByNumber: return "Spieler nach Nr. sortieren";
  }
  return kUnnamedStep;
}

std::string NewPlayerStepName(const CKRSpieler& player) {
  const std::string& name = player.m_strName;
  if (player.m_nPositionCode == kZombieCode) return "Zombie " + name + " wiederbeleben";
  if (player.m_nPositionCode == kBuiltStarCode) return "Starplayer " + name + " bauen";
  if (player.m_nPositionCode >= kFirstStarCode) return "Starplayer " + name + " einstellen";
  return "Spieler " + name + " kaufen";
}

std::string NewRecordStepName(const CKRTeam& team, TeamList list, PageCommand command, size_t playersBefore) {
  if (team.m_Spieler.size() > playersBefore)
    if (const CKRSpieler* player = Last(team.m_Spieler)) return NewPlayerStepName(*player);
  return PageStepName(list, command, LastRecord(team, list));
}

std::string UndoMenuText(const std::string& step) { return step.empty() ? "&Rückgängig" : "&Rückgängig: " + step; }
std::string RedoMenuText(const std::string& step) { return step.empty() ? "&Wiederholen" : "&Wiederholen: " + step; }

}  // namespace krv
