// The numeric rules: entry, conversion, rounding, number-to-text and
// checked arithmetic. Locale-free: the decimal separator is passed in, and the
// conversions use std::from_chars / std::to_chars, never strtod or printf
// (Qt sets the C locale from the environment, which would change those).
#include "core/numeric.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace zelk::numeric {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A text that passed the grammar, rewritten for std::from_chars: no leading
// '+', '.' as the separator. decimalExponent is the power of ten of the
// leading non-zero digit (saturated), meaningful only when nonZero is true; it
// tells an overflow from an underflow when from_chars reports out of range.
struct Normalized {
    std::string text;
    bool nonZero = false;
    long long decimalExponent = 0;
};

std::optional<Normalized> Normalize(std::string_view raw, char decimalSeparator) {
    const std::string_view text = TrimBlanks(raw);
    Normalized out;
    out.text.reserve(text.size());
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            out.text.push_back('-');
        }
        ++i;
    }
    std::size_t digits = 0;
    bool seenSeparator = false;
    // Position (power of ten) tracking for the leading non-zero digit.
    long long intDigitsAfterLead = 0; // integer digits from the first non-zero one
    long long fracZerosBeforeLead = 0;
    bool leadInInteger = false;
    bool leadInFraction = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            ++digits;
            out.text.push_back(c);
            if (!seenSeparator) {
                if (leadInInteger) {
                    ++intDigitsAfterLead;
                } else if (c != '0') {
                    leadInInteger = true;
                    intDigitsAfterLead = 1;
                }
            } else if (!leadInInteger && !leadInFraction) {
                if (c == '0') {
                    ++fracZerosBeforeLead;
                } else {
                    leadInFraction = true;
                }
            }
        } else if (c == decimalSeparator && !seenSeparator) {
            seenSeparator = true;
            out.text.push_back('.');
        } else {
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        out.text.push_back('e');
        ++i;
        bool negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            if (negative) {
                out.text.push_back('-');
            }
            ++i;
        }
        std::size_t expDigits = 0;
        for (; i < n && IsDigit(text[i]); ++i) {
            ++expDigits;
            out.text.push_back(text[i]);
            if (exponent < 1'000'000'000LL) {
                exponent = exponent * 10 + (text[i] - '0');
            }
        }
        if (expDigits == 0) {
            return std::nullopt;
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    if (i != n) {
        return std::nullopt;
    }
    out.nonZero = leadInInteger || leadInFraction;
    if (leadInInteger) {
        out.decimalExponent = intDigitsAfterLead - 1 + exponent;
    } else if (leadInFraction) {
        out.decimalExponent = -(fracZerosBeforeLead + 1) + exponent;
    }
    return out;
}

