#include "tool/TeamJson.h"

#include "tool/JsonWriter.h"

namespace krv {
namespace {

// Writes a list as an array; a null entry of the file stays null.
template <typename T, typename F>
void WriteArray(JsonWriter& j, const char* key, const RecordList<T>& list, F&& writeFields) {
  j.BeginArray(key);
  for (const auto& record : list) {
    if (!record) {
      j.Null();
      continue;
    }
    j.BeginObject();
    writeFields(*record);
    j.EndObject();
  }
  j.EndArray();
}

void WriteStaff(JsonWriter& j, const char* key, const auto& list) {
  WriteArray(j, key, list, [&](const auto& r) {
    j.String("name", r.m_strName);
    j.String("career", r.m_strLebenslauf);
  });
}

void WritePlayer(JsonWriter& j, const CKRSpieler& s) {
  j.String("name", s.m_strName);
  j.String("position", s.m_strPosition);
  j.String("skills", s.m_strFertigkeiten);
  j.String("extra", s.m_strExtra);
  j.String("injuries", s.m_strVerletzung);
  j.String("career", s.m_strLebenslauf);
  j.Int("number", s.m_nNummer);
  j.Int("BW", s.m_nBW);
  j.Int("ST", s.m_nST);
  j.Int("GE", s.m_nGE);
  j.Int("RW", s.m_nRW);
  j.Int("pass", s.m_nPass);
  j.Int("td", s.m_nTD);
  j.Int("abg", s.m_nABG);
  j.Int("vsa", s.m_nVSA);
  j.Int("sdt", s.m_nSDT);
  j.Int("ssp", s.m_nSSP);
  j.Int("value", s.m_nWert);
  j.Int("status", s.m_nStatus);
  j.Int("id", s.m_nID);
  j.Int("positionCode", s.m_nPositionCode);
}

void WriteMatch(JsonWriter& j, const CKRGames& g) {
  j.String("opponent", g.m_strGegner);
  j.String("score", g.m_strErgebnis);
  j.String("remark", g.m_strBesonderheit);
  j.String("injuries", g.m_strVerletzungen);
  j.String("date", g.m_strDatum);
  j.Int("spectators", g.m_nZuschauer);
  j.Int("winnings", g.m_nEinnahmen);
  j.Int("league", g.m_bLiga);
  j.Int("won", g.m_bGewonnen);
  j.Int("fanFactorChange", g.m_nFanFaktor);
}

void WriteOwnPositions(JsonWriter& j, const CKRTeam& team) {
  if (team.m_nRasse != kEigeneRasse) {
    j.Null("ownPositions");
    return;
  }
  j.BeginArray("ownPositions");
  for (const SEigenePosition& p : team.m_Positionen) {
    j.BeginObject();
    j.String("name", p.m_strName);
    j.String("secondName", p.m_strSecondName);
    j.String("skills", p.m_strSkills);
    j.String("nameCopy", p.m_strNameCopy);
    j.Int("BW", p.m_nBW);
    j.Int("ST", p.m_nST);
    j.Int("GE", p.m_nGE);
    j.Int("RW", p.m_nRW);
    j.Int("cost", p.m_nCost);
    j.EndObject();
  }
  j.EndArray();
}

void WriteComputed(JsonWriter& j, const CKRTeam& team) {
  j.BeginObject("computed");
  j.Int("incomeK", team.m_nEinnahmenK);
  j.Int("expensesK", team.m_nAusgabenK);
  j.String("gold", std::to_string(team.m_nGold));
  j.Int("fanFactorAdjustment", team.m_nFanFactorAdjustment);
  j.Int("fanFactorInForce", team.FanFactorInForce());
  j.Int("teamValue", team.m_nTeamwert);
  j.Int("totalValue", team.m_nGesamtwert);
  j.Int("players", team.m_nAnzahlSpieler);
  j.Int("stars", team.m_nAnzahlStars);
  j.Int("bigGuys", team.m_nAnzahlBrocken);
  j.Int("sspTotal", team.m_nSSPGesamt);
  j.EndObject();
}

}  // namespace

std::string TeamToJson(CKRTeam& team) {
  const std::string storedTeamValue = team.m_strTeamwert;
  const std::string storedGold = team.m_strGold;
  team.Recalculate();

  JsonWriter j;
  j.BeginObject();
  j.Int("version", team.m_nVersion);
  j.String("name", team.m_strName);
  j.String("raceName", team.m_nRasse == kEigeneRasse ? team.m_strRassenName : std::string());
  j.String("storedTeamValue", storedTeamValue);
  j.String("storedGold", storedGold);
  j.Int("race", team.m_nRasse);
  j.String("coach", team.m_strTrainer);
  j.String("apothecary", team.m_strSani);
  j.String("wizard", team.m_strZauberer);
  j.Int("hasApothecary", team.m_bSani);
  j.Int("hasWizard", team.m_bZauberer);
  j.Int("fanFactor", team.m_nFanFaktor);
  j.Int("rerolls", team.m_nMarken);
  j.Int("rerollPrice", team.m_nMarkenPreis);
  j.Int("rerolls2", team.m_nMarken2);
  j.Int("rerollPrice2", team.m_nMarkenPreis2);
  j.Int("rerollsLost", team.m_nMarkenAbzug);
  j.Int("nextId", team.m_nNaechsteID);
  j.String("logo", team.m_strLogo);
  j.String("created", team.m_strErstellt);
  j.String("changed", team.m_strGeaendert);
  WriteStaff(j, "assistantCoaches", team.m_CoTrainer);
  WriteStaff(j, "cheerleaders", team.m_Cheerleader);
  WriteArray(j, "players", team.m_Spieler, [&](const CKRSpieler& s) { WritePlayer(j, s); });
  WriteArray(j, "expenses", team.m_Ausgaben, [&](const CKRAusgaben& a) {
    j.String("text", a.m_strText);
    j.Int("amount", a.m_nBetrag);
    j.Int("kind", a.m_nArt);
  });
  WriteArray(j, "income", team.m_Einnahmen, [&](const CKREinnahmen& e) {
    j.String("text", e.m_strText);
    j.Int("amount", e.m_nBetrag);
  });
  WriteArray(j, "matches", team.m_Games, [&](const CKRGames& g) { WriteMatch(j, g); });
  WriteArray(j, "events", team.m_Ereignisse, [&](const CKREreignisse& e) {
    j.String("text", e.m_strText);
    j.Int("kind", e.m_nArt);
  });
  WriteOwnPositions(j, team);
  WriteComputed(j, team);
  j.EndObject();
  return j.Text() + "\n";
}

}  // namespace krv
