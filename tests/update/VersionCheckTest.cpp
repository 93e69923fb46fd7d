#include "update/VersionCheck.h"

#include <gtest/gtest.h>

#include <tuple>

namespace krv {
namespace {

// The comparison numbers: 1.10.0 and 2.0.0 are equal (210000), 2.0.1 is newer; missing parts
// count 0. Long parts must not wrap around 32 bits into a "newer" number: a number beyond the
// range gives 0. A fourth part is ignored, parts are cut to 10 characters. Catches a plain
// string comparison, a different weighting of the parts and overlong versions taken as newer.
TEST(VersionCheck, ComparisonNumbers) {
  const std::pair<const char*, int64_t> numbers[] = {
      {"1.6.0", 170000}, {"1.10.0", 210000},           {"2.0.0", 210000},    {"2.0.1", 210001},           {"2", 210000},
      {"1.7", 180000},   {"21474.7.3647", 2147483647}, {"1.7.0.99", 180000}, {"1.7.00000000005", 180000}, {"", 10000}};
  for (const auto& [version, number] : numbers) EXPECT_EQ(VersionNumber(version), number) << version;
  // (10 × 4294967 + 1) × 10000 wraps in 32 bits; 4294967295 as the build wraps to a small one;
  // 21474.7.3647 above is the largest number that fits.
  for (const char* overlong :
       {"4294967.0.0", "1.6.4294967295", "9999999999.9999999999.9999999999", "21474.7.3648", "21474.8.0"})
    EXPECT_EQ(VersionNumber(overlong), 0) << overlong;
  EXPECT_EQ(OwnVersionText(), "1.6.0");
  EXPECT_FALSE(CompareVersions("4294967.0.0", "1.6.0").newer);
  EXPECT_FALSE(CompareVersions("1.6.0,429496729.6.0", "1.6.0").newer);
}

// The offers of the version file: field 2 wins only when greater, and then is the update
// archive; equal versions offer nothing. Catches the archives swapped or ">=" for ">".
TEST(VersionCheck, Offers) {
  // Newer, version, file, update archive.
  const auto offered = [](const VersionOffer& o) {
    return std::tuple{o.newer, o.version, o.fileName, o.updateArchive};
  };
  EXPECT_EQ(offered(CompareVersions("1.6.5,1.7.0", "1.6.0")), (std::tuple{true, "1.7.0", "krup.zip", true}));
  EXPECT_EQ(offered(CompareVersions("1.7.0,1.6.5", "1.6.0")), (std::tuple{true, "1.7.0", "kr.zip", false}));
  EXPECT_FALSE(CompareVersions("1.6.0,1.6.0", "1.6.0").newer);
  EXPECT_FALSE(CompareVersions("1.10.0", "2.0.0").newer);
  EXPECT_TRUE(CompareVersions("2.0.1\t1.10.0", "2.0.0").newer);
  EXPECT_EQ(CompareVersions("1.7.0\r\n1.6.9\r\n", "1.6.0").version, "1.7.0");  // a Windows line end is not shown
}

// Files that are not what they should be: four fields (the fourth ignored), an empty file,
// 30 bytes of garbage, a long file of which only 30 bytes count, overlong fields cut to 20.
// Each must answer soundly, not crash or offer a phantom version.
TEST(VersionCheck, OddVersionFiles) {
  EXPECT_EQ(VersionFileFields("1.6.5,1.7.0,x,2.0.0"), (std::vector<std::string>{"1.6.5", "1.7.0", "x"}));
  EXPECT_EQ(CompareVersions("1.6.5,1.6.6,1.6.7,9.9.9", "1.6.0").version, "1.6.6");
  EXPECT_TRUE(VersionFileFields("").empty());
  EXPECT_FALSE(CompareVersions("", "1.6.0").newer);
  const std::string garbage("\x01\xff\xfe#*~?<>|\x7f\x80 garbage garbage!!", 30);
  EXPECT_FALSE(CompareVersions(garbage, "1.6.0").newer);
  EXPECT_EQ(VersionFileFields(std::string(29, '1') + ",9.9.9").size(), 1u);  // the second field lies past byte 30
  EXPECT_EQ(VersionFileFields(std::string(40, '7'))[0], std::string(20, '7'));
  EXPECT_FALSE(CompareVersions(std::string(40, '7'), "1.6.0").newer);
  EXPECT_EQ(VersionFileFields("\n\n\n\n"), std::vector<std::string>{});
}

// The texts of the command.
TEST(VersionCheck, CommandTexts) {
  EXPECT_EQ(DownloadQuestion("1.7.0"), "Die Version 1.7.0 ist erschienen.\nWollen Sie sie downloaden?");
  EXPECT_EQ(DownloadedMessage("/opt/krashball/kr.zip"),
            "Das neue Setup wurde als\n/opt/krashball/kr.zip\nabgelegt.\n\nBitte beenden Sie erst diese Programm bevor "
            "Sie\ndas Setup starten.");
}

// A version file that names no version (an HTML page, an empty file) is unreadable, not
// "nothing newer"; a version in field 2 alone still counts.
TEST(VersionCheck, FilesWithoutVersionAreUnreadable) {
  for (const char* garbage : {"<html><body>404</body></html>", "", "\n\n", "Version eins", ",,"})
    EXPECT_FALSE(CompareVersions(garbage, "1.6.0").readable) << garbage;
  EXPECT_TRUE(CompareVersions("1.6.0", "1.6.0").readable);
  EXPECT_TRUE(CompareVersions("x,1.7.0", "1.6.0").newer);
  EXPECT_FALSE(CompareVersions("<html>", "0.0.0").newer);
}

}  // namespace
}  // namespace krv
