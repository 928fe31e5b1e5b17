// The tank mix calculation, its load and its close step.
#include "core/tank_mix.h"

#include "core/job_record.h"
#include "core/numeric.h"

#include <cmath>
#include <optional>

namespace zelk {

namespace {

EntryError ProductRateError() {
    return EntryError{"product rate", "Please Enter Product Rate"};
}
EntryError SprayerRateError() {
    return EntryError{"sprayer rate", "Please Enter Sprayer Calibration Rate"};
}
EntryError AreaError() {
    return EntryError{"area", "Please Enter Area to be sprayed"};
}

// A product that overflows is blamed on its larger factor, the entry most
// likely mistyped.
EntryError LargerOf(double a, const EntryError& errorA, double b, const EntryError& errorB) {
    return std::fabs(a) >= std::fabs(b) ? errorA : errorB;
}

std::string ThreeDecimals(double value, char separator) {
    return numeric::FormatDouble(numeric::RoundHalfEven(value, 3), separator);
}

} // namespace

// A step that cannot produce a number is reported like an entry error on the
// field concerned: a sprayer rate that is numerically zero (or so small that
// the quotient overflows) on Text2, an overflowing product on its larger
// factor. Nothing is written then; the earlier results stay on the screen.
Outcome<TankMixResults> TankMix(std::string_view text1, std::string_view text2,
                                std::string_view text8, char decimalSeparator) {
    using namespace numeric;
    const auto entries = ReadEntries<3>({{{text1, ProductRateError(), Precision::Double},
                                          {text2, SprayerRateError(), Precision::Double},
                                          {text8, AreaError(), Precision::Double}}},
                                        decimalSeparator);
    if (const auto* error = std::get_if<EntryError>(&entries))
        return *error;
    const auto [p, s, a] = std::get<1>(entries);

    TankMixResults results;
    const std::optional<double> perLiter = Div(p, s);
    if (!perLiter) {
        return SprayerRateError();
    }
    results.mlPerLiter = ThreeDecimals(*perLiter, decimalSeparator);

    const std::optional<double> water = Mul(s, a);
    if (!water) {
        return LargerOf(s, SprayerRateError(), a, AreaError());
    }
    results.water = ThreeDecimals(*water, decimalSeparator);

    const std::optional<double> product = Mul(p, a);
    if (!product) {
        return LargerOf(p, ProductRateError(), a, AreaError());
    }
    results.productMl = ThreeDecimals(*product, decimalSeparator);

    // The litres come from the millilitres as shown, already rounded. A text
    // written at the very edge of the range may not read back.
    const std::optional<double> shown = ToDouble(results.productMl, decimalSeparator);
    if (!shown) {
        return LargerOf(p, ProductRateError(), a, AreaError());
    }
    const std::optional<double> liters = Div(*shown, 1000.0);
    if (!liters) {
        return LargerOf(p, ProductRateError(), a, AreaError());
    }
    results.productLiters = ThreeDecimals(*liters, decimalSeparator);
    return results;
}

void ClearTankMix(JobRecord& record) {
    record.mixProductRate.clear();
    record.mixSprayerRate.clear();
    record.mixArea.clear();
    record.mixProductPerLiter.clear();
    record.mixWater.clear();
    record.mixProductMl.clear();
    record.mixProductLiters.clear();
}

// The units are spelled as the report has always printed them: "Millileters"
// for the label rate, "Milliliters" for the two product lines.
void StoreTankMix(const TankMixTexts& t, JobRecord& record) {
    StoreLine(record.mixProductRate, "Product Label Rate (Millileters per hectar) - ",
              t.productRate, " Millileters");
    StoreLine(record.mixSprayerRate, "Actual Sprayer Calibration rate (Liters per Hectar) - ",
              t.sprayerRate, " Liters");
    StoreLine(record.mixArea, "Area to be Sprayed (in Hectars) - ", t.area, " Hectars");
    StoreLine(record.mixProductPerLiter, "Millileters of Product per Liter of water - ",
              t.mlPerLiter, " Milliliters");
    StoreLine(record.mixWater, "Total Water Required - ", t.water, " Liters");
    StoreLine(record.mixProductMl, "Total Product Required (In Millileters) - ", t.productMl,
              " Milliliters");
    StoreLine(record.mixProductLiters, "Total Product Required (In Liters) - ", t.productLiters,
              " Liters");
}

} // namespace zelk
