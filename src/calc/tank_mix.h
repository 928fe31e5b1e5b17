// The tank mix: product per litre of water, total water and total product
// for one spray job.
#pragma once

#include "calc/outcome.h"

#include <string>
#include <string_view>

namespace zelk {

struct JobRecord;

// The result texts, for Text3 (ml per litre), Text5 (water, litres), Text6
// (product, ml) and Text7 (product, litres).
struct TankMixResults {
    std::string text3;
    std::string text5;
    std::string text6;
    std::string text7;
    bool operator==(const TankMixResults&) const = default;
};

// Text1: product label rate, ml/ha; Text2: sprayer rate, l/ha; Text8: area, ha.
Outcome<TankMixResults> TankMix(std::string_view text1, std::string_view text2,
                                std::string_view text8, char decimalSeparator);

// The seven fields as the screen shows them when it closes.
struct TankMixTexts {
    std::string text1;
    std::string text2;
    std::string text8;
    std::string text3;
    std::string text5;
    std::string text6;
    std::string text7;
};

// The load step: empties the group of the job record.
void ClearTankMix(JobRecord& record);
// The close step: the report line of every non-empty field.
void StoreTankMix(const TankMixTexts& texts, JobRecord& record);

} // namespace zelk
