// krv pdf: the printout as a PDF file, checked with the poppler tools a coach would use.

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <regex>

#include "settings/KrvDat.h"
#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "support/KrvRunner.h"
#include "support/SeasonTeam.h"

namespace krv {
namespace {

namespace fs = std::filesystem;
using test::Has;

class KrvPdf : public test::KrvToolTest {
 protected:
  // The season team with `matches` matches in all and a player with 4711 star player points.
  std::string WriteTeam(const std::string& name, int matches) const {
    auto team = test::MakeSeasonTeam();
    team->m_strLogo.clear();
    for (int i = static_cast<int>(team->m_Games.size()); i < matches; ++i) {
      CKRGames game = *team->m_Games.back();
      game.m_strGegner = "Gegner " + std::to_string(i + 1);
      team->AddGame(game);
    }
    team->m_Games.resize(std::min(team->m_Games.size(), static_cast<size_t>(matches)));
    team->m_Spieler.front()->m_nSSP = 4711;
    SaveTeamFile(*team, Path(name));
    return Path(name);
  }

  // The output of a poppler tool on the PDF.
  std::string Tool(const std::string& command) const {
    const std::string out = Path("tool.txt");
    std::system((command + " > " + test::ShellQuoted(out) + " 2>&1").c_str());
    return ReadWholeFile(out);
  }
  int Pages(const std::string& pdf) const {
    std::smatch m;
    const std::string info = Tool("pdfinfo " + test::ShellQuoted(pdf));
    return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : -1;
  }
  std::string PageText(const std::string& pdf, int page) const {
    const std::string p = std::to_string(page);
    return Tool("pdftotext -f " + p + " -l " + p + " " + test::ShellQuoted(pdf) + " -");
  }
};

// The pages and what stands on them, as text a reader can search, on landscape paper. Catches
// "--seiten" not reaching the page plan, text drawn as outlines (not searchable), portrait
// output and fonts not embedded. (Pages and start matches of each mode, the sheet alone for a
// team without matches: PagePlan.PagesPerMode; the match each page starts with:
// PagePlan.PrintoutPages.)
TEST_F(KrvPdf, PagesPerModeWithSearchableText) {
  const std::string team = WriteTeam("t.krt", 30);
  const std::string pdf = Path("t.pdf");
  test::KrvResult r = Run({"pdf", team, pdf});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out + r.err, "");
  ASSERT_EQ(Pages(pdf), 3);
  const std::string sheet = PageText(pdf, 1);
  for (const char* part :
       {"GESAMTWERT DES TEAMS", "Grünhaut Gröhler", "Trainingsmarken (x1)", "Hier kann Ihr Team-Logo"})
    EXPECT_TRUE(Has(sheet, part)) << part << "\n" << sheet;
  EXPECT_TRUE(Has(PageText(pdf, 3), "Gegner 30"));
  // Landscape A4 by default, fonts embedded (else the PDF looks different on a machine
  // without them), Letter on request.
  EXPECT_TRUE(Has(Tool("pdfinfo " + test::ShellQuoted(pdf)), "842 x 595 pts (A4)"));
  const std::string fonts = Tool("pdffonts " + test::ShellQuoted(pdf));
  EXPECT_TRUE(Has(fonts, "Liberation") || Has(fonts, "Times")) << fonts;
  EXPECT_FALSE(std::regex_search(fonts, std::regex("\\bno\\s+(yes|no)\\s+(yes|no)\\s+\\d+"))) << fonts;
  ASSERT_EQ(Run({"pdf", team, pdf, "--papier", "Letter"}).status, 0);
  EXPECT_TRUE(Has(Tool("pdfinfo " + test::ShellQuoted(pdf)), "792 x 612 pts (letter)"));

  r = Run({"pdf", team, pdf, "--seiten", "2"});  // the even match pages alone
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Pages(pdf), 1);
  EXPECT_TRUE(Has(PageText(pdf, 1), "Gegner 30"));
}

// The print settings come from KRV.DAT of the data folder unless the options say otherwise.
// Catches settings ignored or the options overruled by the file.
TEST_F(KrvPdf, PrintSettingsFromKrvDatAndOptions) {
  const std::string team = WriteTeam("t.krt", 0);
  const std::string pdf = Path("t.pdf");
  ASSERT_EQ(Run({"pdf", team, pdf}).status, 0);
  EXPECT_TRUE(Has(PageText(pdf, 1), "4711"));

  ProgramSettings settings;
  settings.m_bSkipValues = 1;  // "Werte nicht drucken"
  fs::create_directories(Path("Daten"));
  SaveProgramSettings(settings, Path("Daten/KRV.DAT"));
  ASSERT_EQ(Run({"pdf", team, pdf}).status, 0);
  EXPECT_FALSE(Has(PageText(pdf, 1), "4711"));
  ASSERT_EQ(Run({"pdf", team, pdf, "--werte", "drucken"}).status, 0);
  EXPECT_TRUE(Has(PageText(pdf, 1), "4711"));
}

// Failures: the usual message and status, and never an output file nor anything beside it;
// the team file is never written over, nor a read-only PDF (the PDF is written as the team
// files are: links, permissions and the other refusals of every save: FileIO). Catches
// half-written PDFs and a team destroyed by a slip of the keyboard.
TEST_F(KrvPdf, FailuresLeaveNoOutput) {
  std::ofstream(Path("kaputt.krt")) << "kein Team";
  std::ofstream(Path("echt.pdf")) << "alt";
  fs::permissions(Path("echt.pdf"), fs::perms::owner_read);
  Check(WriteTeam("t.krt", 3), {
                                   {{"pdf", Path("kaputt.krt"), Path("a.pdf")}, 1, "kaputt.krt"},
                                   {{"pdf", "@", Path("fehlt/a.pdf")}, 1, "a.pdf"},
                                   {{"pdf", "@", "@"}, 2},
                                   {{"pdf", "@"}, 2, "Aufruf: krv pdf"},
                                   {{"pdf", "@", Path("a.pdf"), "--seiten", "4"}, 2, "Aufruf: krv pdf"},
                                   {{"pdf", "@", Path("a.pdf"), "--werte", "ja"}, 2, "Aufruf: krv pdf"},
                               });
  Check(Path("echt.pdf"), {{{"pdf", Path("t.krt"), "@"}, 1, "schreibgeschützt"}});
}

}  // namespace
}  // namespace krv
