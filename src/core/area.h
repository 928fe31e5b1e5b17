// The area of a piece of ground by shape, in square metres and hectares.
#pragma once

#include "core/outcome.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zelk {

// One row of the shape list: what the screen shows when the shape is chosen.
// An empty caption hides that caption with its field.
struct ShapeRow {
    std::string_view item;
    std::array<std::string_view, 3> captions; // lbl1, lbl2, lbl3
    std::array<bool, 3> emptied;              // txt1, txt2, txt3
    std::string_view formula;                 // TxtFormula
    std::array<std::string_view, 2> drawings; // object names; empty = none
};

inline constexpr int kShapeCount = 6;

// Indexed by the shape list's position (the list is not sorted).
inline constexpr std::array<ShapeRow, kShapeCount> ShapeLayout = {{
    {"Circle",
     {"Diameter in Meters", "", ""},
     {false, false, false},
     "The area of a circle equals, (Pi x Diameter squared) divided by 4",
     {"ImgCircle", ""}},
    {"Triangle",
     {"Base in Meters", "Height in Meters", ""},
     {true, true, false},
     "The area of a Triangle equals, (Base times Height) divided by 2",
     {"imgTriangle", "imgTriangle2"}},
    {"Square",
     {"Side Length in Meters", "", ""},
     {true, true, false},
     "The area of a Square equals, (Length times Width)",
     {"imgSquare", ""}},
    {"Rectangle",
     {"Length in Meters", "Width in Meters", ""},
     {true, true, false},
     "The area of a Rectangle equals, (Length times Width)",
     {"imgRect", ""}},
    {"Parallelogram",
     {"Base in Meters", "Height in Meters", ""},
     {true, true, false},
     "The area of a Parallelogram equals, (Base times Height)",
     {"ImgParrel", ""}},
    {"Trapezoid",
     {"B1 in Meters", "B2 in Meters", "Height in Meters"},
     {true, true, true},
     "The area of a Trapeziod equals, (1/2 (b1 + b2) x height)",
     {"ImgTrapez", ""}},
}};

struct AreaTexts {
    std::string squareMeters; // txtArea
    std::string hectares;     // txtAcres
    bool operator==(const AreaTexts&) const = default;
};

// The shape's index (-1: none chosen) and the texts of txt1 to txt3; only the
// fields the shape uses are read. Nothing when no shape is chosen; an error
// naming the field when a field it reads cannot become a single precision
// number or the area lies beyond that range.
std::optional<Outcome<AreaTexts>> AreaCalculation(int index, std::string_view txt1,
                                                  std::string_view txt2, std::string_view txt3,
                                                  char decimalSeparator);

} // namespace zelk
