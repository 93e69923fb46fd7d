#include "season/Staff.h"

#include "model/Format.h"
#include "model/LineEnds.h"
#include "model/TextCase.h"
#include "settings/NameOrder.h"
#include "rules/Races.h"

namespace krv {
namespace {

constexpr const char* kSoundSaniGeht = "Sounds/Sa-geht.wav";
constexpr const char* kSoundZaubererGeht = "Sounds/Za-geht.wav";
constexpr const char* kSoundCotrainerGeht = "Sounds/Co-geht.wav";
constexpr const char* kSoundCheerleaderGeht = "Sounds/Ch-geht.wav";

template <typename Record>
std::vector<std::string> SortedNames(const RecordList<Record>& list) {
  std::vector<std::string> names;
  names.reserve(list.size());
  for (const auto& r : list)
    if (r) names.push_back(r->m_strName);
  SortNames(names);
  return names;
}

template <typename Record>
Record* FindByName(const RecordList<Record>& list, const std::string& name) {
  for (const auto& r : list)
    if (r && r->m_strName == name) return r.get();
  return nullptr;
}

// Another record than `self` carrying exactly `name`.
template <typename Record>
bool OtherHasName(const RecordList<Record>& list, const Record* self, const std::string& name) {
  for (const auto& r : list)
    if (r && r.get() != self && r->m_strName == name) return true;
  return false;
}

template <typename Record>
StaffChange ChangeStaff(CKRTeam& team, RecordList<Record>& list, const std::string& oldName, const std::string& newName,
                        const std::string& career) {
  Record* record = FindByName(list, oldName);
  if (!record) return StaffChange::kNotFound;
  // The same name, perhaps in other case, is taken at once, unless that would give this
  // one exactly the name another one already carries.
  if (newName != oldName && OtherHasName(list, record, newName)) return StaffChange::kDuplicate;
  record->m_strName = newName;
  // A career text the coach left alone stays byte for byte what the file held.
  if (career != record->m_strLebenslauf) record->m_strLebenslauf = WithWindowsLineEnds(career);
  team.SetTeamModified();
  return StaffChange::kAccepted;
}

// The leaving of one staff member: event, modified routine, sound.
ChangeOutcome StaffLeaves(CKRTeam& team, const std::string& eventText, const char* sound) {
  team.AddEreignis(eventText, kEreignisSonstiges);
  team.SetTeamModified();
  return ChangeOutcome::Applied(sound);
}

}  // namespace

std::string WizardStaffWord(int32_t race) { return WizardSlotName(race); }

std::string WizardLabel(int32_t race) {
  const std::string word = WizardStaffWord(race);
  return word == "Zauberer" ? "&Zauberer:" : word + ":";
}

bool RaceMayHaveApothecaryAndWizard(int32_t race) { return MayHireApothecaryAndWizard(race); }

std::string DismissQuestion(const std::string& name) {
  return Format("Soll %s\nwirklich entlassen werden?", name.c_str());
}

std::string DismissFromListQuestion(const std::string& name) {
  return Format("Wollen Sie\n%s\nwirklich entlassen?", name.c_str());
}

std::string ApothecaryLeavesText(const std::string& name) {
  return Format("Der Sanitäter %s verlässt das Team!", name.c_str());
}

std::string WizardLeavesText(int32_t race, const std::string& name) {
  return Format("Der %s %s verlässt das Team!", WizardStaffWord(race).c_str(), name.c_str());
}

std::string CoTrainerLeavesText(const std::string& name) {
  return Format("CotrainerIn %s verläßt das Team.", name.c_str());
}

std::string CheerleaderLeavesText(const std::string& name) {
  return Format("CheerleaderIn %s verläßt das Team.", name.c_str());
}

std::string DuplicateStaffNameMessage(PersonalArt art) {
  return art == kPersonalCoTrainer ? "Eine(n) CotrainerIn mit diesem\nNamen gibt es schon!"
                                   : "Eine(n) CheerleaderIn mit diesem\nNamen gibt es schon!";
}

std::string StaffCountText(size_t count) { return Format("Anzahl: %ld", static_cast<long>(count)); }

std::string PersonalDlgCaption(PersonalArt art, bool newEntry) {
  if (!newEntry) return art == kPersonalCoTrainer ? "CotrainerIn ändern" : "CheerleaderIn ändern";
  switch (art) {
    case kPersonalCoTrainer: return "Neue(n) CoTrainerIn";
    case kPersonalCheerleader: return "Neue(n) CheerleaderIn";
    case kPersonalSani: return "Neuen Sani";
    case kPersonalZauberer: return "Neuen Zauberer";
    case kPersonalZombie: return "Neuen Zombie";
    case kPersonalSpieler: return "Neuen Spieler";
  }
  return "Personal ändern";
}

std::string CareerCheckText(const std::string& career) {
  return career.empty() ? " Zeige Lebenslauf" : " Zeige Lebenslauf *";
}

bool SameStaffName(const std::string& a, const std::string& b) { return EqualsIgnoringAsciiCase(a, b); }

std::vector<std::string> SortedStaffNames(const RecordList<CKRCoTrainer>& list) { return SortedNames(list); }
std::vector<std::string> SortedStaffNames(const RecordList<CKRCheerleader>& list) { return SortedNames(list); }

ChangeOutcome DismissApothecary(CKRTeam& team) {
  if (!team.m_bSani || !RaceMayHaveApothecaryAndWizard(team.m_nRasse)) return ChangeOutcome::Nothing();
  const std::string text = ApothecaryLeavesText(team.m_strSani);
  team.m_bSani = 0;
  team.m_strSani.clear();
  return StaffLeaves(team, text, kSoundSaniGeht);
}

ChangeOutcome DismissWizard(CKRTeam& team) {
  if (!team.m_bZauberer || !RaceMayHaveApothecaryAndWizard(team.m_nRasse)) return ChangeOutcome::Nothing();
  const std::string text = WizardLeavesText(team.m_nRasse, team.m_strZauberer);
  team.m_bZauberer = 0;
  team.m_strZauberer.clear();
  return StaffLeaves(team, text, kSoundZaubererGeht);
}

ChangeOutcome DismissCoTrainer(CKRTeam& team, const std::string& name) {
  // Only the one dismissed leaves, even when a file brought two of the same name.
  CKRCoTrainer* coach = team.FindCoTrainer(name);
  if (!coach) return ChangeOutcome::Nothing();
  EraseRecord(team.m_CoTrainer, coach);
  return StaffLeaves(team, CoTrainerLeavesText(name), kSoundCotrainerGeht);
}

ChangeOutcome DismissCheerleader(CKRTeam& team, const std::string& name) {
  if (!team.FindCheerleader(name)) return ChangeOutcome::Nothing();
  team.RemoveCheerleader(name);
  return StaffLeaves(team, CheerleaderLeavesText(name), kSoundCheerleaderGeht);
}

ChangeOutcome ChangeStaffNames(CKRTeam& team, const StaffNames& names) {
  bool changed = false;
  auto take = [&changed](std::string& field, const std::string& typed) {
    if (field == typed) return;
    field = typed;
    changed = true;
  };
  take(team.m_strTrainer, names.trainer);
  if (RaceMayHaveApothecaryAndWizard(team.m_nRasse)) {
    if (team.m_bSani) take(team.m_strSani, names.sani);
    if (team.m_bZauberer) take(team.m_strZauberer, names.zauberer);
  }
  if (!changed) return ChangeOutcome::Nothing();
  team.SetTeamModified();
  return ChangeOutcome::Applied();
}

void RememberEnteredName(CKRTeam& team, const std::string& name) { team.m_strEingabeName = name; }

StaffChange ChangeCoTrainer(CKRTeam& team, const std::string& oldName, const std::string& newName,
                            const std::string& career) {
  return ChangeStaff(team, team.m_CoTrainer, oldName, newName, career);
}

StaffChange ChangeCheerleader(CKRTeam& team, const std::string& oldName, const std::string& newName,
                              const std::string& career) {
  return ChangeStaff(team, team.m_Cheerleader, oldName, newName, career);
}

bool HireCoTrainer(CKRTeam& team, const std::string& name) {
  if (team.FindCoTrainer(name)) return false;
  team.AddCoTrainer(name);
  team.m_strEingabeName = name;
  return true;
}

bool HireCheerleader(CKRTeam& team, const std::string& name) {
  if (team.FindCheerleader(name)) return false;
  team.AddCheerleader(name);
  team.m_strEingabeName = name;
  return true;
}

}  // namespace krv
