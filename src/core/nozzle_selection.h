// Nozzle selection: the flow one nozzle must deliver for a desired rate, and
// the acceptable range 5 % either side of the flow shown.
#pragma once

#include "core/outcome.h"

#include <string>
#include <string_view>
#include <variant>

namespace zelk {

struct JobRecord;

// The two ends of the acceptable range: Text4(1) and Text4(2).
struct NozzleRange {
    std::string upper; // Text4(1), marked "+"
    std::string lower; // Text4(2), marked "-"
    bool operator==(const NozzleRange&) const = default;
};

// Text4(0) is written first; the range can still fail after it (a flow too
// large to be read back), and then the range fields keep their texts.
struct NozzleFlows {
    std::string flow; // Text4(0)
    Outcome<NozzleRange> range;
};

// Text1: desired rate in L/ha, Text2: speed in km/h, Text3: nozzle spacing in
// cm, each read in single precision.
Outcome<NozzleFlows> NozzleSelection(std::string_view text1, std::string_view text2,
                                     std::string_view text3, char decimalSeparator);

// The six field texts the close step stores, as shown.
struct NozzleSelectionTexts {
    std::string rate;    // Text1, L/ha
    std::string speed;   // Text2, km/h
    std::string spacing; // Text3, cm
    std::string flow;    // Text4(0)
    std::string upper;   // Text4(1)
    std::string lower;   // Text4(2)
};

// The load step: empties the screen's job record group.
void ClearNozzleSelection(JobRecord& record);
// The close step: one report line for each field that is not empty.
void StoreNozzleSelection(JobRecord& record, const NozzleSelectionTexts& texts);

} // namespace zelk
