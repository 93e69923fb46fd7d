#include "rules/Skills.h"

#include <vector>

#include "rules/SkillDescriptions.h"
#include "rules/SortText.h"

namespace krv {

// constinit: the rows only point at literals and at the rule texts, so the catalogue is
// ready before any other start-up code could look at it.
constinit const std::array<SFertigkeit, kSkillCount> g_Fertigkeiten = {{
    {"Brutal", "Allgemein", "Brut", kTextBrutal},
    {"Blocken", "Allgemein", "Blk", kTextBlocken},
    {"Team-Kapitän", "Allgemein", "Cap", kTextTeamKapitaen},
    {"Tackle", "Allgemein", "Tackle", kTextTackle},
    {"Profi", "Allgemein", "Profi", kTextProfi},
    {"Ball entreißen", "Allgemein", "B.entr", kTextBallEntreissen},
    {"Nerven aus Stahl", "Allgemein", "NaSt", kTextNervenAusStahl},
    {"Unerschrocken", "Allgemein", "Unersch", kTextUnerschrocken},
    {"Rasend", "Allgemein", "Rasend", kTextRasend},
    {"Kicken", "Allgemein", "Kicken", kTextKicken},
    {"Pass verhindern", "Allgemein", "P.verh", kTextPassVerhindern},
    {"Manndeckung", "Allgemein", "MannD", kTextManndeckung},
    {"Ballgefühl", "Allgemein", "Ballgef", kTextBallgefuehl},
    {"Abspiel", "Pass", "Abspiel", kTextAbspiel},
    {"Hau wech das Leder", "Pass", "Hau w", kTextHauWechDasLeder},
    {"Wurfsicher", "Pass", "Wurfs", kTextWurfsicher},
    {"Sicherer Pass", "Pass", "Sich.P", kTextSichererPass},
    {"Zielsicher", "Pass", "Ziels", kTextZielsicher},
    {"Starker Wurfarm", "Pass", "St.Wurf", kTextStarkerWurfarm},
    {"Fangsicher", "Geschicklichkeit", "Fangs", kTextFangsicher},
    {"Fliegender Tackle", "Geschicklichkeit", "Fl.T", kTextFliegenderTackle},
    {"Abrollen", "Geschicklichkeit", "Abroll", kTextAbrollen},
    {"Lebensmüde", "Geschicklichkeit", "LebMü", kTextLebensmuede},
    {"Sprinten", "Geschicklichkeit", "Sprinten", kTextSprinten},
    // Spelled without the "t"; star player texts that say "Hechtsprung" do not match it.
    {"Hechsprung", "Geschicklichkeit", "H.Spr", kTextHechtsprung},
    {"Ausweichen", "Geschicklichkeit", "Ausw", kTextAusweichen},
    {"Springen", "Geschicklichkeit", "Spring", kTextSpringen},
    {"Gewandt", "Geschicklichkeit", "Gewan", kTextGewandt},
    {"Sprintsicher", "Geschicklichkeit", "Sp.sich", kTextSprintsicher},
    {"Tackle durchbrechen", "Stärke", "T.durch", kTextTackleDurchbrechen},
    {"Knochenbrecher", "Stärke", "KnBr", kTextKnochenbrecher},
    {"Zerquetschen", "Stärke", "Zerq", kTextZerquetschen},
    {"Mitspieler werfen", "Stärke", "Mit.werf", kTextMitspielerWerfen},
    {"Unterstützen", "Stärke", "Unterst", kTextUnterstuetzen},
    {"Mehrfachblock", "Stärke", "MehrBlk", kTextMehrfachblock},
    {"Standfest", "Stärke", "Standf", kTextStandfest},
    {"Große Hand", "Körpermerkmal", "G.Hand", kTextGrosseHand},
    {"Klaue", "Körpermerkmal", "Klaue", kTextKlaue},
    {"Zusätzliche Arme", "Körpermerkmal", "Z.Arm", kTextZusaetzlicheArme},
    {"Abstoßendes Aussehen", "Körpermerkmal", "Abst.Aus", kTextAbstossendesAussehen},
    {"Hörner", "Körpermerkmal", "Hörner", kTextHoerner},
    {"Hypnotischer Blick", "Rassenmerkmal", "Hyp.Bl", kTextHypnotischerBlick},
    {"Klammerschwanz", "Körpermerkmal", "Klamm", kTextKlammerschwanz},
    {"Scharfe Krallen/Zähne", "Körpermerkmal", "Sch.Kr", kTextScharfeKrallen},
    {"Regeneration", "Körpermerkmal", "Reg", kTextRegeneration},
    {"Stacheln", "Körpermerkmal", "Stachel", kTextStacheln},
    {"Kleinwüchsig", "Körpermerkmal", "Klein", kTextKleinwuechsig},
    {"Tentakel", "Körpermerkmal", "Tent", kTextTentakel},
    {"Robust", "Körpermerkmal", "Robu", kTextRobust},
    {"Zwei Köpfe", "Körpermerkmal", "2Köpfe", kTextZweiKoepfe},
    {"Sehr lange Beine", "Körpermerkmal", "LangBein", kTextSehrLangeBeine},
    {"Magischer Helm", "Karte", "MagHelm", kTextMagischerHelm},
    {"Blöd", "Nachteil (Rassenmerkmal)", "Blöd", kTextBloed},
    {"Tobende Bestie", "Nachteil (Rassenmerkmal)", "Tobend", kTextTobendeBestie},
    {"Nimmersatt", "Nachteil", "Nimmersatt", kTextNimmersatt},
    {"Saublöd", "Nachteil", "Saublöd", kTextSaubloed},
    {"Wurzeln schlagen", "Nachteil", "Wurzeln", kTextWurzelnSchlagen},
}};

// The first entry carries the quotes around Super as part of its text.
constinit const std::array<const char*, 7> g_PositionsArten = {"\"Super\"-Spieler",   "Fänger", "Feldspieler",
                                                               "Starspieler",         "Werfer", "Gen.1 (Feldspieler2)",
                                                               "Gen.2 (Feldspieler3)"};

const SFertigkeit* FindSkillByName(std::string_view name) {
  for (const SFertigkeit& skill : g_Fertigkeiten)
    if (name == skill.m_pszName) return &skill;
  return nullptr;
}

const SFertigkeit* FindSkillByAbbreviation(std::string_view abbreviation) {
  for (const SFertigkeit& skill : g_Fertigkeiten)
    if (abbreviation == skill.m_pszAbbreviation) return &skill;
  return nullptr;
}

namespace {

// Appends `entry`, with "," before it only when `out` already holds something.
void AppendEntry(std::string& out, std::string_view entry) {
  if (!out.empty()) out += ',';
  out += entry;
}

}  // namespace

void SkillTextToAbbreviations(std::string_view text, std::string& out) {
  // A star player's special item ("<Morgenstern>") is kept as it stands, with whatever
  // precedes its ">".
  const size_t itemEnd = text.find('>');
  if (itemEnd != std::string_view::npos) out += text.substr(0, itemEnd + 1);

  // Plain substring search: a name inside a longer name counts too ("Tackle" in
  // "Tackle durchbrechen"); every row is looked at once, so repeats add nothing.
  std::vector<std::string> abbreviations;
  for (const SFertigkeit& skill : g_Fertigkeiten)
    if (text.find(skill.m_pszName) != std::string_view::npos) abbreviations.emplace_back(skill.m_pszAbbreviation);

  SortStringList(abbreviations);
  for (const std::string& abbreviation : abbreviations) AppendEntry(out, abbreviation);
}

std::string SkillTextToAbbreviations(std::string_view text) {
  std::string out;
  SkillTextToAbbreviations(text, out);
  return out;
}

void SortAbbreviationText(std::string_view text, std::string& out) {
  std::vector<std::string> entries;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) {
      entries.emplace_back(text.substr(start));
      break;
    }
    entries.emplace_back(text.substr(start, comma - start));
    start = comma + 1;
  }

  out.clear();
  SortStringList(entries);
  // Empty entries sort first and add nothing, so doubled or trailing commas vanish.
  for (const std::string& entry : entries)
    if (!entry.empty()) AppendEntry(out, entry);
}

}  // namespace krv
