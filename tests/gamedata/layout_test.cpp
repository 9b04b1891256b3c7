#include "gamedata/layout.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "gamedata/error.h"
#include "tests/support/error_of.h"

namespace pricewright {
namespace {

struct PositionCase {
  const TableLayout* table;
  const FieldLayout* field;
  ListIndex index;
  std::int32_t position;
};

class FieldPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(FieldPositionTest, IsRecordZeroPositionPlusIndexTimesRecordSize) {
  const PositionCase& c = GetParam();
  EXPECT_EQ(fieldPosition(*c.table, *c.field, c.index), c.position);
}

// Zero-based offsets from the file layout, plus one.
INSTANTIATE_TEST_SUITE_P(Tables, FieldPositionTest,
                         ::testing::Values(PositionCase{&kPrefixTable, &kNameAddress, 0, 502521},
                                           PositionCase{&kPrefixTable, &kEffectMin, 0, 502529},
                                           PositionCase{&kPrefixTable, &kEffectMin, -1, 502481},
                                           PositionCase{&kPrefixTable, &kPriceMultiplier, 82, 506500 + 1},
                                           PositionCase{&kSuffixTable, &kCostMax, 1, 506593 + 48},
                                           PositionCase{&kSuffixTable, &kNameAddress, 94, 506553 + 48 * 94},
                                           PositionCase{&kBaseItemTable, &kBasePrice, 155, 594576 + 1},
                                           PositionCase{&kBaseItemTable, &kBasePrice, -1, 582721},
                                           PositionCase{&kSpellTable, &kChargeValue, 35, 662116 + 1},
                                           PositionCase{&kSpellTable, &kChargesMin, -1, 660145 - 56}));

TEST(FieldPosition, SixteenBitProductOverflowRaisesOverflow) {
  // 682 * 48 = 32736 fits; 683 * 48 = 32784 does not.
  EXPECT_EQ(fieldPosition(kPrefixTable, kNameAddress, 682), 502521 + 32736);
  EXPECT_EQ(testing::errorOf([] { fieldPosition(kPrefixTable, kNameAddress, 683); }).number(),
            ErrorNumber::Overflow);
  EXPECT_EQ(fieldPosition(kPrefixTable, kNameAddress, -682), 502521 - 32736);
  EXPECT_THROW(fieldPosition(kBaseItemTable, kNameAddress, -432), RuntimeError);  // -32832
}

struct NameCase {
  std::uint32_t storedAddress;
  std::int32_t position;
};

class NamePositionTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(NamePositionTest, IsAddressMinusLoadBase) {
  EXPECT_EQ(namePosition(static_cast<std::int32_t>(GetParam().storedAddress)), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(AddressRule, NamePositionTest,
                         ::testing::Values(NameCase{0x402200 + 1000, 1001}, NameCase{0x402200, 1},
                                           NameCase{0x4021FF, 0}, NameCase{0, -4203007},
                                           NameCase{0x804021FF, INT32_MIN},
                                           NameCase{0x7FFFFFFF, 0x7FFFFFFF - 0x4021FF},
                                           NameCase{0xFFFFFFFF, -1 - 0x4021FF}));

TEST(NamePosition, OverflowsForStoredValuesFrom0x80000000To0x804021FE) {
  for (std::uint32_t stored : {0x80000000u, 0x80000001u, 0x80200000u, 0x804021FEu})
    EXPECT_EQ(testing::errorOf([=] { namePosition(static_cast<std::int32_t>(stored)); }).number(),
              ErrorNumber::Overflow)
        << stored;
}

}  // namespace
}  // namespace pricewright
