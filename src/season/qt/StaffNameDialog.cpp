#include "season/qt/StaffNameDialog.h"

#include "model/Team.h"
#include "season/qt/StaffDialog.h"
#include "ui/MessageBoxes.h"

namespace krv {
namespace {

template <typename Record>
bool HasName(const RecordList<Record>& list, const std::string& name) {
  for (const auto& r : list)
    if (r && r->m_strName == name) return true;
  return false;
}

// The exact comparison the hiring uses.
bool NameTaken(const CKRTeam& team, PersonalArt art, const std::string& name) {
  if (art == kPersonalCoTrainer) return HasName(team.m_CoTrainer, name);
  if (art == kPersonalCheerleader) return HasName(team.m_Cheerleader, name);
  return false;
}

}  // namespace

std::optional<std::string> AskNewStaffName(QWidget* parent, const CKRTeam& team, PersonalArt art) {
  QString typed;
  for (;;) {
    StaffDialog dlg(parent);
    dlg.m_bNeu = true;
    dlg.m_nArt = art;
    dlg.m_strName = typed;
    if (dlg.exec() != StaffDialog::kIdOk) return std::nullopt;
    const std::string name = dlg.m_strName.toStdString();
    if (!NameTaken(team, art, name)) return name;
    ErrorBox(parent, QString::fromStdString(DuplicateStaffNameMessage(art)));
    typed = dlg.m_strName;
  }
}

}  // namespace krv
