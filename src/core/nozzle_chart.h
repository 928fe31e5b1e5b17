// The flat-fan nozzle chart of ISO 10625 sizes: the pressure at which each
// size gives a wanted flow, the sizes that fit a working pressure range, and
// the one to recommend. Also the flow a new nozzle gives at a pressure, which
// the catch test compares worn nozzles with.
#pragma once

#include "core/outcome.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zelk {

struct NozzleSize {
    std::string_view name;   // "01" ... "08"
    std::string_view colour; // the ISO colour of the size
    double flowAt3Bar;       // l/min of water at 3 bar
};

inline constexpr std::size_t kNozzleSizeCount = 9;
inline constexpr std::array<NozzleSize, kNozzleSizeCount> kNozzleSizes = {{
    {"01", "orange", 0.40},
    {"015", "green", 0.60},
    {"02", "yellow", 0.80},
    {"025", "lilac", 1.00},
    {"03", "blue", 1.20},
    {"04", "red", 1.60},
    {"05", "brown", 2.00},
    {"06", "grey", 2.40},
    {"08", "white", 3.20},
}};

// The flow grows with the square root of the pressure, so the pressure for a
// flow q from a size of flowAt3Bar is 3 × (q ÷ flowAt3Bar)².
double PressureForFlow(double flowLpm, double flowAt3Bar);
// The flow of a new nozzle at a pressure: flowAt3Bar × √(pressure ÷ 3).
double FlowAtPressure(double flowAt3Bar, double pressureBar);
// A denser liquid flows slower: q of it needs the size that gives q × √d of
// water.
double WaterEquivalentFlow(double flowLpm, double densityKgPerL);

enum class ChartFit { Below, Inside, Above };

struct ChartRow {
    double pressureBar = 0; // rounded half to even to 2 decimals
    std::string pressure;   // "3.00", or "below range" / "above range"
    ChartFit fit = ChartFit::Inside;
    bool operator==(const ChartRow&) const = default;
};

// When nothing fits: every size needs too much pressure (a larger size is
// needed), every size too little (a smaller one), or the range lies between
// two sizes.
enum class ChartNeed { Nothing, LargerSize, SmallerSize, WiderRange };

struct NozzleChart {
    std::array<ChartRow, kNozzleSizeCount> rows{}; // in the order of kNozzleSizes
    std::optional<std::size_t> recommended;        // index into kNozzleSizes
    ChartNeed need = ChartNeed::Nothing;
    std::string line; // "Recommended: 025 (lilac) at 3.00 bar", or why none fits
};

// The chart for a flow and a working range, all as numbers. A pressure on an
// edge of the range (as shown, two decimals) lies inside it. The recommended
// size is the one inside whose pressure lies nearest 3 bar; of two equally
// near, the one at the lower pressure, whose coarser drops drift less.
NozzleChart ChartForFlow(double flowLpm, double densityKgPerL, double lowestBar, double highestBar,
                         char decimalSeparator);

// The panel's texts: the flow as Text4(0) shows it and its own three entries.
struct ChartEntries {
    std::string_view flow; // Text4(0), l/min
    std::string_view density;
    std::string_view lowest;
    std::string_view highest;
};

// The entries are checked first, in their order, each a number above 0, the
// lowest not above the highest. Then no chart (nothing) while the flow is
// empty, or not a number above 0: there is no pressure to give for it.
Outcome<std::optional<NozzleChart>> NozzleChartFor(const ChartEntries& entries,
                                                   char decimalSeparator);

// The inputs the errors name: "density", "lowest pressure", "highest pressure".

// A value with two decimals, as the chart shows pressures: "3.00".
std::string FormatTwoDecimals(double value, char decimalSeparator);

} // namespace zelk
