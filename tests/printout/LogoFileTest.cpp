#include "printout/LogoFile.h"

#include <gtest/gtest.h>

#include "model/Dib.h"
#include "model/FileIO.h"
#include "printout/BitmapPixels.h"
#include "support/BitmapFiles.h"
#include "support/TempFolder.h"

namespace krv {
namespace {

class LogoFileTest : public test::TempFolderTest {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    WriteFileAtomically(Path(name), bytes);
    return Path(name);
  }
  std::string Copies() const { return (m_dir / "Daten" / kLogoCopyFolder).string(); }
};

const std::string kPixels24(std::string("\x10\x20\x30\0", 4));

CDib ReadBack(const std::string& path) {
  CDib dib;
  dib.Read(path);
  return dib;
}

// A classic bitmap is the logo as it is. A later form (what image programs write by default)
// becomes a classic copy with the same pixels, so that older readers print it too; choosing it
// again uses that copy, and another file of the same name gets a copy of its own. Catches the
// team referring to a file older versions of the program cannot read, and copies overwriting
// each other.
TEST_F(LogoFileTest, ClassicFilesKeptOthersCopied) {
  const std::string classic = Write("klassisch.bmp", test::BitmapBytes({40, 1, 1, 24, 0, {}, "", kPixels24}));
  LogoFile logo = PrepareLogoFile(classic, Copies());
  EXPECT_EQ(logo.path, classic);
  EXPECT_TRUE(logo.refusal.empty());
  EXPECT_FALSE(std::filesystem::exists(Copies()));

  const std::string modern = Write("Orks.bmp", test::BitmapBytes({124, 1, 1, 24, 0, {}, "", kPixels24}));
  logo = PrepareLogoFile(modern, Copies());
  EXPECT_EQ(logo.path, Copies() + "/Orks.bmp");
  const CDib copy = ReadBack(logo.path);
  EXPECT_EQ(copy.HeaderSize(), kClassicDibHeaderSize);
  EXPECT_EQ(DecodeDib(copy)->pixels, DecodeDib(ReadBack(modern))->pixels);
  EXPECT_EQ(PrepareLogoFile(modern, Copies()).path, logo.path);

  std::filesystem::create_directories(m_dir / "anders");
  const std::string other =
      Write("anders/Orks.bmp", test::BitmapBytes({108, 1, -1, 24, 0, {}, "", std::string("\xFF\0\0\0", 4)}));
  EXPECT_EQ(PrepareLogoFile(other, Copies()).path, Copies() + "/Orks (2).bmp");
}

// A file that is no bitmap, or one the sheet cannot print, is refused with a message naming
// it; the team keeps its logo. The team's own logo path chosen again is no change even when
// the file is gone. Catches a text file taken as the logo without a word.
TEST_F(LogoFileTest, RefusalsAndNoChange) {
  CKRTeam team;
  team.m_strLogo = "/nicht/mehr/da.bmp";
  const std::string text = Write("liesmich.bmp", "Das ist kein Bild.");
  ChangeOutcome outcome = ChooseLogoFile(team, text, Copies());
  ASSERT_TRUE(outcome.Refused());
  EXPECT_EQ(outcome.refusal.kind, NoticeKind::Error);
  EXPECT_NE(outcome.refusal.text.find("liesmich.bmp"), std::string::npos);
  EXPECT_NE(outcome.refusal.text.find("keine Windows-Bitmap"), std::string::npos);
  EXPECT_EQ(team.m_strLogo, "/nicht/mehr/da.bmp");

  const std::string jpeg = Write("foto.bmp", test::BitmapBytes({40, 1, 1, 24, 4, {}, "", "\xFF\xD8"}));
  EXPECT_TRUE(ChooseLogoFile(team, jpeg, Copies()).Refused());

  outcome = ChooseLogoFile(team, "/nicht/mehr/da.bmp", Copies());
  EXPECT_FALSE(outcome.Refused());
  EXPECT_FALSE(outcome.applied);
  const std::string classic = Write("logo.bmp", test::BitmapBytes({40, 1, 1, 24, 0, {}, "", kPixels24}));
  EXPECT_TRUE(ChooseLogoFile(team, classic, Copies()).applied);
  EXPECT_EQ(team.m_strLogo, classic);
}

}  // namespace
}  // namespace krv
