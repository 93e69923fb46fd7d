#include "settings/SettingsFields.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

ChangeOutcome Apply(ProgramSettings& settings, long long maxSpieler, long long startkapital) {
  SettingsPageFields fields = SettingsPageFieldsFrom(settings);
  fields.maxSpieler = maxSpieler;
  fields.startkapital = startkapital;
  return ApplySettingsSheet(settings, fields, TeamListEdit(settings.m_Teamliste));
}

// Maximum players: 1 to 32 pass, 0, 33 and huge values refuse and change nothing (no
// truncation of a long number into a valid int). Catches an off-by-one at either end.
TEST(SettingsFields, MaxPlayersRange) {
  for (long long refused : {0LL, 33LL, -1LL, 4294967313LL}) {
    ProgramSettings s;
    s.m_bSkipValues = 0;
    SettingsPageFields fields = SettingsPageFieldsFrom(s);
    fields.maxSpieler = refused;
    fields.flags.m_bSkipValues = 1;
    const ChangeOutcome outcome = ApplySettingsSheet(s, fields, TeamListEdit(s.m_Teamliste));
    EXPECT_TRUE(outcome.Refused()) << refused;
    EXPECT_EQ(outcome.refusal.text,
              "Bitte geben Sie für „Maximale Anzahl der Spieler“ eine Zahl zwischen 1 und 32 ein.");
    EXPECT_EQ(outcome.refusal.kind, NoticeKind::Warning);
    EXPECT_EQ(s.m_nMaxSpieler, 16);
    EXPECT_EQ(s.m_bSkipValues, 0) << "a refused OK must leave every setting";
  }
  for (long long accepted : {1LL, 16LL, 32LL}) {
    ProgramSettings s;
    EXPECT_TRUE(Apply(s, accepted, 1000000).applied);
    EXPECT_EQ(s.m_nMaxSpieler, accepted);
  }
}

// Starting capital: the bounds pass; outside them the bank speaks and 1000000 is taken,
// and the sheet still closes. Catches the wrong fallback or a refusal instead of a notice.
TEST(SettingsFields, StartingCapitalRange) {
  for (long long accepted : {10000LL, 2000000LL, 250000LL}) {
    ProgramSettings s;
    const ChangeOutcome outcome = Apply(s, 16, accepted);
    EXPECT_TRUE(outcome.notices.empty());
    EXPECT_EQ(s.m_nStartkapital, accepted);
  }
  for (long long outside : {9999LL, 2000001LL, 0LL, 999999999999LL}) {
    ProgramSettings s;
    s.m_nStartkapital = 500000;
    const ChangeOutcome outcome = Apply(s, 16, outside);
    EXPECT_TRUE(outcome.applied);
    ASSERT_EQ(outcome.notices.size(), 1u);
    EXPECT_EQ(outcome.notices[0].kind, NoticeKind::Bank);
    EXPECT_EQ(outcome.notices[0].text,
              "Mit weniger als 10000 brauchen Sie gar nicht anfangen!\nUnd mehr als 2 Mille sind nicht drin!");
    EXPECT_EQ(s.m_nStartkapital, 1000000);
  }
}

// The warning sound after OK: 17+ players or more than 1000000 gold, judged on the values
// taken (2000001 falls back to 1000000 and stays silent). Catches ">" for ">=" and a sound
// judged on the typed value.
TEST(SettingsFields, BeyondRulesSound) {
  const struct {
    long long players, capital;
    bool sound;
  } cases[] = {{16, 1000000, false}, {17, 1000000, true},  {16, 1000001, true},
               {16, 2000000, true},  {16, 2000001, false}, {32, 10000, true}};
  for (const auto& c : cases) {
    ProgramSettings s;
    EXPECT_EQ(Apply(s, c.players, c.capital).sound, c.sound ? kBeyondRulesSound : "") << c.players << " " << c.capital;
  }
}

// OK takes over every shown flag and the sorted team list, but not what the sheet does not
// show (colour warning, news and file version). Catches a flag forgotten in the copy.
TEST(SettingsFields, TakesOverEveryShownSetting) {
  ProgramSettings s;
  s.m_Teamliste.m_Items = {"Zwerge", "Orks"};
  s.m_bKeine256Warnung = 1;
  SettingsPageFields fields = SettingsPageFieldsFrom(s);
  ProgramSettings& f = fields.flags;
  f.m_bSound = 0, f.m_bFragen = 0, f.m_bSpielerBehalten = 0, f.m_bHilfeBrowser = 0, f.m_bNoQuickHelp = 1;
  f.m_bQuickHelpFadeIn = 0, f.m_bQuickHelpOnce = 0, f.m_bLebenslaufAuto = 0, f.m_bEigenerDateidialog = 0, f.m_bCHM = 0;
  f.m_bSkipZeroValues = 0, f.m_bSkipValues = 1;
  f.m_bKeine256Warnung = 0, f.m_nNewsVersion = 3, f.m_nDatVersion = 2;
  fields.maxSpieler = 12;
  fields.startkapital = 900000;
  ASSERT_TRUE(ApplySettingsSheet(s, fields, TeamListEdit(s.m_Teamliste)).applied);
  for (int32_t flag : {s.m_bSound, s.m_bFragen, s.m_bSpielerBehalten, s.m_bHilfeBrowser, s.m_bQuickHelpFadeIn,
                       s.m_bQuickHelpOnce, s.m_bLebenslaufAuto, s.m_bEigenerDateidialog, s.m_bCHM, s.m_bSkipZeroValues})
    EXPECT_EQ(flag, 0);
  EXPECT_EQ(s.m_bNoQuickHelp, 1);
  EXPECT_EQ(s.m_bSkipValues, 1);
  EXPECT_EQ(s.m_nMaxSpieler, 12);
  EXPECT_EQ(s.m_nStartkapital, 900000);
  EXPECT_EQ(s.m_Teamliste.m_Items, (std::vector<std::string>{"Orks", "Zwerge"}));
  EXPECT_EQ(s.m_bKeine256Warnung, 1);
  EXPECT_EQ(s.m_nNewsVersion, kKrvDatVersion);
  EXPECT_EQ(s.m_nDatVersion, kKrvDatVersion);
}

}  // namespace
}  // namespace krv
