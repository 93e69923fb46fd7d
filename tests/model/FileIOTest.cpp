#include "model/FileIO.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/TempFolder.h"

namespace krv {
namespace {

namespace fs = std::filesystem;
using FileIO = test::TempFolderTest;

void WritePlain(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

mode_t Mode(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info.st_mode;
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The message of the FileError `action` throws, or "" when it succeeded.
template <class Action>
std::string Refusal(Action action) {
  try {
    action();
  } catch (const FileError& e) {
    return e.what();
  }
  return {};
}
std::string ReadRefusal(const std::string& path) {
  return Refusal([&] { ReadWholeFile(path); });
}
std::string SaveRefusal(const std::string& path, const std::string& bytes) {
  return Refusal([&] { WriteFileAtomically(path, bytes); });
}

// Reading what is not a regular file must neither block (a pipe without a writer hung the
// program forever) nor read without end (/dev/zero until memory ran out); too big a file is
// refused before it is read, with the limit in the message.
TEST_F(FileIO, ReadRefusesPipesDevicesFoldersAndHugeFiles) {
  ASSERT_EQ(::mkfifo(Path("pipe.krt").c_str(), 0644), 0);
  EXPECT_NE(ReadRefusal(Path("pipe.krt")).find("Pipe, keine gewöhnliche Datei"), std::string::npos);
  EXPECT_NE(ReadRefusal("/dev/zero").find("„/dev/zero“: Das ist ein Gerät"), std::string::npos);
  EXPECT_NE(ReadRefusal(m_dir.string()).find("Ordner"), std::string::npos);
  EXPECT_NE(ReadRefusal(Path("fehlt.krt")).find("existiert nicht"), std::string::npos);

  fs::resize_file((WritePlain(Path("huge.krt"), ""), Path("huge.krt")), kMaxReadBytes + 1);  // sparse: no disk used
  EXPECT_NE(ReadRefusal(Path("huge.krt")).find("größer als 256 MB"), std::string::npos);
  WritePlain(Path("small.krt"), "abc");
  EXPECT_EQ(ReadRefusal(Path("small.krt")), "");
}

// A save through a symbolic link used to replace the link by a plain file and leave the real
// file old; a save replaced permission bits by the default ones.
TEST_F(FileIO, SaveGoesThroughLinksAndKeepsPermissions) {
  fs::create_directory(Path("echt"));
  WritePlain(Path("echt/team.krt"), "alt");
  ::chmod(Path("echt/team.krt").c_str(), 0600);
  fs::create_symlink("echt/team.krt", Path("link.krt"));  // relative to the link's folder
  fs::create_symlink("link.krt", Path("link2.krt"));      // a link to a link

  WriteFileAtomically(Path("link2.krt"), "neu");
  EXPECT_TRUE(fs::is_symlink(Path("link2.krt")));
  EXPECT_TRUE(fs::is_symlink(Path("link.krt")));
  EXPECT_EQ(ReadWholeFile(Path("echt/team.krt")), "neu");
  EXPECT_EQ(Mode(Path("echt/team.krt")) & 07777, 0600u);

  ::chmod(Path("echt/team.krt").c_str(), 0640);
  WriteFileAtomically(Path("echt/team.krt"), "neuer");
  EXPECT_EQ(Mode(Path("echt/team.krt")) & 07777, 0640u);

  // A link to a file still to come creates that file; the link stays.
  fs::create_symlink("kommt.krt", Path("vorlaeufig.krt"));
  WriteFileAtomically(Path("vorlaeufig.krt"), "erst");
  EXPECT_TRUE(fs::is_symlink(Path("vorlaeufig.krt")));
  EXPECT_EQ(ReadWholeFile(Path("kommt.krt")), "erst");

  // Links in a circle: a German message instead of the system's English one.
  fs::create_symlink("kreis2.krt", Path("kreis1.krt"));
  fs::create_symlink("kreis1.krt", Path("kreis2.krt"));
  EXPECT_NE(SaveRefusal(Path("kreis1.krt"), "x").find("symbolischer Verknüpfungen"), std::string::npos);
}

// Targets that are not regular files were replaced by a plain file (as root even /dev/null);
// a read-only file was overwritten without a word. All are refused and stay as they were.
TEST_F(FileIO, SaveRefusesWhatIsNoWritableFile) {
  ASSERT_EQ(::mkfifo(Path("pipe.krt").c_str(), 0644), 0);
  EXPECT_NE(SaveRefusal(Path("pipe.krt"), "x").find("keine gewöhnliche Datei"), std::string::npos);
  EXPECT_TRUE(S_ISFIFO(Mode(Path("pipe.krt"))));
  fs::create_directory(Path("ordner.krt"));
  EXPECT_NE(SaveRefusal(Path("ordner.krt"), "x").find("Ordner"), std::string::npos);
  // A copy of /dev/null, as only root may make one and as root "krv resave x.krt /dev/null" replaced it.
  const bool device = ::mknod(Path("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
  if (device) {
    EXPECT_NE(SaveRefusal(Path("null"), "x").find("Gerät, keine gewöhnliche Datei"), std::string::npos);
    EXPECT_TRUE(S_ISCHR(Mode(Path("null"))));
    fs::remove(Path("null"));
  }
  EXPECT_TRUE(fs::is_directory(Path("ordner.krt")));

  WritePlain(Path("nurlesen.krt"), "alt");
  ::chmod(Path("nurlesen.krt").c_str(), 0444);
  EXPECT_TRUE(IsReadOnlyFile(Path("nurlesen.krt")));
  const std::string refusal = SaveRefusal(Path("nurlesen.krt"), "neu");
  EXPECT_NE(refusal.find("schreibgeschützt. Die bisherige Datei ist unverändert."), std::string::npos) << refusal;
  EXPECT_EQ(ReadWholeFile(Path("nurlesen.krt")), "alt");
  EXPECT_FALSE(IsReadOnlyFile(Path("fehlt.krt")));

  EXPECT_EQ(Names(m_dir), (std::vector<std::string>{"nurlesen.krt", "ordner.krt", "pipe.krt"}));
}

// A pid that has certainly ended: a child that exited and was waited for.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

// Temporary files that a killed save left beside its target are removed by the next save of
// that target, and only they: every save used to delete any "<target>.tmp-XXXXXX" (a coach's
// "team.krt.tmp-notes1" too) and the live temporary file of another process's save, whose
// rename then failed. Both ways of writing (unnamed files and named ones) leave nothing behind.
TEST_F(FileIO, SaveRemovesOnlyTemporaryFilesOfEndedSaves) {
  const std::string ended = std::to_string(EndedProcess()), running = std::to_string(::getppid());
  const std::vector<std::string> kept = {
      "andere.krt.krv-tmp." + ended + ".Ab12Cd", "team.krt.krv-tmp." + ended + ".lang123",
      "team.krt.krv-tmp." + running + ".Ab12Cd", "team.krt.tmp-Ab12Cd", "team.krt.tmp-notes1"};
  for (const std::string& name : kept) WritePlain(Path(name), "Notizen");
  WritePlain(Path("team.krt.krv-tmp." + ended + ".Ab12Cd"), std::string(1000, 'x'));
  for (bool unnamed : {true, false}) {
    UseUnnamedTemporaryFiles(unnamed);
    WriteFileAtomically(Path("team.krt"), unnamed ? "eins" : "zwei");
    std::vector<std::string> expected = kept;
    expected.push_back("team.krt");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(m_dir), expected);
  }
  UseUnnamedTemporaryFiles(true);
  EXPECT_EQ(ReadWholeFile(Path("team.krt")), "zwei");
  EXPECT_EQ(ReadWholeFile(Path("team.krt.tmp-notes1")), "Notizen");
}

// Beyond the file-size limit the system ended the program with SIGXFSZ and left a partial
// temporary file. Now the save fails with "Datei zu groß", the old file stays and nothing is
// left; a first save of a new file does not speak of a previous one.
TEST_F(FileIO, FileSizeLimitFailsTheSaveCleanly) {
  const std::string big(200000, 'n');
  WritePlain(Path("team.krt"), "alt");
  for (bool unnamed : {true, false}) {
    UseUnnamedTemporaryFiles(unnamed);
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit limited = saved;
    limited.rlim_cur = 65536;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string replaced = SaveRefusal(Path("team.krt"), big);
    const std::string created = SaveRefusal(Path("neu.krt"), big);
    ::setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_NE(replaced.find("„" + Path("team.krt") + "“: Kann nicht gespeichert werden. Datei zu groß"),
              std::string::npos)
        << replaced;
    EXPECT_NE(replaced.find("Die bisherige Datei ist unverändert."), std::string::npos);
    EXPECT_NE(created.find("Datei zu groß"), std::string::npos);
    EXPECT_EQ(created.find("bisherige"), std::string::npos) << created;
    EXPECT_EQ(ReadWholeFile(Path("team.krt")), "alt");
    EXPECT_EQ(Names(m_dir), std::vector<std::string>{"team.krt"});
  }
  UseUnnamedTemporaryFiles(true);
}

}  // namespace
}  // namespace krv
