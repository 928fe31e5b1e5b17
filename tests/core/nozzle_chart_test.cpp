// The nozzle chart: its sizes, the pressure for a flow, the density rule,
// the sizes inside a working range and the one recommended, and the checks
// of the panel's entries.
#include "core/nozzle_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace zelk {
namespace {

struct SizeRow {
    const char* name;
    std::size_t index;
    const char* size;
    const char* colour;
    double flowAt3Bar;
};

class NozzleSizeTest : public testing::TestWithParam<SizeRow> {};

// Each size in its place, and its own flow needs exactly the chart's 3 bar.
TEST_P(NozzleSizeTest, HoldsTheIsoSize) {
    const SizeRow& row = GetParam();
    const NozzleSize& size = kNozzleSizes.at(row.index);
    EXPECT_EQ(size.name, row.size);
    EXPECT_EQ(size.colour, row.colour);
    EXPECT_DOUBLE_EQ(size.flowAt3Bar, row.flowAt3Bar);
    EXPECT_DOUBLE_EQ(PressureForFlow(row.flowAt3Bar, size.flowAt3Bar), 3.0);
    EXPECT_DOUBLE_EQ(FlowAtPressure(size.flowAt3Bar, 3.0), row.flowAt3Bar);
}

const SizeRow kSizeRows[] = {
    {"Orange01", 0, "01", "orange", 0.40}, {"Green015", 1, "015", "green", 0.60},
    {"Yellow02", 2, "02", "yellow", 0.80}, {"Lilac025", 3, "025", "lilac", 1.00},
    {"Blue03", 4, "03", "blue", 1.20},     {"Red04", 5, "04", "red", 1.60},
    {"Brown05", 6, "05", "brown", 2.00},   {"Grey06", 7, "06", "grey", 2.40},
    {"White08", 8, "08", "white", 3.20},
};
INSTANTIATE_TEST_SUITE_P(Chart, NozzleSizeTest, testing::ValuesIn(kSizeRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NozzleSizes, NineInOrderOfGrowingFlow) {
    ASSERT_EQ(kNozzleSizes.size(), 9u);
    for (std::size_t i = 1; i < kNozzleSizes.size(); ++i)
        EXPECT_GT(kNozzleSizes[i].flowAt3Bar, kNozzleSizes[i - 1].flowAt3Bar) << i;
}

struct PressureRow {
    const char* name;
    double flow;       // l/min
    double flowAt3Bar; // of the size
    double pressure;   // bar, 3 × (flow ÷ flowAt3Bar)²
};

class PressureForFlowTest : public testing::TestWithParam<PressureRow> {};

// The pressure for a flow, and back: the flow at that pressure is the flow.
TEST_P(PressureForFlowTest, GrowsWithTheSquareOfTheFlow) {
    const PressureRow& row = GetParam();
    EXPECT_NEAR(PressureForFlow(row.flow, row.flowAt3Bar), row.pressure, 1e-12);
    EXPECT_NEAR(FlowAtPressure(row.flowAt3Bar, row.pressure), row.flow, 1e-12);
}

const PressureRow kPressureRows[] = {
    {"Size02At1Lpm", 1.0, 0.8, 4.6875},          {"Size04At1Lpm", 1.0, 1.6, 1.171875},
    {"Size02At088Lpm", 0.88, 0.8, 3.63},         {"DoubleFlowFourTimesPressure", 2.4, 1.2, 12.0},
    {"HalfFlowQuarterPressure", 0.2, 0.4, 0.75},
};
INSTANTIATE_TEST_SUITE_P(Chart, PressureForFlowTest, testing::ValuesIn(kPressureRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct DensityRow {
    const char* name;
    double flow;
    double density; // kg/L
    double water;   // l/min of water the size must give
};

class DensityTest : public testing::TestWithParam<DensityRow> {};

// A denser liquid needs the size for q × √d of water, and the whole chart
// for it is the chart of that much water.
TEST_P(DensityTest, ChoosesAsForWaterAtTheRootOfTheDensity) {
    const DensityRow& row = GetParam();
    EXPECT_NEAR(WaterEquivalentFlow(row.flow, row.density), row.water, 1e-12);
    const NozzleChart liquid = ChartForFlow(row.flow, row.density, 1.5, 5.0, '.');
    const NozzleChart water = ChartForFlow(row.water, 1.0, 1.5, 5.0, '.');
    for (std::size_t i = 0; i < kNozzleSizeCount; ++i)
        EXPECT_EQ(liquid.rows[i].pressure, water.rows[i].pressure) << kNozzleSizes[i].name;
    EXPECT_EQ(liquid.recommended, water.recommended);
}

const DensityRow kDensityRows[] = {
    {"Water", 1.0, 1.0, 1.0},
    {"Density121", 1.0, 1.21, 1.1},
    {"Density081", 2.0, 0.81, 1.8},
    {"Density144", 0.5, 1.44, 0.6},
};
INSTANTIATE_TEST_SUITE_P(Chart, DensityTest, testing::ValuesIn(kDensityRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct ChartRowCase {
    const char* name;
    double flow;
    double density;
    double lowest;
    double highest;
    // The pressure column, sizes 01 to 08.
    std::array<const char*, kNozzleSizeCount> pressures;
    int recommended; // index into kNozzleSizes, -1 for none
    ChartNeed need;
    const char* line;
};

class ChartForFlowTest : public testing::TestWithParam<ChartRowCase> {};

TEST_P(ChartForFlowTest, ShowsTheRangeAndRecommends) {
    const ChartRowCase& row = GetParam();
    const NozzleChart chart = ChartForFlow(row.flow, row.density, row.lowest, row.highest, '.');
    for (std::size_t i = 0; i < kNozzleSizeCount; ++i) {
        EXPECT_EQ(chart.rows[i].pressure, row.pressures[i]) << kNozzleSizes[i].name;
        const std::string text = row.pressures[i];
        const ChartFit fit = text == "below range"   ? ChartFit::Below
                             : text == "above range" ? ChartFit::Above
                                                     : ChartFit::Inside;
        EXPECT_EQ(chart.rows[i].fit, fit) << kNozzleSizes[i].name;
    }
    if (row.recommended < 0)
        EXPECT_FALSE(chart.recommended.has_value());
    else
        EXPECT_EQ(chart.recommended, std::size_t(row.recommended));
    EXPECT_EQ(chart.need, row.need);
    EXPECT_EQ(chart.line, row.line);
}

constexpr const char* B = "below range";
constexpr const char* A = "above range";

const ChartRowCase kChartRows[] = {
    // The worked examples.
    {"OneLitreWater",
     1.0,
     1.0,
     1.5,
     5.0,
     {A, A, "4.69", "3.00", "2.08", B, B, B, B},
     3,
     ChartNeed::Nothing,
     "Recommended: 025 (lilac) at 3.00 bar"},
    {"PointEightEightWater",
     0.88,
     1.0,
     1.5,
     5.0,
     {A, A, "3.63", "2.32", "1.61", B, B, B, B},
     2,
     ChartNeed::Nothing,
     "Recommended: 02 (yellow) at 3.63 bar"},
    {"OneLitreDensity12",
     1.0,
     1.2,
     1.5,
     5.0,
     {A, A, A, "3.60", "2.50", B, B, B, B},
     4,
     ChartNeed::Nothing,
     "Recommended: 03 (blue) at 2.50 bar"},
    // The edges of the range, as shown, lie inside it.
    {"RangeOfOnePressure",
     1.0,
     1.0,
     3.0,
     3.0,
     {A, A, A, "3.00", B, B, B, B, B},
     3,
     ChartNeed::Nothing,
     "Recommended: 025 (lilac) at 3.00 bar"},
    {"HighestOnTheShownPressure",
     1.0,
     1.0,
     3.01,
     4.69,
     {A, A, "4.69", B, B, B, B, B, B},
     2,
     ChartNeed::Nothing,
     "Recommended: 02 (yellow) at 4.69 bar"},
    {"LowestOnTheShownPressure",
     1.0,
     1.0,
     2.08,
     2.99,
     {A, A, A, A, "2.08", B, B, B, B},
     4,
     ChartNeed::Nothing,
     "Recommended: 03 (blue) at 2.08 bar"},
    // 2.34 and 3.66 lie equally near 3 bar: the lower pressure wins.
    {"TieGoesToTheLowerPressure",
     0.8834,
     1.0,
     1.5,
     5.0,
     {A, A, "3.66", "2.34", "1.63", B, B, B, B},
     3,
     ChartNeed::Nothing,
     "Recommended: 025 (lilac) at 2.34 bar"},
    // Nothing fits, either way, or between two sizes.
    {"LargerSizeNeeded",
     10.0,
     1.0,
     1.5,
     5.0,
     {A, A, A, A, A, A, A, A, A},
     -1,
     ChartNeed::LargerSize,
     "No size fits the pressure range: a larger size than 08 is needed."},
    {"SmallerSizeNeeded",
     0.1,
     1.0,
     1.5,
     5.0,
     {B, B, B, B, B, B, B, B, B},
     -1,
     ChartNeed::SmallerSize,
     "No size fits the pressure range: a smaller size than 01 is needed."},
    {"DenserNeedsLarger",
     3.6,
     4.0,
     1.5,
     5.0,
     {A, A, A, A, A, A, A, A, A},
     -1,
     ChartNeed::LargerSize,
     "No size fits the pressure range: a larger size than 08 is needed."},
    {"BetweenTwoSizes",
     0.9,
     1.0,
     2.9,
     3.1,
     {A, A, A, B, B, B, B, B, B},
     -1,
     ChartNeed::WiderRange,
     "No size fits the pressure range: the flow lies between two sizes, widen the range."},
};
INSTANTIATE_TEST_SUITE_P(Chart, ChartForFlowTest, testing::ValuesIn(kChartRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct EntriesRow {
    const char* name;
    const char* flow;
    const char* density;
    const char* lowest;
    const char* highest;
    char separator;
    const char* input;  // the input the error names; "" when none
    const char* prompt; // "" when none
    const char* line;   // the chart's line; "" when there is no chart
};

class NozzleChartForTest : public testing::TestWithParam<EntriesRow> {};

TEST_P(NozzleChartForTest, ChecksTheEntriesThenDrawsTheFlow) {
    const EntriesRow& row = GetParam();
    const auto outcome =
        NozzleChartFor({row.flow, row.density, row.lowest, row.highest}, row.separator);
    if (*row.input) {
        ASSERT_TRUE(std::holds_alternative<EntryError>(outcome));
        const EntryError& error = std::get<EntryError>(outcome);
        EXPECT_EQ(error.input, row.input);
        EXPECT_EQ(error.prompt, row.prompt);
        EXPECT_EQ(error.title, "Error");
        return;
    }
    ASSERT_TRUE(std::holds_alternative<std::optional<NozzleChart>>(outcome))
        << std::get<EntryError>(outcome).prompt;
    const auto& chart = std::get<std::optional<NozzleChart>>(outcome);
    if (*row.line) {
        ASSERT_TRUE(chart.has_value());
        EXPECT_EQ(chart->line, row.line);
    } else {
        EXPECT_FALSE(chart.has_value());
    }
}

constexpr const char* kDensityPrompt = "Liquid density (kg/L): enter a number above 0.";
constexpr const char* kLowestPrompt = "Lowest pressure (bar): enter a number above 0.";
constexpr const char* kHighestPrompt = "Highest pressure (bar): enter a number above 0.";
constexpr const char* kOrderPrompt =
    "Lowest pressure (bar): it is above the highest pressure; lower it.";

const EntriesRow kEntriesRows[] = {
    {"Defaults", "1", "1.0", "1.5", "5.0", '.', "", "", "Recommended: 025 (lilac) at 3.00 bar"},
    {"Comma", "0,88", "1,0", "1,5", "5,0", ',', "", "", "Recommended: 02 (yellow) at 3,63 bar"},
    {"NoFlowYet", "", "1.0", "1.5", "5.0", '.', "", "", ""},
    {"FlowZero", "0", "1.0", "1.5", "5.0", '.', "", "", ""},
    {"FlowNegative", "-1", "1.0", "1.5", "5.0", '.', "", "", ""},
    {"DensityEmpty", "1", "", "1.5", "5.0", '.', "density", kDensityPrompt, ""},
    {"DensityZero", "1", "0.0", "1.5", "5.0", '.', "density", kDensityPrompt, ""},
    {"DensityNegative", "1", "-1", "1.5", "5.0", '.', "density", kDensityPrompt, ""},
    {"DensityLetters", "1", "abc", "1.5", "5.0", '.', "density", kDensityPrompt, ""},
    // The entries are checked with no flow to chart, too.
    {"DensityWithoutFlow", "", "x", "1.5", "5.0", '.', "density", kDensityPrompt, ""},
    {"DensityBeforeLowest", "1", "0", "0", "5.0", '.', "density", kDensityPrompt, ""},
    {"LowestZero", "1", "1.0", "0", "5.0", '.', "lowest pressure", kLowestPrompt, ""},
    {"HighestLetters", "1", "1.0", "1.5", "five", '.', "highest pressure", kHighestPrompt, ""},
    {"LowestAboveHighest", "1", "1.0", "6", "5.0", '.', "lowest pressure", kOrderPrompt, ""},
};
INSTANTIATE_TEST_SUITE_P(Chart, NozzleChartForTest, testing::ValuesIn(kEntriesRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct TwoDecimalsRow {
    const char* name;
    double value;
    char separator;
    const char* text;
};

class FormatTwoDecimalsTest : public testing::TestWithParam<TwoDecimalsRow> {};

TEST_P(FormatTwoDecimalsTest, KeepsBothDecimals) {
    const TwoDecimalsRow& row = GetParam();
    EXPECT_EQ(FormatTwoDecimals(row.value, row.separator), row.text);
}

const TwoDecimalsRow kTwoDecimalsRows[] = {
    {"Whole", 3.0, '.', "3.00"},
    {"OneDecimal", 2.5, '.', "2.50"},
    {"Two", 4.69, '.', "4.69"},
    {"Comma", 1.61, ',', "1,61"},
};
INSTANTIATE_TEST_SUITE_P(Chart, FormatTwoDecimalsTest, testing::ValuesIn(kTwoDecimalsRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zelk
