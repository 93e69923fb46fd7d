#include "update/TransferTexts.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

// Sizes at their boundaries: 1023/1024 bytes and 1 MiB switch the unit. Rates: below 1 KB/s
// in bytes, below 10 with two decimals, from 10 without. Time left: 59 s, 60 s and 61 s take
// the three forms. Catches "<=" for "<".
TEST(TransferTexts, SizesRatesAndTimeLeft) {
  const std::pair<uint64_t, const char*> sizes[] = {{0, "0 Bytes"},         {1023, "1023 Bytes"}, {1024, "1.0 KB"},
                                                    {1048575, "1024.0 KB"}, {1048576, "1.00 MB"}, {2621440, "2.50 MB"}};
  for (const auto& [bytes, text] : sizes) EXPECT_EQ(SizeText(bytes), text);
  const std::pair<double, const char*> rates[] = {{0.99, "1014 Bytes/Sek."}, {0, "0 Bytes/Sek."},
                                                  {1, "1.00 KB/Sek."},       {9.99, "9.99 KB/Sek."},
                                                  {10, "10 KB/Sek."},        {123.4, "123 KB/Sek."}};
  for (const auto& [rate, text] : rates) EXPECT_EQ(RateText(rate), text);
  const std::pair<uint64_t, const char*> times[] = {
      {59, "59 Sek."}, {60, "1 Min."}, {61, "1 Min. 1 Sek."}, {3600, "60 Min."}};
  for (const auto& [seconds, text] : times) EXPECT_EQ(TimeLeftText(seconds), text);
  EXPECT_EQ(ProgressText(512, 2048), "512 Bytes von 2.0 KB");
  EXPECT_EQ(TimeLeftLine(61, 1024, 2048), "1 Min. 1 Sek. (1.0 KB von 2.0 KB kopiert)");
}

// Caption, file line, shown file name and the error texts with their numbers.
TEST(TransferTexts, CaptionsAndErrors) {
  EXPECT_EQ(CaptionText(42, "kr.zip"), "42% von kr.zip fertig");
  EXPECT_EQ(FileLineText("kr.zip", "example.org"), "kr.zip von example.org");
  EXPECT_EQ(ShownFileName("/update/krup.zip"), "krup.zip");
  EXPECT_EQ(ShownFileName("update\\kr.zip"), "kr.zip");
  EXPECT_EQ(ShownFileName("kr.ver"), "kr.ver");
  EXPECT_EQ(StatusText(transfer_text::kRedirecting, "http://b/kr.zip"), "Redirecting to http://b/kr.zip");
  EXPECT_EQ(ConnectionErrorText(1), "Verbindung zum Server konnte nicht hergestellt werden: Error:1");
  EXPECT_EQ(HttpStatusErrorText(404), "Failed to receive a valid HTTP response from the server\n(HTTP-Status 404)");
  EXPECT_EQ(FileExistsQuestion("/x/kr.zip"), "Die Datei '/x/kr.zip' existiert schon.\nSoll sie ersetzt werden?");
}

// Progress with a known total: the caption only when the percentage changes, the bar in KB,
// rate and time left only after more than a second. Catches a rate divided by the whole
// transfer time or a time left that ignores the bytes still to come.
TEST(TransferTexts, ProgressWithTotal) {
  TransferProgress progress("kr.zip", 10240, 1000);
  EXPECT_EQ(progress.BarMaximum(), 10);
  ProgressView view = progress.Update(1024, 1500);
  EXPECT_EQ(view.caption, "10% von kr.zip fertig");
  EXPECT_EQ(view.barValue, 1);
  EXPECT_FALSE(view.rate);
  view = progress.Update(1100, 1900);
  EXPECT_FALSE(view.caption);          // still 10 %
  view = progress.Update(2048, 3000);  // 2048 bytes in 2000 ms
  EXPECT_EQ(view.caption, "20% von kr.zip fertig");
  EXPECT_EQ(view.rate, "1.02 KB/Sek.");
  EXPECT_EQ(view.timeLeft, "8 Sek. (2.0 KB von 10.0 KB kopiert)");  // 2000 ms / 2048 × 8192 / 1000
  view = progress.Update(3072, 3500);
  EXPECT_FALSE(view.rate);  // only half a second since the last rate
  EXPECT_EQ(TransferProgress("x", 1535, 0).BarMaximum(), 1);
  EXPECT_EQ(TransferProgress("x", 1536, 0).BarMaximum(), 2);
}

// Without a total (no content length): no percentage, no time left, but the rate.
TEST(TransferTexts, ProgressWithoutTotal) {
  TransferProgress progress("kr.zip", std::nullopt, 0);
  EXPECT_EQ(progress.BarMaximum(), 0);
  const ProgressView view = progress.Update(20480, 2000);
  EXPECT_FALSE(view.caption);
  EXPECT_FALSE(view.barValue);
  EXPECT_FALSE(view.timeLeft);
  EXPECT_EQ(view.rate, "10 KB/Sek.");
}

}  // namespace
}  // namespace krv
