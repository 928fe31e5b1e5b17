// The multiple tank mix: one job's water and product split over full tank
// loads and a last, partly filled load (52 loads at most).
#pragma once

#include "core/outcome.h"

#include <optional>
#include <string>

namespace zelk {

struct JobRecord;

// The texts of the screen, one member per field (object name in the comment),
// and whether the over-capacity note is shown. Index 0 is what the tank mix
// screen handed over, index 1 a full load, index 2 the last load.
struct MultipleTankTexts {
    std::string capacity;                 // Tank: capacity, litres (the only entry)
    std::string jobWater;                 // Water(0): total water of the job, litres
    std::string jobMlPerLiter;            // OzPer(0): millilitres of product per litre
    std::string fullLoads;                // Text1(0): number of full loads
    std::string lastLoad;                 // Text1(1): number of the last load
    std::string fullLoadWater;            // Water(1): litres
    std::string lastLoadWater;            // Water(2)
    std::string fullLoadMlPerLiter;       // OzPer(1)
    std::string lastLoadMlPerLiter;       // OzPer(2)
    std::string fullLoadProductMl;        // ProductOZ(1): millilitres of product per load
    std::string lastLoadProductMl;        // ProductOZ(2)
    std::string fullLoadProductLiters;    // ProductGal(1): litres of product per load
    std::string lastLoadProductLiters;    // ProductGal(2)
    bool beyondCapacityNoteShown = false; // Label3
    bool operator==(const MultipleTankTexts&) const = default;
};

// Solve does not fit Outcome: it empties the last-load column before it
// tests anything, so a refused Solve changes the screen too. The texts are
// the screen after Solve (after a failure: as far as Solve got), the error
// the message to show, if any.
struct MultipleTankSolution {
    MultipleTankTexts texts;
    std::optional<EntryError> error;
};

// "Solve" on the screen's current texts.
MultipleTankSolution SolveMultipleTank(MultipleTankTexts texts, char decimalSeparator);

// The load step: empties the group of the job record.
void ClearMultipleTank(JobRecord& record);
// The close step: the report lines of every non-empty field.
void StoreMultipleTank(const MultipleTankTexts& texts, JobRecord& record);

} // namespace zelk
