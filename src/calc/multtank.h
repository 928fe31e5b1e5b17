// The multiple tank mix: one job's water and product split over full tank
// loads and a last, partly filled load (52 loads at most).
#pragma once

#include "calc/outcome.h"

#include <optional>
#include <string>

namespace zelk {

struct JobRecord;

// The texts of the screen, one member per field (object name in the comment),
// and whether the over-capacity note is shown. Index 0 is what the tank mix
// screen handed over, index 1 a full load, index 2 the last load.
struct MulttankTexts {
    std::string tank;        // Tank: capacity, litres (the only entry)
    std::string water0;      // Water(0): total water of the job, litres
    std::string ozPer0;      // OzPer(0): millilitres of product per litre
    std::string text1_0;     // Text1(0): number of full loads
    std::string text1_1;     // Text1(1): number of the last load
    std::string water1;      // Water(1)
    std::string water2;      // Water(2)
    std::string ozPer1;      // OzPer(1)
    std::string ozPer2;      // OzPer(2)
    std::string productOZ1;  // ProductOZ(1): millilitres of product per load
    std::string productOZ2;  // ProductOZ(2)
    std::string productGal1; // ProductGal(1): litres of product per load
    std::string productGal2; // ProductGal(2)
    bool label3Visible = false;
    bool operator==(const MulttankTexts&) const = default;
};

// Solve does not fit Outcome: it empties the last-load column before it
// tests anything, so a refused Solve changes the screen too. The texts are
// the screen after Solve (after a failure: as far as Solve got), the error
// the message to show, if any.
struct MulttankSolution {
    MulttankTexts texts;
    std::optional<EntryError> error;
};

// "Solve" on the screen's current texts.
MulttankSolution SolveMulttank(MulttankTexts texts, char decimalSeparator);

// The load step: empties the group of the job record.
void ClearMulttank(JobRecord& record);
// The close step: the report lines of every non-empty field.
void StoreMulttank(const MulttankTexts& texts, JobRecord& record);

} // namespace zelk
