#include "core/nozzle_chart.h"

#include "core/numeric.h"

#include <charconv>
#include <cmath>

namespace zelk {

namespace {

constexpr double kChartPressure = 3.0; // bar, where the chart's flows hold

// A number above 0, or nothing.
std::optional<double> PositiveNumber(std::string_view text, char decimalSeparator) {
    const std::optional<double> value = numeric::ToDouble(text, decimalSeparator);
    if (!value || !(*value > 0.0) || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

std::string Recommendation(std::size_t size, const ChartRow& row) {
    const NozzleSize& nozzle = kNozzleSizes[size];
    return "Recommended: " + std::string(nozzle.name) + " (" + std::string(nozzle.colour) +
           ") at " + row.pressure + " bar";
}

std::string NoFit(ChartNeed need) {
    switch (need) {
    case ChartNeed::LargerSize:
        return "No size fits the pressure range: a larger size than 08 is needed.";
    case ChartNeed::SmallerSize:
        return "No size fits the pressure range: a smaller size than 01 is needed.";
    case ChartNeed::WiderRange:
        return "No size fits the pressure range: the flow lies between two sizes, widen the "
               "range.";
    case ChartNeed::Nothing:
        break;
    }
    return {};
}

} // namespace

double PressureForFlow(double flowLpm, double flowAt3Bar) {
    const double ratio = flowLpm / flowAt3Bar;
    return kChartPressure * ratio * ratio;
}

double FlowAtPressure(double flowAt3Bar, double pressureBar) {
    return flowAt3Bar * std::sqrt(pressureBar / kChartPressure);
}

double WaterEquivalentFlow(double flowLpm, double densityKgPerL) {
    return flowLpm * std::sqrt(densityKgPerL);
}

std::string FormatTwoDecimals(double value, char decimalSeparator) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text(buffer, result.ec == std::errc{} ? result.ptr : buffer);
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator;
    return text;
}

NozzleChart ChartForFlow(double flowLpm, double densityKgPerL, double lowestBar, double highestBar,
                         char decimalSeparator) {
    NozzleChart chart;
    const double water = WaterEquivalentFlow(flowLpm, densityKgPerL);
    bool anyBelow = false, anyAbove = false;
    for (std::size_t i = 0; i < kNozzleSizeCount; ++i) {
        ChartRow& row = chart.rows[i];
        // Compared as shown, so that a pressure the operator reads on an edge
        // of the range is inside it.
        row.pressureBar =
            numeric::RoundHalfEven(PressureForFlow(water, kNozzleSizes[i].flowAt3Bar), 2);
        if (row.pressureBar < lowestBar) {
            row.fit = ChartFit::Below;
            row.pressure = "below range";
            anyBelow = true;
        } else if (row.pressureBar > highestBar) {
            row.fit = ChartFit::Above;
            row.pressure = "above range";
            anyAbove = true;
        } else {
            row.fit = ChartFit::Inside;
            row.pressure = FormatTwoDecimals(row.pressureBar, decimalSeparator);
            const auto distance = [&chart](std::size_t size) {
                return std::fabs(chart.rows[size].pressureBar - kChartPressure);
            };
            // Larger sizes come later at lower pressures: a tie goes to them.
            if (!chart.recommended || distance(i) <= distance(*chart.recommended))
                chart.recommended = i;
        }
    }
    if (chart.recommended) {
        chart.line = Recommendation(*chart.recommended, chart.rows[*chart.recommended]);
    } else {
        chart.need = anyAbove && !anyBelow   ? ChartNeed::LargerSize
                     : anyBelow && !anyAbove ? ChartNeed::SmallerSize
                                             : ChartNeed::WiderRange;
        chart.line = NoFit(chart.need);
    }
    return chart;
}

Outcome<std::optional<NozzleChart>> NozzleChartFor(const ChartEntries& entries,
                                                   char decimalSeparator) {
    const std::optional<double> density = PositiveNumber(entries.density, decimalSeparator);
    if (!density)
        return EntryError{"density", "Liquid density (kg/L): enter a number above 0."};
    const std::optional<double> lowest = PositiveNumber(entries.lowest, decimalSeparator);
    if (!lowest)
        return EntryError{"lowest pressure", "Lowest pressure (bar): enter a number above 0."};
    const std::optional<double> highest = PositiveNumber(entries.highest, decimalSeparator);
    if (!highest)
        return EntryError{"highest pressure", "Highest pressure (bar): enter a number above 0."};
    if (*lowest > *highest)
        return EntryError{"lowest pressure",
                          "Lowest pressure (bar): it is above the highest pressure; lower it."};
    const std::optional<double> flow = PositiveNumber(entries.flow, decimalSeparator);
    if (!flow)
        return std::optional<NozzleChart>{};
    return std::optional<NozzleChart>{
        ChartForFlow(*flow, *density, *lowest, *highest, decimalSeparator)};
}

} // namespace zelk
