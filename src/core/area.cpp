// The area calculation: single precision entries, Pi as 3.14.
#include "core/area.h"

#include "core/numeric.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace zelk {

namespace {

constexpr double kPi = 3.14;

EntryError FieldError(const ShapeRow& row, std::size_t field) {
    return EntryError{"dimension " + std::to_string(field + 1),
                      "Please Enter " + std::string(row.captions[field])};
}

// The field to blame for an area out of range: the largest measurement, the
// first of equals, since shrinking it helps most.
std::size_t LargestField(const std::vector<float>& values) {
    std::size_t largest = 0;
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (std::fabs(values[i]) > std::fabs(values[largest])) {
            largest = i;
        }
    }
    return largest;
}

std::optional<double> Area(int index, const std::vector<float>& v) {
    using namespace numeric;
    const auto d = [&](std::size_t i) { return static_cast<double>(v[i]); };
    switch (index) {
    case 0: { // D × D × 3.14 ÷ 4
        const auto squared = Mul(d(0), d(0));
        const auto times = squared ? Mul(*squared, kPi) : std::nullopt;
        return times ? Div(*times, 4.0) : std::nullopt;
    }
    case 1: { // H × B ÷ 2
        const auto product = Mul(d(1), d(0));
        return product ? Div(*product, 2.0) : std::nullopt;
    }
    case 2: // S × S
        return Mul(d(0), d(0));
    case 3: // W × L
        return Mul(d(1), d(0));
    case 4: // H × B
        return Mul(d(1), d(0));
    case 5: { // (B2 + B1) × H × 0.5
        const auto sum = Add(d(1), d(0));
        const auto times = sum ? Mul(*sum, d(2)) : std::nullopt;
        return times ? Mul(*times, 0.5) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// The circle, triangle, square and rectangle show 2 decimals; the
// parallelogram and trapezoid show the area as it is.
bool RoundsArea(int index) {
    return index <= 3;
}

} // namespace

std::optional<Outcome<AreaTexts>> AreaCalculation(int index, std::string_view txt1,
                                                  std::string_view txt2, std::string_view txt3,
                                                  char decimalSeparator) {
    using namespace numeric;
    if (index < 0 || index >= kShapeCount) {
        return std::nullopt;
    }
    const ShapeRow& row = ShapeLayout[static_cast<std::size_t>(index)];
    const std::array<std::string_view, 3> texts = {txt1, txt2, txt3};

    std::vector<float> values;
    for (std::size_t i = 0; i < texts.size() && !row.captions[i].empty(); ++i) {
        const std::optional<float> value = ToSingle(texts[i], decimalSeparator);
        if (!value) {
            return FieldError(row, i);
        }
        values.push_back(*value);
    }

    const std::optional<double> area = Area(index, values);
    const std::optional<float> single = area ? NarrowToSingle(*area) : std::nullopt;
    if (!single) {
        return FieldError(row, LargestField(values));
    }
    const float shown = RoundsArea(index) ? RoundHalfEven(*single, 2) : *single;

    const std::optional<double> hectares = Div(static_cast<double>(*single), 10000.0);
    const std::optional<float> hectaresSingle = hectares ? NarrowToSingle(*hectares) : std::nullopt;
    if (!hectaresSingle) {
        return FieldError(row, LargestField(values));
    }
    return AreaTexts{FormatSingle(shown, decimalSeparator),
                     FormatSingle(RoundHalfEven(*hectaresSingle, 3), decimalSeparator)};
}

} // namespace zelk
