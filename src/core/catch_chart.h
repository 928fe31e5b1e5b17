// What the catch test chart shows: one bar per nozzle that caught anything,
// the average and the allowed band, each bar's deviation from the average,
// and, against a chosen nozzle size, which nozzles flow like worn ones or
// like blocked ones. The chart widget paints from this and nothing else.
#pragma once

#include "core/catch_test.h"
#include "core/nozzle_chart.h"
#include "core/outcome.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelk {

// Against the flow of a new nozzle: Fine within the limit either side, Worn
// above it (a worn orifice lets more through), Check below it (a partly
// blocked one).
enum class Wear { NotChecked, Fine, Worn, Check };

struct CatchBar {
    int nozzle = 0;              // 1 to 18
    double millilitres = 0;      // as caught
    double deviationPercent = 0; // from the average
    std::string deviation;       // "+12 %", "-3 %", "0 %"
    bool low = false;            // marked Low1
    bool high = false;           // marked High1
    Wear wear = Wear::NotChecked;
    bool operator==(const CatchBar&) const = default;
};

struct CatchChartModel {
    std::vector<CatchBar> bars; // in nozzle order; empty: nothing drawn
    double average = 0;         // ml, as Text13 shows it
    double minimum = 0;         // ml, Text14
    double maximum = 0;         // ml, Text15
    std::string averageText;    // the three as their fields show them
    std::string minimumText;
    std::string maximumText;
    bool wearChecked = false;
};

// Comparing one nozzle's flow with a new nozzle's: more than limitPercent
// above it is Worn, more than limitPercent below it Check.
Wear ClassifyWear(double flowLpm, double newFlowLpm, double limitPercent);

// Millilitres caught in a number of seconds, as l/min.
double CatchFlow(double millilitres, double seconds);

// The deviation as the chart writes it above a bar: whole per cent, rounded
// half to even, with its sign ("+12 %", "-3 %", "0 %").
std::string DeviationText(double percent);

// The wear check's texts: which size, the limit, and the catch time and
// pressure the evaluation ran with.
struct WearEntries {
    std::size_t size;           // index into kNozzleSizes
    std::string_view limit;     // per cent; its errors name "wear limit"
    std::string_view catchTime; // seconds; "catch time"
    std::string_view pressure;  // bar; "pressure"
};

// The chart of an evaluation's results, with the wear check when wear is
// given. The wear check fails on a limit that is not a number above 0, or on
// a catch time or pressure that gives no new-nozzle flow to compare with.
Outcome<CatchChartModel> ChartOfCatchTest(const CatchResults& results,
                                          const std::optional<WearEntries>& wear,
                                          char decimalSeparator);

// "Worn, replace: 4, 11. Check for blockage: 7.", or that all are within the
// limit; empty when the wear was not checked or nothing is drawn.
std::string WearSummary(const CatchChartModel& model);

// What a screen reader says of the chart: the nozzles outside the band, and
// those worn or to check.
std::string ChartDescription(const CatchChartModel& model);

} // namespace zelk
