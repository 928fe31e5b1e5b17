// Any bytes as an entry text: the entry rule never crashes, every text that
// passes converts or is out of range, and what a conversion gives is written
// back as a text that reads as (nearly) the same number.
#include "core/numeric.h"
#include "fuzz_input.h"

#include <cmath>

using namespace zelk;
using namespace zelk::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input input = Split(data, size, 1);
    const char sep = input.separator;
    const std::string& text = input.texts.front();

    const bool numeric = numeric::IsNumeric(text, sep);
    if (numeric::PassesEntryRule(text, sep))
        Require(numeric && text != "0");

    const auto d = numeric::ToDouble(text, sep);
    const auto f = numeric::ToSingle(text, sep);
    const auto i = numeric::ToInt16(text, sep);
    if (!numeric) {
        Require(!d && !f && !i);
        return 0;
    }
    // Numeric: out of range for a double means out of range for a single too.
    if (!d) {
        Require(!f && !i);
        return 0;
    }
    Require(std::isfinite(*d));
    if (f) {
        Require(std::isfinite(*f));
        const auto back = numeric::ToSingle(numeric::FormatSingle(*f, sep), sep);
        Require(back.has_value());
        Require(std::fabs(*back - *f) <= 1e-6f * std::fabs(*f) + 1e-38f);
    }
    if (i)
        Require(std::fabs(*d - *i) <= 0.5 + 1e-9);

    const std::string written = numeric::FormatDouble(*d, sep);
    Require(numeric::IsNumeric(written, sep));
    const auto back = numeric::ToDouble(written, sep);
    Require(back.has_value());
    Require(std::fabs(*back - *d) <= 1e-14 * std::fabs(*d) + 1e-300);

    for (int decimals : {2, 3}) {
        const double rounded = numeric::RoundHalfEven(*d, decimals);
        Require(std::isfinite(rounded));
        Require(std::fabs(rounded - *d) <= 0.0051 + 1e-12 * std::fabs(*d));
    }
    return 0;
}
