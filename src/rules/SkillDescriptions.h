#pragma once
// The rule texts of the skill catalogue, one per skill, as the coach reads them at the table.
// Kept apart from the catalogue rows so that the rows stay readable at a glance; every text
// is a separate object so that the catalogue can point at it without any start-up code.

namespace krv {

extern const char kTextBrutal[];
extern const char kTextBlocken[];
extern const char kTextTeamKapitaen[];
extern const char kTextTackle[];
extern const char kTextProfi[];
extern const char kTextBallEntreissen[];
extern const char kTextNervenAusStahl[];
extern const char kTextUnerschrocken[];
extern const char kTextRasend[];
extern const char kTextKicken[];
extern const char kTextPassVerhindern[];
extern const char kTextManndeckung[];
extern const char kTextBallgefuehl[];

extern const char kTextAbspiel[];
extern const char kTextHauWechDasLeder[];
extern const char kTextWurfsicher[];
extern const char kTextSichererPass[];
extern const char kTextZielsicher[];
extern const char kTextStarkerWurfarm[];

extern const char kTextFangsicher[];
extern const char kTextFliegenderTackle[];
extern const char kTextAbrollen[];
extern const char kTextLebensmuede[];
extern const char kTextSprinten[];
extern const char kTextHechtsprung[];
extern const char kTextAusweichen[];
extern const char kTextSpringen[];
extern const char kTextGewandt[];
extern const char kTextSprintsicher[];

extern const char kTextTackleDurchbrechen[];
extern const char kTextKnochenbrecher[];
extern const char kTextZerquetschen[];
extern const char kTextMitspielerWerfen[];
extern const char kTextUnterstuetzen[];
extern const char kTextMehrfachblock[];
extern const char kTextStandfest[];

extern const char kTextGrosseHand[];
extern const char kTextKlaue[];
extern const char kTextZusaetzlicheArme[];
extern const char kTextAbstossendesAussehen[];
extern const char kTextHoerner[];
extern const char kTextHypnotischerBlick[];
extern const char kTextKlammerschwanz[];
extern const char kTextScharfeKrallen[];
extern const char kTextRegeneration[];
extern const char kTextStacheln[];
extern const char kTextKleinwuechsig[];
extern const char kTextTentakel[];
extern const char kTextRobust[];
extern const char kTextZweiKoepfe[];
extern const char kTextSehrLangeBeine[];

extern const char kTextMagischerHelm[];

extern const char kTextBloed[];
extern const char kTextTobendeBestie[];
extern const char kTextNimmersatt[];
extern const char kTextSaubloed[];
extern const char kTextWurzelnSchlagen[];

}  // namespace krv
