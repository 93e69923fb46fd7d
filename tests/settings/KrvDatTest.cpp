#include "settings/KrvDat.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/resource.h>

#include "model/Archive.h"
#include "model/FileIO.h"
#include "support/TempFolder.h"

namespace krv {
namespace {

using KrvDatFile = test::TempFolderTest;

std::string ShortLayoutFile(int32_t version, std::initializer_list<int32_t> twelve) {
  ArchiveWriter w;
  w.WriteInt32(version);
  w.WriteObjectTag(CKRStringArray::kClassName, CKRStringArray::kSchema);
  CKRStringArray list;
  list.m_Items = {"Orks", "Zwerge"};
  list.Serialize(w);
  for (int32_t n : twelve) w.WriteInt32(n);
  return w.TakeBytes();
}

// A version-8 file has the short layout: later settings keep their defaults, and it is
// written back in the version-14 layout.
TEST(KrvDat, ShortLayoutVersion8) {
  ProgramSettings s;
  ReadKrvDat(ShortLayoutFile(8, {0, 0, 0, 0, 1, 1, 0, 7, 0, 0, 0, 1}), s);
  EXPECT_EQ(s.m_nDatVersion, 8);
  EXPECT_EQ(s.m_Teamliste.m_Items, (std::vector<std::string>{"Orks", "Zwerge"}));
  EXPECT_EQ(s.m_bKeine256Warnung, 1);
  EXPECT_EQ(s.m_nNewsVersion, 7);
  EXPECT_EQ(s.m_bSkipValues, 1);
  EXPECT_EQ(s.m_bQuickHelpFadeIn, 1);  // defaults for what version 8 lacks
  EXPECT_EQ(s.m_bCHM, 1);
  EXPECT_EQ(s.m_nStartkapital, 1000000);
  EXPECT_EQ(s.m_nMaxSpieler, 16);

  s.m_nDatVersion = kKrvDatVersion;
  s.m_nStartkapital = 1200000;
  ProgramSettings again;
  ReadKrvDat(WriteKrvDat(s), again);
  EXPECT_EQ(again.m_nDatVersion, 14);
  EXPECT_EQ(again.m_nStartkapital, 1200000);
  EXPECT_EQ(WriteKrvDat(again), WriteKrvDat(s));
}

// Version 14 as written: version, the team list object, then the items in their order with
// the three reserved ones empty or 0. Other programs read this file by these offsets.
TEST(KrvDat, Version14Layout) {
  ProgramSettings s;
  s.m_Teamliste.m_Items = {"Orks"};
  s.m_nStartkapital = 1100000;
  auto le = [](int32_t v) {
    std::string b(4, '\0');
    for (int i = 0; i < 4; ++i) b[i] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
    return b;
  };
  std::string expected =
      le(14) + std::string("\xFF\xFF\x02\x00\x0E\x00", 6) + "CKRStringArray" + std::string("\x01\x00\x04", 3) + "Orks";
  for (int32_t n : {1, 1, 1, 1, 0}) expected += le(n);            // sound, ask, keep players, browser, colour notice
  expected += '\0';                                               // reserved text
  expected += le(0) + le(1) + le(14);                             // tooltip 1, tooltip 3, news version
  expected += '\0';                                               // reserved text
  expected += le(1) + le(1) + le(0);                              // career log, own file dialog, reserved
  for (int32_t n : {1, 0, 1, 1, 1100000, 16}) expected += le(n);  // print 1, print 2, tooltip 2, help, capital, players
  EXPECT_EQ(WriteKrvDat(s), expected);
}

// Each long-layout version adds exactly its own item; reading one too many would shift all.
TEST(KrvDat, LongLayoutVersions) {
  ProgramSettings custom;
  custom.m_bQuickHelpFadeIn = 0;
  custom.m_bCHM = 0;
  custom.m_nStartkapital = 800000;
  custom.m_nMaxSpieler = 20;
  const std::string v14 = WriteKrvDat(custom);
  // Version 14 bytes without their last items are files of versions 13 down to 9.
  for (int32_t version = 9; version <= 14; ++version) {
    const size_t items = version >= 11 ? version - 10 : 0;
    std::string bytes = v14.substr(0, v14.size() - 4 * (4 - items));
    bytes[0] = static_cast<char>(version);
    ProgramSettings s;
    ReadKrvDat(bytes, s);
    EXPECT_EQ(s.m_bQuickHelpFadeIn, version >= 11 ? 0 : 1) << version;
    EXPECT_EQ(s.m_bCHM, version >= 12 ? 0 : 1) << version;
    EXPECT_EQ(s.m_nStartkapital, version >= 13 ? 800000 : 1000000) << version;
    EXPECT_EQ(s.m_nMaxSpieler, version >= 14 ? 20 : 16) << version;
  }
}

// A damaged file gives defaults, says what is wrong, and is never half-applied.
TEST_F(KrvDatFile, DamagedFileGivesDefaults) {
  const std::string path = Path("KRV.DAT");

  std::string problem;
  EXPECT_EQ(LoadProgramSettings(path, &problem).m_nStartkapital, 1000000);  // missing: defaults, no problem
  EXPECT_TRUE(problem.empty());

  ProgramSettings custom;
  custom.m_bSound = 0;
  const std::string good = WriteKrvDat(custom);
  const std::string damaged = good.substr(0, good.size() - 3);
  std::ofstream(path, std::ios::binary) << damaged;
  bool keepCopy = false;
  const ProgramSettings s = LoadProgramSettings(path, &problem, &keepCopy);
  EXPECT_EQ(s.m_bSound, 1);
  EXPECT_NE(problem.find("KRV.DAT"), std::string::npos);
  EXPECT_NE(problem.find("beschädigt"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(path), damaged);  // left as it was
  EXPECT_TRUE(keepCopy);

  // The first write keeps the damaged file beside the new one.
  SaveProgramSettings(custom, path, keepCopy);
  EXPECT_EQ(ReadWholeFile(SettingsCopyPath(path)), damaged);
  problem.clear();
  EXPECT_EQ(LoadProgramSettings(path, &problem, &keepCopy).m_bSound, 0);
  EXPECT_TRUE(problem.empty());
  EXPECT_FALSE(keepCopy);
}

// Catches a KRV.DAT of a newer program refused as damaged (and its team list then lost at
// the next write): it is read with the version-14 layout, items it has in addition are not
// read, and a copy of it is kept before it is first overwritten.
TEST_F(KrvDatFile, NewerVersionReadAndKept) {
  const std::string path = Path("KRV.DAT");
  ProgramSettings newer;
  newer.m_Teamliste.m_Items = {"Orkland Raiders", "Zwergenstürmer"};
  newer.m_nStartkapital = 1200000;
  newer.m_nDatVersion = 15;
  ArchiveWriter extra;
  extra.WriteInt32(77);  // what version 15 has in addition
  extra.WriteString("neu");
  const std::string bytes = WriteKrvDat(newer) + extra.TakeBytes();
  std::ofstream(path, std::ios::binary) << bytes;

  std::string problem;
  bool keepCopy = false;
  ProgramSettings read = LoadProgramSettings(path, &problem, &keepCopy);
  EXPECT_TRUE(problem.empty()) << problem;
  EXPECT_EQ(read.m_Teamliste.m_Items, newer.m_Teamliste.m_Items);
  EXPECT_EQ(read.m_nStartkapital, 1200000);
  EXPECT_EQ(read.m_nDatVersion, kKrvDatVersion);
  EXPECT_TRUE(keepCopy);

  SaveProgramSettings(read, path, keepCopy);
  EXPECT_EQ(ReadWholeFile(SettingsCopyPath(path)), bytes);
  EXPECT_EQ(LoadProgramSettings(path).m_Teamliste.m_Items, newer.m_Teamliste.m_Items);
}

// A hand-edited or damaged KRV.DAT may hold any number; values outside what the settings
// sheet allows would reach the team creation (a starting capital of 5) unchecked. They fall
// back to the defaults with a note; the limits themselves are kept.
TEST_F(KrvDatFile, OutOfRangeSettingsFallBackWithANote) {
  ProgramSettings s;
  s.m_nStartkapital = 5;
  s.m_nMaxSpieler = 33;
  EXPECT_EQ(ClampSettingsRanges(s),
            "Das Startkapital 5 liegt nicht zwischen 10.000 und 2.000.000; es gilt 1.000.000.\n"
            "Die höchste Spielerzahl 33 liegt nicht zwischen 1 und 32; es gilt 16.\n");
  EXPECT_EQ(s.m_nStartkapital, 1000000);
  EXPECT_EQ(s.m_nMaxSpieler, 16);
  for (auto [capital, players] : {std::pair{10000, 1}, std::pair{2000000, 32}}) {
    s.m_nStartkapital = capital;
    s.m_nMaxSpieler = players;
    EXPECT_EQ(ClampSettingsRanges(s), "");
    EXPECT_EQ(s.m_nStartkapital, capital);
  }
  s.m_nStartkapital = -2147483647 - 1;
  s.m_nMaxSpieler = 0;
  ClampSettingsRanges(s);
  EXPECT_EQ(s.m_nStartkapital, 1000000);
  EXPECT_EQ(s.m_nMaxSpieler, 16);

  // Through the file: the note names the file, which stays as it is.
  const std::string path = Path("KRV.DAT");
  ProgramSettings hand;
  hand.m_nMaxSpieler = -3;
  SaveProgramSettings(hand, path);
  std::string problem;
  EXPECT_EQ(LoadProgramSettings(path, &problem).m_nMaxSpieler, 16);
  EXPECT_NE(problem.find("KRV.DAT“: Einstellungen außerhalb des Erlaubten:\nDie höchste Spielerzahl -3"),
            std::string::npos)
      << problem;
  EXPECT_EQ(ReadWholeFile(path), WriteKrvDat(hand));
  // A KRV.DAT far beyond any real one is not read at all.
  std::filesystem::resize_file(path, kMaxKrvDatBytes + 1);
  LoadProgramSettings(path, &problem);
  EXPECT_NE(problem.find("größer als 16 MB"), std::string::npos) << problem;
}

// Settings written to a disk that takes no more (here: the file-size limit) must keep the
// previous KRV.DAT whole and leave no partial file beside it.
TEST_F(KrvDatFile, FailedWriteKeepsPreviousFile) {
  const std::string path = Path("KRV.DAT");
  ProgramSettings settings;
  SaveProgramSettings(settings, path);
  const std::string before = ReadWholeFile(path);
  for (int i = 0; i < 100; ++i) settings.m_Teamliste.m_Items.push_back("Gegner " + std::to_string(i));

  struct rlimit saved {};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit limited = saved;
  limited.rlim_cur = before.size() + 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
  std::string message;
  try {
    SaveProgramSettings(settings, path);
  } catch (const FileError& e) {
    message = e.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_NE(message.find("KRV.DAT“: Kann nicht gespeichert werden. Datei zu groß"), std::string::npos) << message;
  EXPECT_EQ(ReadWholeFile(path), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), std::filesystem::directory_iterator()), 1);
}

// KRV_DATEN overrides where the data folder is.
TEST(KrvDat, DataFolderOverride) {
  const char* oldXdg = std::getenv("XDG_DATA_HOME");
  const std::string savedXdg = oldXdg ? oldXdg : "";
  ::setenv("KRV_DATEN", "/tmp/krv-daten-test", 1);
  EXPECT_EQ(KrvDatPath("/opt/krashball"), "/tmp/krv-daten-test/KRV.DAT");
  ::unsetenv("KRV_DATEN");
  ::setenv("XDG_DATA_HOME", "/tmp/xdg", 1);
  EXPECT_EQ(DataFolder("/nonexistent"), "/tmp/xdg/krashball/Daten");
  if (oldXdg) ::setenv("XDG_DATA_HOME", savedXdg.c_str(), 1);
  else ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace krv
