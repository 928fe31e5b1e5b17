// The nozzle selection calculation and its job record group.
#include "core/nozzle_selection.h"

#include "core/job_record.h"
#include "core/numeric.h"

#include <optional>

namespace zelk {

namespace {

constexpr const char* kRatePrompt = "Please Enter Desired Application Rate";
constexpr const char* kSpeedPrompt = "Please Enter km/h";
constexpr const char* kSpacingPrompt = "Please Enter Nozzle Spacing";
// Our own text: no single entry is to blame when the product of the three is
// too large, so the focus goes to the first of them.
constexpr const char* kFlowTooLarge =
    "Flow too large for a range: check the rate, speed and spacing";

EntryError RateError() {
    return EntryError{"rate", kRatePrompt};
}
EntryError SpeedError() {
    return EntryError{"speed", kSpeedPrompt};
}
EntryError SpacingError() {
    return EntryError{"spacing", kSpacingPrompt};
}

// F × factor in double precision, rounded to 2 decimals, as text.
std::optional<std::string> RangeEnd(float shown, double factor, char decimalSeparator) {
    const std::optional<double> end = numeric::Mul(static_cast<double>(shown), factor);
    if (!end) {
        return std::nullopt;
    }
    return numeric::FormatDouble(numeric::RoundHalfEven(*end, 2), decimalSeparator);
}

Outcome<NozzleRange> Range(const std::string& flowText, char decimalSeparator) {
    const EntryError tooLarge{"rate", kFlowTooLarge};
    // The range belongs to the flow the operator sees, so it starts from the
    // rounded text rather than from the unrounded flow.
    const std::optional<float> shown = numeric::ToSingle(flowText, decimalSeparator);
    if (!shown) {
        return tooLarge;
    }
    const std::optional<std::string> lower = RangeEnd(*shown, 0.95, decimalSeparator);
    const std::optional<std::string> upper = RangeEnd(*shown, 1.05, decimalSeparator);
    if (!lower || !upper) {
        return tooLarge;
    }
    return NozzleRange{*upper, *lower};
}

} // namespace

// An entry beyond the single precision range passes the entry rule but cannot
// be read; it is reported with that field's own prompt before anything is
// written.
Outcome<NozzleFlows> NozzleSelection(std::string_view text1, std::string_view text2,
                                     std::string_view text3, char decimalSeparator) {
    using namespace numeric;
    const auto entries = ReadEntries<3>(
        {{{text1, RateError()}, {text2, SpeedError()}, {text3, SpacingError()}}}, decimalSeparator);
    if (const auto* error = std::get_if<EntryError>(&entries))
        return *error;
    const auto [rate, speed, spacing] = std::get<1>(entries);

    // Three singles multiplied in double precision stay far inside its range,
    // so these steps fail only on values no entry can produce.
    const std::optional<double> wr = Mul(spacing, rate);
    if (!wr) {
        return RateError();
    }
    const std::optional<double> wrs = Mul(*wr, speed);
    if (!wrs) {
        return SpeedError();
    }
    const std::optional<double> flow = Div(*wrs, 60000.0);
    if (!flow) {
        return SpacingError();
    }

    NozzleFlows flows;
    flows.flow = FormatDouble(RoundHalfEven(*flow, 2), decimalSeparator);
    flows.range = Range(flows.flow, decimalSeparator);
    return flows;
}

void ClearNozzleSelection(JobRecord& record) {
    record.selRate.clear();
    record.selSpeed.clear();
    record.selSpacing.clear();
    record.selFlow.clear();
    record.selMaxFlow.clear();
    record.selMinFlow.clear();
}

void StoreNozzleSelection(JobRecord& record, const NozzleSelectionTexts& texts) {
    StoreLine(record.selRate, "Desired Application Rate (Liters per Hectar) - ", texts.rate,
              " L/ha");
    StoreLine(record.selSpeed, "Application Speed - ", texts.speed, " km/h");
    StoreLine(record.selSpacing, "Nozzle Spacing - ", texts.spacing, " Centimeters");
    StoreLine(record.selFlow, "Liters per Minute (Per Nozzle) - ", texts.flow, " l/min");
    StoreLine(record.selMaxFlow, "Maximum Liters per Minute (Per Nozzle) - ", texts.upper,
              " l/min");
    StoreLine(record.selMinFlow, "Minimum Liters per Minute (Per Nozzle) - ", texts.lower,
              " l/min");
}

} // namespace zelk
