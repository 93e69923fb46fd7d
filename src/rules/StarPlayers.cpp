#include "rules/StarPlayers.h"

#include <initializer_list>

namespace krv {
namespace {

// The Echsenmenschen joined the game late and got a bit of their own (65536); the races
// before them sit one bit higher than their number, the races after them on their number.
constexpr std::array<uint32_t, 16> kRaceBits = {2,   4,   8,    65536, 16,   32,   64,    128,
                                                256, 512, 1024, 2048,  4096, 8192, 16384, 32768};

constexpr int32_t kFirstBigGuyCode = 300;

constexpr uint32_t Races(std::initializer_list<int> races) {
  uint32_t mask = 0;
  for (int race : races) mask |= kRaceBits[static_cast<size_t>(race)];
  return mask;
}

constexpr uint32_t kAllButEchsen = Races({0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});

}  // namespace

// Texts as the catalogue has always had them: "Hechtsprung" (the skill is spelled
// "Hechsprung"), "Die Todeswaltze", the Troll's doubled "Mitspieler werfen" and "Brocken",
// which is no skill, all stay.
constinit const std::array<SStarplayer, kStarplayerCount> g_Starplayer = {{
    // name, cost, BW, ST, GE, RW, skills, code, races
    {"Fungus Wahnwitz", 60000, 4, 2, 3, 7, "<Morgenstern>", 200, Races({5, 9, 10})},
    {"Bomba Sabbarotz", 80000, 6, 2, 3, 7, "<Bombenleger>, Ausweichen, Zielsicher", 201, Races({5, 9, 10})},
    {"Nobbla Warzenfuss", 80000, 6, 2, 3, 7, "<Kettensäge>, Ausweichen, Rasend, Lebensmüde", 202, Races({0, 5, 9, 10})},
    {"Skrapa Githirn", 60000, 6, 2, 3, 7, "<Pogo-Stick>, Ausweichen, Lebensmüde", 203, Races({0, 5, 9, 10})},
    {"Grashnak Schwarzhuf", 160000, 6, 6, 2, 9, "Hörner, Knochenbrecher, Robust", 204, Races({0, 1})},
    {"Borak der Vernichter", 160000, 5, 5, 3, 9, "Blocken, Brutal, Team-Kapitän, Knochenbrecher", 205, Races({0})},
    {"Rippa Bolgrot", 150000, 4, 6, 1, 10, "Regeneration, Knochenbrecher, Mitspieler werfen", 206,
     Races({0, 5, 9, 10})},
    {"Zzharg Grimwahn", 100000, 5, 3, 2, 9, "<Donnerbüchse>, Blocken, Tackle, Robust", 207, Races({1})},
    {"Hthark der Unaufhaltsame", 180000, 6, 6, 2, 10, "Blocken, Tackle durchbrechen, Sprinten, Sprintsicher, Robust",
     208, Races({1})},
    {"Grünwurz Starkast", 180000, 2, 7, 1, 10, "Blocken, Knochenbrecher, Standfest, Robust, Mitspieler werfen", 209,
     Races({6, 13})},
    {"Prinz Moranion", 140000, 7, 4, 4, 8, "Blocken, Unerschrocken", 210, Races({1, 7})},
    {"Valadriel Wirbelwind", 150000, 8, 3, 5, 7, "Blocken, Hechtsprung, Ausweichen, Springen, Gewandt", 211,
     Races({13})},
    {"Harkon Mez'zhel", 120000, 6, 3, 4, 8, "<Vergifteter Dolch>, Ausweichen, Springen, Manndeckung", 212, Races({2})},
    {"Schädelquetscher", 160000, 6, 6, 3, 9, "Knochenbrecher, Klammerschwanz", 213, Races({11})},
    {"Griff Oberwald", 180000, 8, 4, 4, 8, "Blocken, Ausweichen, Springen, Sprinten, Sprintsicher", 214, Races({8})},
    {"Siggi 'Der Zug'", 120000, 4, 5, 2, 9, "Blocken, Knochenbrecher", 215, Races({8})},
    {"Morg 'n' Thorg", 190000, 6, 6, 3, 10, "Blocken, Knochenbrecher, Mitspieler werfen, Robust", 216, kAllButEchsen},
    {"Graf Luthor von Drakenborg", 170000, 6, 5, 4, 9, "Blocken, Ausweichen, Hypnotischer Blick, Regeneration", 217,
     Races({8, 12})},
    {"Varag Ghoulbeissa", 160000, 6, 4, 3, 9, "Blocken, Abrollen, Team-Kapitän, Knochenbrecher, Profi", 218,
     Races({5, 10})},
    {"Grim Eisenkiefer", 150000, 5, 4, 3, 8, "Blocken, Knochenbrecher, Unerschrocken, Rasend, Robust", 219,
     Races({14})},
    {"Hakflem Zweikopf", 130000, 9, 3, 4, 7, "Klammerschwanz, Zusätzliche Arme, Zwei Köpfe, Ausweichen", 220,
     Races({11})},
    {"Die Todeswaltze", 160000, 4, 7, 1, 10, "<Todeswalze>, Knochenbrecher, Standfest, Mehrfachblock", 221,
     Races({14})},
    // 222 is left out: it marks a star player built by the coach.
    {"Silibili", 160000, 4, 7, 1, 10, "Blocken, Unterstützen, Standfest", 223, Races({3})},
    {"Kroxigor (Brocken)", 130000, 6, 5, 1, 9, "Knochenbrecher, Klammerschwanz, Robust, Brocken, Blöd", 300,
     Races({3})},
    {"Minotaurus (Brocken)", 110000, 5, 5, 2, 8,
     "Knochenbrecher, Rasend, Hörner, Robust, Brocken, Nimmersatt, Mitspieler werfen, "
     "Tobende Bestie",
     301, Races({0, 1})},
    {"Oger (Brocken)", 120000, 5, 5, 2, 9, "Knochenbrecher, Robust, Brocken, Blöd, Mitspieler werfen", 302,
     Races({0, 5, 6, 8, 10, 14})},
    {"Rattenoger (Brocken)", 130000, 6, 5, 3, 8, "Knochenbrecher, Rasend, Klammerschwanz, Brocken, Tobende Bestie", 303,
     Races({11})},
    {"Baummensch (Brocken)", 110000, 2, 6, 1, 10,
     "Knochenbrecher, Standfest, Robust, Brocken, Wurzeln schlagen, Mitspieler werfen", 304, Races({6, 13})},
    {"Troll (Brocken)", 100000, 4, 5, 1, 9,
     "Knochenbrecher, Brocken, Nimmersatt, Saublöd, Regeneration, Mitspieler werfen, "
     "Mitspieler werfen",
     305, Races({0, 1, 5, 10})},
}};

uint32_t StarplayerRaceMask(int32_t race) {
  if (race < 0 || race >= static_cast<int32_t>(kRaceBits.size())) return 0;
  return kRaceBits[static_cast<size_t>(race)];
}

bool IsBigGuyCode(int32_t code) { return code >= kFirstBigGuyCode; }

int32_t BigGuyAllowance(int32_t race) {
  switch (race) {
    case 5:  // Goblins
    case 6:  // Halblinge
      return 2;
    case 9:  // Oger: the team is big guys already
      return 0;
    default: return 1;
  }
}

std::vector<const SStarplayer*> StarplayersForRace(int32_t race) {
  const uint32_t bit = StarplayerRaceMask(race);
  std::vector<const SStarplayer*> rows;
  if (bit == 0) return rows;
  for (const SStarplayer& row : g_Starplayer)
    if (row.m_nRaces & bit) rows.push_back(&row);
  return rows;
}

const SStarplayer* FindStarplayerInText(std::string_view text) {
  for (const SStarplayer& row : g_Starplayer)
    if (text.find(row.m_pszName) != std::string_view::npos) return &row;
  return nullptr;
}

const SStarplayer* FindStarplayerByCode(int32_t code) {
  for (const SStarplayer& row : g_Starplayer)
    if (row.m_nCode == code) return &row;
  return nullptr;
}

}  // namespace krv
