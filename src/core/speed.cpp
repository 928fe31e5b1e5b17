// The travel speed calculation and its job record group.
#include "core/speed.h"

#include "core/numeric.h"

#include <optional>

namespace zelk {

namespace {

EntryError DistanceError() {
    return EntryError{"distance", "Please Enter Distance"};
}
EntryError TimeError() {
    return EntryError{"time", "Enter Timd"};
}

// Metres per second to kilometres per hour.
constexpr double kKmhPerMetrePerSecond = 3.6;

} // namespace

// A step that cannot produce a number is reported like an entry error on the
// field concerned: an entry beyond double precision on that field, an
// overflowing product on the distance, and a time that is numerically zero
// or so small that the quotient overflows on the time.
Outcome<std::string> TravelSpeed(std::string_view text1, std::string_view text2,
                                 char decimalSeparator) {
    using namespace numeric;
    const auto entries = ReadEntries<2>(
        {{{text1, DistanceError(), Precision::Double}, {text2, TimeError(), Precision::Double}}},
        decimalSeparator);
    if (const auto* error = std::get_if<EntryError>(&entries))
        return *error;
    const auto [distance, time] = std::get<1>(entries);

    const std::optional<double> product = Mul(distance, kKmhPerMetrePerSecond);
    if (!product) {
        return DistanceError();
    }
    const std::optional<double> speed = Div(*product, time);
    if (!speed) {
        return TimeError();
    }
    return FormatDouble(RoundHalfEven(*speed, 2), decimalSeparator);
}

void ClearSpeedGroup(JobRecord& record) {
    record.speedDistance.clear();
    record.speedTime.clear();
    record.speedKmh.clear();
}

void StoreSpeedGroup(JobRecord& record, std::string_view text1, std::string_view text2,
                     std::string_view text3) {
    StoreLine(record.speedDistance, "Distance Traveled in Meters - ", text1);
    StoreLine(record.speedTime, "Time in Seconds - ", text2);
    StoreLine(record.speedKmh, "km/h - ", text3);
}

} // namespace zelk
