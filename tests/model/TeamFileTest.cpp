#include "model/TeamFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "model/Archive.h"
#include "model/FileIO.h"
#include "support/SampleTeams.h"
#include "support/TempFolder.h"
#include "support/VariedLargeTeam.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

namespace fs = std::filesystem;
using test::MakeSampleTeam;

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

using TempFolder = test::TempFolderTest;

// The co-trainer list of a new team, byte for byte, as the first list of a version-4 file.
TEST(TeamFile, CoTrainerListBytes) {
  CKRTeam team;
  team.AddCoTrainer({"Cotrainer1"});
  team.AddCoTrainer({"Cotrainer2"});
  const std::string bytes = SerializeTeam(team);
  // version, two texts, race, four texts, nine numbers
  const size_t listStart = 4 + 2 + 4 + 4 + 9 * 4;
  std::string expected = Bytes({0x02, 0x00, 0xFF, 0xFF, 0x03, 0x00, 0x0C, 0x00}) + "CKRCoTrainer" +
                         Bytes({0x04, 0, 0, 0, 0x0A}) + "Cotrainer1" + Bytes({0x00}) + Bytes({0x01, 0x80}) +
                         Bytes({0x04, 0, 0, 0, 0x0A}) + "Cotrainer2" + Bytes({0x00});
  EXPECT_EQ(bytes.substr(listStart, expected.size()), expected);
  // The other six lists are empty: 00 00 each.
  EXPECT_EQ(bytes.substr(listStart + expected.size(), 12), std::string(12, '\0'));
  EXPECT_EQ(bytes.size(), listStart + expected.size() + 12 + 3);  // logo, created, changed
}

// A team written and read again is the same team, and writing it again gives the same bytes.
TEST(TeamFile, RoundTrip) {
  auto team = MakeSampleTeam();
  team->m_Spieler.insert(team->m_Spieler.begin() + 1, nullptr);  // null entries survive
  const std::string bytes = SerializeTeam(*team);
  CKRTeam read;
  DeserializeTeam(bytes, read);
  EXPECT_EQ(read.m_strName, "Grünhaut Gröhler");
  ASSERT_EQ(read.m_Spieler.size(), 3u);
  EXPECT_EQ(read.m_Spieler[1], nullptr);
  EXPECT_EQ(read.m_Spieler[2]->m_strLebenslauf, "01.03.07 Neue Fertigkeit: Pass\r\nZweite Zeile");
  EXPECT_EQ(read.m_Games[0]->m_nFanFaktor, kFanRises);
  EXPECT_EQ(SerializeTeam(read), bytes);
}

// A big team that uses every text form, its own race and empty entries is written to the
// very bytes it has always been written to (fingerprint and size taken from the writer
// before it was made faster), and reads back to texts and bytes that are unchanged. Catches
// any byte a faster writer or reader alters, in particular around the length prefixes and
// the characters converted by table.
TEST(TeamFile, LargeTeamBytesUnchanged) {
  auto team = test::MakeVariedLargeTeam();
  size_t replaced = 0;
  const std::string bytes = SerializeTeam(*team, &replaced);
  EXPECT_EQ(bytes.size(), 2107358u);
  EXPECT_EQ(test::Fingerprint(bytes), 0x6d66d1ff1fe57008ull);
  EXPECT_EQ(replaced, 5u);  // three characters outside Windows-1252, two bytes that are not UTF-8

  // Read into a team whose texts already hold longer texts: nothing of them may remain.
  CKRTeam read;
  read.m_strTrainer = std::string(400, 'x');
  DeserializeTeam(bytes, read);
  EXPECT_EQ(read.m_strTrainer, team->m_strTrainer);
  EXPECT_EQ(read.m_strRassenName, team->m_strRassenName);
  EXPECT_EQ(read.m_strGeaendert, team->m_strGeaendert);
  ASSERT_EQ(read.m_Spieler.size(), team->m_Spieler.size());
  EXPECT_EQ(read.m_Spieler[2], nullptr);
  EXPECT_EQ(read.m_Spieler[5]->m_strLebenslauf, team->m_Spieler[5]->m_strLebenslauf);
  EXPECT_EQ(read.m_Games[7]->m_strBesonderheit, team->m_Games[7]->m_strBesonderheit);
  EXPECT_EQ(read.m_Positionen[7].m_strName, "Fänger 7");
  EXPECT_EQ(SerializeTeam(read), bytes);

  // The benchmarks' team as it is measured.
  EXPECT_EQ(test::Fingerprint(SerializeTeam(*test::MakeLargeTeam())), 0x51f4772ca74e4ad7ull);
}

