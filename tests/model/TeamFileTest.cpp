#include "model/TeamFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "model/Archive.h"
#include "model/Bytes.h"
#include "model/FileIO.h"
#include "support/SampleTeams.h"
#include "support/TempFolder.h"
#include "support/VariedLargeTeam.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::MakeSampleTeam;
using TempFolder = test::TempFolderTest;

// Where the staff list starts: version, two texts, race, four texts, nine numbers.
constexpr size_t kListsStart = 4 + 2 + 4 + 4 + 9 * 4;

// The co-trainer list of a new team, byte for byte, as the first list of a version-4 file.
TEST(TeamFile, CoTrainerListBytes) {
  CKRTeam team;
  team.AddCoTrainer({"Cotrainer1"});
  team.AddCoTrainer({"Cotrainer2"});
  const std::string bytes = SerializeTeam(team);
  std::string expected = Bytes({0x02, 0x00, 0xFF, 0xFF, 0x03, 0x00, 0x0C, 0x00}) + "CKRCoTrainer" +
                         Bytes({0x04, 0, 0, 0, 0x0A}) + "Cotrainer1" + Bytes({0x00}) + Bytes({0x01, 0x80}) +
                         Bytes({0x04, 0, 0, 0, 0x0A}) + "Cotrainer2" + Bytes({0x00});
  EXPECT_EQ(bytes.substr(kListsStart, expected.size()), expected);
  // The other six lists are empty: 00 00 each.
  EXPECT_EQ(bytes.substr(kListsStart + expected.size(), 12), std::string(12, '\0'));
  EXPECT_EQ(bytes.size(), kListsStart + expected.size() + 12 + 3);  // logo, created, changed
}

// Each kind of team file is read back to a team that writes the very same bytes again: a
// reader that drops or misplaces a field, or a writer that writes what it did not read, shows
// as a difference. The team is read into one whose texts hold longer texts, of which nothing
// may remain. The large teams are also pinned to the bytes the writer has always written
// (fingerprint and size taken before it was made faster): any byte a faster writer alters, in
// particular around the length prefixes and the characters converted by table, shows there.
TEST(TeamFile, EachKindOfFileReadsBackToTheSameBytes) {
  auto withNull = MakeSampleTeam();
  withNull->m_Spieler.insert(withNull->m_Spieler.begin() + 1, nullptr);  // null entries survive
  auto ownRace = MakeSampleTeam(kEigeneRasse);
  ownRace->m_strRassenName = "Sumpfler";
  ownRace->m_Positionen[3].m_strSkills = "Blk,Tackle";
  auto manyRecords = std::make_unique<CKRTeam>();  // class indices past 0x7FFF use escaped tags
  for (int i = 0; i < 0x8000; ++i) manyRecords->AddCheerleader({"C"});
  test::AddPlayer(*manyRecords, 1, "A", "P", 6, 3, 3, 8, 1, "", 1, 0);
  test::AddPlayer(*manyRecords, 2, "B", "P", 6, 3, 3, 8, 2, "", 2, 0);
  // what, team, size and fingerprint of its bytes (0: not pinned)
  const std::tuple<const char*, std::unique_ptr<CKRTeam>, size_t, uint64_t> rows[] = {
      {"standard race, empty player entry", std::move(withNull), 0, 0},
      {"own race with templates", std::move(ownRace), 0, 0},
      {"0x8000 records", std::move(manyRecords), 0, 0},
      {"every text form", test::MakeVariedLargeTeam(), 2107358u, 0x6d66d1ff1fe57008ull},
      {"the benchmarks' team", test::MakeLargeTeam(), 0, 0x51f4772ca74e4ad7ull}};
  for (const auto& [what, team, size, fingerprint] : rows) {
    SCOPED_TRACE(what);
    const std::string bytes = SerializeTeam(*team);
    CKRTeam read;
    read.m_strTrainer = std::string(400, 'x');
    DeserializeTeam(bytes, read);
    EXPECT_EQ(read.m_strTrainer, team->m_strTrainer);
    EXPECT_EQ(SerializeTeam(read), bytes);
    if (size) EXPECT_EQ(bytes.size(), size);
    if (fingerprint) EXPECT_EQ(test::Fingerprint(bytes), fingerprint);
  }
  // Three characters outside Windows-1252 and two bytes that are not UTF-8 are replaced.
  size_t replaced = 0;
  SerializeTeam(*std::get<1>(rows[3]), &replaced);
  EXPECT_EQ(replaced, 5u);
  // CKRSpieler is class 0x8002, so the second player's tag is 0x7FFF and 0x80008002.
  EXPECT_NE(SerializeTeam(*std::get<1>(rows[2])).find(Bytes({0xFF, 0x7F, 0x02, 0x80, 0x00, 0x80, 4, 0, 0, 0, 1, 'B'})),
            std::string::npos);
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
}

