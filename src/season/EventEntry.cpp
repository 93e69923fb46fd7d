#include "season/EventEntry.h"

#include "model/LineEnds.h"

namespace krv {
namespace {

constexpr const char* kNoSuchEvent = "Dieses Ereignis gibt es nicht.";

}  // namespace

std::string DeductionText(const std::string& opponent) { return kDeductionPrefix + opponent; }

ChangeOutcome AddEvent(CKRTeam& team, const std::string& text, int32_t kind) {
  if (kind == kEreignisMarkenAbzug) {
    const int64_t bought = int64_t{team.m_nMarken} + team.m_nMarken2;
    if (int64_t{team.m_nMarkenAbzug} + 1 > bought) return ChangeOutcome::Refuse(kNoRerollsLeft, NoticeKind::Error);
    ++team.m_nMarkenAbzug;
  }
  team.AddEreignis(WithWindowsLineEnds(text), kind);
  team.SetTeamModified();
  return ChangeOutcome::Applied();
}

ChangeOutcome ChangeEvent(CKRTeam& team, size_t row, const std::string& text) {
  const CKREreignisse* event = team.GetEreignis(row);
  if (!event) return ChangeOutcome::Refuse(kNoSuchEvent, NoticeKind::Error);
  team.ChangeEreignis(row, WithWindowsLineEnds(text), event->m_nArt);
  return ChangeOutcome::Applied();
}

std::string DeleteEventQuestion(const CKRTeam& team, size_t row) {
  const CKREreignisse* event = NthRecord(team.m_Ereignisse, row);
  return event ? event->m_strText + "\nDiesen Eintrag wirklich löschen?" : "";
}

ChangeOutcome DeleteEvent(CKRTeam& team, size_t row) {
  CKREreignisse* event = team.GetEreignis(row);
  if (!event) return ChangeOutcome::Refuse(kNoSuchEvent, NoticeKind::Error);
  if (event->m_nArt == kEreignisMarkenAbzug && team.m_nMarkenAbzug > 0) --team.m_nMarkenAbzug;
  EraseRecord(team.m_Ereignisse, event);
  team.SetTeamModified();
  return ChangeOutcome::Applied();
}

ChangeOutcome SetLogo(CKRTeam& team, const std::string& path) {
  if (path == team.m_strLogo) return {};
  team.m_strLogo = path;
  team.SetTeamModified();
  return ChangeOutcome::Applied();
}

ChangeOutcome RemoveLogo(CKRTeam& team) {
  if (team.m_strLogo.empty()) return {};
  team.m_strLogo.clear();
  team.SetTeamModified();
  return ChangeOutcome::Applied();
}

}  // namespace krv
