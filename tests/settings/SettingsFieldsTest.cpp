#include "settings/SettingsFields.h"

#include <gtest/gtest.h>

#include <tuple>

namespace krv {
namespace {

// The sheet's two numbers, typed, are the only change besides "Wert nicht drucken" switched on.
ChangeOutcome Apply(ProgramSettings& settings, long long maxSpieler, long long startkapital) {
  SettingsPageFields fields = SettingsPageFieldsFrom(settings);
  fields.maxSpieler = maxSpieler;
  fields.startkapital = startkapital;
  fields.flags.m_bSkipValues = 1;
  return ApplySettingsSheet(settings, fields, TeamListEdit(settings.m_Teamliste));
}

// Maximum players: 1 to 32 pass; 0, 33 and huge values refuse and change nothing (no
// truncation of a long number into a valid int). Starting capital: outside its bounds the bank
// speaks and 1000000 is taken, and the sheet still closes. The warning sound after OK: 17+
// players or more than 1000000 gold, judged on the values taken. Catches an off-by-one at
// either end, a refused OK that keeps some settings, the wrong fallback or a refusal instead
// of a notice, ">" for ">=" and a sound judged on the typed value.
TEST(SettingsFields, NumbersAndTheirRanges) {
  enum Result { kRefused, kTaken, kBank };
  const struct {
    long long players, capital;
    Result result;
    bool sound;
  } cases[] = {
      {0, 1000000, kRefused, false},      {33, 1000000, kRefused, false},
      {-1, 1000000, kRefused, false},     {4294967313LL, 1000000, kRefused, false},
      {1, 1000000, kTaken, false},        {16, 1000000, kTaken, false},
      {17, 1000000, kTaken, true},        {32, 10000, kTaken, true},
      {16, 250000, kTaken, false},        {16, 1000001, kTaken, true},
      {16, 2000000, kTaken, true},        {16, 9999, kBank, false},
      {16, 2000001, kBank, false},        {16, 0, kBank, false},
      {16, 999999999999LL, kBank, false},
  };
  const Notice refusal{NoticeKind::Warning,
                       "Bitte geben Sie für „Maximale Anzahl der Spieler“ eine Zahl zwischen 1 und 32 ein."};
  const std::vector<Notice> bank{
      {NoticeKind::Bank,
       "Mit weniger als 10000 brauchen Sie gar nicht anfangen!\nUnd mehr als 2 Mille sind nicht drin!"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.players) + " " + std::to_string(c.capital));
    ProgramSettings s;
    s.m_nStartkapital = 500000;
    const ChangeOutcome outcome = Apply(s, c.players, c.capital);
    EXPECT_EQ(outcome.refusal, c.result == kRefused ? refusal : Notice{});
    EXPECT_EQ(outcome.notices, c.result == kBank ? bank : std::vector<Notice>{});
    EXPECT_EQ(outcome.sound, c.sound ? kBeyondRulesSound : "");
    EXPECT_EQ(s.m_nMaxSpieler, c.result == kRefused ? 16 : c.players);
    EXPECT_EQ(s.m_nStartkapital, c.result == kTaken ? c.capital : c.result == kBank ? 1000000 : 500000);
    EXPECT_EQ(s.m_bSkipValues, c.result == kRefused ? 0 : 1);
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
  EXPECT_EQ(std::tie(s.m_bNoQuickHelp, s.m_bSkipValues, s.m_nMaxSpieler, s.m_nStartkapital),
            std::tuple(1, 1, 12, 900000));
  EXPECT_EQ(s.m_Teamliste.m_Items, (std::vector<std::string>{"Orks", "Zwerge"}));
  // Not shown, so not taken over.
  EXPECT_EQ(std::tie(s.m_bKeine256Warnung, s.m_nNewsVersion, s.m_nDatVersion),
            std::tuple(1, kKrvDatVersion, kKrvDatVersion));
}

}  // namespace
}  // namespace krv
