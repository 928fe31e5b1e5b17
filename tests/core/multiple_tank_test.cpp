// The multiple tank split: worked examples, load counts at the edges,
// refused capacities and hand-offs, overflow, and the load and close steps.
#include "core/job_record.h"
#include "core/multiple_tank.h"
#include "core/report.h"

#include <gtest/gtest.h>

#include <string>

namespace zelk {
namespace {

constexpr const char* kCapacityPrompt = "Please Enter Tank Capacity in Liters";
constexpr const char* kTankMixFirst = "Please Calculate the Tank Mix First";
constexpr const char* kTooLarge =
    "Numbers Too Large to Calculate: Please Check Tank Capacity and Tank Mix";

MultipleTankTexts Received(const std::string& tank, const std::string& water,
                           const std::string& mlPerLiter) {
    MultipleTankTexts t;
    t.capacity = tank;
    t.jobWater = water;
    t.jobMlPerLiter = mlPerLiter;
    return t;
}

// One column of results: water, ml per litre, product ml, product litres.
struct Column {
    const char* water;
    const char* mlPerLiter;
    const char* productMl;
    const char* productLiters;
};

struct SolveRow {
    const char* name;
    const char* capacity;
    const char* jobWater;
    const char* jobMlPerLiter;
    char separator;
    const char* loads;    // Text1(0)
    const char* lastTank; // Text1(1)
    Column full;          // index 1
    Column last;          // index 2
    bool note;            // Label3
};

constexpr Column kNoLastLoad = {"", "", "", ""};
constexpr Column kErr = {"Err", "Err", "Err", "Err"};

void ExpectColumns(const MultipleTankTexts& t, const Column& full, const Column& last) {
    EXPECT_EQ(t.fullLoadWater, full.water);
    EXPECT_EQ(t.fullLoadMlPerLiter, full.mlPerLiter);
    EXPECT_EQ(t.fullLoadProductMl, full.productMl);
    EXPECT_EQ(t.fullLoadProductLiters, full.productLiters);
    EXPECT_EQ(t.lastLoadWater, last.water);
    EXPECT_EQ(t.lastLoadMlPerLiter, last.mlPerLiter);
    EXPECT_EQ(t.lastLoadProductMl, last.productMl);
    EXPECT_EQ(t.lastLoadProductLiters, last.productLiters);
}

class MulttankSolveTest : public testing::TestWithParam<SolveRow> {};

TEST_P(MulttankSolveTest, SplitsTheJob) {
    const SolveRow& row = GetParam();
    const MultipleTankSolution solved =
        SolveMultipleTank(Received(row.capacity, row.jobWater, row.jobMlPerLiter), row.separator);
    ASSERT_FALSE(solved.error) << "error: " << solved.error->prompt;
    const MultipleTankTexts& t = solved.texts;
    EXPECT_EQ(t.fullLoads, row.loads);
    EXPECT_EQ(t.lastLoad, row.lastTank);
    ExpectColumns(t, row.full, row.last);
    EXPECT_EQ(t.beyondCapacityNoteShown, row.note);
    // The received texts are never rewritten.
    EXPECT_EQ(t.capacity, row.capacity);
    EXPECT_EQ(t.jobWater, row.jobWater);
    EXPECT_EQ(t.jobMlPerLiter, row.jobMlPerLiter);
}

const SolveRow kSolveRows[] = {
    // The worked examples.
    {"ThirteenLoadsAndALastOf100",
     "500",
     "6600",
     "2.5",
     '.',
     "13",
     "14",
     {"500", "2.5", "1250", "1.25"},
     {"100", "2.5", "250", "0.25"},
     false},
    {"JobSmallerThanTheTank",
     "500",
     "400",
     "2.5",
     '.',
     "1",
     "",
     {"400", "2.5", "1000", "1"},
     kNoLastLoad,
     false},
    {"FiftyTwoLoadsShowErr",
     "100",
     "6000",
     "2.5",
     '.',
     "52",
     "53",
     {"100", "2.5", "250", "0.25"},
     kErr,
     true},
    // The whole job fits in one load.
    {"WaterEqualsCapacity",
     "500",
     "500",
     "2.5",
     '.',
     "1",
     "",
     {"500", "2.5", "1250", "1.25"},
     kNoLastLoad,
     false},
    // Between one and two loads the last water is the bare difference, unrounded.
    {"BetweenOneAndTwoLoadsUnrounded",
     "500",
     "600.125",
     "2",
     '.',
     "1",
     "2",
     {"500", "2", "1000", "1"},
     {"100.125", "2", "200.25", "0.2"},
     false},
    // From two loads on it is rounded half to even to 2 decimals.
    {"LastWaterRoundedHalfToEven",
     "100",
     "250.125",
     "2",
     '.',
     "2",
     "3",
     {"100", "2", "200", "0.2"},
     {"50.12", "2", "100.24", "0.1"},
     false},
    {"FiftyOneAndAHalfLoads",
     "100",
     "5150",
     "2",
     '.',
     "51",
     "52",
     {"100", "2", "200", "0.2"},
     {"50", "2", "100", "0.1"},
     false},
    {"ExactlyFiftyTwoLoadsShowErr",
     "100",
     "5200",
     "2",
     '.',
     "52",
     "53",
     {"100", "2", "200", "0.2"},
     kErr,
     true},
    {"FarBeyondFiftyTwoLoads",
     "100",
     "1000000",
     "2",
     '.',
     "52",
     "53",
     {"100", "2", "200", "0.2"},
     kErr,
     true},
    // A capacity is compared as a number, however it is typed.
    {"CapacityTyped500Point0",
     "500.0",
     "6600",
     "2.5",
     '.',
     "13",
     "14",
     {"500", "2.5", "1250", "1.25"},
     {"100", "2.5", "250", "0.25"},
     false},
    {"CapacityWithBlanks",
     " 500 ",
     "6600",
     "2.5",
     '.',
     "13",
     "14",
     {"500", "2.5", "1250", "1.25"},
     {"100", "2.5", "250", "0.25"},
     false},
    {"CapacityAsExponent",
     "5e2",
     "6600",
     "2.5",
     '.',
     "13",
     "14",
     {"500", "2.5", "1250", "1.25"},
     {"100", "2.5", "250", "0.25"},
     false},
    {"OverCapacityTyped100Point0",
     "100.0",
     "6000",
     "2.5",
     '.',
     "52",
     "53",
     {"100", "2.5", "250", "0.25"},
     kErr,
     true},
    {"WaterTyped500Point0EqualsCapacity",
     "500",
     "500.0",
     "2.5",
     '.',
     "1",
     "",
     {"500", "2.5", "1250", "1.25"},
     kNoLastLoad,
     false},
    // The user's separator, read and written.
    {"CommaSeparator",
     "500",
     "6600",
     "2,5",
     ',',
     "13",
     "14",
     {"500", "2,5", "1250", "1,25"},
     {"100", "2,5", "250", "0,25"},
     false},
    // Product litres rounded to 2 decimals, half to even.
    {"ProductLitersHalfToEven",
     "500",
     "400",
     "0.3125",
     '.',
     "1",
     "",
     {"400", "0.3125", "125", "0.12"},
     kNoLastLoad,
     false},
    {"NoProduct",
     "500",
     "6600",
     "0",
     '.',
     "13",
     "14",
     {"500", "0", "0", "0"},
     {"100", "0", "0", "0"},
     false},
};

INSTANTIATE_TEST_SUITE_P(Table, MulttankSolveTest, testing::ValuesIn(kSolveRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Every exact multiple from 2 to 51 loads leaves no last load.
class MulttankExactMultipleTest : public testing::TestWithParam<int> {};

TEST_P(MulttankExactMultipleTest, HasNoLastLoad) {
    const int loads = GetParam();
    const MultipleTankSolution solved =
        SolveMultipleTank(Received("500", std::to_string(loads * 500), "2"), '.');
    ASSERT_FALSE(solved.error);
    EXPECT_EQ(solved.texts.fullLoads, std::to_string(loads));
    // Full loads only: no last tank is numbered.
    EXPECT_EQ(solved.texts.lastLoad, "");
    ExpectColumns(solved.texts, {"500", "2", "1000", "1"}, kNoLastLoad);
    EXPECT_FALSE(solved.texts.beyondCapacityNoteShown);
}

INSTANTIATE_TEST_SUITE_P(Loads, MulttankExactMultipleTest, testing::Range(2, 52),
                         [](const auto& info) { return "loads_" + std::to_string(info.param); });

// Every count from 1 to 51 full loads with half a litre left over.
class MulttankPartialLastLoadTest : public testing::TestWithParam<int> {};

TEST_P(MulttankPartialLastLoadTest, CountsTheFullLoads) {
    const int loads = GetParam();
    const MultipleTankSolution solved =
        SolveMultipleTank(Received("500", std::to_string(loads * 500) + ".5", "2"), '.');
    ASSERT_FALSE(solved.error);
    EXPECT_EQ(solved.texts.fullLoads, std::to_string(loads));
    EXPECT_EQ(solved.texts.lastLoad, std::to_string(loads + 1));
    ExpectColumns(solved.texts, {"500", "2", "1000", "1"}, {"0.5", "2", "1", "0"});
    EXPECT_FALSE(solved.texts.beyondCapacityNoteShown);
}

INSTANTIATE_TEST_SUITE_P(Loads, MulttankPartialLastLoadTest, testing::Range(1, 52),
                         [](const auto& info) { return "loads_" + std::to_string(info.param); });

// A screen after an over-capacity solve: every field filled, the note shown.
MultipleTankTexts OverCapacityScreen() {
    const MultipleTankSolution solved = SolveMultipleTank(Received("100", "6000", "2.5"), '.');
    EXPECT_FALSE(solved.error);
    EXPECT_TRUE(solved.texts.beyondCapacityNoteShown);
    return solved.texts;
}

struct RefusedRow {
    const char* name;
    const char* capacity;
    const char* jobWater;
    const char* jobMlPerLiter;
    const char* field;
    const char* prompt;
};

class MulttankRefusedTest : public testing::TestWithParam<RefusedRow> {};

// A refused solve has emptied the last-load column and hidden the note, and
// left the full-load column and the load count as they were.
TEST_P(MulttankRefusedTest, ReportsAndKeepsTheFullLoadColumn) {
    const RefusedRow& row = GetParam();
    MultipleTankTexts before = OverCapacityScreen();
    before.capacity = row.capacity;
    before.jobWater = row.jobWater;
    before.jobMlPerLiter = row.jobMlPerLiter;

    const MultipleTankSolution solved = SolveMultipleTank(before, '.');
    ASSERT_TRUE(solved.error);
    EXPECT_EQ(*solved.error, (EntryError{row.field, row.prompt, "Error"}));

    MultipleTankTexts expected = before;
    expected.lastLoad.clear();
    expected.lastLoadWater.clear();
    expected.lastLoadMlPerLiter.clear();
    expected.lastLoadProductMl.clear();
    expected.lastLoadProductLiters.clear();
    expected.beyondCapacityNoteShown = false;
    EXPECT_EQ(solved.texts, expected);
    EXPECT_EQ(solved.texts.fullLoads, "52");
    EXPECT_EQ(solved.texts.fullLoadWater, "100");
}

const RefusedRow kRefusedRows[] = {
    {"CapacityEmpty", "", "6600", "2.5", "capacity", kCapacityPrompt},
    {"CapacityZero", "0", "6600", "2.5", "capacity", kCapacityPrompt},
    {"CapacityBlank", " ", "6600", "2.5", "capacity", kCapacityPrompt},
    {"CapacityLetters", "abc", "6600", "2.5", "capacity", kCapacityPrompt},
    {"CapacityZeroPointZero", "0.0", "6600", "2.5", "capacity", kCapacityPrompt},
    {"CapacityMinusZero", "-0", "6600", "2.5", "capacity", kCapacityPrompt},
    {"CapacityNegative", "-500", "6600", "2.5", "capacity", kCapacityPrompt},
    {"CapacityBeyondDouble", "1e400", "6600", "2.5", "capacity", kCapacityPrompt},
    // The capacity is tested before the received values.
    {"CapacityAndWaterMissing", "", "", "", "capacity", kCapacityPrompt},
    {"WaterEmpty", "500", "", "2.5", "job water", kTankMixFirst},
    {"WaterLetters", "500", "abc", "2.5", "job water", kTankMixFirst},
    {"BothReceivedEmpty", "500", "", "", "job water", kTankMixFirst},
    {"MlPerLiterEmpty", "500", "6600", "", "job ml per litre", kTankMixFirst},
    {"MlPerLiterLetters", "500", "6600", "x", "job ml per litre", kTankMixFirst},
};

INSTANTIATE_TEST_SUITE_P(Table, MulttankRefusedTest, testing::ValuesIn(kRefusedRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct OverflowRow {
    const char* name;
    const char* capacity;
    const char* jobWater;
    const char* jobMlPerLiter;
};

class MulttankOverflowTest : public testing::TestWithParam<OverflowRow> {};

TEST_P(MulttankOverflowTest, EndsWithAMessage) {
    const OverflowRow& row = GetParam();
    const MultipleTankSolution solved =
        SolveMultipleTank(Received(row.capacity, row.jobWater, row.jobMlPerLiter), '.');
    ASSERT_TRUE(solved.error);
    EXPECT_EQ(*solved.error, (EntryError{"capacity", kTooLarge, "Error"}));
    EXPECT_FALSE(solved.texts.beyondCapacityNoteShown);
}

const OverflowRow kOverflowRows[] = {
    {"RemainderOverflows", "1e308", "-1.7e308", "2"},
    {"FullLoadProductOverflows", "1e300", "1e300", "1e300"},
    {"LastLoadProductOverflows", "1", "1e300", "1e300"},
    // 1.7976931348623157e308 is written 1.79769313486232E+308, which lies
    // beyond the range and cannot be read back.
    {"FullLoadCannotBeReadBack", "1.7976931348623157e308", "1.7976931348623157e308", "1"},
};

INSTANTIATE_TEST_SUITE_P(Table, MulttankOverflowTest, testing::ValuesIn(kOverflowRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MulttankSolve, ASecondSolveRecomputesEverythingAndHidesTheNote) {
    MultipleTankTexts screen = OverCapacityScreen();
    screen.capacity = "500";
    screen.jobWater = "6600";
    const MultipleTankSolution solved = SolveMultipleTank(screen, '.');
    ASSERT_FALSE(solved.error);
    EXPECT_FALSE(solved.texts.beyondCapacityNoteShown);
    EXPECT_EQ(solved.texts.fullLoads, "13");
    EXPECT_EQ(solved.texts.lastLoad, "14");
    ExpectColumns(solved.texts, {"500", "2.5", "1250", "1.25"}, {"100", "2.5", "250", "0.25"});
}

TEST(MulttankSolve, AJobThatFitsOneLoadEmptiesAnEarlierLastLoadColumn) {
    MultipleTankTexts screen = SolveMultipleTank(Received("500", "6600", "2.5"), '.').texts;
    screen.jobWater = "400";
    const MultipleTankSolution solved = SolveMultipleTank(screen, '.');
    ASSERT_FALSE(solved.error);
    EXPECT_EQ(solved.texts.fullLoads, "1");
    EXPECT_EQ(solved.texts.lastLoad, "");
    ExpectColumns(solved.texts, {"400", "2.5", "1000", "1"}, kNoLastLoad);
}

using TextsField = std::string MultipleTankTexts::*;
using RecordField = std::string JobRecord::*;

struct StoreRow {
    const char* name;
    TextsField source;
    RecordField target; // nullptr: the field is not stored
    const char* line;   // what the target holds for the value 7
};

// Every field of the group, in the order of the close step.
constexpr RecordField kGroup[] = {
    &JobRecord::multiTanks,
    &JobRecord::multiCapacity,
    &JobRecord::multiWaterTotal,
    &JobRecord::multiWaterPerTank,
    &JobRecord::multiMlPerLiter,
    &JobRecord::multiProductMlPerTank,
    &JobRecord::multiProductLitersPerTank,
    &JobRecord::multiLastTank,
    &JobRecord::multiLastWater,
    &JobRecord::multiLastProductMl,
    &JobRecord::multiLastProductLiters,
};

// The load step empties exactly the eleven fields of the group.
TEST(MulttankRecord, LoadEmptiesTheGroupOnly) {
    JobRecord record;
    for (RecordField field : kGroup)
        record.*field = "old";
    record.mixWater = "old";
    record.selRate = "old";
    ClearMultipleTank(record);
    for (RecordField field : kGroup)
        EXPECT_EQ(record.*field, "");
    EXPECT_EQ(record.mixWater, "old");
    EXPECT_EQ(record.selRate, "old");
}

class MulttankStoreTest : public testing::TestWithParam<StoreRow> {};

// One source field filled: its line goes into its own record field, and every
// other field of the group keeps what it held.
TEST_P(MulttankStoreTest, StoresTheLineOfItsField) {
    const StoreRow& row = GetParam();
    JobRecord record;
    for (RecordField field : kGroup)
        record.*field = "old";
    MultipleTankTexts texts;
    texts.*row.source = "7";
    StoreMultipleTank(texts, record);
    for (RecordField field : kGroup) {
        if (field == row.target)
            EXPECT_EQ(record.*field, row.line);
        else
            EXPECT_EQ(record.*field, "old");
    }
}

const StoreRow kStoreRows[] = {
    {"Tanks", &MultipleTankTexts::fullLoads, &JobRecord::multiTanks, "7"},
    {"Capacity", &MultipleTankTexts::capacity, &JobRecord::multiCapacity,
     "Sprayer Tank Capacity - 7 Liters\n"},
    {"WaterTotal", &MultipleTankTexts::jobWater, &JobRecord::multiWaterTotal,
     "Total Water required - 7 Liters\n"},
    {"WaterPerTank", &MultipleTankTexts::fullLoadWater, &JobRecord::multiWaterPerTank,
     "Total Water per Tank - 7 Liters\n"},
    {"MlPerLiter", &MultipleTankTexts::fullLoadMlPerLiter, &JobRecord::multiMlPerLiter,
     "Milliliters per Liter - 7 Milliliters\n"},
    {"ProductMlPerTank", &MultipleTankTexts::fullLoadProductMl, &JobRecord::multiProductMlPerTank,
     "Milliliters of Product per Tank - 7 Milliliters\n"},
    {"ProductLitersPerTank", &MultipleTankTexts::fullLoadProductLiters,
     &JobRecord::multiProductLitersPerTank, "Liters of Product per Tank - 7 Liters\n"},
    {"LastTank", &MultipleTankTexts::lastLoad, &JobRecord::multiLastTank, "7"},
    {"LastWater", &MultipleTankTexts::lastLoadWater, &JobRecord::multiLastWater,
     "Total Water per Tank - 7 Liters\n"},
    {"LastProductMl", &MultipleTankTexts::lastLoadProductMl, &JobRecord::multiLastProductMl,
     "Milliliters of Product per Tank - 7 Milliliters\n"},
    {"LastProductLiters", &MultipleTankTexts::lastLoadProductLiters,
     &JobRecord::multiLastProductLiters, "Liters of Product per Tank - 7 Liters\n"},
    // The last load's ml per litre is the full load's; the hidden received
    // value is not a line of its own.
    {"LastMlPerLiterNotStored", &MultipleTankTexts::lastLoadMlPerLiter, nullptr, ""},
    {"ReceivedMlPerLiterNotStored", &MultipleTankTexts::jobMlPerLiter, nullptr, ""},
};

INSTANTIATE_TEST_SUITE_P(Table, MulttankStoreTest, testing::ValuesIn(kStoreRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MulttankRecord, OverCapacityStoresErrWhereTheNumbersWouldStand) {
    JobRecord record;
    StoreMultipleTank(OverCapacityScreen(), record);
    EXPECT_EQ(record.multiTanks, "52");
    EXPECT_EQ(record.multiLastTank, "53");
    EXPECT_EQ(record.multiCapacity, "Sprayer Tank Capacity - 100 Liters\n");
    EXPECT_EQ(record.multiWaterTotal, "Total Water required - 6000 Liters\n");
    EXPECT_EQ(record.multiWaterPerTank, "Total Water per Tank - 100 Liters\n");
    EXPECT_EQ(record.multiMlPerLiter, "Milliliters per Liter - 2.5 Milliliters\n");
    EXPECT_EQ(record.multiLastWater, "Total Water per Tank - Err Liters\n");
    EXPECT_EQ(record.multiLastProductMl, "Milliliters of Product per Tank - Err Milliliters\n");
    EXPECT_EQ(record.multiLastProductLiters, "Liters of Product per Tank - Err Liters\n");
}

// From the screen to the printed record: Solve, close, and the report's
// multiple tank section, for each shape of job.
struct ReportRow {
    const char* name;
    const char* capacity;
    const char* water;
    const char* mlPerLiter;
    const char* section;
};

class MulttankReportTest : public testing::TestWithParam<ReportRow> {};

std::string MultipleTankSection(const std::string& report) {
    const std::string head = "  Results from Multiple Tank Mixing Screen\n";
    const std::string next = "\n  Results from Nozzle Selection Screen";
    const auto start = report.find(head);
    const auto end = report.find(next);
    if (start == std::string::npos || end == std::string::npos)
        return "<no multiple tank section in:\n" + report + ">";
    return report.substr(start, end - start);
}

TEST_P(MulttankReportTest, PrintsTheTanksThatAreThere) {
    const ReportRow& row = GetParam();
    const MultipleTankSolution solved =
        SolveMultipleTank(Received(row.capacity, row.water, row.mlPerLiter), '.');
    ASSERT_FALSE(solved.error);
    JobRecord record;
    StoreMultipleTank(solved.texts, record);
    EXPECT_EQ(MultipleTankSection(BuildReport(record)), row.section);
}

const ReportRow kReportRows[] = {
    {"full_loads_only", "500", "1500", "2",
     "  Results from Multiple Tank Mixing Screen\n"
     "\n"
     "   Tank 1 to 3\n"
     "   Sprayer Tank Capacity - 500 Liters\n"
     "   Total Water required - 1500 Liters\n"
     "   Total Water per Tank - 500 Liters\n"
     "   Milliliters per Liter - 2 Milliliters\n"
     "   Milliliters of Product per Tank - 1000 Milliliters\n"
     "   Liters of Product per Tank - 1 Liters\n"},
    {"one_tank", "500", "400", "2",
     "  Results from Multiple Tank Mixing Screen\n"
     "\n"
     "   Tank 1 to 1\n"
     "   Sprayer Tank Capacity - 500 Liters\n"
     "   Total Water required - 400 Liters\n"
     "   Total Water per Tank - 400 Liters\n"
     "   Milliliters per Liter - 2 Milliliters\n"
     "   Milliliters of Product per Tank - 800 Milliliters\n"
     "   Liters of Product per Tank - 0.8 Liters\n"},
    {"full_loads_and_a_last_load", "400", "1000", "2.5",
     "  Results from Multiple Tank Mixing Screen\n"
     "\n"
     "   Tank 1 to 2\n"
     "   Sprayer Tank Capacity - 400 Liters\n"
     "   Total Water required - 1000 Liters\n"
     "   Total Water per Tank - 400 Liters\n"
     "   Milliliters per Liter - 2.5 Milliliters\n"
     "   Milliliters of Product per Tank - 1000 Milliliters\n"
     "   Liters of Product per Tank - 1 Liters\n"
     "\n"
     "   Tank 3\n"
     "   Total Water per Tank - 200 Liters\n"
     "   Milliliters per Liter - 2.5 Milliliters\n"
     "   Milliliters of Product per Tank - 500 Milliliters\n"
     "   Liters of Product per Tank - 0.5 Liters\n"},
    {"fifty_two_loads", "100", "6000", "2.5",
     "  Results from Multiple Tank Mixing Screen\n"
     "\n"
     "   Tank 1 to 52\n"
     "   Sprayer Tank Capacity - 100 Liters\n"
     "   Total Water required - 6000 Liters\n"
     "   Total Water per Tank - 100 Liters\n"
     "   Milliliters per Liter - 2.5 Milliliters\n"
     "   Milliliters of Product per Tank - 250 Milliliters\n"
     "   Liters of Product per Tank - 0.25 Liters\n"
     "\n"
     "   Tank 53\n"
     "   Total Water per Tank - Err Liters\n"
     "   Milliliters per Liter - 2.5 Milliliters\n"
     "   Milliliters of Product per Tank - Err Milliliters\n"
     "   Liters of Product per Tank - Err Liters\n"},
};

INSTANTIATE_TEST_SUITE_P(Table, MulttankReportTest, testing::ValuesIn(kReportRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zelk
