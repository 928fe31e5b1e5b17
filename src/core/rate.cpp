// The calibration rate calculation and its job record group.
#include "core/rate.h"

#include "core/numeric.h"

#include <optional>

namespace zelk {

namespace {

EntryError FlowError() {
    return EntryError{"flow", "Please Enter L/ha"};
}
EntryError SpeedError() {
    return EntryError{"speed", "Please Enter km/h"};
}
EntryError SpacingError() {
    return EntryError{"spacing", "Please Enter Nozzle Spacing"};
}

} // namespace

// A step that cannot produce a number is reported like an entry error on the
// field concerned: an entry beyond single precision on that field; a division
// by zero on the speed or the spacing that is numerically zero (the speed
// when both are). Single precision entries cannot overflow the double
// products, and the smallest nonzero product still leaves the quotient
// finite, so those two are the only failures after the entry check.
Outcome<std::string> CalibrationRate(std::string_view text1, std::string_view text2,
                                     std::string_view text3, char decimalSeparator) {
    using namespace numeric;
    const auto entries = ReadEntries<3>(
        {{{text1, FlowError()}, {text2, SpeedError()}, {text3, SpacingError()}}}, decimalSeparator);
    if (const auto* error = std::get_if<EntryError>(&entries))
        return *error;
    const auto [flow, speed, spacing] = std::get<1>(entries);

    const std::optional<double> numerator = Mul(flow, 60000.0);
    if (!numerator) {
        return FlowError();
    }
    const std::optional<double> denominator = Mul(spacing, speed);
    if (!denominator) {
        return SpacingError();
    }
    const std::optional<double> rate = Div(*numerator, *denominator);
    if (!rate) {
        return speed == 0.0 ? SpeedError() : SpacingError();
    }
    return FormatDouble(RoundHalfEven(*rate, 2), decimalSeparator);
}

void ClearRateGroup(JobRecord& record) {
    record.rateFlow.clear();
    record.rateSpeed.clear();
    record.rateSpacing.clear();
}

void StoreRateGroup(JobRecord& record, std::string_view text1, std::string_view text2,
                    std::string_view text3) {
    StoreLine(record.rateFlow, "l/min per Nozzle - ", text1, " l/min");
    StoreLine(record.rateSpeed, "km/h - ", text2, " km/h");
    StoreLine(record.rateSpacing, "Nozzle Spacing - ", text3, " Centimeters");
}

} // namespace zelk
