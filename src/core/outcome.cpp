#include "core/outcome.h"

#include "core/numeric.h"

namespace zelk {

std::optional<EntryError>
CheckEntries(std::initializer_list<std::pair<std::string_view, EntryError>> fields,
             char decimalSeparator) {
    for (const auto& [text, error] : fields)
        if (!numeric::PassesEntryRule(text, decimalSeparator))
            return error;
    return std::nullopt;
}

std::optional<double> ReadEntry(const Entry& entry, char decimalSeparator) {
    if (entry.precision == Precision::Double)
        return numeric::ToDouble(entry.text, decimalSeparator);
    const std::optional<float> single = numeric::ToSingle(entry.text, decimalSeparator);
    if (!single)
        return std::nullopt;
    return static_cast<double>(*single);
}

} // namespace zelk
