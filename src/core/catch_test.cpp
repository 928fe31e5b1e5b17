// The catch test evaluation and the uniformity screen's job record group.
#include "core/catch_test.h"

#include "core/numeric.h"

#include <cmath>

namespace zelk {

namespace {

constexpr std::size_t kNozzles = kNozzleCount;

EntryError VariationError() {
    return EntryError{"variation", "Please Enter Variation Percentage"};
}
EntryError CatchTimeError() {
    return EntryError{"catch time", "Please Enter Catch Time"};
}
EntryError PressureError() {
    return EntryError{"pressure", "Please Enter Pressure"};
}
EntryError NozzleError(std::size_t index) {
    const int nozzle = static_cast<int>(index) + 1;
    return EntryError{"nozzle " + std::to_string(nozzle),
                      "Please Enter a Number for Nozzle " + std::to_string(nozzle)};
}

// The nozzle most likely mistyped when the values together overflow: the
// largest in magnitude, the first of equals.
std::size_t LargestNozzle(const std::array<float, kNozzles>& values) {
    std::size_t largest = 0;
    for (std::size_t i = 1; i < kNozzles; ++i) {
        if (std::fabs(values[i]) > std::fabs(values[largest])) {
            largest = i;
        }
    }
    return largest;
}

} // namespace

// What the entry check does not cover is reported like an entry error on the
// field concerned, before anything is written:
// - a nozzle text that is not a number, negative, or beyond single
//   precision: that nozzle, by its number;
// - values whose sum overflows single precision: the largest of them;
// - a catch time that is numerically zero or negative, beyond double
//   precision, or that makes the flow overflow: the catch time;
// - a negative variation, one beyond double precision, or one so large that
//   the band overflows single precision: the variation.
// The no-catch check comes first among the steps that need the catch time,
// as the steps are ordered.
CatchOutcome EvaluateCatchTest(const CatchEntries& entries, char decimalSeparator) {
    using namespace numeric;
    if (auto error = CheckEntries({{entries.variation, VariationError()},
                                   {entries.catchTime, CatchTimeError()},
                                   {entries.pressure, PressureError()}},
                                  decimalSeparator))
        return *error;

    // A negative variation would put the minimum above the maximum.
    const std::optional<double> percent = ToDouble(entries.variation, decimalSeparator);
    if (!percent || *percent < 0.0) {
        return VariationError();
    }
    const std::optional<double> variation = Div(*percent, 100.0);
    if (!variation) {
        return VariationError();
    }

    NozzleTexts nozzles = entries.nozzles;
    for (std::string& text : nozzles) {
        if (text.empty()) {
            text = "0";
        }
    }

    std::array<float, kNozzles> values{};
    for (std::size_t i = 0; i < kNozzles; ++i) {
        // A negative catch would lower the sum without being counted.
        const std::optional<float> value = ToSingle(nozzles[i], decimalSeparator);
        if (!value || *value < 0.0F) {
            return NozzleError(i);
        }
        values[i] = *value;
    }

    int count = 0;
    double total = 0.0;
    for (const float value : values) {
        if (value > 0.0F) {
            ++count;
        }
        const std::optional<double> next = Add(total, static_cast<double>(value));
        if (!next) {
            return NozzleError(LargestNozzle(values));
        }
        total = *next;
    }
    const std::optional<float> sum = NarrowToSingle(total);
    if (!sum) {
        return NozzleError(LargestNozzle(values));
    }

    if (count == 0) {
        return NoCatch{nozzles};
    }

    CatchResults results{nozzles, {}, {}, {}};
    const std::optional<double> quotient =
        Div(static_cast<double>(*sum), static_cast<double>(count));
    const std::optional<float> average = quotient ? NarrowToSingle(*quotient) : std::nullopt;
    if (!average) {
        return NozzleError(LargestNozzle(values));
    }
    results.summary.average = FormatSingle(*average, decimalSeparator);

    // The flow and the band are computed from the average as displayed.
    const std::optional<double> shown = ToDouble(results.summary.average, decimalSeparator);
    if (!shown) {
        return NozzleError(LargestNozzle(values));
    }
    const std::optional<double> seconds = ToDouble(entries.catchTime, decimalSeparator);
    if (!seconds || *seconds < 0.0) {
        return CatchTimeError();
    }
    // Millilitres per catch to litres per minute.
    const std::optional<double> numerator = Mul(*shown, 60.0);
    const std::optional<double> denominator = Mul(*seconds, 1000.0);
    if (!numerator || !denominator) {
        return CatchTimeError();
    }
    const std::optional<double> flow = Div(*numerator, *denominator);
    if (!flow) {
        return CatchTimeError();
    }
    results.summary.flow = FormatDouble(RoundHalfEven(*flow, 2), decimalSeparator);

    const std::optional<double> lowFactor = Sub(1.0, *variation);
    const std::optional<double> highFactor = Add(*variation, 1.0);
    if (!lowFactor || !highFactor) {
        return VariationError();
    }
    const std::optional<double> lowLimit = Mul(*shown, *lowFactor);
    const std::optional<double> highLimit = Mul(*shown, *highFactor);
    const std::optional<float> minimumLimit = lowLimit ? NarrowToSingle(*lowLimit) : std::nullopt;
    const std::optional<float> maximumLimit = highLimit ? NarrowToSingle(*highLimit) : std::nullopt;
    if (!minimumLimit || !maximumLimit) {
        return VariationError();
    }
    // Plain values from here: g++ 12 at -O2 cannot see through the optionals
    // in the loop and warns (maybe-uninitialized), which -Werror turns fatal.
    const float minimum = *minimumLimit;
    const float maximum = *maximumLimit;
    results.summary.minimum = FormatSingle(minimum, decimalSeparator);
    results.summary.maximum = FormatSingle(maximum, decimalSeparator);

    for (std::size_t i = 0; i < kNozzles; ++i) {
        const float value = values[i];
        results.low[i] = value > 0.0F && value < minimum;
        results.high[i] = value > maximum && value > 0.0F;
    }
    return results;
}

void ClearNozzleGroup(JobRecord& record) {
    record.nozzleVariation.clear();
    record.nozzleCatchTime.clear();
    record.nozzlePressure.clear();
    record.nozzleCatch.fill(0);
    record.nozzleAverage.clear();
    record.nozzleMinimum.clear();
    record.nozzleMaximum.clear();
    record.nozzleFlow.clear();
}

std::optional<std::int16_t> CatchVolume(std::string_view text, char decimalSeparator) {
    const std::optional<double> value = numeric::ToDouble(text, decimalSeparator);
    if (!value || *value == 0.0) {
        return std::nullopt;
    }
    return numeric::ToInt16(text, decimalSeparator);
}

void StoreNozzleGroup(JobRecord& record, const CatchEntries& entries, const CatchSummary& summary,
                      char decimalSeparator) {
    StoreLine(record.nozzleVariation, "Variation Percentage - ", entries.variation, " %");
    StoreLine(record.nozzleCatchTime, "Catch Time - ", entries.catchTime, " Seconds");
    StoreLine(record.nozzlePressure, "Pressure - ", entries.pressure, " bar");
    for (std::size_t i = 0; i < kNozzles; ++i) {
        if (const std::optional<std::int16_t> volume =
                CatchVolume(entries.nozzles[i], decimalSeparator)) {
            record.nozzleCatch[i] = *volume;
        }
    }
    StoreLine(record.nozzleAverage, "Average Output - ", summary.average, " ml");
    StoreLine(record.nozzleMinimum, "Minimin Allowable - ", summary.minimum, " ml");
    StoreLine(record.nozzleMaximum, "Maximum Allowable - ", summary.maximum, " ml");
    StoreLine(record.nozzleFlow, "l/min per Nozzle - ", summary.flow, " l/min");
}

} // namespace zelk
