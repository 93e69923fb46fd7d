#include "settings/QuickHelpRule.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

// "Keine Schnellhilfe" hides all help; "Hilfe nur einmal anzeigen" hides the same control's
// help until another control's help was shown. Catches help that never comes back, or a
// hidden help that still counts as shown.
TEST(QuickHelpRule, OffAndOnlyOnce) {
  QuickHelpRule rule;
  EXPECT_FALSE(rule.MayShow(1, true, false));
  EXPECT_TRUE(rule.MayShow(1, false, true));
  EXPECT_FALSE(rule.MayShow(1, false, true));
  EXPECT_FALSE(rule.MayShow(2, true, true));  // hidden: control 1 is still the last shown
  EXPECT_FALSE(rule.MayShow(1, false, true));
  EXPECT_TRUE(rule.MayShow(2, false, true));
  EXPECT_TRUE(rule.MayShow(1, false, true));
  EXPECT_TRUE(rule.MayShow(1, false, false));  // without the setting every time
  EXPECT_TRUE(rule.MayShow(1, false, false));
}

}  // namespace
}  // namespace krv