// Own-race templates and the own race name are in the file only for race 15.
TEST(TeamFile, OwnRaceOnlyForRace15) {
  auto team = MakeSampleTeam(3);
  team->m_strRassenName = "Sumpfler";
  team->m_Positionen[0].m_nCost = 55000;
  const size_t withoutTemplates = SerializeTeam(*team).size();
  CKRTeam read3;
  DeserializeTeam(SerializeTeam(*team), read3);
  EXPECT_TRUE(read3.m_strRassenName.empty());
  EXPECT_EQ(read3.m_Positionen[0].m_nCost, 0);

  team->m_nRasse = kEigeneRasse;
  team->m_Positionen[3].m_strSkills = "Blk,Tackle";
  team->m_Positionen[3].m_strNameCopy = "Superspieler";
  const std::string bytes = SerializeTeam(*team);
  // Eight templates of four numbers, four texts and the cost, then the race name.
  size_t templates = 0;
  for (const auto& p : team->m_Positionen)
    templates += 20 + 4 + p.m_strName.size() + p.m_strSecondName.size() + p.m_strSkills.size() + p.m_strNameCopy.size();
  EXPECT_EQ(bytes.size(), withoutTemplates + templates + 1 + 8 - 2);  // "Fänger" is one byte shorter twice
  CKRTeam read;
  DeserializeTeam(bytes, read);
  EXPECT_EQ(read.m_strRassenName, "Sumpfler");
  EXPECT_EQ(read.m_Positionen[0].m_nCost, 55000);
  EXPECT_EQ(read.m_Positionen[1].m_strName, "Fänger");
  EXPECT_EQ(read.m_Positionen[3].m_strNameCopy, "Superspieler");
  EXPECT_EQ(read.m_Positionen[0].m_nPositionCode, 0);  // not in the file
  EXPECT_EQ(read.m_strLogo, team->m_strLogo);
}

// Files of versions 1 to 3 have no record version words and no expense kinds.
std::string LegacyFile(int32_t version) {
  ArchiveWriter w;
  w.WriteInt32(version);
  w.WriteString("Alte Ratten");
  w.WriteString("105");
  w.WriteInt32(11);
  w.WriteString("20000");
  w.WriteString("Trainer");
  w.WriteString("");
  w.WriteString("");
  for (int32_t n : {0, 0, 4, 1, 60000, 0, 120000, 0, 102}) w.WriteInt32(n);
  w.WriteCount(1);
  w.WriteObjectTag("CKRCoTrainer", 3);
  w.WriteString("Cotrainer1");
  w.WriteString("");
  w.WriteCount(0);
  w.WriteCount(1);
  w.WriteObjectTag("CKRSpieler", 3);
  for (const char* t : {"Läufer1", "Läufer", "Sprint", "", ""}) w.WriteString(t);
  for (int32_t n : {1, 9, 2, 4, 7, 0, 1, 0, 0, 0, 3, 80000, 0, 100, 31}) w.WriteInt32(n);
  w.WriteString("");
  w.WriteCount(1);
  w.WriteObjectTag("CKRAusgaben", 3);
  w.WriteString("Trainningsmarke");
  w.WriteInt32(60000);
  w.WriteCount(1);
  w.WriteObjectTag("CKREinnahmen", 3);
  w.WriteString("Startkapital");
  w.WriteInt32(80000);
  w.WriteCount(1);
  w.WriteObjectTag("CKRGames", 3);
  for (const char* t : {"Orks", "1:1", ""}) w.WriteString(t);
  w.WriteInt32(5000);
  w.WriteInt32(10000);
  w.WriteString("");
  for (int32_t n : {1, 0, 2}) w.WriteInt32(n);
  w.WriteString("01.01.05");
  w.WriteCount(1);
  w.WriteObjectTag("CKREreignisse", 3);
  w.WriteString("Fest");
  w.WriteInt32(1);
  for (const char* t : {"", "(01.01.05) 10:00:00", "(02.01.05) 10:00:00"}) w.WriteString(t);
  return w.TakeBytes();
}

