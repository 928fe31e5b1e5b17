// The nozzle selection calculation: worked examples, entry failures, the
// range read back from the shown flow, and the job record group.
#include "core/nozzle_selection.h"

#include "core/job_record.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace zelk {
namespace {

constexpr const char* kRatePrompt = "Please Enter Desired Application Rate";
constexpr const char* kSpeedPrompt = "Please Enter km/h";
constexpr const char* kSpacingPrompt = "Please Enter Nozzle Spacing";

struct ResultRow {
    const char* name;
    const char* rate;    // Text1
    const char* speed;   // Text2
    const char* spacing; // Text3
    char separator;
    const char* flow;  // Text4(0)
    const char* upper; // Text4(1)
    const char* lower; // Text4(2)
};

class NozzleSelectionResultTest : public testing::TestWithParam<ResultRow> {};

TEST_P(NozzleSelectionResultTest, ShowsFlowAndRange) {
    const ResultRow& row = GetParam();
    const auto outcome = NozzleSelection(row.rate, row.speed, row.spacing, row.separator);
    ASSERT_TRUE(std::holds_alternative<NozzleFlows>(outcome))
        << "error: " << std::get<EntryError>(outcome).prompt;
    const NozzleFlows& flows = std::get<NozzleFlows>(outcome);
    EXPECT_EQ(flows.flow, row.flow);
    ASSERT_TRUE(std::holds_alternative<NozzleRange>(flows.range))
        << "range error: " << std::get<EntryError>(flows.range).prompt;
    const NozzleRange& range = std::get<NozzleRange>(flows.range);
    EXPECT_EQ(range.upper, row.upper);
    EXPECT_EQ(range.lower, row.lower);
}

const ResultRow kResultRows[] = {
    // The worked examples.
    {"Rate200Speed6Spacing50", "200", "6", "50", '.', "1", "1.05", "0.95"},
    // 0.875 lies half way and goes to the even 0.88.
    {"HalfWayToEven", "150", "7", "50", '.', "0.88", "0.92", "0.84"},
    // The range comes from 0.67 read in single precision: 0.7035000… → 0.7.
    {"UpperFromShownFlow", "100", "8", "50", '.', "0.67", "0.7", "0.64"},
    {"RateZeroPointZero", "0.0", "6", "50", '.', "0", "0", "0"},
    {"SpeedDoubleZero", "200", "00", "50", '.', "0", "0", "0"},
    // A negative flow turns the marks round: "+" holds the more negative end.
    {"NegativeSpeed", "200", "-6", "50", '.', "-1", "-1.05", "-0.95"},
    {"Comma", "150", "7,5", "50", ',', "0,94", "0,99", "0,89"},
    {"BlanksAndExponent", " 2e2 ", "6 ", " 5E1", '.', "1", "1.05", "0.95"},
    // F = 0.1 in single precision is 0.100000001…, so F × 0.95 = 0.0950000014…
    // rounds up to 0.1 (from the double 0.1 it would round down to 0.09).
    {"LowerEndFromSingleReadBack", "0.1", "60000", "1", '.', "0.1", "0.11", "0.1"},
    // 1666666.67 reads back as 1666666.625, which moves both ends.
    {"LargeFlowReadBack", "10000", "100", "100000", '.', "1666666.67", "1749999.96", "1583333.29"},
};

INSTANTIATE_TEST_SUITE_P(Table, NozzleSelectionResultTest, testing::ValuesIn(kResultRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorRow {
    const char* name;
    const char* rate;
    const char* speed;
    const char* spacing;
    const char* field;
    const char* prompt;
};

class NozzleSelectionErrorTest : public testing::TestWithParam<ErrorRow> {};

TEST_P(NozzleSelectionErrorTest, ReportsFieldBeforeAnyResult) {
    const ErrorRow& row = GetParam();
    const auto outcome = NozzleSelection(row.rate, row.speed, row.spacing, '.');
    ASSERT_TRUE(std::holds_alternative<EntryError>(outcome))
        << "flow: " << std::get<NozzleFlows>(outcome).flow;
    EXPECT_EQ(std::get<EntryError>(outcome), (EntryError{row.field, row.prompt, "Error"}));
}

const ErrorRow kErrorRows[] = {
    {"AllEmpty", "", "", "", "rate", kRatePrompt},
    {"RateZero", "0", "6", "50", "rate", kRatePrompt},
    {"RateBlank", " ", "6", "50", "rate", kRatePrompt},
    {"SpeedZero", "200", "0", "50", "speed", kSpeedPrompt},
    {"SpeedLetters", "200", "six", "50", "speed", kSpeedPrompt},
    {"SpacingEmpty", "200", "6", "", "spacing", kSpacingPrompt},
    {"SpacingComma", "200", "6", "5,0", "spacing", kSpacingPrompt},
    // Numeric, but beyond the single precision range.
    {"RateBeyondSingle", "1E+40", "6", "50", "rate", kRatePrompt},
    {"SpeedBeyondSingle", "200", "-1E+40", "50", "speed", kSpeedPrompt},
    {"SpacingBeyondSingle", "200", "6", "1E+40", "spacing", kSpacingPrompt},
    // The entry rule runs over all three fields before any conversion.
    {"EntryRuleBeforeRange", "1E+40", "0", "50", "speed", kSpeedPrompt},
};

INSTANTIATE_TEST_SUITE_P(Table, NozzleSelectionErrorTest, testing::ValuesIn(kErrorRows),
                         [](const auto& info) { return std::string(info.param.name); });

// A flow that does not fit a single cannot be read back: Text4(0) is still
// written, the range is not.
TEST(NozzleSelection, FlowTooLargeForTheRangeStopsAfterTheFlow) {
    const auto outcome = NozzleSelection("3e38", "3e38", "1", '.');
    ASSERT_TRUE(std::holds_alternative<NozzleFlows>(outcome));
    const NozzleFlows& flows = std::get<NozzleFlows>(outcome);
    EXPECT_EQ(flows.flow.substr(flows.flow.size() - 4), "E+72") << flows.flow;
    ASSERT_TRUE(std::holds_alternative<EntryError>(flows.range));
    const EntryError& error = std::get<EntryError>(flows.range);
    EXPECT_EQ(error.input, "rate");
    EXPECT_EQ(error.title, "Error");
    EXPECT_FALSE(error.prompt.empty());
}

TEST(NozzleSelection, LargestFlowThatReadsBackHasARange) {
    // 3e38 × 1 × 60000 ÷ 60000 = 3e38 (as read in single precision), still a single.
    const auto outcome = NozzleSelection("3e38", "1", "60000", '.');
    ASSERT_TRUE(std::holds_alternative<NozzleFlows>(outcome));
    EXPECT_TRUE(std::holds_alternative<NozzleRange>(std::get<NozzleFlows>(outcome).range));
}

JobRecord FilledGroup() {
    JobRecord record;
    record.selRate = "old rate\n";
    record.selSpeed = "old speed\n";
    record.selSpacing = "old spacing\n";
    record.selFlow = "old flow\n";
    record.selMaxFlow = "old max\n";
    record.selMinFlow = "old min\n";
    return record;
}

TEST(NozzleSelectionRecord, LoadEmptiesTheGroupAndNothingElse) {
    JobRecord record = FilledGroup();
    record.rateFlow = "l/min per Nozzle - 1\n";
    record.infoCompany = "Company Name - X\n";
    ClearNozzleSelection(record);
    for (const std::string* field : {&record.selRate, &record.selSpeed, &record.selSpacing,
                                     &record.selFlow, &record.selMaxFlow, &record.selMinFlow})
        EXPECT_EQ(*field, "");
    EXPECT_EQ(record.rateFlow, "l/min per Nozzle - 1\n");
    EXPECT_EQ(record.infoCompany, "Company Name - X\n");
}

TEST(NozzleSelectionRecord, CloseStoresTheSixLinesAsShown) {
    JobRecord record;
    StoreNozzleSelection(record, {"200", "6", "50", "1", "1.05", "0.95"});
    EXPECT_EQ(record.selRate, "Desired Application Rate (Liters per Hectar) - 200 L/ha\n");
    EXPECT_EQ(record.selSpeed, "Application Speed - 6 km/h\n");
    EXPECT_EQ(record.selSpacing, "Nozzle Spacing - 50 Centimeters\n");
    EXPECT_EQ(record.selFlow, "Liters per Minute (Per Nozzle) - 1 l/min\n");
    EXPECT_EQ(record.selMaxFlow, "Maximum Liters per Minute (Per Nozzle) - 1.05 l/min\n");
    EXPECT_EQ(record.selMinFlow, "Minimum Liters per Minute (Per Nozzle) - 0.95 l/min\n");
}

TEST(NozzleSelectionRecord, CloseStoresLettersUntested) {
    JobRecord record;
    StoreNozzleSelection(record, {"lots", "", "", "", "", ""});
    EXPECT_EQ(record.selRate, "Desired Application Rate (Liters per Hectar) - lots L/ha\n");
}

TEST(NozzleSelectionRecord, EmptyFieldsLeaveTheirLinesAlone) {
    JobRecord record = FilledGroup();
    StoreNozzleSelection(record, {"200", "6", "50", "", "", ""});
    EXPECT_EQ(record.selRate, "Desired Application Rate (Liters per Hectar) - 200 L/ha\n");
    EXPECT_EQ(record.selSpeed, "Application Speed - 6 km/h\n");
    EXPECT_EQ(record.selSpacing, "Nozzle Spacing - 50 Centimeters\n");
    EXPECT_EQ(record.selFlow, "old flow\n");
    EXPECT_EQ(record.selMaxFlow, "old max\n");
    EXPECT_EQ(record.selMinFlow, "old min\n");
}

} // namespace
} // namespace zelk