template <class T> std::optional<T> Convert(std::string_view text, char decimalSeparator) {
    const auto normalized = Normalize(text, decimalSeparator);
    if (!normalized) {
        return std::nullopt;
    }
    const std::string& s = normalized->text;
    T value{};
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars reports both overflow and underflow to zero. An
        // underflow is a number all the same: its nearest value is a zero.
        if (normalized->nonZero && normalized->decimalExponent < 0) {
            return s.front() == '-' ? -T(0) : T(0);
        }
        return std::nullopt;
    }
    if (ec != std::errc{} || ptr != s.data() + s.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// 2^52: from here on every double is a whole number.
constexpr double kWholeFromHere = 4503599627370496.0;

// Half to even to a whole number, for |value| < 2^52 (exact arithmetic there).
double RoundWholeHalfEven(double value) {
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff > 0.5) {
        return down + 1.0;
    }
    if (diff < 0.5) {
        return down;
    }
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

// Powers of ten held exactly by a double (up to 1e22).
double PowerOfTen(int n) {
    double p = 1.0;
    for (int i = 0; i < n; ++i) {
        p *= 10.0;
    }
    return p;
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Infinity" : "Infinity";
}

// Number-to-text from the scientific form of to_chars with the wanted number
// of significant digits ("d.ddde+XX"). Values of magnitude 1E+digits and up
// need more digits before the separator than allowed and are written in
// exponent form; so are values below 1E-04 (our choice, as the classic BASIC
// runtime does: 0.0001 stays plain, 0.00001 is written 1E-05).
template <class T> std::string FormatFloating(T value, int significantDigits, char separator) {
    if (!std::isfinite(value)) {
        return NonFiniteText(static_cast<double>(value));
    }
    if (value == 0) {
        return "0"; // also for -0
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
    bool negative = false;
    std::string digits;
    int exponent = 0;
    std::size_t i = 0;
    if (sci[i] == '-') {
        negative = true;
        ++i;
    }
    for (; i < sci.size() && sci[i] != 'e'; ++i) {
        if (IsDigit(sci[i])) {
            digits.push_back(sci[i]);
        }
    }
    if (i < sci.size()) {
        ++i; // 'e'
        bool expNegative = false;
        if (i < sci.size() && (sci[i] == '+' || sci[i] == '-')) {
            expNegative = sci[i] == '-';
            ++i;
        }
        for (; i < sci.size(); ++i) {
            exponent = exponent * 10 + (sci[i] - '0');
        }
        if (expNegative) {
            exponent = -exponent;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    std::string out;
    if (negative) {
        out.push_back('-');
    }
    if (exponent >= significantDigits || exponent < -4) {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back(separator);
            out.append(digits, 1, std::string::npos);
        }
        out.push_back('E');
        out.push_back(exponent < 0 ? '-' : '+');
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) {
            out.push_back('0');
        }
        out.append(std::to_string(magnitude));
        return out;
    }
    if (exponent >= 0) {
        const auto intCount = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intCount) {
            out.append(digits);
            out.append(intCount - digits.size(), '0');
        } else {
            out.append(digits, 0, intCount);
            out.push_back(separator);
            out.append(digits, intCount, std::string::npos);
        }
        return out;
    }
    out.push_back('0');
    out.push_back(separator);
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out.append(digits);
    return out;
}

std::optional<double> Checked(double result) {
    if (!std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

bool Finite(double a) {
    return std::isfinite(a);
}

} // namespace

bool IsNumeric(std::string_view text, char decimalSeparator) {
    return Normalize(text, decimalSeparator).has_value();
}

bool PassesEntryRule(std::string_view text, char decimalSeparator) {
    return text != "0" && IsNumeric(text, decimalSeparator);
}

std::optional<double> ToDouble(std::string_view text, char decimalSeparator) {
    return Convert<double>(text, decimalSeparator);
}

std::optional<float> ToSingle(std::string_view text, char decimalSeparator) {
    return Convert<float>(text, decimalSeparator);
}

std::optional<std::int16_t> ToInt16(std::string_view text, char decimalSeparator) {
    const auto value = ToDouble(text, decimalSeparator);
    if (!value || !(std::fabs(*value) < 65536.0)) {
        return std::nullopt;
    }
    const double whole = RoundWholeHalfEven(*value);
    if (whole < -32768.0 || whole > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(whole);
}

double RoundHalfEven(double value, int decimals) {
    if (!std::isfinite(value) || decimals < 0 || decimals > 22 ||
        std::fabs(value) >= kWholeFromHere) {
        return value;
    }
    const double scale = PowerOfTen(decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kWholeFromHere) {
        return value;
    }
    const double rounded = RoundWholeHalfEven(scaled);
    if (rounded == 0.0) {
        return std::copysign(0.0, value);
    }
    return rounded / scale; // both exact: the quotient is the double nearest
}

float RoundHalfEven(float value, int decimals) {
    if (!std::isfinite(value) || decimals < 0 || decimals > 22 ||
        std::fabs(value) >= 8388608.0F) { // 2^23: every float from here is whole
        return value;
    }
    const double scaled = static_cast<double>(value) * PowerOfTen(decimals); // exact enough
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kWholeFromHere) {
        return value;
    }
    const double rounded = RoundWholeHalfEven(scaled);
    if (rounded == 0.0) {
        return std::copysign(0.0F, value);
    }
    // The single nearest to rounded / 10^decimals, read from its decimal text
    // so that no double rounding creeps in.
    std::string text = std::to_string(static_cast<long long>(rounded));
    text += "e-" + std::to_string(decimals);
    float result = value;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (ec != std::errc{} || ptr != text.data() + text.size()) {
        return static_cast<float>(rounded / PowerOfTen(decimals));
    }
    return result;
}

std::string FormatDouble(double value, char decimalSeparator) {
    return FormatFloating(value, 15, decimalSeparator);
}

std::string FormatSingle(float value, char decimalSeparator) {
    return FormatFloating(value, 7, decimalSeparator);
}

std::string FormatInt16(std::int16_t value) {
    return std::to_string(value);
}

std::optional<double> Add(double a, double b) {
    if (!Finite(a) || !Finite(b)) {
        return std::nullopt;
    }
    return Checked(a + b);
}

std::optional<double> Sub(double a, double b) {
    if (!Finite(a) || !Finite(b)) {
        return std::nullopt;
    }
    return Checked(a - b);
}

std::optional<double> Mul(double a, double b) {
    if (!Finite(a) || !Finite(b)) {
        return std::nullopt;
    }
    return Checked(a * b);
}

std::optional<double> Div(double a, double b) {
    if (!Finite(a) || !Finite(b) || b == 0.0) {
        return std::nullopt;
    }
    return Checked(a / b);
}

std::optional<double> Sqrt(double a) {
    if (!Finite(a) || a < 0.0) {
        return std::nullopt;
    }
    return Checked(std::sqrt(a));
}

std::optional<double> Pow(double base, double exponent) {
    if (!Finite(base) || !Finite(exponent)) {
        return std::nullopt;
    }
    // A negative base with a fractional exponent gives NaN (invalid); zero to
    // a negative power gives an infinity (division by zero); both are refused.
    return Checked(std::pow(base, exponent));
}

std::optional<float> NarrowToSingle(double value) {
    // Doubles from FLT_MAX + half an ulp up round to infinity (the tie goes to
    // the even neighbour, which is 2^128). Checked before the cast, which
    // would be undefined behaviour out of range.
    constexpr double kOverflow = 0x1.ffffffp127;
    if (!std::isfinite(value) || std::fabs(value) >= kOverflow) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

} // namespace zelk::numeric
