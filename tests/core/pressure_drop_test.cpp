// The nozzle pressure drop calculation, its worked examples and failures.
#include "core/pressure_drop.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace zelk {
namespace {

constexpr const char* kPressurePrompt = "Please Enter Nozzle Chart Pressure";
constexpr const char* kCatchPrompt = "Please Enter Actual Catch in l/min";
constexpr const char* kFlowPrompt = "Please Enter Nozzle Chart Flow in l/min.";

struct ResultRow {
    const char* name;
    const char* pressure; // Text1
    const char* caught;   // Text2
    const char* flow;     // Text3
    char separator;
    const char* expected; // Text4
};

class PressureDropResultTest : public testing::TestWithParam<ResultRow> {};

TEST_P(PressureDropResultTest, ShowsResult) {
    const ResultRow& row = GetParam();
    const auto outcome = PressureDrop(row.pressure, row.caught, row.flow, row.separator);
    ASSERT_TRUE(std::holds_alternative<std::string>(outcome))
        << "error: " << std::get<EntryError>(outcome).prompt;
    EXPECT_EQ(std::get<std::string>(outcome), row.expected);
}

const ResultRow kResultRows[] = {
    // The worked examples.
    {"WorkedExample", "3", "1.2", "1.39", '.', "2.24"},
    {"CatchOne", "3", "1", "1.2", '.', "2.08"},
    // Computes 3.0000002 (the catch is read in single precision), shows 3.
    {"CatchEqualsFlow", "3", "1.2", "1.2", '.', "3"},
    {"CatchEqualsFlowExact", "2.5", "1.5", "1.5", '.', "2.5"},
    {"CatchZero", "3", "0.0", "1.39", '.', "0"},
    {"CatchZeroNegativeFlow", "3", "0.0", "-1.39", '.', "0"},
    {"ChartPressureZero", "0.0", "1.2", "1.39", '.', "0"},
    {"BothNegative", "3", "-1.2", "-1.39", '.', "2.24"},
    {"Comma", "3", "1,2", "1,39", ',', "2,24"},
    {"CommaWhole", "3", "1,2", "1,2", ',', "3"},
    {"Blanks", " 3 ", " 1.2", "1.39 ", '.', "2.24"},
    {"Exponent", "3e0", "12E-1", "1.39", '.', "2.24"},
    {"DoubleTheFlow", "2", "2", "1", '.', "8"},
    {"HalfTheFlow", "4", "1", "2", '.', "1"},
    {"LargeButFinite", "1e300", "1", "1", '.', "1E+300"},
};

INSTANTIATE_TEST_SUITE_P(Table, PressureDropResultTest, testing::ValuesIn(kResultRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorRow {
    const char* name;
    const char* pressure;
    const char* caught;
    const char* flow;
    const char* field;
    const char* prompt;
};

class PressureDropErrorTest : public testing::TestWithParam<ErrorRow> {};

TEST_P(PressureDropErrorTest, ReportsField) {
    const ErrorRow& row = GetParam();
    const auto outcome = PressureDrop(row.pressure, row.caught, row.flow, '.');
    ASSERT_TRUE(std::holds_alternative<EntryError>(outcome))
        << "result: " << std::get<std::string>(outcome);
    EXPECT_EQ(std::get<EntryError>(outcome), (EntryError{row.field, row.prompt, "Error"}));
}

const ErrorRow kErrorRows[] = {
    // The entry check: Text1, Text2, Text3 in order, first failure only.
    {"AllEmpty", "", "", "", "chart pressure", kPressurePrompt},
    {"PressureZero", "0", "1.2", "1.39", "chart pressure", kPressurePrompt},
    {"PressureBlank", " ", "1.2", "1.39", "chart pressure", kPressurePrompt},
    {"PressureLetters", "abc", "1.2", "1.39", "chart pressure", kPressurePrompt},
    {"CatchAndFlowEmpty", "3", "", "", "catch", kCatchPrompt},
    {"CatchZero", "3", "0", "1.39", "catch", kCatchPrompt},
    {"CatchComma", "3", "1,2", "1.39", "catch", kCatchPrompt},
    {"FlowEmpty", "3", "1.2", "", "chart flow", kFlowPrompt},
    {"FlowZero", "3", "1.2", "0", "chart flow", kFlowPrompt},
    {"FlowTwoSeparators", "3", "1.2", "1.3.9", "chart flow", kFlowPrompt},
    // Calculations that cannot produce a number.
    {"FlowNumericallyZero", "3", "1.2", "0.0", "chart flow", kFlowPrompt},
    {"FlowDoubleZero", "3", "1.2", "00", "chart flow", kFlowPrompt},
    {"FlowMinusZero", "3", "1.2", "-0", "chart flow", kFlowPrompt},
    {"NegativePressure", "-3", "1.2", "1.39", "chart pressure", kPressurePrompt},
    {"NegativeCatch", "3", "-1.2", "1.39", "catch", kCatchPrompt},
    {"NegativeFlow", "3", "1.2", "-1.39", "catch", kCatchPrompt},
    {"PressureBeyondDouble", "1E+400", "1.2", "1.39", "chart pressure", kPressurePrompt},
    {"CatchBeyondSingle", "3", "1E+40", "1.39", "catch", kCatchPrompt},
    {"FlowBeyondDouble", "3", "1.2", "1E+400", "chart flow", kFlowPrompt},
    {"QuotientOverflows", "1e300", "1e30", "1e-300", "chart flow", kFlowPrompt},
    {"FinalPowerOverflows", "1e308", "10", "1", "catch", kCatchPrompt},
};

INSTANTIATE_TEST_SUITE_P(Table, PressureDropErrorTest, testing::ValuesIn(kErrorRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PressureDrop, ReportsOnlyTheFirstFailingField) {
    const auto first = PressureDrop("", "", "", '.');
    ASSERT_TRUE(std::holds_alternative<EntryError>(first));
    EXPECT_EQ(std::get<EntryError>(first).input, "chart pressure");
    const auto second = PressureDrop("3", "", "", '.');
    ASSERT_TRUE(std::holds_alternative<EntryError>(second));
    EXPECT_EQ(std::get<EntryError>(second).input, "catch");
    const auto third = PressureDrop("3", "1.2", "", '.');
    ASSERT_TRUE(std::holds_alternative<EntryError>(third));
    EXPECT_EQ(std::get<EntryError>(third).input, "chart flow");
}

} // namespace
} // namespace zelk
