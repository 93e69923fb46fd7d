#include "update/UpdateServer.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

// The server address: the environment wins, blanks are trimmed, "http://" is assumed and
// exactly one "/" joins the file. Catches "host//kr.ver" and an ignored override.
TEST(UpdateServer, AddressAndFolder) {
  EXPECT_EQ(EffectiveUpdateServer(nullptr, " example.org "), "example.org");
  EXPECT_EQ(EffectiveUpdateServer("http://127.0.0.1:8080", "example.org"), "http://127.0.0.1:8080");
  EXPECT_EQ(EffectiveUpdateServer("  ", "example.org"), "example.org");
  EXPECT_EQ(EffectiveUpdateServer(nullptr, ""), "");
  EXPECT_EQ(UpdateFileUrl("example.org", "kr.ver"), "http://example.org/kr.ver");
  EXPECT_EQ(UpdateFileUrl("https://example.org/krashball/", "kr.zip"), "https://example.org/krashball/kr.zip");
  EXPECT_EQ(UpdateDownloadFolder("/opt/kr", true, "/home/c/Downloads"), "/opt/kr");
  EXPECT_EQ(UpdateDownloadFolder("/opt/kr", false, "/home/c/Downloads"), "/home/c/Downloads");
}

}  // namespace
}  // namespace krv
