// The multiple tank mix split, its load and its close step.
#include "core/multiple_tank.h"

#include "core/job_record.h"
#include "core/numeric.h"

#include <array>
#include <utility>

namespace zelk {

namespace {

// The split looks at 51 remainders, so it counts up to 52 full loads; a last
// load numbered 53 is beyond what the screen can show.
constexpr int kRemainders = 51;
constexpr const char* kBeyondCapacity = "53";
constexpr const char* kErr = "Err";

EntryError CapacityError() {
    return EntryError{"capacity", "Please Enter Tank Capacity in Liters"};
}

// The two received values are empty or stale when the tank mix screen had no
// results; the fix is over there, not in this screen.
EntryError TankMixFirst(const char* field) {
    return EntryError{field, "Please Calculate the Tank Mix First"};
}

EntryError TooLarge() {
    return EntryError{"capacity", "Numbers Too Large to Calculate: Please Check Tank Capacity and "
                                  "Tank Mix"};
}

// Water × millilitres per litre, from the texts just written.
std::optional<std::string> ProductText(const std::string& water, const std::string& mlPerLiter,
                                       char separator) {
    using namespace numeric;
    const auto a = ToDouble(water, separator);
    const auto b = ToDouble(mlPerLiter, separator);
    if (!a || !b) {
        return std::nullopt;
    }
    const auto product = Mul(*a, *b);
    if (!product) {
        return std::nullopt;
    }
    return FormatDouble(*product, separator);
}

// Millilitres to litres, rounded to 2 decimals, from the text just written.
std::optional<std::string> LitersText(const std::string& milliliters, char separator) {
    using namespace numeric;
    const auto ml = ToDouble(milliliters, separator);
    if (!ml) {
        return std::nullopt;
    }
    const auto liters = Div(*ml, 1000.0);
    if (!liters) {
        return std::nullopt;
    }
    return FormatDouble(RoundHalfEven(*liters, 2), separator);
}

} // namespace

MultipleTankSolution SolveMultipleTank(MultipleTankTexts t, char separator) {
    using namespace numeric;
    auto stop = [&t](EntryError error) {
        return MultipleTankSolution{std::move(t), std::move(error)};
    };

    // The last-load column goes before anything is tested.
    t.lastLoadMlPerLiter.clear();
    t.lastLoadWater.clear();
    t.lastLoadProductMl.clear();
    t.lastLoadProductLiters.clear();
    t.lastLoad.clear();
    t.beyondCapacityNoteShown = false;

    // A capacity of zero or below would count 52 loads of nothing, so it
    // is refused like a missing one.
    if (!PassesEntryRule(t.capacity, separator)) {
        return stop(CapacityError());
    }
    const auto capacity = ToDouble(t.capacity, separator);
    if (!capacity || !(*capacity > 0.0)) {
        return stop(CapacityError());
    }
    const auto water = ToDouble(t.jobWater, separator);
    if (!water) {
        return stop(TankMixFirst("job water"));
    }
    const auto mlPerLiter = ToDouble(t.jobMlPerLiter, separator);
    if (!mlPerLiter) {
        return stop(TankMixFirst("job ml per litre"));
    }
    const double c = *capacity;
    const double w = *water;
    const double m = *mlPerLiter;

    t.fullLoadWater = FormatDouble(w >= c ? c : w, separator);

    // Repeated subtraction, as the counts below rely on its rounding;
    // r[0] is the whole job, r[k] what is left after k loads.
    std::array<double, kRemainders + 1> r{};
    r[0] = w;
    for (int k = 1; k <= kRemainders; ++k) {
        const auto left = Sub(r[k - 1], c);
        if (!left) {
            return stop(TooLarge());
        }
        r[k] = *left;
    }

    int loads = 1;
    for (int k = 1; k <= kRemainders; ++k) {
        if (r[k] >= c) {
            ++loads;
        }
    }
    t.fullLoads = std::to_string(loads);

    // Compared as numbers, so a capacity typed 500.0 counts as 500.
    if (w >= c) {
        t.lastLoad = std::to_string(loads + 1);
    }

    const auto fullLoad = ToDouble(t.fullLoadWater, separator);
    if (!fullLoad) {
        return stop(TooLarge());
    }
    if (*fullLoad == c) {
        t.lastLoadWater = FormatDouble(r[1], separator);
    }

    // The last assignment stands: the remainder after the last full load.
    for (int k = 1; k < kRemainders; ++k) {
        if (r[k] >= c) {
            t.lastLoadWater = FormatDouble(RoundHalfEven(r[k + 1], 2), separator);
        }
    }

    // An exact multiple of the capacity leaves no last load.
    for (int k = 1; k < kRemainders; ++k) {
        if (r[k + 1] == 0.0 && r[k] >= c) {
            t.lastLoadWater.clear();
        }
    }

    // Compared as numbers: the whole job fits in the first load.
    if (w <= c) {
        t.lastLoadWater.clear();
        t.lastLoad.clear();
    }

    t.fullLoadMlPerLiter = FormatDouble(m, separator);
    if (!t.lastLoadWater.empty()) {
        t.lastLoadMlPerLiter = FormatDouble(m, separator);
    }

    // The products read back the texts just written, as the screen shows them.
    auto full = ProductText(t.fullLoadWater, t.fullLoadMlPerLiter, separator);
    if (!full) {
        return stop(TooLarge());
    }
    t.fullLoadProductMl = std::move(*full);
    if (!t.lastLoadWater.empty()) {
        auto last = ProductText(t.lastLoadWater, t.lastLoadMlPerLiter, separator);
        if (!last) {
            return stop(TooLarge());
        }
        t.lastLoadProductMl = std::move(*last);
    }

    auto fullLiters = LitersText(t.fullLoadProductMl, separator);
    if (!fullLiters) {
        return stop(TooLarge());
    }
    t.fullLoadProductLiters = std::move(*fullLiters);
    if (!t.lastLoadWater.empty()) {
        auto lastLiters = LitersText(t.lastLoadProductMl, separator);
        if (!lastLiters) {
            return stop(TooLarge());
        }
        t.lastLoadProductLiters = std::move(*lastLiters);
    }

    // More loads than the column can count: the last load cannot be shown.
    if (t.lastLoad == kBeyondCapacity) {
        t.lastLoadWater = kErr;
        t.lastLoadMlPerLiter = kErr;
        t.lastLoadProductMl = kErr;
        t.lastLoadProductLiters = kErr;
        t.beyondCapacityNoteShown = true;
    }
    // Full loads only: there is no last tank to number. (Past the column's
    // capacity the last tank shows "Err" instead.)
    if (t.lastLoadWater.empty())
        t.lastLoad.clear();
    return MultipleTankSolution{std::move(t), std::nullopt};
}

void ClearMultipleTank(JobRecord& record) {
    record.multiTanks.clear();
    record.multiCapacity.clear();
    record.multiWaterTotal.clear();
    record.multiWaterPerTank.clear();
    record.multiMlPerLiter.clear();
    record.multiProductMlPerTank.clear();
    record.multiProductLitersPerTank.clear();
    record.multiLastTank.clear();
    record.multiLastWater.clear();
    record.multiLastProductMl.clear();
    record.multiLastProductLiters.clear();
}

// The operator's record of what went into each tank: millilitres and litres,
// named as such.
void StoreMultipleTank(const MultipleTankTexts& t, JobRecord& record) {
    StoreValue(record.multiTanks, t.fullLoads);
    StoreLine(record.multiCapacity, "Sprayer Tank Capacity - ", t.capacity, " Liters");
    StoreLine(record.multiWaterTotal, "Total Water required - ", t.jobWater, " Liters");
    StoreLine(record.multiWaterPerTank, "Total Water per Tank - ", t.fullLoadWater, " Liters");
    StoreLine(record.multiMlPerLiter, "Milliliters per Liter - ", t.fullLoadMlPerLiter,
              " Milliliters");
    StoreLine(record.multiProductMlPerTank, "Milliliters of Product per Tank - ",
              t.fullLoadProductMl, " Milliliters");
    StoreLine(record.multiProductLitersPerTank, "Liters of Product per Tank - ",
              t.fullLoadProductLiters, " Liters");
    StoreValue(record.multiLastTank, t.lastLoad);
    StoreLine(record.multiLastWater, "Total Water per Tank - ", t.lastLoadWater, " Liters");
    StoreLine(record.multiLastProductMl, "Milliliters of Product per Tank - ", t.lastLoadProductMl,
              " Milliliters");
    StoreLine(record.multiLastProductLiters, "Liters of Product per Tank - ",
              t.lastLoadProductLiters, " Liters");
}

} // namespace zelk
