#include "settings/KrvDat.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <sys/resource.h>

#include "model/Archive.h"
#include "model/FileIO.h"
#include "support/TempFolder.h"

namespace krv {
namespace {

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

// A version-8 file has the short layout: later settings keep their defaults. (Written back in
// the version-14 layout: Version14Layout and LongLayoutVersions.)
TEST(KrvDat, ShortLayoutVersion8) {
  ProgramSettings s;
  ReadKrvDat(ShortLayoutFile(8, {0, 0, 0, 0, 1, 1, 0, 7, 0, 0, 0, 1}), s);
  EXPECT_EQ(s.m_Teamliste.m_Items, (std::vector<std::string>{"Orks", "Zwerge"}));
  EXPECT_EQ(std::tie(s.m_nDatVersion, s.m_bKeine256Warnung, s.m_nNewsVersion, s.m_bSkipValues), std::tuple(8, 1, 7, 1));
  // The defaults for what version 8 lacks.
  EXPECT_EQ(std::tie(s.m_bQuickHelpFadeIn, s.m_bCHM, s.m_nStartkapital, s.m_nMaxSpieler),
            std::tuple(1, 1, 1000000, 16));
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
    EXPECT_EQ(std::tie(s.m_bQuickHelpFadeIn, s.m_bCHM, s.m_nStartkapital, s.m_nMaxSpieler),
              std::tuple(version >= 11 ? 0 : 1, version >= 12 ? 0 : 1, version >= 13 ? 800000 : 1000000,
                         version >= 14 ? 20 : 16))
        << version;
  }
}

class KrvDatFile : public test::TempFolderTest {
 protected:
  std::string File() const { return Path("KRV.DAT"); }
  // Loads KRV.DAT as it stands, keeping the problem found and whether a copy is due.
  ProgramSettings Load() { return LoadProgramSettings(File(), &m_problem, &m_keepCopy); }
  std::string m_problem;
  bool m_keepCopy = false;
};

// A damaged file gives defaults, says what is wrong, is left as it was and never half-applied;
// the first write keeps it beside the new one.
TEST_F(KrvDatFile, DamagedFileGivesDefaults) {
  EXPECT_EQ(Load().m_nStartkapital, 1000000);  // missing: defaults, no problem
  EXPECT_TRUE(m_problem.empty());

  ProgramSettings custom;
  custom.m_bSound = 0;
  const std::string good = WriteKrvDat(custom);
  const std::string damaged = good.substr(0, good.size() - 3);
  WriteFileAtomically(File(), damaged);
  EXPECT_EQ(Load().m_bSound, 1);
  EXPECT_NE(m_problem.find("KRV.DAT“: Die Einstellungen sind beschädigt."), std::string::npos) << m_problem;
  EXPECT_EQ(ReadWholeFile(File()), damaged);
  EXPECT_TRUE(m_keepCopy);

  SaveProgramSettings(custom, File(), m_keepCopy);
  EXPECT_EQ(ReadWholeFile(SettingsCopyPath(File())), damaged);
  EXPECT_EQ(Load().m_bSound, 0);
  EXPECT_TRUE(m_problem.empty());
  EXPECT_FALSE(m_keepCopy);
}

// Catches a KRV.DAT of a newer program refused as damaged (and its team list then lost at
// the next write): it is read with the version-14 layout, items it has in addition are not
// read, and a copy of it is kept before it is first overwritten.
TEST_F(KrvDatFile, NewerVersionReadAndKept) {
  ProgramSettings newer;
  newer.m_Teamliste.m_Items = {"Orkland Raiders", "Zwergenstürmer"};
  newer.m_nStartkapital = 1200000;
  newer.m_nDatVersion = 15;
  ArchiveWriter extra;
  extra.WriteInt32(77);  // what version 15 has in addition
  extra.WriteString("neu");
  const std::string bytes = WriteKrvDat(newer) + extra.TakeBytes();
  WriteFileAtomically(File(), bytes);

  const ProgramSettings read = Load();
  EXPECT_TRUE(m_problem.empty()) << m_problem;
  EXPECT_EQ(read.m_Teamliste.m_Items, newer.m_Teamliste.m_Items);
  EXPECT_EQ(read.m_nStartkapital, 1200000);
  EXPECT_EQ(read.m_nDatVersion, kKrvDatVersion);
  EXPECT_TRUE(m_keepCopy);  // (the copy then written: DamagedFileGivesDefaults)
}

// A hand-edited or damaged KRV.DAT may hold any number; values outside what the settings
// sheet allows would reach the team creation (a starting capital of 5) unchecked. They fall
// back to the defaults with a note; the limits themselves are kept.
TEST_F(KrvDatFile, OutOfRangeSettingsFallBackWithANote) {
  const struct {
    int32_t capital, players, keptCapital, keptPlayers;
  } cases[] = {{10000, 1, 10000, 1}, {2000000, 32, 2000000, 32}, {-2147483647 - 1, 0, 1000000, 16}};
  for (const auto& c : cases) {
    ProgramSettings s;
    s.m_nStartkapital = c.capital;
    s.m_nMaxSpieler = c.players;
    EXPECT_EQ(ClampSettingsRanges(s).empty(), c.capital == c.keptCapital) << c.capital;
    EXPECT_EQ(s.m_nStartkapital, c.keptCapital);
    EXPECT_EQ(s.m_nMaxSpieler, c.keptPlayers);
  }
  ProgramSettings s;
  s.m_nStartkapital = 5;
  s.m_nMaxSpieler = 33;
  EXPECT_EQ(ClampSettingsRanges(s),
            "Das Startkapital 5 liegt nicht zwischen 10.000 und 2.000.000; es gilt 1.000.000.\n"
            "Die höchste Spielerzahl 33 liegt nicht zwischen 1 und 32; es gilt 16.\n");

  // Through the file: the note names the file, which stays as it is.
  ProgramSettings hand;
  hand.m_nMaxSpieler = -3;
  SaveProgramSettings(hand, File());
  EXPECT_EQ(Load().m_nMaxSpieler, 16);
  EXPECT_NE(m_problem.find("KRV.DAT“: Einstellungen außerhalb des Erlaubten:\nDie höchste Spielerzahl -3"),
            std::string::npos)
      << m_problem;
  EXPECT_EQ(ReadWholeFile(File()), WriteKrvDat(hand));
  // A KRV.DAT far beyond any real one is not read at all.
  std::filesystem::resize_file(File(), kMaxKrvDatBytes + 1);
  Load();
  EXPECT_NE(m_problem.find("größer als 16 MB"), std::string::npos) << m_problem;
}

// Settings written to a disk that takes no more (here: the file-size limit) must keep the
// previous KRV.DAT whole and leave no partial file beside it.
TEST_F(KrvDatFile, FailedWriteKeepsPreviousFile) {
  ProgramSettings settings;
  SaveProgramSettings(settings, File());
  const std::string before = ReadWholeFile(File());
  for (int i = 0; i < 100; ++i) settings.m_Teamliste.m_Items.push_back("Gegner " + std::to_string(i));

  struct rlimit saved {};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit limited = saved;
  limited.rlim_cur = before.size() + 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
  std::string message;
  try {
    SaveProgramSettings(settings, File());
  } catch (const FileError& e) {
    message = e.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_NE(message.find("KRV.DAT“: Kann nicht gespeichert werden. Datei zu groß"), std::string::npos) << message;
  EXPECT_EQ(ReadWholeFile(File()), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace krv
