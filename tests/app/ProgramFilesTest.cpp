#include "app/ProgramFiles.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempFolder.h"

namespace krv {
namespace {

class ProgramFiles : public test::TempFolderTest {};

// An installation missing its help or one sound is reported with the missing paths; a file
// name of the wrong case ("nicht16.wav" for "nicht16.WAV") counts as missing, since Linux
// file names are case-sensitive and the program would stay silent.
TEST_F(ProgramFiles, ReportsEveryMissingFileByPath) {
  std::filesystem::create_directories(m_dir / "Dok");
  std::filesystem::create_directories(m_dir / "Sounds");
  const std::string dok = Path("Dok"), sounds = Path("Sounds");
  EXPECT_EQ(MissingProgramFiles(dok, sounds).size(), ProgramSoundFiles().size() + 1);

  std::ofstream(dok + "/Hilfe.html") << "<html></html>";
  for (const std::string& sound : ProgramSoundFiles())
    std::ofstream(sounds + "/" + (sound == "nicht16.WAV" ? std::string("nicht16.wav") : sound)) << "RIFF";
  EXPECT_EQ(MissingProgramFiles(dok, sounds), std::vector<std::string>{sounds + "/nicht16.WAV"});

  std::ofstream(sounds + "/nicht16.WAV") << "RIFF";
  EXPECT_TRUE(MissingProgramFiles(dok, sounds).empty());
}

}  // namespace
}  // namespace krv
