// The nozzle pressure drop calculation.
#include "core/pressure_drop.h"

#include "core/numeric.h"

#include <optional>

namespace zelk {

namespace {

constexpr const char* kPressurePrompt = "Please Enter Nozzle Chart Pressure";
constexpr const char* kCatchPrompt = "Please Enter Actual Catch in l/min";
constexpr const char* kFlowPrompt = "Please Enter Nozzle Chart Flow in l/min.";

EntryError ErrorOn(const char* field, const char* prompt) {
    return EntryError{field, prompt};
}
EntryError PressureError() {
    return ErrorOn("chart pressure", kPressurePrompt);
}
EntryError CatchError() {
    return ErrorOn("catch", kCatchPrompt);
}
EntryError FlowError() {
    return ErrorOn("chart flow", kFlowPrompt);
}

} // namespace

// A step that cannot produce a number is reported like an entry error on the
// field concerned:
// - an entry beyond the range of its precision: that field;
// - the square root of a negative chart pressure: Text1;
// - the division by a chart flow that is numerically zero, or a quotient that
//   overflows because the chart flow is tiny: Text3;
// - the square root of a negative quotient (catch and chart flow of opposite
//   signs): Text2, the measured catch, since the chart values are copied from
//   a chart and the catch is the one a sign slip is most likely in;
// - an overflow in the product or the two powers: Text2, the catch that every
//   one of these steps carries forward (in practice only the last power can
//   overflow, for an absurdly large catch or pressure).
Outcome<std::string> PressureDrop(std::string_view text1, std::string_view text2,
                                  std::string_view text3, char decimalSeparator) {
    using namespace numeric;
    const auto entries = ReadEntries<3>({{{text1, PressureError(), Precision::Double},
                                          {text2, CatchError(), Precision::Single},
                                          {text3, FlowError(), Precision::Double}}},
                                        decimalSeparator);
    if (const auto* error = std::get_if<EntryError>(&entries))
        return *error;
    const auto [pressure, caught, flow] = std::get<1>(entries);

    const std::optional<double> r1 = Sqrt(pressure);
    if (!r1) {
        return PressureError();
    }
    const std::optional<double> x = Mul(caught, *r1);
    if (!x) {
        return CatchError();
    }
    const std::optional<double> y = Div(*x, flow);
    if (!y) {
        return FlowError();
    }
    const std::optional<double> r2 = Sqrt(*y);
    if (!r2) {
        return CatchError();
    }
    const std::optional<double> a = Pow(*r2, 2.0);
    if (!a) {
        return CatchError();
    }
    const std::optional<double> b = Pow(*a, 2.0);
    if (!b) {
        return CatchError();
    }
    return FormatDouble(RoundHalfEven(*b, 2), decimalSeparator);
}

} // namespace zelk
