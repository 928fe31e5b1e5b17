// The tank mix: product per litre of water, total water and total product
// for one spray job.
#pragma once

#include "core/outcome.h"

#include <string>
#include <string_view>

namespace zelk {

struct JobRecord;

// The result texts.
struct TankMixResults {
    std::string mlPerLiter;    // Text3: ml of product per litre of water
    std::string water;         // Text5: total water, litres
    std::string productMl;     // Text6: total product, ml
    std::string productLiters; // Text7: total product, litres
    bool operator==(const TankMixResults&) const = default;
};

// Text1: product label rate, ml/ha; Text2: sprayer rate, l/ha; Text8: area, ha.
Outcome<TankMixResults> TankMix(std::string_view text1, std::string_view text2,
                                std::string_view text8, char decimalSeparator);

// The seven fields as the screen shows them when it closes.
struct TankMixTexts {
    std::string productRate; // Text1, ml/ha
    std::string sprayerRate; // Text2, l/ha
    std::string area;        // Text8, ha
    std::string mlPerLiter;
    std::string water;
    std::string productMl;
    std::string productLiters;
};

// The load step: empties the group of the job record.
void ClearTankMix(JobRecord& record);
// The close step: the report line of every non-empty field.
void StoreTankMix(const TankMixTexts& texts, JobRecord& record);

} // namespace zelk
