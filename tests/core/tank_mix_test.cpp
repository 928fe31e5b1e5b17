// The tank mix calculation, its failures, and its load and close steps.
#include "core/job_record.h"
#include "core/tank_mix.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace zelk {
namespace {

constexpr const char* kProductPrompt = "Please Enter Product Rate";
constexpr const char* kSprayerPrompt = "Please Enter Sprayer Calibration Rate";
constexpr const char* kAreaPrompt = "Please Enter Area to be sprayed";

struct ResultRow {
    const char* name;
    const char* product; // Text1, ml/ha
    const char* sprayer; // Text2, l/ha
    const char* area;    // Text8, ha
    char separator;
    TankMixResults expected;
};

class TankMixResultTest : public testing::TestWithParam<ResultRow> {};

TEST_P(TankMixResultTest, ShowsResults) {
    const ResultRow& row = GetParam();
    const auto outcome = TankMix(row.product, row.sprayer, row.area, row.separator);
    ASSERT_TRUE(std::holds_alternative<TankMixResults>(outcome))
        << "error: " << std::get<EntryError>(outcome).prompt;
    const auto& results = std::get<TankMixResults>(outcome);
    EXPECT_EQ(results.mlPerLiter, row.expected.mlPerLiter);
    EXPECT_EQ(results.water, row.expected.water);
    EXPECT_EQ(results.productMl, row.expected.productMl);
    EXPECT_EQ(results.productLiters, row.expected.productLiters);
}

const ResultRow kResultRows[] = {
    // The worked examples.
    {"WorkedExample", "1000", "300", "2", '.', {"3.333", "600", "2000", "2"}},
    {"SecondWorkedExample", "500", "200", "2.5", '.', {"2.5", "500", "1250", "1.25"}},
    {"OneMlAtThreeLiters", "1", "3", "1", '.', {"0.333", "3", "1", "0.001"}},
    // Accepted: only the one-character "0" fails the entry check.
    {"ProductRateZeroPointZero", "0.0", "300", "2", '.', {"0", "600", "0", "0"}},
    {"AreaZeroPointZero", "1000", "300", "0.0", '.', {"3.333", "0", "0", "0"}},
    // Half to even at 3 decimals: 0.0625 gives 0.062.
    {"PerLiterHalfToEven", "1", "16", "1", '.', {"0.062", "16", "1", "0.001"}},
    // The litres come from the millilitres as shown (2.5004 shows 2.5, and
    // 2.5 ÷ 1000 rounds to 0.002), not from 2.5004 ÷ 1000 (0.003).
    {"LitersFromTheShownMilliliters", "2.5004", "1", "1", '.', {"2.5", "1", "2.5", "0.002"}},
    {"Negative", "-1000", "300", "2", '.', {"-3.333", "600", "-2000", "-2"}},
    {"CommaSeparator", "1000", "300", "2,5", ',', {"3,333", "750", "2500", "2,5"}},
    {"Blanks", " 1000", "300 ", " 2 ", '.', {"3.333", "600", "2000", "2"}},
};

INSTANTIATE_TEST_SUITE_P(Table, TankMixResultTest, testing::ValuesIn(kResultRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorRow {
    const char* name;
    const char* product;
    const char* sprayer;
    const char* area;
    const char* field;
    const char* prompt;
};

class TankMixErrorTest : public testing::TestWithParam<ErrorRow> {};

TEST_P(TankMixErrorTest, ReportsField) {
    const ErrorRow& row = GetParam();
    const auto outcome = TankMix(row.product, row.sprayer, row.area, '.');
    ASSERT_TRUE(std::holds_alternative<EntryError>(outcome))
        << "results: " << std::get<TankMixResults>(outcome).mlPerLiter;
    EXPECT_EQ(std::get<EntryError>(outcome), (EntryError{row.field, row.prompt, "Error"}));
}

const ErrorRow kErrorRows[] = {
    // The entry check: Text1, Text2, Text8 in order, first failure only.
    {"AllEmpty", "", "", "", "product rate", kProductPrompt},
    {"ProductZero", "0", "300", "2", "product rate", kProductPrompt},
    {"ProductLetters", "abc", "300", "2", "product rate", kProductPrompt},
    {"SprayerAndAreaEmpty", "1000", "", "", "sprayer rate", kSprayerPrompt},
    {"SprayerZero", "1000", "0", "2", "sprayer rate", kSprayerPrompt},
    {"SprayerBlank", "1000", " ", "2", "sprayer rate", kSprayerPrompt},
    {"AreaEmpty", "1000", "300", "", "area", kAreaPrompt},
    {"AreaZero", "1000", "300", "0", "area", kAreaPrompt},
    {"AreaComma", "1000", "300", "2,5", "area", kAreaPrompt},
    // Steps that cannot produce a number.
    {"SprayerZeroPointZero", "1000", "0.0", "2", "sprayer rate", kSprayerPrompt},
    {"SprayerMinusZero", "1000", "-0", "2", "sprayer rate", kSprayerPrompt},
    {"ProductBeyondDouble", "1e400", "300", "2", "product rate", kProductPrompt},
    {"SprayerBeyondDouble", "1000", "1e400", "2", "sprayer rate", kSprayerPrompt},
    {"AreaBeyondDouble", "1000", "300", "1e400", "area", kAreaPrompt},
    {"PerLiterOverflows", "1e300", "1e-300", "2", "sprayer rate", kSprayerPrompt},
    {"WaterOverflowsOnTheSprayerRate", "1", "1e300", "1e10", "sprayer rate", kSprayerPrompt},
    {"WaterOverflowsOnTheArea", "1", "1e10", "1e300", "area", kAreaPrompt},
    {"ProductOverflowsOnTheProductRate", "1e300", "1", "1e10", "product rate", kProductPrompt},
    // 1.7976931348623157e308 ml is written 1.79769313486232E+308, which is
    // beyond the range and cannot be read back for the litres.
    {"ShownMillilitersUnreadable", "1.7976931348623157e308", "1", "1", "product rate",
     kProductPrompt},
};

INSTANTIATE_TEST_SUITE_P(Table, TankMixErrorTest, testing::ValuesIn(kErrorRows),
                         [](const auto& info) { return std::string(info.param.name); });

using TextsField = std::string TankMixTexts::*;
using RecordField = std::string JobRecord::*;

constexpr RecordField kGroup[] = {
    &JobRecord::mixProductRate,     &JobRecord::mixSprayerRate, &JobRecord::mixArea,
    &JobRecord::mixProductPerLiter, &JobRecord::mixWater,       &JobRecord::mixProductMl,
    &JobRecord::mixProductLiters,
};

TEST(TankMixRecord, LoadEmptiesTheGroupOnly) {
    JobRecord record;
    for (RecordField field : kGroup)
        record.*field = "old";
    record.multiWaterTotal = "old";
    record.rateFlow = "old";
    ClearTankMix(record);
    for (RecordField field : kGroup)
        EXPECT_EQ(record.*field, "");
    EXPECT_EQ(record.multiWaterTotal, "old");
    EXPECT_EQ(record.rateFlow, "old");
}

struct StoreRow {
    const char* name;
    TextsField source;
    RecordField target;
    const char* line; // what the target holds for the value 7
};

class TankMixStoreTest : public testing::TestWithParam<StoreRow> {};

// One source field filled: its line goes into its own record field, and every
// other field of the group keeps what it held.
TEST_P(TankMixStoreTest, StoresTheLineOfItsField) {
    const StoreRow& row = GetParam();
    JobRecord record;
    for (RecordField field : kGroup)
        record.*field = "old";
    TankMixTexts texts;
    texts.*row.source = "7";
    StoreTankMix(texts, record);
    for (RecordField field : kGroup) {
        if (field == row.target)
            EXPECT_EQ(record.*field, row.line);
        else
            EXPECT_EQ(record.*field, "old");
    }
}

const StoreRow kStoreRows[] = {
    {"ProductRate", &TankMixTexts::productRate, &JobRecord::mixProductRate,
     "Product Label Rate (Millileters per hectar) - 7 Millileters\n"},
    {"SprayerRate", &TankMixTexts::sprayerRate, &JobRecord::mixSprayerRate,
     "Actual Sprayer Calibration rate (Liters per Hectar) - 7 Liters\n"},
    {"Area", &TankMixTexts::area, &JobRecord::mixArea,
     "Area to be Sprayed (in Hectars) - 7 Hectars\n"},
    {"ProductPerLiter", &TankMixTexts::mlPerLiter, &JobRecord::mixProductPerLiter,
     "Millileters of Product per Liter of water - 7 Milliliters\n"},
    {"Water", &TankMixTexts::water, &JobRecord::mixWater, "Total Water Required - 7 Liters\n"},
    {"ProductMl", &TankMixTexts::productMl, &JobRecord::mixProductMl,
     "Total Product Required (In Millileters) - 7 Milliliters\n"},
    {"ProductLiters", &TankMixTexts::productLiters, &JobRecord::mixProductLiters,
     "Total Product Required (In Liters) - 7 Liters\n"},
};

INSTANTIATE_TEST_SUITE_P(Table, TankMixStoreTest, testing::ValuesIn(kStoreRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TankMixRecord, StoresTheFieldsExactlyAsShown) {
    JobRecord record;
    StoreTankMix({"1,000", "abc", " 2", "", "", "", ""}, record);
    EXPECT_EQ(record.mixProductRate,
              "Product Label Rate (Millileters per hectar) - 1,000 Millileters\n");
    EXPECT_EQ(record.mixSprayerRate,
              "Actual Sprayer Calibration rate (Liters per Hectar) - abc Liters\n");
    EXPECT_EQ(record.mixArea, "Area to be Sprayed (in Hectars) -  2 Hectars\n");
    EXPECT_EQ(record.mixProductPerLiter, "");
}

} // namespace
} // namespace zelk
