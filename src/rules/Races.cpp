#include "rules/Races.h"

namespace krv {
namespace {

struct RaceInfo {
  int32_t firstRow;
  int32_t positions;
  int32_t rerollPrice;
  const char* wizardSlot;
  bool apothecaryAndWizard;
};

constexpr int32_t kOwnRace = 15;
constexpr int32_t kMutationRerollSurcharge = 20000;

constexpr std::array<RaceInfo, kRaceCount> kRaces = {{
    {0, 2, 70000, "Zauberer", true},      // Chaos
    {2, 3, 50000, "Alchemist", true},     // Chaoszwerge
    {5, 4, 50000, "Zauberer", true},      // Dunkelelfen
    {53, 2, 60000, "Zauberer", true},     // Echsenmenschen: added last, so at the end
    {9, 4, 50000, "Zauberer", true},      // Elfen
    {13, 1, 60000, "Zauberer", true},     // Goblins
    {14, 1, 60000, "Meisterkoch", true},  // Halblinge
    {15, 4, 50000, "Zauberer", true},     // Hochelfen
    {19, 4, 50000, "Zauberer", true},     // Menschen
    {23, 2, 70000, "Zauberer", true},     // Oger
    {25, 5, 60000, "Zauberer", true},     // Orks
    {30, 4, 60000, "Zauberer", true},     // Skaven
    {34, 5, 70000, "Zauberer", false},    // Untote
    {39, 4, 50000, "Zauberer", true},     // Waldelfen
    {43, 4, 40000, "Alchemist", true},    // Zwerge
    {47, 6, 50000, "Zauberer", true},     // own race
}};

const RaceInfo* FindRace(int32_t race) {
  if (race < 0 || race >= kRaceCount) return nullptr;
  return &kRaces[static_cast<size_t>(race)];
}

}  // namespace

constinit const std::array<const char*, kRaceCount> g_RassenNamen = {
    "CHAOS",    "CHAOSZWERGE", "DUNKELELFEN", "ECHSENMENSCHEN", "ELFEN",  "GOBLINS",   "HALBLINGE", "HOCHELFEN",
    "MENSCHEN", "OGER",        "ORKS",        "SKAVEN",         "UNTOTE", "WALDELFEN", "ZWERGE",    ""};

constinit const std::array<const char*, kRaceCount> g_RassenAnzeige = {
    "Chaos",    "Chaoszwerge", "Dunkelelfen", "Echsenmenschen", "Elfen",  "Goblins",   "Halblinge", "Hochelfen",
    "Menschen", "Oger",        "Orks",        "Skaven",         "Untote", "Waldelfen", "Zwerge",    "Eigenes Team"};

// The texts are kept as the rosters have always printed them, slips included ("Blizer",
// "Ballgefühel", "Mitspieler werden", the Oger's blanks and trailing comma); the
// abbreviation texts are copied onto new players unchanged.
constinit const std::array<SKaderPosition, kKaderRowCount> g_Kader = {{
    // name, max, cost, BW, ST, GE, RW, skills, code, abbreviations, race
    {"Tiermenschen", 12, 60000, 6, 3, 3, 8, "Hörner", 0, "Hörner", 0},
    {"Chaoskrieger", 4, 100000, 5, 4, 3, 9, "Keine", 1, "", 0},
    {"Hobgoblins", 12, 40000, 6, 3, 3, 7, "Keine", 3, "", 1},
    {"Chaoszwerge", 6, 70000, 4, 3, 2, 9, "Blocken, Tackle, Robust", 2, "Blk,Tackle,Robu", 1},
    {"Stierzentauren", 2, 130000, 6, 4, 2, 9, "Sprinten, Sprintsicher, Robust", 4, "Sprinten,Sp.sich,Robu", 1},
    {"Feldspieler", 12, 70000, 6, 3, 4, 8, "Keine", 5, "", 2},
    {"Werfer", 2, 90000, 6, 3, 4, 8, "Wurfsicher", 6, "Wurfs", 2},
    {"Blizer", 2, 100000, 7, 3, 4, 8, "Blocken", 7, "Blk", 2},
    {"Hexenkriegerin", 2, 110000, 7, 3, 4, 7, "Rasend, Ausweichen, Abrollen", 8, "Abroll,Ausw,Rasend", 2},
    {"Feldspieler", 12, 60000, 6, 3, 4, 7, "Keine", 9, "", 4},
    {"Werfer", 2, 70000, 6, 3, 4, 7, "Wurfsicher", 11, "Wurfs", 4},
    {"Fänger", 4, 100000, 8, 3, 4, 7, "Fangsicher, Sprinten", 10, "Fangs, Sprinten", 4},
    {"Blitzer", 2, 110000, 7, 3, 4, 8, "Blocken, Gewandt", 12, "Blk, Gewan", 4},
    {"Goblin", 16, 40000, 6, 2, 3, 7, "Lebensmüde, Ausweichen, Kleinwüchsig", 13, "Ausw,LebMü,Klein", 5},
    {"Halbling", 16, 30000, 5, 2, 3, 6, "Lebensmüde, Ausweichen, Kleinwüchsig", 14, "Ausw,LebMü,Klein", 6},
    {"Feldspieler", 12, 70000, 6, 3, 4, 8, "Keine", 15, "", 7},
    {"Phönixkrieger", 2, 80000, 6, 3, 4, 8, "Wurfsicher", 16, "Wurfs", 7},
    {"Löwenkrieger", 2, 90000, 8, 3, 4, 7, "Fangsicher", 17, "Fangs", 7},
    {"Drachenkrieger", 2, 100000, 7, 3, 4, 8, "Blocken", 18, "Blk", 7},
    {"Feldspieler", 12, 50000, 6, 3, 3, 8, "Keine", 19, "", 8},
    {"Fänger", 4, 70000, 8, 2, 3, 7, "Fangsicher, Ausweichen", 20, "Fangs,Ausw", 8},
    {"Werfer", 2, 70000, 6, 3, 3, 8, "Ballgefühl, Wurfsicher", 21, "Ballgef,Wurfs", 8},
    {"Blitzer", 4, 90000, 7, 3, 3, 8, "Blocken", 22, "Blk", 8},
    {"Oger", 8, 120000, 5, 5, 2, 9, "Knochenbrecher, Robust, Blöd, Mitspieler werden", 23,
     "KnBr, Robu, Blöd, Mit.werf,", 9},
    {"Goblins", 8, 40000, 6, 2, 3, 7, "Ausweichen, Kleinwüchsig, Lebensmüde", 24, "Ausw,LebMü,Klein", 9},
    {"Feldspieler", 12, 50000, 5, 3, 5, 9, "Keine", 25, "", 10},
    {"Werfer", 2, 70000, 5, 3, 5, 8, "Ballgefühel, Wurfsicher", 26, "Ballgef, Wurfs", 10},
    {"Schwarzorks", 4, 80000, 4, 4, 2, 9, "Keine", 27, "", 10},
    {"Blitzer", 4, 80000, 6, 3, 3, 9, "Blocken", 28, "Blk", 10},
    {"Goblins", 4, 40000, 6, 2, 3, 7, "Lebensmüde, Ausweichen, Kleinwüchsig", 29, "Ausw,LebMü,Klein", 10},
    {"Feldspieler", 12, 50000, 7, 3, 3, 7, "Keine", 30, "", 11},
    {"Werfer", 2, 70000, 7, 3, 3, 7, "Ballgefühl, Wurfsicher", 31, "Ballgef, Wurfs", 11},
    {"Gossenläufer", 4, 80000, 9, 2, 4, 7, "Ausweichen", 32, "Ausw", 11},
    {"Sturmratte", 2, 90000, 7, 3, 3, 8, "Blocken", 33, "Blk", 11},
    {"Skelette", 12, 30000, 5, 3, 2, 7, "Regeneration", 34, "Reg", 12},
    {"Zombies", 8, 30000, 4, 3, 2, 8, "Regeneration", 35, "Reg", 12},
    {"Ghoule", 4, 70000, 7, 3, 3, 7, "Ausweichen", 36, "Ausw", 12},
    {"Verfluchte", 4, 90000, 6, 3, 3, 8, "Blocken, Regeneration", 37, "Blk,Reg", 12},
    {"Mumien", 2, 100000, 3, 5, 1, 9, "Knochenbrecher, Regeneration", 38, "KnBr,Reg", 12},
    {"Feldspieler", 12, 70000, 7, 3, 4, 7, "Keine", 39, "", 13},
    {"Werfer", 2, 90000, 7, 3, 4, 7, "Wurfsicher", 40, "Wurfs", 13},
    {"Fänger", 4, 90000, 9, 2, 4, 7, "Fangsicher, Ausweichen", 41, "Ausw,Fangs", 13},
    {"Kampftänzer", 2, 120000, 8, 3, 4, 7, "Blocken, Ausweichen, Springen", 42, "Ausw,Blk,Spring", 13},
    {"Langbärte", 12, 70000, 4, 3, 2, 9, "Blocken, Tackle, Robust", 43, "Blk,Tackle,Robu", 14},
    {"Läufer", 2, 80000, 6, 3, 3, 8, "Ballgefühl, Robust", 44, "Ballgef,Robu", 14},
    {"Blitzer", 2, 80000, 5, 3, 3, 9, "Blocken, Robust", 45, "Blk,Robu", 14},
    {"Trollslayer", 2, 90000, 5, 3, 2, 8, "Blocken, Rasend, Unerschrocken, Robust", 46, "Blk,Rasend,Robu,Unersch", 14},
    // The own race: only the names (row labels) and the max counts are used; everything
    // else of an own position comes from the team's own-race templates.
    {"Feldspieler", 12, 80000, 6, 3, 3, 8, "", 47, "", 15},
    {"Fänger", 2, 100000, 6, 3, 3, 8, "", 48, "", 15},
    {"Werfer", 2, 100000, 6, 3, 3, 8, "", 49, "", 15},
    {"Superspieler", 2, 120000, 6, 3, 3, 8, "", 50, "", 15},
    {"Gen.1 (Feldsp.)", 4, 80000, 6, 3, 3, 8, "", 51, "", 15},
    {"Gen.2 (Feldsp.)", 4, 80000, 6, 3, 3, 8, "", 52, "", 15},
    {"Skink", 12, 60000, 8, 2, 3, 7, "Ausweichen, Kleinwüchsig", 53, "Ausw,Klein", 3},
    {"Saurus", 6, 80000, 6, 4, 1, 9, "", 54, "", 3},
}};

std::optional<RaceRoster> GetRaceRoster(int32_t race) {
  const RaceInfo* info = FindRace(race);
  if (!info) return std::nullopt;
  return RaceRoster{info->firstRow, info->positions};
}

const SKaderPosition* FindPositionByCode(int32_t code) {
  for (const SKaderPosition& row : g_Kader)
    if (row.m_nCode == code) return &row;
  return nullptr;
}

int32_t GetRerollPrice(int32_t race, bool mutation) {
  const RaceInfo* info = FindRace(race);
  if (!info) return 0;
  if (race == kOwnRace && mutation) return info->rerollPrice + kMutationRerollSurcharge;
  return info->rerollPrice;
}

const char* WizardSlotName(int32_t race) {
  const RaceInfo* info = FindRace(race);
  return info ? info->wizardSlot : "Zauberer";
}

bool MayHireApothecaryAndWizard(int32_t race) {
  const RaceInfo* info = FindRace(race);
  return info ? info->apothecaryAndWizard : true;
}

}  // namespace krv
