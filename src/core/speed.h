// The travel speed: km/h from a timed run, and the screen's job record group.
#pragma once

#include "core/job_record.h"
#include "core/outcome.h"

#include <string>
#include <string_view>

namespace zelk {

// Text1: distance in metres, Text2: time in seconds, both read in double
// precision. The result is the text for Text3, also handed to the rate screen.
Outcome<std::string> TravelSpeed(std::string_view text1, std::string_view text2,
                                 char decimalSeparator);

// The load step: empties speedDistance, speedTime and speedKmh.
void ClearSpeedGroup(JobRecord& record);

// The close step: distance, time and speed as shown; the units are in the labels.
void StoreSpeedGroup(JobRecord& record, std::string_view text1, std::string_view text2,
                     std::string_view text3);

} // namespace zelk