// Each version's rule applies to its own file, also when files of different versions are
// read one after the other; saving writes version 4 with kind 0 and record version words.
TEST(TeamFile, ReadsVersions1To4) {
  auto v4 = MakeSampleTeam();
  for (int32_t version : {1, 2, 3, 4, 3}) {
    CKRTeam team;
    if (version == 4) {
      DeserializeTeam(SerializeTeam(*v4), team);
      EXPECT_EQ(team.m_Ausgaben[1]->m_nArt, kAusgabeMarke);
      continue;
    }
    DeserializeTeam(LegacyFile(version), team);
    EXPECT_EQ(team.m_nVersion, version);
    ASSERT_EQ(team.m_Spieler.size(), 1u);
    EXPECT_EQ(team.m_Spieler[0]->m_strName, "Läufer1");
    EXPECT_EQ(team.m_Spieler[0]->m_nPositionCode, 31);
    ASSERT_EQ(team.m_Ausgaben.size(), 1u);
    EXPECT_EQ(team.m_Ausgaben[0]->m_strText, "Trainningsmarke");
    EXPECT_EQ(team.m_Ausgaben[0]->m_nArt, 0);
    EXPECT_EQ(team.m_Games[0]->m_strDatum, "01.01.05");
    EXPECT_EQ(team.m_Ereignisse[0]->m_strText, "Fest");
    EXPECT_EQ(team.m_strGeaendert, "(02.01.05) 10:00:00");

    const std::string saved = SerializeTeam(team);
    EXPECT_EQ(team.m_nVersion, 4);
    CKRTeam again;
    DeserializeTeam(saved, again);
    EXPECT_EQ(again.m_Ausgaben[0]->m_nArt, 0);
    EXPECT_EQ(saved.size(), LegacyFile(version).size() + 6 * 4 + 4);  // six record versions, one kind
  }
}

std::string ExpectRefused(const std::string& bytes) {
  CKRTeam team;
  try {
    DeserializeTeam(bytes, team);
  } catch (const ArchiveError& e) {
    return e.what();
  }
  ADD_FAILURE() << "accepted";
  return {};
}

// Damaged files are refused with a message, never crash and never half-fill a list slot.
TEST(TeamFile, DamagedFilesAreRefused) {
  auto team = MakeSampleTeam();
  const std::string good = SerializeTeam(*team);
  for (size_t cut = 0; cut < good.size(); ++cut) ExpectRefused(good.substr(0, cut));

  EXPECT_NE(ExpectRefused(Bytes({5, 0, 0, 0})).find("Dateiversion 5"), std::string::npos);
  EXPECT_NE(ExpectRefused(Bytes({0, 0, 0, 0})).find("Dateiversion 0"), std::string::npos);

  // A match record inside the player list.
  CKRTeam wrong;
  wrong.AddGame({.m_strGegner = "Orks", .m_strErgebnis = "1:0", .m_bGewonnen = 1, .m_nNummer = 1});
  std::string bytes = SerializeTeam(wrong);
  const size_t lists = 4 + 2 + 4 + 4 + 9 * 4;
  // Keep the two staff lists, then let the match list stand where the players belong.
  EXPECT_NE(ExpectRefused(bytes.substr(0, lists + 4) + bytes.substr(lists + 10)).find("Liste „Spieler“"),
            std::string::npos);
}

