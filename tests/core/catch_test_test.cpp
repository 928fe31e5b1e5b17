// The catch test evaluation, its failures, and the uniformity screen's job
// record group.
#include "core/catch_test.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zelk {
namespace {

constexpr const char* kVariationPrompt = "Please Enter Variation Percentage";
constexpr const char* kCatchTimePrompt = "Please Enter Catch Time";
constexpr const char* kPressurePrompt = "Please Enter Pressure";

// Nozzle 1 onwards; the nozzles not given stay empty.
CatchEntries Entries(const char* variation, const char* catchTime, const char* pressure,
                     const std::vector<std::string>& nozzles) {
    CatchEntries entries{variation, catchTime, pressure, {}};
    for (std::size_t i = 0; i < nozzles.size(); ++i)
        entries.nozzles[i] = nozzles[i];
    return entries;
}

// The nozzles (numbered from 1) whose mark is shown.
std::vector<int> Marked(const NozzleMarks& marks) {
    std::vector<int> nozzles;
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (marks[i])
            nozzles.push_back(static_cast<int>(i) + 1);
    return nozzles;
}

struct ResultRow {
    const char* name;
    const char* variation;
    const char* catchTime;
    std::vector<std::string> nozzles;
    char separator;
    CatchSummary summary;
    std::vector<int> low;
    std::vector<int> high;
};

class CatchTestResultTest : public testing::TestWithParam<ResultRow> {};

TEST_P(CatchTestResultTest, ShowsResultsAndMarks) {
    const ResultRow& row = GetParam();
    const auto outcome =
        EvaluateCatchTest(Entries(row.variation, row.catchTime, "3", row.nozzles), row.separator);
    ASSERT_TRUE(std::holds_alternative<CatchResults>(outcome))
        << (std::holds_alternative<EntryError>(outcome) ? std::get<EntryError>(outcome).prompt
                                                        : std::string("no catch"));
    const CatchResults& results = std::get<CatchResults>(outcome);
    EXPECT_EQ(results.summary.average, row.summary.average);
    EXPECT_EQ(results.summary.flow, row.summary.flow);
    EXPECT_EQ(results.summary.minimum, row.summary.minimum);
    EXPECT_EQ(results.summary.maximum, row.summary.maximum);
    EXPECT_EQ(Marked(results.low), row.low);
    EXPECT_EQ(Marked(results.high), row.high);
}

const ResultRow kResultRows[] = {
    // The worked examples.
    {"catch_502_low4_high5",
     "10",
     "30",
     {"500", "520", "480", "450", "560"},
     '.',
     {"502", "451.8", "552.2", "1"},
     {4},
     {5}},
    // The band comes from the displayed 505.6667: the exact quotient would give
    // a maximum of 556.2333.
    {"catch_505_6667",
     "10",
     "30",
     {"500", "505", "512"},
     '.',
     {"505.6667", "455.1", "556.2334", "1.01"},
     {},
     {}},
    // A value equal to a limit (as single precision numbers) is inside the band.
    {"band_edges_unmarked",
     "10",
     "30",
     {"451.8", "502", "552.2"},
     '.',
     {"502", "451.8", "552.2", "1"},
     {},
     {}},
    {"just_outside_the_band",
     "10",
     "30",
     {"451.7", "502", "552.3"},
     '.',
     {"502", "451.8", "552.2", "1"},
     {1},
     {3}},
    // Variation 0.0 passes: the band is the average itself.
    {"variation_0_0",
     "0.0",
     "30",
     {"500", "510", "490"},
     '.',
     {"500", "500", "500", "1"},
     {3},
     {2}},
    {"gaps_between_nozzles",
     "10",
     "60",
     {"", "500", "", "520"},
     '.',
     {"510", "459", "561", "0.51"},
     {},
     {}},
    {"nozzle_18_only",
     "5",
     "20",
     {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "400"},
     '.',
     {"400", "380", "420", "1.2"},
     {},
     {}},
    {"blanks_and_exponent",
     "10",
     "30",
     {" 5e2 ", "0.0", "00", "-0"},
     '.',
     {"500", "450", "550", "1"},
     {},
     {}},
    {"comma_separator",
     "7,5",
     "30",
     {"500,5", "500,5"},
     ',',
     {"500,5", "462,9625", "538,0375", "1"},
     {},
     {}},
};

INSTANTIATE_TEST_SUITE_P(Table, CatchTestResultTest, testing::ValuesIn(kResultRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CatchTest, EmptyNozzleFieldsBecomeZero) {
    const auto outcome =
        EvaluateCatchTest(Entries("10", "30", "3", {"500", "520", "480", "450", "560"}), '.');
    ASSERT_TRUE(std::holds_alternative<CatchResults>(outcome));
    const NozzleTexts& nozzles = std::get<CatchResults>(outcome).nozzles;
    EXPECT_EQ(nozzles[0], "500");
    EXPECT_EQ(nozzles[4], "560");
    for (std::size_t i = 5; i < nozzles.size(); ++i)
        EXPECT_EQ(nozzles[i], "0") << "nozzle " << i + 1;
}

struct NoCatchRow {
    const char* name;
    const char* catchTime;
    std::vector<std::string> nozzles;
    std::vector<std::string> shown; // nozzle 1 onwards, the rest "0"
};

class CatchTestNoCatchTest : public testing::TestWithParam<NoCatchRow> {};

TEST_P(CatchTestNoCatchTest, AsksForCatchInformation) {
    const NoCatchRow& row = GetParam();
    const auto outcome = EvaluateCatchTest(Entries("10", row.catchTime, "3", row.nozzles), '.');
    ASSERT_TRUE(std::holds_alternative<NoCatch>(outcome));
    const NoCatch& noCatch = std::get<NoCatch>(outcome);
    EXPECT_EQ(noCatch.prompt, "Enter Nozzle Catch Information");
    EXPECT_EQ(noCatch.title, "Error!");
    for (std::size_t i = 0; i < noCatch.nozzles.size(); ++i) {
        const std::string expected = i < row.shown.size() ? row.shown[i] : "0";
        EXPECT_EQ(noCatch.nozzles[i], expected) << "nozzle " << i + 1;
    }
}

const NoCatchRow kNoCatchRows[] = {
    {"all_nozzles_empty", "30", {}, {}},
    {"zero_only", "30", {"0", "", "0.0"}, {"0", "0", "0.0"}},
    {"minus_zero_is_zero", "30", {"-0"}, {"-0"}},
    // Asked before the flow needs the catch time.
    {"before_the_zero_catch_time", "0.0", {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Table, CatchTestNoCatchTest, testing::ValuesIn(kNoCatchRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorRow {
    const char* name;
    const char* variation;
    const char* catchTime;
    const char* pressure;
    std::vector<std::string> nozzles;
    const char* field;
    std::string prompt;
};

class CatchTestErrorTest : public testing::TestWithParam<ErrorRow> {};

TEST_P(CatchTestErrorTest, ReportsField) {
    const ErrorRow& row = GetParam();
    const auto outcome =
        EvaluateCatchTest(Entries(row.variation, row.catchTime, row.pressure, row.nozzles), '.');
    ASSERT_TRUE(std::holds_alternative<EntryError>(outcome));
    EXPECT_EQ(std::get<EntryError>(outcome), (EntryError{row.field, row.prompt, "Error"}));
}

const std::vector<std::string> kExample = {"500", "520", "480", "450", "560"};

const ErrorRow kErrorRows[] = {
    // The entry check: Text16, Text17(0), Text17(1), the first failure only.
    {"all_empty", "", "", "", {}, "variation", kVariationPrompt},
    {"variation_zero", "0", "30", "3", kExample, "variation", kVariationPrompt},
    {"variation_letters", "ten", "30", "3", kExample, "variation", kVariationPrompt},
    {"time_and_pressure_empty", "10", "", "", kExample, "catch time", kCatchTimePrompt},
    {"time_zero", "10", "0", "3", kExample, "catch time", kCatchTimePrompt},
    {"pressure_letters", "10", "30", "abc", kExample, "pressure", kPressurePrompt},
    {"pressure_zero", "10", "30", "0", kExample, "pressure", kPressurePrompt},
    // The nozzle values, checked before any field is written.
    {"nozzle_3_letters",
     "10",
     "30",
     "3",
     {"500", "520", "abc"},
     "nozzle 3",
     "Please Enter a Number for Nozzle 3"},
    {"nozzle_1_letters_alone",
     "10",
     "30",
     "3",
     {"abc"},
     "nozzle 1",
     "Please Enter a Number for Nozzle 1"},
    {"nozzle_11_blank",
     "10",
     "30",
     "3",
     {"500", "", "", "", "", "", "", "", "", "", " "},
     "nozzle 11",
     "Please Enter a Number for Nozzle 11"},
    {"nozzle_12_with_unit",
     "10",
     "30",
     "3",
     {"500", "", "", "", "", "", "", "", "", "", "", "5 ml"},
     "nozzle 12",
     "Please Enter a Number for Nozzle 12"},
    {"nozzle_18_beyond_single",
     "10",
     "30",
     "3",
     {"500", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "1E+40"},
     "nozzle 18",
     "Please Enter a Number for Nozzle 18"},
    {"sum_beyond_single",
     "10",
     "30",
     "3",
     {"1", "3e38", "3.2e38"},
     "nozzle 3",
     "Please Enter a Number for Nozzle 3"},
    // Steps that cannot produce a number.
    {"time_numerically_zero", "10", "0.0", "3", kExample, "catch time", kCatchTimePrompt},
    {"time_double_zero", "10", "00", "3", kExample, "catch time", kCatchTimePrompt},
    {"time_beyond_double", "10", "1E+400", "3", kExample, "catch time", kCatchTimePrompt},
    {"time_product_overflows", "10", "1e306", "3", kExample, "catch time", kCatchTimePrompt},
    {"flow_overflows", "10", "1e-320", "3", kExample, "catch time", kCatchTimePrompt},
    {"variation_beyond_double", "1E+400", "30", "3", kExample, "variation", kVariationPrompt},
    {"band_beyond_single", "1e39", "30", "3", kExample, "variation", kVariationPrompt},
    // Negatives are refused: a negative variation would turn the band round,
    // a negative catch lower the sum uncounted, a negative time give a
    // negative flow. Minus zero is zero.
    {"variation_negative", "-10", "30", "3", kExample, "variation", kVariationPrompt},
    {"time_negative", "10", "-30", "3", kExample, "catch time", kCatchTimePrompt},
    {"nozzle_3_negative",
     "10",
     "30",
     "3",
     {"500", "520", "-100"},
     "nozzle 3",
     "Please Enter a Number for Nozzle 3"},
    {"only_negative_nozzle",
     "10",
     "30",
     "3",
     {"-5", "", "0.0"},
     "nozzle 1",
     "Please Enter a Number for Nozzle 1"},
};

INSTANTIATE_TEST_SUITE_P(Table, CatchTestErrorTest, testing::ValuesIn(kErrorRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct VolumeRow {
    const char* name;
    const char* text;
    std::optional<std::int16_t> volume;
};

class CatchVolumeTest : public testing::TestWithParam<VolumeRow> {};

TEST_P(CatchVolumeTest, KeepsWholeMillilitres) {
    const VolumeRow& row = GetParam();
    EXPECT_EQ(CatchVolume(row.text, '.'), row.volume);
}

const VolumeRow kVolumeRows[] = {
    {"half_down_to_even", "2.5", 2},
    {"half_up_to_even", "3.5", 4},
    {"negative", "-5", -5},
    // Not zero as a number, so its rounded 0 is stored: the same as nothing.
    {"rounds_to_zero", "0.4", 0},
    {"beyond_16_bit", "40000", std::nullopt},
    {"rounds_beyond_16_bit", "32767.5", std::nullopt},
    {"largest", "32767.4", 32767},
    {"smallest", "-32768", -32768},
    {"letters", "abc", std::nullopt},
    {"empty", "", std::nullopt},
    {"zero", "0", std::nullopt},
    {"numerically_zero", "0.0", std::nullopt},
    {"blanks_and_exponent", " 1e3 ", 1000},
};

INSTANTIATE_TEST_SUITE_P(Table, CatchVolumeTest, testing::ValuesIn(kVolumeRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NozzleClose, StoresTheLinesAndVolumesAsShown) {
    JobRecord record;
    record.rateFlow = "l/min per Nozzle - 1 l/min\n";
    const CatchEntries entries = Entries(
        "10", "30", "3",
        {"500", "520", "480", "450", "560", "2.5", "3.5", "-5", "0.4", "40000", "abc", "0"});
    StoreNozzleGroup(record, entries, {"502", "451.8", "552.2", "1"}, '.');
    EXPECT_EQ(record.nozzleVariation, "Variation Percentage - 10 %\n");
    EXPECT_EQ(record.nozzleCatchTime, "Catch Time - 30 Seconds\n");
    EXPECT_EQ(record.nozzlePressure, "Pressure - 3 bar\n");
    EXPECT_EQ(record.nozzleAverage, "Average Output - 502 ml\n");
    EXPECT_EQ(record.nozzleMinimum, "Minimin Allowable - 451.8 ml\n");
    EXPECT_EQ(record.nozzleMaximum, "Maximum Allowable - 552.2 ml\n");
    EXPECT_EQ(record.nozzleFlow, "l/min per Nozzle - 1 l/min\n");
    const std::array<std::int16_t, 18> volumes = {500, 520, 480, 450, 560, 2, 4, -5, 0,
                                                  0,   0,   0,   0,   0,   0, 0, 0,  0};
    EXPECT_EQ(record.nozzleCatch, volumes);
    EXPECT_EQ(record.rateFlow, "l/min per Nozzle - 1 l/min\n"); // another group untouched
}

TEST(NozzleClose, WithoutCalculateStoresOnlyTheEntriesAsTyped) {
    JobRecord record;
    StoreNozzleGroup(record, Entries("abc", "", " 3 ", {"", "12"}), {}, '.');
    EXPECT_EQ(record.nozzleVariation, "Variation Percentage - abc %\n");
    EXPECT_EQ(record.nozzleCatchTime, "");
    EXPECT_EQ(record.nozzlePressure, "Pressure -  3  bar\n");
    EXPECT_EQ(record.nozzleAverage, "");
    EXPECT_EQ(record.nozzleMinimum, "");
    EXPECT_EQ(record.nozzleMaximum, "");
    EXPECT_EQ(record.nozzleFlow, "");
    EXPECT_EQ(record.nozzleCatch[0], 0);
    EXPECT_EQ(record.nozzleCatch[1], 12);
}

TEST(NozzleClose, UsesTheDecimalSeparator) {
    JobRecord record;
    StoreNozzleGroup(record, Entries("10", "30", "3", {"2,5", "3.5"}), {}, ',');
    EXPECT_EQ(record.nozzleCatch[0], 2);
    EXPECT_EQ(record.nozzleCatch[1], 0); // "3.5" is not a number with a comma separator
}

TEST(NozzleLoad, EmptiesOnlyTheNozzleGroup) {
    JobRecord record;
    StoreNozzleGroup(record, Entries("10", "30", "3", kExample), {"502", "451.8", "552.2", "1"},
                     '.');
    record.rateFlow = "l/min per Nozzle - 1 l/min\n";
    ClearNozzleGroup(record);
    EXPECT_EQ(record.nozzleVariation, "");
    EXPECT_EQ(record.nozzleCatchTime, "");
    EXPECT_EQ(record.nozzlePressure, "");
    EXPECT_EQ(record.nozzleAverage, "");
    EXPECT_EQ(record.nozzleMinimum, "");
    EXPECT_EQ(record.nozzleMaximum, "");
    EXPECT_EQ(record.nozzleFlow, "");
    EXPECT_EQ(record.nozzleCatch, (std::array<std::int16_t, 18>{}));
    EXPECT_EQ(record.rateFlow, "l/min per Nozzle - 1 l/min\n");
}

} // namespace
} // namespace zelk
