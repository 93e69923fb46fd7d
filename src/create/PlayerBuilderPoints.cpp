#include "create/PlayerBuilderPoints.h"

#include "rules/Skills.h"

namespace krv {

const std::array<const char*, kBuilderCategoryCount> kBuilderCategoryNames = {"Allgemein", "Geschicklichkeit",
                                                                              "Körpermerkmal", "Pass", "Stärke"};

namespace {

// Indexed by the characteristic itself; 0 below the range.
constexpr std::array<int32_t, 9> kMovementPoints = {0, 0, -4, -3, -2, -1, 0, 2, 3};
constexpr std::array<int32_t, 11> kArmourPoints = {0, 0, 0, 0, 0, 0, -3, -2, 0, 1, 3};

template <size_t N>
int32_t TablePoints(const std::array<int32_t, N>& table, int32_t value) {
  if (value < 0 || static_cast<size_t>(value) >= N) return 0;
  return table[static_cast<size_t>(value)];
}

bool Allows(int32_t kind, BuilderCategory category) {
  switch (kind) {
    case kKindSuperspieler:
      return category == kCategoryGeschicklichkeit || category == kCategoryAllgemein || category == kCategoryStaerke;
    case kKindFaenger: return category == kCategoryGeschicklichkeit || category == kCategoryAllgemein;
    case kKindFeldspieler:
    case kKindGen1:
    case kKindGen2: return category == kCategoryAllgemein;
    case kKindWerfer: return category == kCategoryPass || category == kCategoryAllgemein;
    default: return true;
  }
}

bool KindHasGreyRows(int32_t kind) { return kind >= 0 && kind < kBuilderKindCount && kind != kKindStarspieler; }

}  // namespace

std::optional<BuilderCategory> CountedCategory(std::string_view category) {
  for (int32_t i = 0; i < kBuilderCategoryCount; ++i)
    if (category == kBuilderCategoryNames[static_cast<size_t>(i)]) return static_cast<BuilderCategory>(i);
  return std::nullopt;
}

bool IsDisadvantageCategory(std::string_view category) { return category.find("Nachteil") != std::string_view::npos; }

int32_t MovementPoints(int32_t bw) { return TablePoints(kMovementPoints, bw); }
int32_t ArmourPoints(int32_t rw) { return TablePoints(kArmourPoints, rw); }

int32_t StrengthPoints(int32_t st) {
  int32_t points = 3 * st - 9;
  if (st > 3) points += 3;
  if (st > 6) points += 3;
  return points;
}

int32_t AgilityPoints(int32_t ge) { return 2 * ge - 6; }

int32_t BuilderPoints(int32_t bw, int32_t st, int32_t ge, int32_t rw, const BuilderCategoryCounts& counts) {
  return 5 + counts[kCategoryAllgemein] +
         2 * (counts[kCategoryGeschicklichkeit] + counts[kCategoryPass] + counts[kCategoryStaerke]) +
         3 * counts[kCategoryKoerpermerkmal] + MovementPoints(bw) + ArmourPoints(rw) + StrengthPoints(st) +
         AgilityPoints(ge);
}

int32_t BuilderValue(int32_t points) {
  if (points <= 11) return points * 10000;
  return 5000 * points + 50000;
}

std::optional<int32_t> KindPointLimit(int32_t kind) {
  switch (kind) {
    case kKindFaenger:
    case kKindWerfer: return 10;
    case kKindFeldspieler:
    case kKindGen1:
    case kKindGen2: return 8;
    case kKindSuperspieler: return 12;
    default: return std::nullopt;
  }
}

bool IsCategoryNormallyAllowed(int32_t kind, bool mutation, std::string_view category) {
  if (!KindHasGreyRows(kind)) return true;
  const std::optional<BuilderCategory> counted = CountedCategory(category);
  if (!counted) return false;
  if (mutation && *counted == kCategoryKoerpermerkmal) return true;
  return Allows(kind, *counted);
}

const char* BuilderKindName(int32_t kind) {
  if (kind < 0 || kind >= kBuilderKindCount) return "";
  return g_PositionsArten[static_cast<size_t>(kind)];
}

bool IsBuilderNameEditable(int32_t kind) {
  return kind != kKindSuperspieler && kind != kKindFaenger && kind != kKindFeldspieler && kind != kKindWerfer;
}

}  // namespace krv
