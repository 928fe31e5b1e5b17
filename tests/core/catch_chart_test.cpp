// The catch test chart: the bars drawn from an evaluation, their deviation,
// and the wear check against a new nozzle of the chosen size.
#include "core/catch_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace zelk {
namespace {

// The evaluation's results for these catches (ml, nozzles 1, 2, ...), at
// the given variation and catch time, pressure 3.
CatchResults Evaluate(const std::vector<const char*>& catches, const char* variation = "10",
                      const char* time = "30") {
    CatchEntries entries{variation, time, "3", {}};
    for (std::size_t i = 0; i < catches.size(); ++i)
        entries.nozzles[i] = catches[i];
    const CatchOutcome outcome = EvaluateCatchTest(entries, '.');
    EXPECT_TRUE(std::holds_alternative<CatchResults>(outcome));
    return std::holds_alternative<CatchResults>(outcome) ? std::get<CatchResults>(outcome)
                                                         : CatchResults{};
}

struct WearRow {
    const char* name;
    double flow;    // l/min
    double newFlow; // l/min
    double limit;   // per cent
    Wear wear;
};

class ClassifyWearTest : public testing::TestWithParam<WearRow> {};

TEST_P(ClassifyWearTest, ComparesWithANewNozzle) {
    const WearRow& row = GetParam();
    EXPECT_EQ(ClassifyWear(row.flow, row.newFlow, row.limit), row.wear);
}

const WearRow kWearRows[] = {
    // Size 03 at 3 bar gives 1.2 l/min new; the worked example's catches in 30 s.
    {"Catch670IsWorn", CatchFlow(670, 30), 1.2, 10, Wear::Worn},
    {"Catch650IsFine", CatchFlow(650, 30), 1.2, 10, Wear::Fine},
    {"Catch520IsToCheck", CatchFlow(520, 30), 1.2, 10, Wear::Check},
    // On the limit is still fine; just past it is not.
    {"OnTheLimitAbove", 2.5, 2.0, 25, Wear::Fine},
    {"OnTheLimitBelow", 1.5, 2.0, 25, Wear::Fine},
    {"PastTheLimitAbove", 2.5, 2.0, 24.9, Wear::Worn},
    {"PastTheLimitBelow", 1.5, 2.0, 24.9, Wear::Check},
    {"AsNew", 1.2, 1.2, 10, Wear::Fine},
};
INSTANTIATE_TEST_SUITE_P(Chart, ClassifyWearTest, testing::ValuesIn(kWearRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct FlowRow {
    const char* name;
    double millilitres;
    double seconds;
    double flow;
};

class CatchFlowTest : public testing::TestWithParam<FlowRow> {};

TEST_P(CatchFlowTest, MillilitresPerCatchAsLitresPerMinute) {
    const FlowRow& row = GetParam();
    EXPECT_NEAR(CatchFlow(row.millilitres, row.seconds), row.flow, 1e-12);
}

const FlowRow kFlowRows[] = {
    {"Catch670In30s", 670, 30, 1.34},
    {"Catch520In30s", 520, 30, 1.04},
    {"Catch600In60s", 600, 60, 0.6},
    {"Catch100In20s", 100, 20, 0.3},
};
INSTANTIATE_TEST_SUITE_P(Chart, CatchFlowTest, testing::ValuesIn(kFlowRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct DeviationRow {
    const char* name;
    double percent;
    const char* text;
};

class DeviationTextTest : public testing::TestWithParam<DeviationRow> {};

TEST_P(DeviationTextTest, WholePerCentWithItsSign) {
    const DeviationRow& row = GetParam();
    EXPECT_EQ(DeviationText(row.percent), row.text);
}

const DeviationRow kDeviationRows[] = {
    {"Above", 12.4, "+12 %"},          {"Below", -3.2, "-3 %"},
    {"NearZeroAbove", 0.4, "0 %"},     {"NearZeroBelow", -0.4, "0 %"},
    {"HalfToEvenDown", 12.5, "+12 %"}, {"HalfToEvenUp", 13.5, "+14 %"},
};
INSTANTIATE_TEST_SUITE_P(Chart, DeviationTextTest, testing::ValuesIn(kDeviationRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct ChartRow {
    const char* name;
    std::vector<const char*> catches; // ml, nozzles 1, 2, ...
    bool checkWear;                   // size 03, limit 10, 30 s, 3 bar
    std::vector<int> bars;            // the nozzles drawn
    std::vector<const char*> deviations;
    std::vector<int> low, high, worn, check;
    const char* summary;
    const char* description;
};

class ChartOfCatchTestTest : public testing::TestWithParam<ChartRow> {};

template <class Pick> std::vector<int> Nozzles(const CatchChartModel& model, Pick&& pick) {
    std::vector<int> nozzles;
    for (const CatchBar& bar : model.bars)
        if (pick(bar))
            nozzles.push_back(bar.nozzle);
    return nozzles;
}

TEST_P(ChartOfCatchTestTest, DrawsTheBarsBandAndMarks) {
    const ChartRow& row = GetParam();
    const CatchResults results = Evaluate(row.catches);
    const std::optional<WearEntries> wear =
        row.checkWear ? std::optional<WearEntries>(WearEntries{4, "10", "30", "3"}) : std::nullopt;
    const auto outcome = ChartOfCatchTest(results, wear, '.');
    ASSERT_TRUE(std::holds_alternative<CatchChartModel>(outcome))
        << std::get<EntryError>(outcome).prompt;
    const CatchChartModel& model = std::get<CatchChartModel>(outcome);

    EXPECT_DOUBLE_EQ(model.average, std::stod(results.summary.average));
    EXPECT_DOUBLE_EQ(model.minimum, std::stod(results.summary.minimum));
    EXPECT_DOUBLE_EQ(model.maximum, std::stod(results.summary.maximum));
    EXPECT_EQ(Nozzles(model, [](const CatchBar&) { return true; }), row.bars);
    std::vector<std::string> deviations;
    for (const CatchBar& bar : model.bars)
        deviations.push_back(bar.deviation);
    EXPECT_EQ(deviations, std::vector<std::string>(row.deviations.begin(), row.deviations.end()));
    EXPECT_EQ(Nozzles(model, [](const CatchBar& b) { return b.low; }), row.low);
    EXPECT_EQ(Nozzles(model, [](const CatchBar& b) { return b.high; }), row.high);
    EXPECT_EQ(Nozzles(model, [](const CatchBar& b) { return b.wear == Wear::Worn; }), row.worn);
    EXPECT_EQ(Nozzles(model, [](const CatchBar& b) { return b.wear == Wear::Check; }), row.check);
    EXPECT_EQ(model.wearChecked, row.checkWear);
    EXPECT_EQ(WearSummary(model), row.summary);
    EXPECT_EQ(ChartDescription(model), row.description);
}

const ChartRow kChartRows[] = {
    // The catch test's worked example: average 502, band 451.8 to 552.2.
    {"WorkedExample",
     {"500", "520", "480", "450", "560"},
     false,
     {1, 2, 3, 4, 5},
     {"0 %", "+4 %", "-4 %", "-10 %", "+12 %"},
     {4},
     {5},
     {},
     {},
     "",
     "Outside the allowed band: 4 (low), 5 (high)."},
    // Empty and zero nozzles get no bar; the others keep their numbers.
    {"GapsKeepTheNumbers",
     {"500", "", "500", "0", "500"},
     false,
     {1, 3, 5},
     {"0 %", "0 %", "0 %"},
     {},
     {},
     {},
     {},
     "",
     "Every nozzle is inside the allowed band."},
    // Size 03 at 3 bar, 30 s: new 1.2 l/min, that is 600 ml a catch.
    {"WearAgainstSize03",
     {"670", "650", "520", "600"},
     true,
     {1, 2, 3, 4},
     {"+10 %", "+7 %", "-15 %", "-2 %"},
     {3},
     {},
     {1},
     {3},
     "Worn, replace: 1. Check for blockage: 3.",
     "Outside the allowed band: 3 (low). Worn, replace: 1. Check for blockage: 3."},
    {"WornAndBlockedAlongTheBoom",
     {"600", "600", "600", "665", "600", "600", "520", "600", "600", "600", "680"},
     true,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
     {"-1 %", "-1 %", "-1 %", "+10 %", "-1 %", "-1 %", "-14 %", "-1 %", "-1 %", "-1 %", "+12 %"},
     {7},
     {11},
     {4, 11},
     {7},
     "Worn, replace: 4, 11. Check for blockage: 7.",
     "Outside the allowed band: 7 (low), 11 (high). Worn, replace: 4, 11. Check for blockage: "
     "7."},
    {"AllAsNew",
     {"600", "610", "590"},
     true,
     {1, 2, 3},
     {"0 %", "+2 %", "-2 %"},
     {},
     {},
     {},
     {},
     "Every nozzle is within the wear limit of a new one.",
     "Every nozzle is inside the allowed band. Every nozzle is within the wear limit of a new "
     "one."},
};
INSTANTIATE_TEST_SUITE_P(Chart, ChartOfCatchTestTest, testing::ValuesIn(kChartRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct WearErrorRow {
    const char* name;
    const char* limit;
    const char* time;
    const char* pressure;
    const char* input;
    const char* prompt;
};

class WearErrorTest : public testing::TestWithParam<WearErrorRow> {};

TEST_P(WearErrorTest, NamesTheEntry) {
    const WearErrorRow& row = GetParam();
    // The evaluation refuses a negative catch time itself; the wear check
    // guards its own copy of the entries all the same.
    const auto outcome = ChartOfCatchTest(Evaluate({"600", "610"}),
                                          WearEntries{4, row.limit, row.time, row.pressure}, '.');
    ASSERT_TRUE(std::holds_alternative<EntryError>(outcome));
    const EntryError& error = std::get<EntryError>(outcome);
    EXPECT_EQ(error.input, row.input);
    EXPECT_EQ(error.prompt, row.prompt);
    EXPECT_EQ(error.title, "Error");
}

constexpr const char* kLimitPrompt = "Wear limit (%): enter a number above 0.";
const WearErrorRow kWearErrorRows[] = {
    {"LimitEmpty", "", "30", "3", "wear limit", kLimitPrompt},
    {"LimitZero", "0", "30", "3", "wear limit", kLimitPrompt},
    {"LimitNegative", "-5", "30", "3", "wear limit", kLimitPrompt},
    {"LimitLetters", "ten", "30", "3", "wear limit", kLimitPrompt},
    {"TimeNegative", "10", "-30", "3", "catch time",
     "Enter a catch time above 0 seconds to compare with a new nozzle."},
    {"PressureNegative", "10", "30", "-3", "pressure",
     "Enter a pressure above 0 bar to compare with a new nozzle."},
};
INSTANTIATE_TEST_SUITE_P(Chart, WearErrorTest, testing::ValuesIn(kWearErrorRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zelk