// One record in two list places (a reference to an object already read) is refused.
TEST(TeamFile, RecordInTwoPlacesIsRefused) {
  CKRTeam team;
  team.AddCoTrainer({"A"});
  std::string bytes = SerializeTeam(team);
  const size_t lists = 4 + 2 + 4 + 4 + 9 * 4;
  // Co-trainer list: count 1, class block, object; replace the cheerleader list (00 00)
  // by a list holding a reference to the co-trainer object (index 2).
  const size_t coTrainerListEnd = lists + 2 + 6 + 12 + 4 + 2 + 1;
  ASSERT_EQ(bytes.substr(coTrainerListEnd, 2), std::string(2, '\0'));
  bytes.replace(coTrainerListEnd, 2, Bytes({1, 0, 2, 0}));
  EXPECT_NE(ExpectRefused(bytes).find("zweimal"), std::string::npos);
}

// Many records push class indices past 0x7FFF: the escaped tags must read back.
TEST(TeamFile, ManyRecordsUseTagEscapes) {
  CKRTeam team;
  for (int i = 0; i < 0x8000; ++i) team.AddCheerleader({"C"});
  test::AddPlayer(team, 1, "A", "P", 6, 3, 3, 8, 1, "", 1, 0);
  test::AddPlayer(team, 2, "B", "P", 6, 3, 3, 8, 2, "", 2, 0);
  const std::string bytes = SerializeTeam(team);
  CKRTeam read;
  DeserializeTeam(bytes, read);
  EXPECT_EQ(read.m_Cheerleader.size(), 0x8000u);
  ASSERT_EQ(read.m_Spieler.size(), 2u);
  EXPECT_EQ(read.m_Spieler[1]->m_strName, "B");
  // CKRSpieler is class 0x8002, so the second player's tag is 0x7FFF and 0x80008002.
  EXPECT_NE(bytes.find(Bytes({0xFF, 0x7F, 0x02, 0x80, 0x00, 0x80, 4, 0, 0, 0, 1, 'B'})), std::string::npos);
}

// Saving replaces characters Windows-1252 cannot hold by "?" and says how many.
TEST_F(TempFolder, SaveReportsReplacedCharacters) {
  auto team = MakeSampleTeam();
  team->m_strName = "Drachen 龍";
  const SaveResult result = SaveTeamFile(*team, Path("d.krt"));
  EXPECT_EQ(result.replacedCharacters, 1u);
  EXPECT_EQ(LoadTeamFile(Path("d.krt"))->m_strName, "Drachen ?");
  EXPECT_NE(ReplacedCharactersNotice("d.krt", 1).find("1 Zeichen"), std::string::npos);
  EXPECT_EQ(ReplacedCharactersNotice("d.krt", 0), "");
}

// Saving never destroys the previous file: a failure leaves it as it was and no temporary file.
TEST_F(TempFolder, FailedSaveKeepsOldFile) {
  auto team = MakeSampleTeam();
  const std::string path = Path("team.krt");
  SaveTeamFile(*team, path);
  const std::string before = ReadWholeFile(path);
  EXPECT_EQ(LoadTeamFile(path)->m_strName, team->m_strName);

  // A folder where the file should go: the rename fails.
  fs::create_directory(Path("ordner.krt"));
  EXPECT_THROW(SaveTeamFile(*team, Path("ordner.krt")), FileError);

  if (::geteuid() != 0) {  // root may write anywhere
    fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
    team->m_strName = "Anders";
    EXPECT_THROW(SaveTeamFile(*team, path), FileError);
    fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::add);
  }
  EXPECT_EQ(ReadWholeFile(path), before);
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_dir)) ++files;
  EXPECT_EQ(files, 2u);  // team.krt and the folder, no leftovers
}

}  // namespace
}  // namespace krv
