// The numeric rules, table by table.
#include "core/numeric.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace zelk::numeric {
namespace {

// ---------------------------------------------------------------- entry rule

struct EntryRow {
    const char* name;
    const char* text;
    char separator;
    bool numeric;
    bool passes;
};

class EntryRuleTest : public testing::TestWithParam<EntryRow> {};

TEST_P(EntryRuleTest, NumericAndEntryRule) {
    const EntryRow& row = GetParam();
    EXPECT_EQ(IsNumeric(row.text, row.separator), row.numeric) << '"' << row.text << '"';
    EXPECT_EQ(PassesEntryRule(row.text, row.separator), row.passes) << '"' << row.text << '"';
}

const EntryRow kEntryRows[] = {
    {"Empty", "", '.', false, false},
    {"OneBlank", " ", '.', false, false},
    {"BlanksAndTab", "  \t ", '.', false, false},
    {"ExactlyZero", "0", '.', true, false},
    {"ExactlyZeroComma", "0", ',', true, false},
    {"ZeroPointZero", "0.0", '.', true, true},
    {"ZeroCommaZero", "0,0", ',', true, true},
    {"DoubleZero", "00", '.', true, true},
    {"MinusZero", "-0", '.', true, true},
    {"BlankThenZero", " 0", '.', true, true},
    {"ZeroThenBlank", "0 ", '.', true, true},
    {"TwelveInBlanks", " 12 ", '.', true, true},
    {"TabsAround", "\t12\t", '.', true, true},
    {"Exponent", "1e3", '.', true, true},
    {"ExponentUpper", "1E3", '.', true, true},
    {"ExponentSigned", "2.5E-3", '.', true, true},
    {"ExponentPlus", "2.5e+3", '.', true, true},
    {"CommaWithComma", "7,5", ',', true, true},
    {"CommaWithDot", "7,5", '.', false, false},
    {"DotWithComma", "7.5", ',', false, false},
    {"Letters", "abc", '.', false, false},
    {"TwoSeparators", "1.2.3", '.', false, false},
    {"ExponentWithoutDigits", "1e", '.', false, false},
    {"ExponentSignOnly", "1e+", '.', false, false},
    {"ExponentOnly", "e5", '.', false, false},
    {"SeparatorOnly", ".", '.', false, false},
    {"PlusOnly", "+", '.', false, false},
    {"MinusOnly", "-", '.', false, false},
    {"Grouping", "1,000", '.', false, false},
    {"GroupingDotWithComma", "1.000,5", ',', false, false},
    {"LeadingSeparator", ".5", '.', true, true},
    {"TrailingSeparator", "5.", '.', true, true},
    {"LeadingSeparatorComma", ",5", ',', true, true},
    {"PlusSign", "+5", '.', true, true},
    {"Negative", "-3.25", '.', true, true},
    {"DoubleSign", "+-5", '.', false, false},
    {"BlankInside", "1 2", '.', false, false},
    {"BlankAfterSign", "- 2", '.', false, false},
    {"Hex", "0x10", '.', false, false},
    {"Infinity", "inf", '.', false, false},
    {"NotANumber", "nan", '.', false, false},
    {"Currency", "$5", '.', false, false},
    {"TrailingLetter", "5a", '.', false, false},
    {"ExponentWithSeparator", "1e2.5", '.', false, false},
    {"SeparatorBeforeExponent", "5.e2", '.', true, true},
    {"FullWidthDigit", "\xEF\xBC\x95", '.', false, false},
    {"NoBreakSpace",
     "\xC2\xA0"
     "5",
     '.', false, false},
};

INSTANTIATE_TEST_SUITE_P(Table, EntryRuleTest, testing::ValuesIn(kEntryRows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- conversion

struct DoubleRow {
    const char* name;
    const char* text;
    char separator;
    std::optional<double> expected;
};

class ToDoubleTest : public testing::TestWithParam<DoubleRow> {};

TEST_P(ToDoubleTest, Converts) {
    const DoubleRow& row = GetParam();
    const auto value = ToDouble(row.text, row.separator);
    ASSERT_EQ(value.has_value(), row.expected.has_value()) << '"' << row.text << '"';
    if (value) {
        EXPECT_EQ(*value, *row.expected);
    }
}

const DoubleRow kDoubleRows[] = {
    {"TwelveInBlanks", " 12 ", '.', 12.0},
    {"Exponent", "1e3", '.', 1000.0},
    {"Comma", "7,5", ',', 7.5},
    {"CommaRefusedWithDot", "7,5", '.', std::nullopt},
    {"PointOne", "0.1", '.', 0.1},
    {"LeadingSeparator", ".5", '.', 0.5},
    {"TrailingSeparator", "5.", '.', 5.0},
    {"PlusSign", "+2.5", '.', 2.5},
    {"Negative", "-0.75", '.', -0.75},
    {"ZeroPointZero", "0.0", '.', 0.0},
    {"Empty", "", '.', std::nullopt},
    {"Letters", "abc", '.', std::nullopt},
    {"Max", "1.7976931348623157E+308", '.', DBL_MAX},
    {"BeyondRange", "1E+400", '.', std::nullopt},
    {"BeyondRangeNegative", "-1E+400", '.', std::nullopt},
    {"HugeExponentDigits", "1e99999999999999999999", '.', std::nullopt},
    {"Denormal", "4.9406564584124654E-324", '.', 4.9406564584124654E-324},
    {"UnderflowIsZero", "1E-400", '.', 0.0},
    {"ManyDigits", "3.14159265358979323846264338327950288", '.', 3.141592653589793},
    {"LeadingZeros", "000123.4500", '.', 123.45},
};

INSTANTIATE_TEST_SUITE_P(Table, ToDoubleTest, testing::ValuesIn(kDoubleRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct SingleRow {
    const char* name;
    const char* text;
    char separator;
    std::optional<float> expected;
};

class ToSingleTest : public testing::TestWithParam<SingleRow> {};

TEST_P(ToSingleTest, Converts) {
    const SingleRow& row = GetParam();
    const auto value = ToSingle(row.text, row.separator);
    ASSERT_EQ(value.has_value(), row.expected.has_value()) << '"' << row.text << '"';
    if (value) {
        EXPECT_EQ(*value, *row.expected);
    }
}

const SingleRow kSingleRows[] = {
    {"OnePointTwo", "1.2", '.', 1.2F},
    {"CommaOnePointTwo", "1,2", ',', 1.2F},
    {"TwelveInBlanks", " 12 ", '.', 12.0F},
    {"Exponent", "1e3", '.', 1000.0F},
    {"Max", "3.4028234663852886E+38", '.', FLT_MAX},
    {"BeyondRange", "1E+40", '.', std::nullopt},
    {"BeyondRangeNegative", "-1E+40", '.', std::nullopt},
    {"Denormal", "1.4E-45", '.', std::nextafter(0.0F, 1.0F)},
    {"UnderflowIsZero", "1E-50", '.', 0.0F},
    {"NotNumeric", "1.2.3", '.', std::nullopt},
    // 1 + 2^-24 is the exact midpoint between 1 and the next single; the text
    // lies a hair above it, so the nearest single is the upper neighbour. Via
    // double the hair is lost (the nearest double is the midpoint itself) and
    // the tie then goes to 1: the conversion must not go through double.
    {"NearestNotViaDouble", "1.00000005960464477539062500001", '.', std::nextafter(1.0F, 2.0F)},
    {"ExactMidpointToEven", "1.000000059604644775390625", '.', 1.0F},
};

INSTANTIATE_TEST_SUITE_P(Table, ToSingleTest, testing::ValuesIn(kSingleRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ToSingle, DiffersFromRoundingTheDouble) {
    const char* text = "1.00000005960464477539062500001";
    const auto viaDouble = ToDouble(text, '.');
    ASSERT_TRUE(viaDouble.has_value());
    EXPECT_EQ(static_cast<float>(*viaDouble), 1.0F);
    EXPECT_EQ(ToSingle(text, '.'), std::nextafter(1.0F, 2.0F));
}

TEST(ToSingle, UnderflowKeepsSign) {
    const auto value = ToSingle("-1E-50", '.');
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, 0.0F);
    EXPECT_TRUE(std::signbit(*value));
}

struct Int16Row {
    const char* name;
    const char* text;
    char separator;
    std::optional<std::int16_t> expected;
};

class ToInt16Test : public testing::TestWithParam<Int16Row> {};

TEST_P(ToInt16Test, Converts) {
    const Int16Row& row = GetParam();
    EXPECT_EQ(ToInt16(row.text, row.separator), row.expected) << '"' << row.text << '"';
}

const Int16Row kInt16Rows[] = {
    {"Whole", "150", '.', std::int16_t{150}},
    {"TwoAndAHalf", "2.5", '.', std::int16_t{2}},
    {"ThreeAndAHalf", "3.5", '.', std::int16_t{4}},
    {"MinusTwoAndAHalf", "-2.5", '.', std::int16_t{-2}},
    {"MinusThreeAndAHalf", "-3.5", '.', std::int16_t{-4}},
    {"PointFour", "0.4", '.', std::int16_t{0}},
    {"PointSix", "0.6", '.', std::int16_t{1}},
    {"Comma", "2,6", ',', std::int16_t{3}},
    {"Max", "32767", '.', std::int16_t{32767}},
    {"Min", "-32768", '.', std::int16_t{-32768}},
    {"MaxPlusAHalfRoundsUp", "32767.5", '.', std::nullopt},
    {"MinMinusAHalfRoundsToEven", "-32768.5", '.', std::int16_t{-32768}},
    {"JustAbove", "32768", '.', std::nullopt},
    {"JustBelow", "-32769", '.', std::nullopt},
    {"FortyThousand", "40000", '.', std::nullopt},
    {"Huge", "1E+300", '.', std::nullopt},
    {"Exponent", "1.5e2", '.', std::int16_t{150}},
    {"Empty", "", '.', std::nullopt},
    {"NotNumeric", "abc", '.', std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Table, ToInt16Test, testing::ValuesIn(kInt16Rows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- rounding

struct RoundRow {
    const char* name;
    double value;
    int decimals;
    double expected;
};

class RoundDoubleTest : public testing::TestWithParam<RoundRow> {};

TEST_P(RoundDoubleTest, HalfToEven) {
    const RoundRow& row = GetParam();
    EXPECT_EQ(RoundHalfEven(row.value, row.decimals), row.expected);
}

const RoundRow kRoundRows[] = {
    {"EighthDown", 0.125, 2, 0.12},
    {"ThreeEighthsUp", 0.375, 2, 0.38},
    {"MinusEighth", -0.125, 2, -0.12},
    {"SixteenthThreeDecimals", 0.0625, 3, 0.062},
    {"ThreeSixteenths", 0.1875, 3, 0.188},
    {"SevenEighths", 0.875, 2, 0.88},
    {"Thirds", 40.0 / 3.0, 2, 13.33},
    {"TwoThirds", 2.0 / 3.0, 3, 0.667},
    {"Whole", 150.0, 2, 150.0},
    {"HalfToWhole", 2.5, 0, 2.0},
    {"ThreeHalvesToWhole", 3.5, 0, 4.0},
    {"Pressure", 2.2359598364475986, 2, 2.24},
    {"Zero", 0.0, 2, 0.0},
    {"Huge", 1e300, 2, 1e300},
    {"BeyondWhole", 4503599627370497.0, 2, 4503599627370497.0},
    {"Max", DBL_MAX, 3, DBL_MAX},
};

INSTANTIATE_TEST_SUITE_P(Table, RoundDoubleTest, testing::ValuesIn(kRoundRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct RoundSingleRow {
    const char* name;
    float value;
    int decimals;
    float expected;
};

class RoundSingleTest : public testing::TestWithParam<RoundSingleRow> {};

TEST_P(RoundSingleTest, HalfToEvenKeepsSingle) {
    const RoundSingleRow& row = GetParam();
    EXPECT_EQ(RoundHalfEven(row.value, row.decimals), row.expected);
}

const RoundSingleRow kRoundSingleRows[] = {
    {"EighthDown", 0.125F, 2, 0.12F},
    {"ThreeEighthsUp", 0.375F, 2, 0.38F},
    {"MinusEighth", -0.125F, 2, -0.12F},
    {"SixteenthThreeDecimals", 0.0625F, 3, 0.062F},
    {"ThreeSixteenths", 0.1875F, 3, 0.188F},
    {"Area", 0.0123456F, 3, 0.012F},
    {"Whole", 150.0F, 2, 150.0F},
    {"Large", 12345678.0F, 3, 12345678.0F},
    {"Max", FLT_MAX, 2, FLT_MAX},
};

INSTANTIATE_TEST_SUITE_P(Table, RoundSingleTest, testing::ValuesIn(kRoundSingleRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RoundHalfEven, NonFiniteUnchanged) {
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""), 2)));
    EXPECT_EQ(RoundHalfEven(HUGE_VAL, 2), HUGE_VAL);
    EXPECT_EQ(RoundHalfEven(HUGE_VALF, 2), HUGE_VALF);
}

// ---------------------------------------------------------------- number to text

struct FormatDoubleRow {
    const char* name;
    double value;
    char separator;
    const char* expected;
};

class FormatDoubleTest : public testing::TestWithParam<FormatDoubleRow> {};

TEST_P(FormatDoubleTest, Writes) {
    const FormatDoubleRow& row = GetParam();
    EXPECT_EQ(FormatDouble(row.value, row.separator), row.expected);
}

const FormatDoubleRow kFormatDoubleRows[] = {
    {"Twelve", 12.0, '.', "12"},
    {"TwoAndAHalf", 2.5, '.', "2.5"},
    {"Half", 0.5, '.', "0.5"},
    {"NegativeThreeQuarters", -0.75, '.', "-0.75"},
    {"OneFifty", 150.0, '.', "150"},
    {"OneE15", 1e15, '.', "1E+15"},
    {"FifteenDigits", 123456789012345.0, '.', "123456789012345"},
    {"SixteenDigitsRounded", 1234567890123456.0, '.', "1.23456789012346E+15"},
    {"RoundsUpToExponent", 999999999999999.9, '.', "1E+15"},
    {"OneThird", 1.0 / 3.0, '.', "0.333333333333333"},
    {"TwoThirds", 2.0 / 3.0, '.', "0.666666666666667"},
    {"PointOnePlusPointTwo", 0.1 + 0.2, '.', "0.3"},
    {"Comma", 2.24, ',', "2,24"},
    {"CommaHalf", -0.5, ',', "-0,5"},
    {"CommaExponent", 1.5e20, ',', "1,5E+20"},
    {"Zero", 0.0, '.', "0"},
    {"MinusZero", -0.0, '.', "0"},
    {"Pressure", 2.24, '.', "2.24"},
    {"Tenth", 0.1, '.', "0.1"},
    {"TenThousandth", 0.0001, '.', "0.0001"},
    {"SmallExponent", 0.00001, '.', "1E-05"},
    {"SmallMantissa", 0.0000123, '.', "1.23E-05"},
    {"NegativeExponent", -2.5e-10, '.', "-2.5E-10"},
    {"Max", DBL_MAX, '.', "1.79769313486232E+308"},
    {"Denormal", 4.9406564584124654E-324, '.', "4.94065645841247E-324"},
    {"NegativeLarge", -1e100, '.', "-1E+100"},
    {"Thousand", 1000.0, '.', "1000"},
};

INSTANTIATE_TEST_SUITE_P(Table, FormatDoubleTest, testing::ValuesIn(kFormatDoubleRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct FormatSingleRow {
    const char* name;
    float value;
    char separator;
    const char* expected;
};

class FormatSingleTest : public testing::TestWithParam<FormatSingleRow> {};

TEST_P(FormatSingleTest, Writes) {
    const FormatSingleRow& row = GetParam();
    EXPECT_EQ(FormatSingle(row.value, row.separator), row.expected);
}

const FormatSingleRow kFormatSingleRows[] = {
    {"Twelve", 12.0F, '.', "12"},
    {"OneThird", 1.0F / 3.0F, '.', "0.3333333"},
    {"TwoThirds", 2.0F / 3.0F, '.', "0.6666667"},
    {"SevenDigits", 1234567.0F, '.', "1234567"},
    {"EightDigits", 12345678.0F, '.', "1.234568E+07"},
    {"OnePointTwo", 1.2F, '.', "1.2"},
    {"OneFifty", 150.0F, '.', "150"},
    {"NegativeThreeQuarters", -0.75F, '.', "-0.75"},
    {"Comma", 0.6666667F, ',', "0,6666667"},
    {"MinusZero", -0.0F, '.', "0"},
    {"Max", FLT_MAX, '.', "3.402823E+38"},
    {"Small", 0.00001F, '.', "1E-05"},
};

INSTANTIATE_TEST_SUITE_P(Table, FormatSingleTest, testing::ValuesIn(kFormatSingleRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Format, Int16) {
    EXPECT_EQ(FormatInt16(0), "0");
    EXPECT_EQ(FormatInt16(150), "150");
    EXPECT_EQ(FormatInt16(-42), "-42");
    EXPECT_EQ(FormatInt16(32767), "32767");
    EXPECT_EQ(FormatInt16(-32768), "-32768");
}

TEST(Format, NonFiniteDoesNotCrash) {
    EXPECT_EQ(FormatDouble(std::nan(""), '.'), "NaN");
    EXPECT_EQ(FormatDouble(HUGE_VAL, '.'), "Infinity");
    EXPECT_EQ(FormatDouble(-HUGE_VAL, '.'), "-Infinity");
    EXPECT_EQ(FormatSingle(-HUGE_VALF, '.'), "-Infinity");
}

TEST(Format, RoundTripsThroughConversion) {
    for (const double value : {2.24, 0.3, 1234.5, -0.75, 1e-5, 1.5e20}) {
        for (const char separator : {'.', ','}) {
            const auto back = ToDouble(FormatDouble(value, separator), separator);
            ASSERT_TRUE(back.has_value());
            EXPECT_EQ(*back, value);
        }
    }
}

// ---------------------------------------------------------------- checked arithmetic

TEST(CheckedArithmetic, OrdinarySteps) {
    EXPECT_EQ(Add(1.5, 2.0), 3.5);
    EXPECT_EQ(Sub(1.5, 2.0), -0.5);
    EXPECT_EQ(Mul(1.5, 2.0), 3.0);
    EXPECT_EQ(Div(3.0, 2.0), 1.5);
    EXPECT_EQ(Sqrt(9.0), 3.0);
    EXPECT_EQ(Sqrt(0.0), 0.0);
    EXPECT_EQ(Pow(3.0, 2.0), 9.0);
    EXPECT_EQ(Pow(-3.0, 2.0), 9.0);
    EXPECT_EQ(Pow(0.0, 2.0), 0.0);
    EXPECT_EQ(NarrowToSingle(1.2), 1.2F);
    EXPECT_EQ(NarrowToSingle(static_cast<double>(FLT_MAX)), FLT_MAX);
    EXPECT_EQ(NarrowToSingle(-1e-50), -0.0F);
}

TEST(CheckedArithmetic, DivisionByZero) {
    EXPECT_EQ(Div(1.0, 0.0), std::nullopt);
    EXPECT_EQ(Div(1.0, -0.0), std::nullopt);
    EXPECT_EQ(Div(0.0, 0.0), std::nullopt);
    EXPECT_EQ(Pow(0.0, -1.0), std::nullopt);
}

TEST(CheckedArithmetic, Overflow) {
    EXPECT_EQ(Add(DBL_MAX, DBL_MAX), std::nullopt);
    EXPECT_EQ(Sub(-DBL_MAX, DBL_MAX), std::nullopt);
    EXPECT_EQ(Mul(1e200, 1e200), std::nullopt);
    EXPECT_EQ(Div(1e300, 1e-300), std::nullopt);
    EXPECT_EQ(Pow(1e200, 2.0), std::nullopt);
    EXPECT_EQ(NarrowToSingle(1e39), std::nullopt);
    EXPECT_EQ(NarrowToSingle(-1e39), std::nullopt);
    EXPECT_EQ(NarrowToSingle(DBL_MAX), std::nullopt);
    // FLT_MAX plus half an ulp rounds to infinity; just below it to FLT_MAX.
    EXPECT_EQ(NarrowToSingle(0x1.ffffffp127), std::nullopt);
    EXPECT_EQ(NarrowToSingle(std::nextafter(0x1.ffffffp127, 0.0)), FLT_MAX);
}

TEST(CheckedArithmetic, Invalid) {
    const double nan = std::nan("");
    EXPECT_EQ(Sqrt(-1.0), std::nullopt);
    EXPECT_EQ(Pow(-8.0, 0.5), std::nullopt);
    EXPECT_EQ(Add(nan, 1.0), std::nullopt);
    EXPECT_EQ(Sub(1.0, nan), std::nullopt);
    EXPECT_EQ(Mul(HUGE_VAL, 0.0), std::nullopt);
    EXPECT_EQ(Mul(HUGE_VAL, 1.0), std::nullopt);
    EXPECT_EQ(Div(HUGE_VAL, 2.0), std::nullopt);
    EXPECT_EQ(Div(1.0, HUGE_VAL), std::nullopt);
    EXPECT_EQ(Sqrt(HUGE_VAL), std::nullopt);
    EXPECT_EQ(Sqrt(nan), std::nullopt);
    EXPECT_EQ(Pow(nan, 0.0), std::nullopt);
    EXPECT_EQ(Pow(2.0, HUGE_VAL), std::nullopt);
    EXPECT_EQ(NarrowToSingle(nan), std::nullopt);
    EXPECT_EQ(NarrowToSingle(HUGE_VAL), std::nullopt);
}

} // namespace
} // namespace zelk::numeric
