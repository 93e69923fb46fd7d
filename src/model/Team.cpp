#include "model/Team.h"

#include "model/Format.h"
#include "model/LocalTime.h"

namespace krv {
namespace {

constexpr const char* kDefaultPositionNames[] = {"Feldspieler", "Fänger",  "Werfer", "Superspieler",
                                                 "Blocker",     "Blitzer", "?"};

template <typename T>
T* AppendRecord(RecordList<T>& list) {
  list.push_back(std::make_unique<T>());
  return list.back().get();
}

}  // namespace

std::string CurrentTimeStamp() { return LocalTimeText("(%d.%m.%y) %H:%M:%S"); }

CKRTeam::CKRTeam() {
  for (int i = 0; i < 7; ++i) InitEigenePosition(i, kDefaultPositionNames[i]);
}

int CKRTeam::AddCoTrainer(const std::string& name) {
  AppendRecord(m_CoTrainer)->m_strName = name;
  return 1;
}

int CKRTeam::AddCheerleader(const std::string& name) {
  AppendRecord(m_Cheerleader)->m_strName = name;
  return 1;
}

int CKRTeam::AddSpieler(int32_t nummer, const std::string& name, const std::string& position, int32_t bw, int32_t st,
                        int32_t ge, int32_t rw, int32_t wert, const std::string& fertigkeiten, int32_t id,
                        int32_t positionCode) {
  CKRSpieler* s = AppendRecord(m_Spieler);
  s->m_nNummer = nummer;
  s->m_strName = name;
  s->m_strPosition = position;
  s->m_nBW = bw;
  s->m_nST = st;
  s->m_nGE = ge;
  s->m_nRW = rw;
  s->m_nWert = wert;
  s->m_strFertigkeiten = fertigkeiten;
  s->m_nID = id;
  s->m_nPositionCode = positionCode;
  return 1;
}

int CKRTeam::AddAusgabe(const std::string& text, int32_t betrag, int32_t art) {
  CKRAusgaben* a = AppendRecord(m_Ausgaben);
  a->m_strText = text;
  a->m_nBetrag = betrag;
  a->m_nArt = art;
  return 1;
}

int CKRTeam::AddEinnahme(const std::string& text, int32_t betrag) {
  CKREinnahmen* e = AppendRecord(m_Einnahmen);
  e->m_strText = text;
  e->m_nBetrag = betrag;
  return 1;
}

int CKRTeam::AddGame(const std::string& gegner, const std::string& ergebnis, const std::string& besonderheit,
                     const std::string& verletzungen, int32_t zuschauer, int32_t einnahmen, int32_t liga,
                     int32_t gewonnen, int32_t nummer, int32_t fanFaktor, const std::string& datum) {
  CKRGames* g = AppendRecord(m_Games);
  g->m_strGegner = gegner;
  g->m_strErgebnis = ergebnis;
  g->m_strBesonderheit = besonderheit;
  g->m_strVerletzungen = verletzungen;
  g->m_nZuschauer = zuschauer;
  g->m_nEinnahmen = einnahmen;
  g->m_bLiga = liga;
  g->m_bGewonnen = gewonnen;
  g->m_nNummer = nummer;
  g->m_nFanFaktor = fanFaktor;
  g->m_strDatum = datum;
  return 1;
}

int CKRTeam::AddEreignis(const std::string& text, int32_t art) {
  CKREreignisse* e = AppendRecord(m_Ereignisse);
  e->m_strText = text;
  e->m_nArt = art;
  return 1;
}

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
