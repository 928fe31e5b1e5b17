// The calibration rate: litres per hectare from the flow of one nozzle, the
// travel speed and the nozzle spacing, and the screen's job record group.
#pragma once

#include "core/job_record.h"
#include "core/outcome.h"

#include <string>
#include <string_view>

namespace zelk {

// Text1: l/min per nozzle, Text2: km/h, Text3: nozzle spacing in cm, each
// read in single precision. The result is the text for Text4 (L/ha).
Outcome<std::string> CalibrationRate(std::string_view text1, std::string_view text2,
                                     std::string_view text3, char decimalSeparator);

// The load step: empties rateFlow, rateSpeed and rateSpacing.
void ClearRateGroup(JobRecord& record);

// The close step: the three entries as shown (the rate itself is not kept).
void StoreRateGroup(JobRecord& record, std::string_view text1, std::string_view text2,
                    std::string_view text3);

} // namespace zelk
