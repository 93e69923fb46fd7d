#include "teamwindow/PlayerRows.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "model/Format.h"
#include "model/Gold.h"

namespace krv {
namespace {

constexpr int32_t kUntote = 12;

std::string Number2(int32_t value) { return Format("%2ld", static_cast<long>(value)); }
std::string Number3(int32_t value) { return Format("%3ld", static_cast<long>(value)); }

}  // namespace

const std::array<ListColumn, kPlayerColumnCount> kPlayerColumns = {{
    {"Nr.", 40, false},
    {"Name", 140, false},
    {"Position", 100, false},
    {"BW", 35, false},
    {"ST", 35, false},
    {"GE", 35, false},
    {"RW", 35, false},
    {"Fertigkeiten", 300, false},
    {"Verl.", 80, false},
    {"Pässe", 60, false},
    {"TDs", 45, false},
    {"ABGs", 50, false},
    {"VSAs", 50, false},
    {"SDTs", 50, false},
    {"SSP", 50, false},
    {"Wert", 80, true},
    {"", 0, false},
}};

std::string PlayerInjuryText(const CKRSpieler& player) {
  switch (player.m_nStatus) {
    case kStatusVerkauft: return "Verkauft";
    case kStatusVerstorben: return "Verstorben";
    case kStatusCotrainer: return "Cotrainer";
    default: return player.m_strVerletzung;  // active, or the reason he left
  }
}

std::string PlayerCellText(const CKRSpieler& player, int column) {
  switch (column) {
    case kPlayerNr: return Number2(player.m_nNummer);
    case kPlayerName: return player.m_strName;
    case kPlayerPosition: return player.m_strPosition;
    case kPlayerBW: return Number2(player.m_nBW);
    case kPlayerST: return Number2(player.m_nST);
    case kPlayerGE: return Number2(player.m_nGE);
    case kPlayerRW: return Number2(player.m_nRW);
    case kPlayerFertigkeiten: return player.m_strFertigkeiten;
    case kPlayerVerletzung: return PlayerInjuryText(player);
    case kPlayerPaesse: return Number3(player.m_nPass);
    case kPlayerTDs: return Number3(player.m_nTD);
    case kPlayerABGs: return Number3(player.m_nABG);
    case kPlayerVSAs: return Number3(player.m_nVSA);
    case kPlayerSDTs: return Number3(player.m_nSDT);
    case kPlayerSSP: return Number3(player.m_nSSP);
    case kPlayerWert: return FormatGoldNumber(player.m_nWert);
    case kPlayerID: return Format("%ld", static_cast<long>(player.m_nID));
    default: return {};
  }
}

std::vector<size_t> OrderByNumber(const std::vector<int32_t>& numbers) {
  std::vector<size_t> order(numbers.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&numbers](size_t a, size_t b) { return numbers[a] < numbers[b]; });
  return order;
}

bool ZombieButtonVisible(int32_t race) { return race == kUntote; }

}  // namespace krv
