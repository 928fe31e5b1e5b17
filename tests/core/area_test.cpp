// The area calculation: the worked examples of every shape, the fields each
// shape reads, and the failures that leave the results alone.
#include "core/area.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <variant>

namespace zelk {
namespace {

enum Shape { Circle, Triangle, Square, Rectangle, Parallelogram, Trapezoid };

struct ResultRow {
    const char* name;
    int shape;
    const char* txt1;
    const char* txt2;
    const char* txt3;
    char separator;
    const char* squareMeters; // txtArea
    const char* hectares;     // txtAcres
};

class AreaResultTest : public testing::TestWithParam<ResultRow> {};

TEST_P(AreaResultTest, ShowsBothResults) {
    const ResultRow& row = GetParam();
    const auto outcome = AreaCalculation(row.shape, row.txt1, row.txt2, row.txt3, row.separator);
    ASSERT_TRUE(outcome.has_value());
    ASSERT_TRUE(std::holds_alternative<AreaTexts>(*outcome))
        << "error: " << std::get<EntryError>(*outcome).prompt;
    const AreaTexts& texts = std::get<AreaTexts>(*outcome);
    EXPECT_EQ(texts.squareMeters, row.squareMeters);
    EXPECT_EQ(texts.hectares, row.hectares);
}

const ResultRow kResultRows[] = {
    // The worked examples. Pi is 3.14, so a diameter of 10 gives 78.5.
    {"CircleD10", Circle, "10", "", "", '.', "78.5", "0.008"},
    {"CircleD2_5", Circle, "2.5", "", "", '.', "4.91", "0"},
    {"TriangleB30H25", Triangle, "30", "25", "", '.', "375", "0.038"},
    {"SquareS12_3", Square, "12.3", "", "", '.', "151.29", "0.015"},
    {"RectangleL200W50", Rectangle, "200", "50", "", '.', "10000", "1"},
    // Not rounded: seven significant digits.
    {"ParallelogramB1_23456H7_891", Parallelogram, "1.23456", "7.891", "", '.', "9.741913",
     "0.001"},
    // 0.0075 is 0.0074999998… in single precision and rounds down.
    {"TrapezoidB10B20H5", Trapezoid, "10", "20", "5", '.', "75", "0.007"},
    // Fields the shape does not use are not read, whatever they hold.
    {"CircleIgnoresOtherFields", Circle, "10", "abc", "1E+99", '.', "78.5", "0.008"},
    {"RectangleIgnoresTxt3", Rectangle, "200", "50", "xyz", '.', "10000", "1"},
    {"ZeroWrittenZero", Square, "0", "", "", '.', "0", "0"},
    {"NegativeSide", Rectangle, "-20", "5", "", '.', "-100", "-0.01"},
    {"Comma", Circle, "2,5", "", "", ',', "4,91", "0"},
    {"CommaNotRounded", Parallelogram, "1,23456", "7,891", "", ',', "9,741913", "0,001"},
    // Half way at 2 decimals in single precision: 0.125 × 1 goes to the even 0.12.
    {"AreaHalfWayToEven", Rectangle, "0.125", "1", "", '.', "0.12", "0"},
    // The trapezoid is not rounded either: 1/3 of a metre shows 7 digits.
    {"TrapezoidSevenDigits", Trapezoid, "1", "1", "0.3333333", '.', "0.3333333", "0"},
    // A side of 2^40 squares to 2^80, shown in exponent form and left alone by the rounding.
    {"LargeSquareInExponentForm", Square, "1099511627776", "", "", '.', "1.208926E+24",
     "1.208926E+20"},
};

INSTANTIATE_TEST_SUITE_P(Table, AreaResultTest, testing::ValuesIn(kResultRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorRow {
    const char* name;
    int shape;
    const char* txt1;
    const char* txt2;
    const char* txt3;
    const char* field;
    const char* prompt;
};

class AreaErrorTest : public testing::TestWithParam<ErrorRow> {};

TEST_P(AreaErrorTest, NamesTheField) {
    const ErrorRow& row = GetParam();
    const auto outcome = AreaCalculation(row.shape, row.txt1, row.txt2, row.txt3, '.');
    ASSERT_TRUE(outcome.has_value());
    ASSERT_TRUE(std::holds_alternative<EntryError>(*outcome))
        << "area: " << std::get<AreaTexts>(*outcome).squareMeters;
    EXPECT_EQ(std::get<EntryError>(*outcome), (EntryError{row.field, row.prompt, "Error"}));
}

const ErrorRow kErrorRows[] = {
    {"CircleEmpty", Circle, "", "", "", "dimension 1", "Please Enter Diameter in Meters"},
    {"CircleBlank", Circle, "  ", "", "", "dimension 1", "Please Enter Diameter in Meters"},
    {"TriangleHeightLetters", Triangle, "30", "abc", "", "dimension 2",
     "Please Enter Height in Meters"},
    {"TriangleBaseFirst", Triangle, "x", "y", "", "dimension 1", "Please Enter Base in Meters"},
    {"SquareBeyondSingle", Square, "1E+40", "", "", "dimension 1",
     "Please Enter Side Length in Meters"},
    {"RectangleWidthEmpty", Rectangle, "200", "", "", "dimension 2",
     "Please Enter Width in Meters"},
    {"ParallelogramBaseComma", Parallelogram, "1,5", "2", "", "dimension 1",
     "Please Enter Base in Meters"},
    {"TrapezoidHeightEmpty", Trapezoid, "10", "20", "", "dimension 3",
     "Please Enter Height in Meters"},
    {"TrapezoidB2Letters", Trapezoid, "10", "b2", "5", "dimension 2", "Please Enter B2 in Meters"},
    // An area beyond the single range names the largest measurement.
    {"SquareAreaTooLarge", Square, "1E+20", "", "", "dimension 1",
     "Please Enter Side Length in Meters"},
    {"RectangleAreaTooLargeByWidth", Rectangle, "4", "1E+38", "", "dimension 2",
     "Please Enter Width in Meters"},
    {"CircleAreaTooLarge", Circle, "-3E+19", "", "", "dimension 1",
     "Please Enter Diameter in Meters"},
    {"TrapezoidAreaTooLargeByHeight", Trapezoid, "1E+20", "1E+20", "1E+30", "dimension 3",
     "Please Enter Height in Meters"},
};

INSTANTIATE_TEST_SUITE_P(Table, AreaErrorTest, testing::ValuesIn(kErrorRows),
                         [](const auto& info) { return std::string(info.param.name); });

class AreaNothingChosenTest : public testing::TestWithParam<int> {};

TEST_P(AreaNothingChosenTest, DoesNothing) {
    EXPECT_FALSE(AreaCalculation(GetParam(), "10", "20", "5", '.').has_value());
}

INSTANTIATE_TEST_SUITE_P(Index, AreaNothingChosenTest, testing::Values(-1, kShapeCount),
                         [](const auto& info) {
                             return info.param < 0 ? std::string("None")
                                                   : "Past" + std::to_string(info.param);
                         });

// Every prompt is built from the caption the shape shows beside its field.
TEST(ShapeLayout, EveryShownFieldHasAPromptThatNamesItsCaption) {
    for (int shape = 0; shape < kShapeCount; ++shape) {
        const ShapeRow& row = ShapeLayout[static_cast<std::size_t>(shape)];
        for (std::size_t field = 0; field < 3 && !row.captions[field].empty(); ++field) {
            std::string texts[3] = {"1", "1", "1"};
            texts[field] = "";
            const auto outcome = AreaCalculation(shape, texts[0], texts[1], texts[2], '.');
            ASSERT_TRUE(outcome && std::holds_alternative<EntryError>(*outcome))
                << row.item << " field " << field + 1;
            const EntryError& error = std::get<EntryError>(*outcome);
            EXPECT_EQ(error.input, "dimension " + std::to_string(field + 1)) << row.item;
            EXPECT_EQ(error.prompt, "Please Enter " + std::string(row.captions[field])) << row.item;
        }
    }
}

} // namespace
} // namespace zelk
