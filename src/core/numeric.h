// Numeric entry and result text: the rules every calculator shares.
//
// Entry texts are UTF-8 as the fields hold them. The decimal separator is
// the user's locale's; callers pass it in (the core never asks the system).
// Nothing here throws: a text that cannot become a number, or an arithmetic
// step that cannot produce one, comes back as an empty optional.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelk::numeric {

// A decimal number, ignoring blanks around it: optional sign, digits with at
// most one decimal separator and at least one digit, optional exponent
// (E or e, optional sign, digits). No grouping separators, no other forms.
bool IsNumeric(std::string_view text, char decimalSeparator);

// The entry rule: a field fails when its text is exactly "0" or is not numeric.
bool PassesEntryRule(std::string_view text, char decimalSeparator);

// Conversions. Each gives the nearest value of the target type to the decimal
// value of the text; empty when the text is not numeric or the value lies
// beyond the type's range.
std::optional<double> ToDouble(std::string_view text, char decimalSeparator);
std::optional<float> ToSingle(std::string_view text, char decimalSeparator);
// Rounded to a whole number half to even; empty outside -32768 to 32767.
std::optional<std::int16_t> ToInt16(std::string_view text, char decimalSeparator);

// Half-to-even rounding to n decimals, keeping the precision of the input.
double RoundHalfEven(double value, int decimals);
float RoundHalfEven(float value, int decimals);

// Number to text: at most 15 (double) or 7 (single) significant digits, no
// trailing zeros, no grouping, exponent form (1E+15) when the digits do not fit.
std::string FormatDouble(double value, char decimalSeparator);
std::string FormatSingle(float value, char decimalSeparator);
std::string FormatInt16(std::int16_t value);

// Checked arithmetic: empty on division by zero, overflow or an invalid
// operation (a NaN or an infinity anywhere), so a calculation can stop there.
std::optional<double> Add(double a, double b);
std::optional<double> Sub(double a, double b);
std::optional<double> Mul(double a, double b);
std::optional<double> Div(double a, double b);
std::optional<double> Sqrt(double a);
std::optional<double> Pow(double base, double exponent);
// Narrowing a double to single precision; empty when it overflows the range.
std::optional<float> NarrowToSingle(double value);

} // namespace zelk::numeric
