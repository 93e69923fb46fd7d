// The folders under src/ are layered: a folder includes only itself and the folders listed
// before it in the README's order ("Für Entwickler"). This test reads that list and every
// "#include" line under src/, so a file put into the wrong folder fails here.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "model/FileIO.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// The folders of the README's list ("- `src/<folder>` ..." below "## Für Entwickler"), bottom first.
std::vector<std::string> LayerOrder(const std::string& readme) {
  const size_t section = readme.find("## Für Entwickler");
  if (section == std::string::npos) return {};
  const std::regex entry(R"(^- `src/([a-z/]+)`)", std::regex::multiline);
  std::vector<std::string> order;
  for (std::sregex_iterator it(readme.begin() + section, readme.end(), entry), end; it != end; ++it)
    order.push_back((*it)[1]);
  return order;
}

// Every include against the order, and every folder with sources the order does not name,
// one line each.
std::string LayerViolations(const fs::path& src, const std::vector<std::string>& order) {
  std::map<std::string, size_t> rank;
  for (size_t i = 0; i < order.size(); ++i) rank[order[i]] = i;
  std::string violations;
  std::set<std::string> unlisted;
  const std::regex include(R"(^[ \t]*#[ \t]*include[ \t]*"([^"]+)/[^/"]+")", std::regex::multiline);
  for (const auto& item : fs::recursive_directory_iterator(src)) {
    const std::string extension = item.path().extension().string();
    if (!item.is_regular_file() || (extension != ".h" && extension != ".cpp")) continue;
    const std::string folder = item.path().parent_path().lexically_relative(src).generic_string();
    const std::string file = item.path().lexically_relative(src).generic_string();
    if (!rank.count(folder)) {
      unlisted.insert(folder);
      continue;
    }
    const std::string text = krv::ReadWholeFile(item.path());
    for (std::sregex_iterator it(text.begin(), text.end(), include), end; it != end; ++it) {
      const std::string target = (*it)[1];
      if (target == folder || !fs::is_directory(src / target)) continue;
      if (!rank.count(target)) violations += file + " includes the unlisted folder " + target + "\n";
      else if (rank[target] > rank[folder])
        violations += file + " (" + folder + ") includes " + target + ", which stands above it\n";
    }
  }
  for (const auto& folder : unlisted) violations += "src/" + folder + " is missing from the README's order\n";
  return violations;
}

// The real tree: catches an include running back up, a new folder left out of the order, and
// a README whose list lost its place or its shape (then nothing would be checked).
TEST(IncludeOrder, SourcesFollowTheReadmesOrder) {
  const fs::path root = KRV_SOURCE_DIR;
  const std::vector<std::string> order = LayerOrder(krv::ReadWholeFile(root / "README.md"));
  ASSERT_GE(order.size(), 10u) << "the README's list of folders was not found";
  for (const auto& folder : order) EXPECT_TRUE(fs::is_directory(root / "src" / folder)) << folder;
  EXPECT_EQ(LayerViolations(root / "src", order), "");
}

class IncludeOrderCheck : public krv::test::TempFolderTest {
 protected:
  void Write(const std::string& file, const std::string& text) {
    fs::create_directories((m_dir / file).parent_path());
    krv::WriteFileAtomically(Path(file), text);
  }
};

// The check itself: an include from a lower folder to a higher one and an unlisted folder are
// reported; includes downwards, within a folder, of the standard library and of generated
// headers are not. Would catch a checker that silently passes everything.
TEST_F(IncludeOrderCheck, ReportsUpwardIncludesAndUnlistedFolders) {
  Write("model/Team.h", "#include <string>\n#include \"ProgramVersion.h\"\n#include \"model/Records.h\"\n");
  Write("model/Records.h", "");
  Write("model/Bad.cpp", "  #  include \"season/qt/Dialog.h\"\n");
  Write("season/Ledger.cpp", "#include \"model/Team.h\"\n");
  Write("season/qt/Dialog.h", "#include \"season/Ledger.h\"\n#include \"model/Team.h\"\n");
  Write("stray/Thing.cpp", "#include \"model/Team.h\"\n");
  const std::vector<std::string> order = LayerOrder(
      "# Title\n- `src/qt` not this list\n## Für Entwickler\ntext\n- `src/model` a\n- `src/season` b\n"
      "- `src/season/qt` c\n");
  EXPECT_EQ(order, (std::vector<std::string>{"model", "season", "season/qt"}));
  EXPECT_EQ(LayerViolations(m_dir, order),
            "model/Bad.cpp (model) includes season/qt, which stands above it\n"
            "src/stray is missing from the README's order\n");
}

}  // namespace
