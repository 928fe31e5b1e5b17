// The nozzle uniformity catch test: the average output of the nozzles that
// caught anything, the allowed band around it, the Low and High marks and
// the flow of one nozzle; and the screen's job record group.
#pragma once

#include "core/job_record.h"
#include "core/outcome.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zelk {

inline constexpr int kNozzleCount = 18;

// Indexed by nozzle: element k - 1 is nozzle k.
using NozzleTexts = std::array<std::string, kNozzleCount>;
using NozzleMarks = std::array<bool, kNozzleCount>;

// The 21 texts the evaluation reads.
struct CatchEntries {
    std::string variation; // Text16, percent
    std::string catchTime; // Text17(0), seconds
    std::string pressure;  // Text17(1), bar; tested, never used in a formula
    NozzleTexts nozzles;   // millilitres caught
};

// The four result fields.
struct CatchSummary {
    std::string average; // Text13, millilitres
    std::string minimum; // Text14
    std::string maximum; // Text15
    std::string flow;    // Text18, l/min per nozzle; also handed to the rate screen
    bool operator==(const CatchSummary&) const = default;
};

// No nozzle caught anything: the nozzle texts (empty ones now "0") and the
// message; results, marks and focus stay as they are.
struct NoCatch {
    NozzleTexts nozzles;
    std::string prompt = "Enter Nozzle Catch Information";
    std::string title = "Error!";
};

struct CatchResults {
    NozzleTexts nozzles; // empty ones now "0"
    CatchSummary summary;
    NozzleMarks low{};
    NozzleMarks high{};
};

// An entry error leaves the whole screen as it was, nozzle fields included.
using CatchOutcome = std::variant<EntryError, NoCatch, CatchResults>;

CatchOutcome EvaluateCatchTest(const CatchEntries& entries, char decimalSeparator);

// The load step: empties the group and sets the 18 catch volumes to 0.
void ClearNozzleGroup(JobRecord& record);

// The catch volume kept for one nozzle text: a number that is not zero and
// fits a signed 16-bit integer once rounded half to even; nothing otherwise.
std::optional<std::int16_t> CatchVolume(std::string_view text, char decimalSeparator);

// The close step: the entries and results as shown, the catch volumes by the
// rule above. It never fails: what cannot be stored is left as the load left it.
void StoreNozzleGroup(JobRecord& record, const CatchEntries& entries, const CatchSummary& summary,
                      char decimalSeparator);

} // namespace zelk
