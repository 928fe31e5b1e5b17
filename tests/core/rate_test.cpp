// The calibration rate calculation, its failures and its job record group.
#include "core/rate.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace zelk {
namespace {

constexpr const char* kFlowPrompt = "Please Enter L/ha";
constexpr const char* kSpeedPrompt = "Please Enter km/h";
constexpr const char* kSpacingPrompt = "Please Enter Nozzle Spacing";

struct ResultRow {
    const char* name;
    const char* flow;    // Text1, l/min
    const char* speed;   // Text2, km/h
    const char* spacing; // Text3, cm
    char separator;
    const char* expected; // Text4, L/ha
};

class CalibrationRateResultTest : public testing::TestWithParam<ResultRow> {};

TEST_P(CalibrationRateResultTest, ShowsRate) {
    const ResultRow& row = GetParam();
    const auto outcome = CalibrationRate(row.flow, row.speed, row.spacing, row.separator);
    ASSERT_TRUE(std::holds_alternative<std::string>(outcome))
        << "error: " << std::get<EntryError>(outcome).prompt;
    EXPECT_EQ(std::get<std::string>(outcome), row.expected);
}

const ResultRow kResultRows[] = {
    // The worked examples.
    {"rate_1_5_7_50", "1.5", "7", "50", '.', "257.14"},
    {"rate_1_8_50", "1", "8", "50", '.', "150"},
    // 1.01 read in single precision computes 201.9999981 before rounding.
    {"rate_1_01_6_50", "1.01", "6", "50", '.', "202"},
    // Single precision shows at 2 decimals: 1000.1 is read as 1000.0999755859375
    // (a double reading would give 60006000).
    {"single_reading_1000_1", "1000.1", "1", "1", '.', "60005998.54"},
    {"negative_flow", "-1.5", "7", "50", '.', "-257.14"},
    {"negative_speed_and_spacing", "1.5", "-7", "-50", '.', "257.14"},
    {"flow_numerically_zero", "0.0", "7", "50", '.', "0"},
    {"flow_double_zero", "00", "7", "50", '.', "0"},
    {"blanks_around", " 1.5 ", " 7", "50 ", '.', "257.14"},
    {"exponent", "15e-1", "7E0", "5e1", '.', "257.14"},
    {"comma_separator", "1,5", "7", "50", ',', "257,14"},
    // 0.125 is exactly halfway at 2 decimals: half to even gives 0.12.
    {"half_to_even", "0.125", "60000", "1", '.', "0.12"},
    // The smallest single spacing and speed still give a finite quotient.
    {"smallest_divisors", "1e38", "1e-45", "1e-45", '.', "3.0555538668113E+132"},
};

INSTANTIATE_TEST_SUITE_P(Table, CalibrationRateResultTest, testing::ValuesIn(kResultRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorRow {
    const char* name;
    const char* flow;
    const char* speed;
    const char* spacing;
    const char* field;
    const char* prompt;
};

class CalibrationRateErrorTest : public testing::TestWithParam<ErrorRow> {};

TEST_P(CalibrationRateErrorTest, ReportsField) {
    const ErrorRow& row = GetParam();
    const auto outcome = CalibrationRate(row.flow, row.speed, row.spacing, '.');
    ASSERT_TRUE(std::holds_alternative<EntryError>(outcome))
        << "result: " << std::get<std::string>(outcome);
    EXPECT_EQ(std::get<EntryError>(outcome), (EntryError{row.field, row.prompt, "Error"}));
}

const ErrorRow kErrorRows[] = {
    // The entry check: Text1, Text2, Text3 in order, the first failure only.
    {"all_empty", "", "", "", "flow", kFlowPrompt},
    {"flow_zero", "0", "7", "50", "flow", kFlowPrompt},
    {"flow_blank", " ", "7", "50", "flow", kFlowPrompt},
    {"flow_letters", "abc", "7", "50", "flow", kFlowPrompt},
    {"speed_and_spacing_empty", "1.5", "", "", "speed", kSpeedPrompt},
    {"speed_zero", "1.5", "0", "50", "speed", kSpeedPrompt},
    {"speed_with_unit", "1.5", "7 km/h", "50", "speed", kSpeedPrompt},
    {"spacing_empty", "1.5", "7", "", "spacing", kSpacingPrompt},
    {"spacing_zero", "1.5", "7", "0", "spacing", kSpacingPrompt},
    {"spacing_comma_in_point_locale", "1.5", "7", "5,0", "spacing", kSpacingPrompt},
    // Calculations that cannot produce a number.
    {"speed_numerically_zero", "1.5", "0.0", "50", "speed", kSpeedPrompt},
    {"spacing_numerically_zero", "1.5", "7", "00", "spacing", kSpacingPrompt},
    {"spacing_minus_zero", "1.5", "7", "-0", "spacing", kSpacingPrompt},
    {"both_numerically_zero", "1.5", "0.0", "0.0", "speed", kSpeedPrompt},
    // Below the smallest single: read as zero.
    {"spacing_underflows", "1.5", "7", "1e-50", "spacing", kSpacingPrompt},
    {"flow_beyond_single", "1E+40", "7", "50", "flow", kFlowPrompt},
    {"speed_beyond_single", "1.5", "-1E+39", "50", "speed", kSpeedPrompt},
    {"spacing_beyond_single", "1.5", "7", "1E+40", "spacing", kSpacingPrompt},
};

INSTANTIATE_TEST_SUITE_P(Table, CalibrationRateErrorTest, testing::ValuesIn(kErrorRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct CloseRow {
    const char* name;
    const char* text1;
    const char* text2;
    const char* text3;
    const char* rateFlow;
    const char* rateSpeed;
    const char* rateSpacing;
};

class RateCloseTest : public testing::TestWithParam<CloseRow> {};

TEST_P(RateCloseTest, StoresTheNonEmptyEntries) {
    const CloseRow& row = GetParam();
    JobRecord record;
    record.speedKmh = "km/h - 12\n";
    StoreRateGroup(record, row.text1, row.text2, row.text3);
    EXPECT_EQ(record.rateFlow, row.rateFlow);
    EXPECT_EQ(record.rateSpeed, row.rateSpeed);
    EXPECT_EQ(record.rateSpacing, row.rateSpacing);
    EXPECT_EQ(record.speedKmh, "km/h - 12\n"); // another group stays as it was
}

const CloseRow kCloseRows[] = {
    {"all_three", "1", "8", "50", "l/min per Nozzle - 1 l/min\n", "km/h - 8 km/h\n",
     "Nozzle Spacing - 50 Centimeters\n"},
    {"only_spacing", "", "", "50", "", "", "Nozzle Spacing - 50 Centimeters\n"},
    {"only_handed_over", "1.01", "13.33", "", "l/min per Nozzle - 1.01 l/min\n",
     "km/h - 13.33 km/h\n", ""},
    {"letters_as_typed", "abc", "0", " 7 ", "l/min per Nozzle - abc l/min\n", "km/h - 0 km/h\n",
     "Nozzle Spacing -  7  Centimeters\n"},
    {"nothing", "", "", "", "", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Table, RateCloseTest, testing::ValuesIn(kCloseRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RateLoad, EmptiesOnlyTheRateGroup) {
    JobRecord record;
    StoreRateGroup(record, "1", "8", "50");
    record.speedKmh = "km/h - 12\n";
    record.nozzleFlow = "l/min per Nozzle - 1 l/min\n";
    ClearRateGroup(record);
    EXPECT_EQ(record.rateFlow, "");
    EXPECT_EQ(record.rateSpeed, "");
    EXPECT_EQ(record.rateSpacing, "");
    EXPECT_EQ(record.speedKmh, "km/h - 12\n");
    EXPECT_EQ(record.nozzleFlow, "l/min per Nozzle - 1 l/min\n");
}

} // namespace
} // namespace zelk
