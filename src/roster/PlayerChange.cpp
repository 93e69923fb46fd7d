#include "roster/PlayerChange.h"

#include <array>
#include <cstdlib>

#include "model/FieldMessages.h"
#include "model/Format.h"
#include "model/LineEnds.h"
#include "model/LocalTime.h"

namespace krv {
namespace {

constexpr std::array<ChangeRange, 5> kRanges = {{
    {ChangeField::kBW, "BW", 1, 12},
    {ChangeField::kST, "ST", 1, 10},
    {ChangeField::kGE, "GE", 1, 6},
    {ChangeField::kRW, "RW", 4, 10},
    {ChangeField::kSSP, "SSP", 0, 700},
}};

int32_t ValueOf(const PlayerChange& change, ChangeField field) {
  switch (field) {
    case ChangeField::kBW: return change.m_nBW;
    case ChangeField::kST: return change.m_nST;
    case ChangeField::kGE: return change.m_nGE;
    case ChangeField::kRW: return change.m_nRW;
    case ChangeField::kSSP: return change.m_nSSP;
    case ChangeField::kNone: break;
  }
  return 0;
}

long L(int32_t v) { return static_cast<long>(v); }
long Difference(int32_t a, int32_t b) { return std::labs(static_cast<long>(a) - static_cast<long>(b)); }

}  // namespace

PlayerChange PlayerChangeFrom(const CKRSpieler& p) {
  return {p.m_nNummer, p.m_strName, p.m_strPosition,   p.m_strFertigkeiten, p.m_nBW, p.m_nST,
          p.m_nGE,     p.m_nRW,     p.m_strVerletzung, p.m_nPass,           p.m_nTD, p.m_nABG,
          p.m_nVSA,    p.m_nSDT,    p.m_nSSP,          p.m_strLebenslauf};
}

const ChangeRange& RangeOf(ChangeField field) {
  for (const ChangeRange& r : kRanges)
    if (r.m_Field == field) return r;
  return kRanges[0];
}

std::string RangeMessage(ChangeField field) {
  const ChangeRange& r = RangeOf(field);
  return FieldRangeMessage(r.m_pszLabel, r.m_nLow, r.m_nHigh);
}

ChangeOutcome PlayerChangeRangeRefusal(const PlayerChange& change) {
  for (const ChangeRange& r : kRanges) {
    const int32_t v = ValueOf(change, r.m_Field);
    if (v >= r.m_nLow && v <= r.m_nHigh) continue;
    ChangeOutcome refusal = ChangeOutcome::Refuse(RangeMessage(r.m_Field), NoticeKind::Warning);
    refusal.focusField = static_cast<int>(r.m_Field);
    return refusal;
  }
  return ChangeOutcome::Nothing();
}

int32_t Improvements(int32_t ssp) {
  constexpr std::array<int32_t, 11> kThresholds = {6, 16, 31, 51, 76, 126, 176, 226, 276, 326, 376};
  int32_t n = 0;
  for (const int32_t t : kThresholds)
    if (ssp >= t) ++n;
  return n;
}

bool IsStarCodeLocked(int32_t positionCode) { return positionCode >= 200 && positionCode <= 306; }

ChangeOutcome PlayerChangeEntryRefusal(CKRSpieler& player) {
  if (player.IsActive()) return ChangeOutcome::Nothing();
  if (player.m_nStatus == kStatusVerstorben) player.m_strVerletzung = "Er/Sie/Es ist Mausetot!";
  return ChangeOutcome::Refuse(
      Format("%s ist kein aktiver Spieler mehr!\nGrund: %s", player.m_strName.c_str(), player.m_strVerletzung.c_str()),
      NoticeKind::Error);
}

std::string CareerLogEntry(const CKRSpieler& before, const CKRSpieler& after, const std::string& date, int& items) {
  int n = 0;
  std::string e = Format("Am %s wurden folgende Werte verändert:\r\n", date.c_str());

  // Two characteristics share a line.
  int c = 0;
  auto pairBreak = [&](int& counter) {
    if (counter >= 1) {
      e += "\r\n";
      counter = 0;
    } else {
      ++counter;
    }
  };
  if (before.m_nSSP != after.m_nSSP) {
    e += Format("Starspielerpunkte von %ld auf %ld, ", L(before.m_nSSP), L(after.m_nSSP));
    c = 1;
    n = 1;
  }
  if (before.m_nST != after.m_nST) {
    e += Format("Stärke von %ld auf %ld, ", L(before.m_nST), L(after.m_nST));
    pairBreak(c);
    ++n;
  }
  if (before.m_nGE != after.m_nGE) {
    e += Format("Geschicklichkeit von %ld auf %ld, ", L(before.m_nGE), L(after.m_nGE));
    pairBreak(c);
    ++n;
  }
  if (before.m_nRW != after.m_nRW) {
    e += Format("Rüstung von %ld auf %ld ", L(before.m_nRW), L(after.m_nRW));
    if (c >= 1) e += "\r\n";
    ++n;
  }

  e += Format("\r\n%s ", before.m_strName.c_str());

  // The statistics, again two to a line, each as the amount gained (or lost).
  int d = 0;
  if (before.m_nTD != after.m_nTD) {
    e += Format("erzielte %ld Touchdowns, ", Difference(after.m_nTD, before.m_nTD));
    d = 1;
    ++n;
  }
  if (before.m_nPass != after.m_nPass) {
    e += Format("warf %ld Pässe/Pass, ", Difference(after.m_nPass, before.m_nPass));
    pairBreak(d);
    ++n;
  }
  if (before.m_nVSA != after.m_nVSA) {
    e += Format("schickte %ld Spieler vom Platz, ", Difference(after.m_nVSA, before.m_nVSA));
    pairBreak(d);
    ++n;
  }
  if (before.m_nABG != after.m_nABG) {
    e += Format("fing %ld Pässe/Pass ab, ", Difference(after.m_nABG, before.m_nABG));
    pairBreak(d);
    ++n;
  }
  if (before.m_nSDT != after.m_nSDT) {
    e += "wurde Spieler des Tages.";
    if (d >= 1) e += "\r\n";
    ++n;
  }
  e += "\r\n\r\n";
  items = n;
  return e;
}

std::string CareerLogDate() { return LocalTimeText("%d.%m.%y"); }

ChangeOutcome ApplyPlayerChange(CKRTeam& team, CKRSpieler& player, const PlayerChange& change, bool careerLogAuto,
                                const std::string& date) {
  if (ChangeOutcome refusal = PlayerChangeRangeRefusal(change); refusal.Refused()) return refusal;

  const CKRSpieler before = player;
  player.m_nNummer = change.m_nNummer;
  player.m_strName = change.m_strName;
  player.m_strPosition = change.m_strPosition;
  player.m_strFertigkeiten = change.m_strFertigkeiten;
  player.m_nBW = change.m_nBW;
  player.m_nST = change.m_nST;
  player.m_nGE = change.m_nGE;
  player.m_nRW = change.m_nRW;
  player.m_strVerletzung = change.m_strVerletzung;
  player.m_nPass = change.m_nPass;
  player.m_nTD = change.m_nTD;
  player.m_nABG = change.m_nABG;
  player.m_nVSA = change.m_nVSA;
  player.m_nSDT = change.m_nSDT;
  player.m_nSSP = change.m_nSSP;
  // A career text the coach left alone stays byte for byte what the file held.
  if (change.m_strLebenslauf != before.m_strLebenslauf)
    player.m_strLebenslauf = WithWindowsLineEnds(change.m_strLebenslauf);

  int items = 0;
  const std::string entry = CareerLogEntry(before, player, date, items);
  if (careerLogAuto && items >= 1) player.m_strLebenslauf += entry;
  team.SetTeamModified(TeamChange::Record(player));
  return ChangeOutcome::Applied();
}

ChangeOutcome SetSkillsAtOnce(CKRTeam& team, CKRSpieler& player, const std::string& skills) {
  player.m_strFertigkeiten = skills;
  team.SetTeamModified(TeamChange::Record(player));
  return ChangeOutcome::Applied();
}

}  // namespace krv
