#include "teamwindow/MissingOpponents.h"

#include <algorithm>

#include "model/StringArray.h"
#include "model/Team.h"
#include "model/TextCase.h"

namespace krv {

std::vector<std::string> MissingOpponents(const CKRTeam& team, const CKRStringArray& teamList) {
  std::vector<std::string> missing;
  for (const auto& game : team.m_Games) {
    if (!game || game->m_strGegner.empty()) continue;
    const std::string& name = game->m_strGegner;
    if (teamList.Contains(name)) continue;
    const bool collected = std::any_of(missing.begin(), missing.end(),
                                       [&](const std::string& m) { return EqualsIgnoringAsciiCase(m, name); });
    if (!collected) missing.push_back(name);
  }
  return missing;
}

std::string MissingOpponentsQuestion(const std::vector<std::string>& names) {
  std::string text = "Folgende(s) Team(s) stehen nicht in der System-Teamliste!\n\n";
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) {
      text += ", ";
      if (i % 4 == 0) text += "\n";
    }
    text += names[i];
  }
  text += "\n\nSollen die fehlenden Teams jetzt eingefügt werden?";
  return text;
}

void AppendTeams(CKRStringArray& teamList, const std::vector<std::string>& names) {
  teamList.m_Items.insert(teamList.m_Items.end(), names.begin(), names.end());
}

}  // namespace krv
