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

// Redirects that would fetch the "update" from another server, or drop from https to plain
// http, are refused (both were followed silently); the same server, also from http up to
// https, is fine. Catches a refusal that compares case-sensitively or lets a downgrade pass.
TEST(UpdateServer, RedirectsStayOnTheServer) {
  struct Case {
    const char *fromScheme, *toScheme, *toHost;
    const char* refusal;  // part of the refusal, nullptr: followed
  };
  for (const Case& c :
       {Case{"http", "http", "Update.Example.org", nullptr}, Case{"http", "https", "update.example.org", nullptr},
        Case{"https", "https", "update.example.org", nullptr},
        Case{"http", "http", "boese.example.net", "zu einem anderen Server"},
        Case{"https", "http", "update.example.org", "von einer sicheren (https)"},
        Case{"https", "HTTP", "update.example.org", "von einer sicheren (https)"}}) {
    const auto refusal = RedirectRefusal(c.fromScheme, "update.example.org", c.toScheme, c.toHost, "ZIEL");
    ASSERT_EQ(refusal.has_value(), c.refusal != nullptr) << c.fromScheme << "->" << c.toScheme << " " << c.toHost;
    if (refusal) EXPECT_NE(refusal->find(c.refusal), std::string::npos) << *refusal;
    if (refusal) EXPECT_NE(refusal->find("ZIEL"), std::string::npos);
  }
  // The limits: a line of text for the version file, a setup's size for the archives.
  EXPECT_EQ(MaxDownloadBytes("kr.ver"), 4096u);
  EXPECT_EQ(MaxDownloadBytes("kr.zip"), 100u << 20);
  EXPECT_NE(DownloadTooLargeText("kr.zip", 100u << 20).find("\"kr.zip\" ist größer als 100.00 MB"), std::string::npos);
}

}  // namespace
}  // namespace krv
