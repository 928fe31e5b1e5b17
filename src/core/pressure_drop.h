// Actual pressure at the nozzles from a nozzle chart entry and a caught flow.
#pragma once

#include "core/outcome.h"

#include <string>
#include <string_view>

namespace zelk {

// Text1: chart pressure (double), Text2: actual catch (single), Text3: chart
// flow (double). The result is the text for Text4.
Outcome<std::string> PressureDrop(std::string_view text1, std::string_view text2,
                                  std::string_view text3, char decimalSeparator);

} // namespace zelk
