#include "tool/TeamSummary.h"

#include "model/ControlCharacters.h"
#include "model/Format.h"
#include "model/Gold.h"
#include "rules/Races.h"

namespace krv {
namespace {

size_t DisplayWidth(const std::string& utf8) {
  size_t width = 0;
  for (const char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++width;
  return width;
}

std::string Pad(const std::string& text, size_t width) {
  const size_t shown = DisplayWidth(text);
  return shown >= width ? text : text + std::string(width - shown, ' ');
}

std::string RaceText(const CKRTeam& team) {
  if (team.m_nRasse == kEigeneRasse) return team.m_strRassenName;
  if (team.m_nRasse >= 0 && team.m_nRasse < kEigeneRasse) return g_RassenAnzeige[team.m_nRasse];
  return "????";
}

// A text of the file as printed: a control character from the file (ESC, say) must not reach
// the terminal.
std::string Shown(const std::string& text) { return EscapeControlCharacters(text); }

std::string Line(const char* label, const std::string& value) { return Pad(label, 17) + Shown(value) + "\n"; }

std::string StaffLine(const char* label, const auto& list) {
  std::string names;
  int count = 0;
  for (const auto& r : list) {
    if (!r) continue;
    names += (count++ ? ", " : "") + r->m_strName;
  }
  return Line(label, count ? Format("%d (%s)", count, names.c_str()) : "0");
}

}  // namespace

std::string TeamSummary(CKRTeam& team) {
  team.Recalculate();
  std::string out;
  out += Line("Team:", team.m_strName);
  out += Line("Rasse:", RaceText(team));
  out += Line("Teamwert:", std::to_string(team.m_nTeamwert));
  out += Line("Gesamtwert:", FormatGoldNumber(team.m_nGesamtwert) + " Goldstücke");
  out += Line("Schatzkammer:", FormatGold(team.m_strGold) + " Goldstücke");
  out += Line("Trainingsmarken:", Format("%d/%d/%d", team.m_nMarken, team.m_nMarken2, team.m_nMarkenAbzug));
  out += Line("Fan-Faktor:", std::to_string(team.FanFactorInForce()));
  out += Line("Cheftrainer:", team.m_strTrainer);
  out += Line("Sanitäter:", team.m_bSani ? team.m_strSani : "-");
  out += Line("Zauberer:", team.m_bZauberer ? team.m_strZauberer : "-");
  out += StaffLine("Cotrainer:", team.m_CoTrainer);
  out += StaffLine("Cheerleader:", team.m_Cheerleader);
  out += "\n";

  out += Format("%3s  %s %s %2s %2s %2s %2s %4s %11s  %s\n", "Nr", Pad("Name", 23).c_str(), Pad("Position", 17).c_str(),
                "BW", "ST", "GE", "RW", "SSP", "Wert", "Fertigkeiten");
  for (const auto& s : team.m_Spieler) {
    if (!s || !s->IsActive()) continue;
    std::string line =
        Format("%3d  %s %s %2d %2d %2d %2d %4d %11s  %s", s->m_nNummer, Pad(Shown(s->m_strName), 23).c_str(),
               Pad(Shown(s->m_strPosition), 17).c_str(), s->m_nBW, s->m_nST, s->m_nGE, s->m_nRW, s->m_nSSP,
               FormatGoldNumber(s->m_nWert).c_str(), Shown(s->m_strFertigkeiten).c_str());
    line.erase(line.find_last_not_of(' ') + 1);  // no trailing blanks for players without skills
    out += line + "\n";
  }
  return out;
}

}  // namespace krv
