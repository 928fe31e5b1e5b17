#include "core/catch_chart.h"

#include "core/numeric.h"

#include <cmath>

namespace zelk {

namespace {

std::optional<double> PositiveNumber(std::string_view text, char decimalSeparator) {
    const std::optional<double> value = numeric::ToDouble(text, decimalSeparator);
    if (!value || !(*value > 0.0) || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

// "4, 11": the nozzles of the bars that pass.
template <class Pick> std::string NozzleList(const CatchChartModel& model, Pick&& pick) {
    std::string list;
    for (const CatchBar& bar : model.bars) {
        if (!pick(bar))
            continue;
        if (!list.empty())
            list += ", ";
        list += std::to_string(bar.nozzle);
    }
    return list;
}

} // namespace

Wear ClassifyWear(double flowLpm, double newFlowLpm, double limitPercent) {
    const double percent = (flowLpm - newFlowLpm) / newFlowLpm * 100.0;
    if (percent > limitPercent)
        return Wear::Worn;
    if (percent < -limitPercent)
        return Wear::Check;
    return Wear::Fine;
}

double CatchFlow(double millilitres, double seconds) {
    return millilitres / 1000.0 * 60.0 / seconds;
}

std::string DeviationText(double percent) {
    const double whole = numeric::RoundHalfEven(percent, 0);
    if (whole == 0.0)
        return "0 %";
    const long long value = std::llround(whole);
    return (value > 0 ? "+" : "") + std::to_string(value) + " %";
}

Outcome<CatchChartModel> ChartOfCatchTest(const CatchResults& results,
                                          const std::optional<WearEntries>& wear,
                                          char decimalSeparator) {
    using numeric::ToDouble;
    CatchChartModel model;
    // The evaluation wrote these texts, so they read back.
    model.average = ToDouble(results.summary.average, decimalSeparator).value_or(0.0);
    model.minimum = ToDouble(results.summary.minimum, decimalSeparator).value_or(0.0);
    model.maximum = ToDouble(results.summary.maximum, decimalSeparator).value_or(0.0);
    model.averageText = results.summary.average;
    model.minimumText = results.summary.minimum;
    model.maximumText = results.summary.maximum;

    double newFlow = 0, limit = 0, seconds = 0;
    if (wear) {
        const std::optional<double> limitPercent = PositiveNumber(wear->limit, decimalSeparator);
        if (!limitPercent)
            return EntryError{"wear limit", "Wear limit (%): enter a number above 0."};
        const std::optional<double> time = PositiveNumber(wear->catchTime, decimalSeparator);
        if (!time)
            return EntryError{"catch time",
                              "Enter a catch time above 0 seconds to compare with a new nozzle."};
        const std::optional<double> pressure = PositiveNumber(wear->pressure, decimalSeparator);
        if (!pressure)
            return EntryError{"pressure",
                              "Enter a pressure above 0 bar to compare with a new nozzle."};
        limit = *limitPercent;
        seconds = *time;
        newFlow = FlowAtPressure(kNozzleSizes[wear->size].flowAt3Bar, *pressure);
        model.wearChecked = true;
    }

    for (int i = 0; i < kNozzleCount; ++i) {
        const std::optional<float> caught =
            numeric::ToSingle(results.nozzles[std::size_t(i)], decimalSeparator);
        if (!caught || !(*caught > 0.0F))
            continue;
        CatchBar bar;
        bar.nozzle = i + 1;
        bar.millilitres = static_cast<double>(*caught);
        bar.deviationPercent =
            model.average != 0.0 ? (bar.millilitres - model.average) / model.average * 100.0 : 0.0;
        bar.deviation = DeviationText(bar.deviationPercent);
        bar.low = results.low[std::size_t(i)];
        bar.high = results.high[std::size_t(i)];
        if (wear)
            bar.wear = ClassifyWear(CatchFlow(bar.millilitres, seconds), newFlow, limit);
        model.bars.push_back(std::move(bar));
    }
    return model;
}

std::string WearSummary(const CatchChartModel& model) {
    if (!model.wearChecked || model.bars.empty())
        return {};
    const std::string worn =
        NozzleList(model, [](const CatchBar& b) { return b.wear == Wear::Worn; });
    const std::string check =
        NozzleList(model, [](const CatchBar& b) { return b.wear == Wear::Check; });
    if (worn.empty() && check.empty())
        return "Every nozzle is within the wear limit of a new one.";
    std::string summary;
    if (!worn.empty())
        summary = "Worn, replace: " + worn + ".";
    if (!check.empty())
        summary += (summary.empty() ? "" : " ") + std::string("Check for blockage: ") + check + ".";
    return summary;
}

std::string ChartDescription(const CatchChartModel& model) {
    if (model.bars.empty())
        return "No catch test drawn.";
    std::string outside;
    for (const CatchBar& bar : model.bars) {
        if (!bar.low && !bar.high)
            continue;
        if (!outside.empty())
            outside += ", ";
        outside += std::to_string(bar.nozzle) + (bar.low && bar.high ? " (low, high)"
                                                 : bar.low           ? " (low)"
                                                                     : " (high)");
    }
    std::string text = outside.empty() ? "Every nozzle is inside the allowed band."
                                       : "Outside the allowed band: " + outside + ".";
    if (model.wearChecked)
        text += " " + WearSummary(model);
    return text;
}

} // namespace zelk
