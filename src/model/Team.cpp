#include "model/Team.h"

#include "model/Format.h"
#include "model/LocalTime.h"

#include <utility>

namespace krv {
namespace {

constexpr const char* kDefaultPositionNames[] = {"Feldspieler", "Fänger",  "Werfer", "Superspieler",
                                                 "Blocker",     "Blitzer", "?"};

template <typename T>
T& AppendRecord(RecordList<T>& list, T record) {
  list.push_back(std::make_unique<T>(std::move(record)));
  return *list.back();
}

}  // namespace

std::string CurrentTimeStamp() { return LocalTimeText("(%d.%m.%y) %H:%M:%S"); }

CKRTeam::CKRTeam() {
  for (int i = 0; i < 7; ++i) InitEigenePosition(i, kDefaultPositionNames[i]);
}

CKRCoTrainer& CKRTeam::AddCoTrainer(CKRCoTrainer coTrainer) { return AppendRecord(m_CoTrainer, std::move(coTrainer)); }

CKRCheerleader& CKRTeam::AddCheerleader(CKRCheerleader cheerleader) {
  return AppendRecord(m_Cheerleader, std::move(cheerleader));
}

CKRSpieler& CKRTeam::AddSpieler(CKRSpieler player) { return AppendRecord(m_Spieler, std::move(player)); }

CKRAusgaben& CKRTeam::AddAusgabe(CKRAusgaben expense) { return AppendRecord(m_Ausgaben, std::move(expense)); }

CKREinnahmen& CKRTeam::AddEinnahme(CKREinnahmen income) { return AppendRecord(m_Einnahmen, std::move(income)); }

CKRGames& CKRTeam::AddGame(CKRGames game) { return AppendRecord(m_Games, std::move(game)); }

CKREreignisse& CKRTeam::AddEreignis(CKREreignisse event) { return AppendRecord(m_Ereignisse, std::move(event)); }

int CKRTeam::ChangeEinnahme(size_t index, const std::string& text, int32_t betrag) {
  CKREinnahmen* e = NthRecord(m_Einnahmen, index);
  if (!e) return 0;
  e->m_strText = text;
  e->m_nBetrag = betrag;
  SetTeamModified(TeamChange::Record(*e));
  return 1;
}

// Reports 0 for an index beyond the list, like the other change operations.
int CKRTeam::ChangeAusgabe(size_t index, const std::string& text, int32_t betrag) {
  CKRAusgaben* a = NthRecord(m_Ausgaben, index);
  if (!a) return 0;
  a->m_strText = text;
  a->m_nBetrag = betrag;
  SetTeamModified(TeamChange::Record(*a));
  return 1;
}

CKREreignisse* CKRTeam::GetEreignis(size_t index) { return NthRecord(m_Ereignisse, index); }

int CKRTeam::ChangeEreignis(size_t index, const std::string& text, int32_t art) {
  CKREreignisse* e = NthRecord(m_Ereignisse, index);
  if (!e) return 0;
  e->m_strText = text;
  e->m_nArt = art;
  SetTeamModified(TeamChange::Record(*e));
  return 1;
}

CKRCheerleader* CKRTeam::FindCheerleader(const std::string& name) {
  for (const auto& c : m_Cheerleader)
    if (c && c->m_strName == name) return c.get();
  return nullptr;
}

void CKRTeam::RemoveCheerleader(const std::string& name) {
  if (CKRCheerleader* c = FindCheerleader(name)) EraseRecord(m_Cheerleader, c);
}

CKRCoTrainer* CKRTeam::FindCoTrainer(const std::string& name) {
  for (const auto& c : m_CoTrainer)
    if (c && c->m_strName == name) return c.get();
  return nullptr;
}

void CKRTeam::RemoveCoTrainer(const std::string& name) {
  std::erase_if(m_CoTrainer, [&](const auto& c) { return c && c->m_strName == name; });
}

int32_t CKRTeam::GetFreeNummer() const {
  std::array<bool, 100> taken{};
  for (const auto& s : m_Spieler)
    if (s && s->IsActive() && s->m_nNummer >= 1 && s->m_nNummer <= 99) taken[s->m_nNummer] = true;
  for (int32_t n = 1; n <= 99; ++n)
    if (!taken[n]) return n;
  return -1;
}

void CKRTeam::CountSpielerArten() {
  m_nAnzahlSpieler = m_nAnzahlStars = m_nAnzahlBrocken = 0;
  for (const auto& s : m_Spieler) {
    if (!s || !s->IsActive()) continue;
    if (s->m_nPositionCode < kFirstStarCode) ++m_nAnzahlSpieler;
    else if (s->m_nPositionCode < kFirstBrockenCode) ++m_nAnzahlStars;
    else ++m_nAnzahlBrocken;
  }
}

void CKRTeam::InitEigenePosition(int index, const std::string& name) {
  if (index < 0 || index >= kEigenePositionen) return;
  SEigenePosition& p = m_Positionen[index];
  p.m_strName = name;
  p.m_strSecondName = name;
  p.m_strSkills.clear();
  p.m_strNameCopy.clear();
  p.m_nBW = 6;
  p.m_nST = 3;
  p.m_nGE = 3;
  p.m_nRW = 8;
  p.m_nPositionCode = 0;
}

}  // namespace krv