// Items of an old file: numbers, texts, a list of one record of schema 3, a count.
struct Record {
  const char* className;
};
struct Count {
  uint32_t n;
};
void Put(ArchiveWriter& w, int32_t n) { w.WriteInt32(n); }
void Put(ArchiveWriter& w, const char* text) { w.WriteString(text); }
void Put(ArchiveWriter& w, Count c) { w.WriteCount(c.n); }
void Put(ArchiveWriter& w, Record r) {
  w.WriteCount(1);
  w.WriteObjectTag(r.className, 3);
}
template <class... Item>
void Write(ArchiveWriter& w, Item... items) {
  (Put(w, items), ...);
}

// Files of versions 1 to 3 have no record version words and no expense kinds.
std::string LegacyFile(int32_t version) {
  ArchiveWriter w;
  Write(w, version, "Alte Ratten", "105", 11, "20000", "Trainer", "", "", 0, 0, 4, 1, 60000, 0, 120000, 0, 102);
  Write(w, Record{"CKRCoTrainer"}, "Cotrainer1", "", Count{0});
  Write(w, Record{"CKRSpieler"}, "Läufer1", "Läufer", "Sprint", "", "", 1, 9, 2, 4, 7, 0, 1, 0, 0, 0, 3, 80000, 0, 100,
        31, "");
  Write(w, Record{"CKRAusgaben"}, "Trainningsmarke", 60000, Record{"CKREinnahmen"}, "Startkapital", 80000);
  Write(w, Record{"CKRGames"}, "Orks", "1:1", "", 5000, 10000, "", 1, 0, 2, "01.01.05");
  Write(w, Record{"CKREreignisse"}, "Fest", 1, "", "(01.01.05) 10:00:00", "(02.01.05) 10:00:00");
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
    EXPECT_EQ(test::PlayerLine(*team.m_Spieler[0]), "1 Läufer1 (Läufer) 9/2/4/7 80000 [Sprint] #100 31");
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

// Damaged files are refused with a message, never crash and never half-fill a list slot:
// cut anywhere, an unknown version, a record of another list, one record in two list places.
TEST(TeamFile, DamagedFilesAreRefused) {
  const std::string good = SerializeTeam(*MakeSampleTeam());
  for (size_t cut = 0; cut < good.size(); ++cut) ExpectRefused(good.substr(0, cut));
  EXPECT_NE(ExpectRefused(Bytes({5, 0, 0, 0})).find("Dateiversion 5"), std::string::npos);
  EXPECT_NE(ExpectRefused(Bytes({0, 0, 0, 0})).find("Dateiversion 0"), std::string::npos);

  // Keep the two staff lists, then let the match list stand where the players belong.
  CKRTeam wrong;
  wrong.AddGame({.m_strGegner = "Orks", .m_strErgebnis = "1:0", .m_bGewonnen = 1, .m_nNummer = 1});
  std::string bytes = SerializeTeam(wrong);
  EXPECT_NE(ExpectRefused(bytes.substr(0, kListsStart + 4) + bytes.substr(kListsStart + 10)).find("Liste „Spieler“"),
            std::string::npos);

  // Co-trainer list: count 1, class block, object; replace the cheerleader list (00 00) by a
  // list holding a reference to the co-trainer object (index 2).
  CKRTeam twice;
  twice.AddCoTrainer({"A"});
  bytes = SerializeTeam(twice);
  const size_t coTrainerListEnd = kListsStart + 2 + 6 + 12 + 4 + 2 + 1;
  ASSERT_EQ(bytes.substr(coTrainerListEnd, 2), std::string(2, '\0'));
  bytes.replace(coTrainerListEnd, 2, Bytes({1, 0, 2, 0}));
  EXPECT_NE(ExpectRefused(bytes).find("zweimal"), std::string::npos);
}

// Saving replaces characters Windows-1252 cannot hold by "?" and says how many.
TEST_F(TempFolder, SaveReportsReplacedCharacters) {
  auto team = MakeSampleTeam();
  team->m_strName = "Drachen 龍";
  EXPECT_EQ(SaveTeamFile(*team, Path("d.krt")).replacedCharacters, 1u);
  EXPECT_EQ(LoadTeamFile(Path("d.krt"))->m_strName, "Drachen ?");
  EXPECT_NE(ReplacedCharactersNotice("d.krt", 1).find("1 Zeichen"), std::string::npos);
  EXPECT_EQ(ReplacedCharactersNotice("d.krt", 0), "");
}

// Saving never destroys the previous file: a failure leaves it as it was and no temporary file.
// (A target that is a folder or no regular file: FileIO.SaveRefusesWhatIsNoWritableFile.)
TEST_F(TempFolder, FailedSaveKeepsOldFile) {
  auto team = MakeSampleTeam();
  const std::string path = Path("team.krt");
  SaveTeamFile(*team, path);
  const std::string before = ReadWholeFile(path);
  if (::geteuid() != 0) {  // root may write anywhere
    fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
    team->m_strName = "Anders";
    EXPECT_THROW(SaveTeamFile(*team, path), FileError);
    fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::add);
  }
  EXPECT_EQ(ReadWholeFile(path), before);
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_dir)) ++files;
  EXPECT_EQ(files, 1u);  // team.krt, no leftovers
}

}  // namespace
}  // namespace krv
