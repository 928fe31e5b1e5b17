#include "calc/outcome.h"

#include "app/numeric.h"

namespace zelk {

std::optional<EntryError>
CheckEntries(std::initializer_list<std::pair<std::string_view, EntryError>> fields,
             char decimalSeparator) {
    for (const auto& [text, error] : fields)
        if (!numeric::PassesEntryRule(text, decimalSeparator))
            return error;
    return std::nullopt;
}

} // namespace zelk
