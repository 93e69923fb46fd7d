#pragma once
// The point scheme of the player builder: what characteristics and skills cost in points,
// what the points cost in gold, and how many points each player kind may have.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace krv {

// The builder's player kinds, indices into g_PositionsArten.
enum BuilderKind : int32_t {
  kKindSuperspieler = 0,
  kKindFaenger = 1,
  kKindFeldspieler = 2,
  kKindStarspieler = 3,
  kKindWerfer = 4,
  kKindGen1 = 5,
  kKindGen2 = 6,
};
constexpr int32_t kBuilderKindCount = 7;

// The five categories counted separately, in the order of the builder's count fields.
enum BuilderCategory : int32_t {
  kCategoryAllgemein = 0,
  kCategoryGeschicklichkeit = 1,
  kCategoryKoerpermerkmal = 2,
  kCategoryPass = 3,
  kCategoryStaerke = 4,
};
constexpr int32_t kBuilderCategoryCount = 5;
using BuilderCategoryCounts = std::array<int32_t, kBuilderCategoryCount>;

// The category text of each count field: "Allgemein", "Geschicklichkeit", ...
extern const std::array<const char*, kBuilderCategoryCount> kBuilderCategoryNames;

// The counted category of a catalogue category text, or nothing for "Rassenmerkmal",
// "Karte" and the disadvantages.
std::optional<BuilderCategory> CountedCategory(std::string_view category);

// Whether a catalogue category text is a disadvantage (it contains "Nachteil").
bool IsDisadvantageCategory(std::string_view category);

// Ranges of the characteristics.
constexpr int32_t kBuilderMinBW = 2, kBuilderMaxBW = 8;
constexpr int32_t kBuilderMinST = 1, kBuilderMaxST = 6;
constexpr int32_t kBuilderMinGE = 1, kBuilderMaxGE = 4;
constexpr int32_t kBuilderMinRW = 6, kBuilderMaxRW = 10;

// The most a built player may be worth.
constexpr int32_t kBuilderMaxValue = 190000;
// Below this value a built player is not taken seriously.
constexpr int32_t kBuilderMinValue = 10000;

// Points of a characteristic: BW 2 to 8 gives -4, -3, -2, -1, 0, 2, 3; RW 6 to 10 gives
// -3, -2, 0, 1, 3; values outside the ranges give 0.
int32_t MovementPoints(int32_t bw);
int32_t ArmourPoints(int32_t rw);
// 3 × ST − 9, plus 3 when ST is above 3 and 3 more when it is above 6: ST 4 gives 6.
int32_t StrengthPoints(int32_t st);
// 2 × GE − 6.
int32_t AgilityPoints(int32_t ge);

// 5 base points, 1 per general skill, 2 per agility, passing or strength skill, 3 per body
// trait, plus the points of the four characteristics.
int32_t BuilderPoints(int32_t bw, int32_t st, int32_t ge, int32_t rw, const BuilderCategoryCounts& counts);

// 10000 per point up to 11 points, then 5000 per point plus 50000: 11 and 12 points both
// cost 110000, 28 points 190000.
int32_t BuilderValue(int32_t points);

// The most points a kind may have: 12 for the Superspieler, 10 for Fänger and Werfer, 8 for
// Feldspieler and both Gen. kinds; nothing for the Starspieler (and an unknown kind).
std::optional<int32_t> KindPointLimit(int32_t kind);

// Whether skills of the category are normally allowed for the kind; the others are shown
// grey (and stay selectable). The Starspieler (and an unknown kind) sees nothing grey;
// with mutation, body traits are allowed for every kind.
bool IsCategoryNormallyAllowed(int32_t kind, bool mutation, std::string_view category);

// The kind's name from g_PositionsArten; empty for an unknown kind.
const char* BuilderKindName(int32_t kind);

// Whether the coach may change the preset name: not for the Superspieler, Fänger,
// Feldspieler and Werfer of an own race.
bool IsBuilderNameEditable(int32_t kind);

}  // namespace krv
