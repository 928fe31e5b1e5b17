// Any field texts into every calculation: each returns an entry error or its
// results and never crashes; a result that is a number reads back as one.
#include "core/area.h"
#include "core/catch_test.h"
#include "core/info.h"
#include "core/job_record.h"
#include "core/multiple_tank.h"
#include "core/nozzle_selection.h"
#include "core/numeric.h"
#include "core/pressure_drop.h"
#include "core/rate.h"
#include "core/speed.h"
#include "core/tank_mix.h"
#include "fuzz_input.h"

using namespace zelk;
using namespace zelk::fuzz;

namespace {

void RequireNumber(const std::string& text, char sep) {
    Require(numeric::IsNumeric(text, sep) && numeric::ToDouble(text, sep).has_value());
}

void RequireOutcome(const Outcome<std::string>& outcome, char sep) {
    if (const auto* result = std::get_if<std::string>(&outcome))
        RequireNumber(*result, sep);
    else
        Require(!std::get<EntryError>(outcome).prompt.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = Split(data, size, 24);
    const char sep = in.separator;
    const auto& t = in.texts;

    RequireOutcome(PressureDrop(t[0], t[1], t[2], sep), sep);
    RequireOutcome(CalibrationRate(t[0], t[1], t[2], sep), sep);
    RequireOutcome(TravelSpeed(t[0], t[1], sep), sep);

    const auto selection = NozzleSelection(t[0], t[1], t[2], sep);
    Require(std::holds_alternative<NozzleFlows>(selection) ||
            !std::get<EntryError>(selection).prompt.empty());
    const auto tankMix = TankMix(t[0], t[1], t[2], sep);
    if (const auto* mix = std::get_if<TankMixResults>(&tankMix)) {
        for (const std::string* r :
             {&mix->mlPerLiter, &mix->water, &mix->productMl, &mix->productLiters})
            RequireNumber(*r, sep);
    }
    for (int shape = -1; shape < 6; ++shape) {
        const auto area = AreaCalculation(shape, t[0], t[1], t[2], sep);
        Require(shape >= 0 || !area.has_value());
        if (area) {
            if (const auto* r = std::get_if<AreaTexts>(&*area)) {
                RequireNumber(r->squareMeters, sep);
                RequireNumber(r->hectares, sep);
            }
        }
    }

    CatchEntries entries{t[0], t[1], t[2], {}};
    for (std::size_t k = 0; k < entries.nozzles.size(); ++k)
        entries.nozzles[k] = t[3 + k];
    const CatchOutcome evaluated = EvaluateCatchTest(entries, sep);
    JobRecord record;
    CatchSummary summary;
    if (const auto* results = std::get_if<CatchResults>(&evaluated))
        summary = results->summary;
    StoreNozzleGroup(record, entries, summary, sep);

    MultipleTankTexts tank;
    tank.capacity = t[0];
    tank.jobWater = t[1];
    tank.jobMlPerLiter = t[2];
    tank.fullLoadWater = t[3];
    const MultipleTankSolution solved = SolveMultipleTank(tank, sep);
    StoreMultipleTank(solved.texts, record);

    StoreRateGroup(record, t[0], t[1], t[2]);
    StoreSpeedGroup(record, t[0], t[1], t[2]);
    StoreTankMix({t[0], t[1], t[2], t[3], t[4], t[5], t[6]}, record);
    StoreNozzleSelection(record, {t[0], t[1], t[2], t[3], t[4], t[5]});
    const InfoTexts info{t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11]};
    StoreInformation(record, InformationLines(info));
    return 0;
}
