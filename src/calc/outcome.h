// What every calculation returns: the results, or the entry error to show.
#pragma once

#include <string>
#include <variant>

namespace zelk {

// The field is named by its object name on the screen ("Text2", "Text17(0)").
struct EntryError {
    std::string field;
    std::string prompt;
    std::string title = "Error";
    bool operator==(const EntryError&) const = default;
};

template <class Results> using Outcome = std::variant<EntryError, Results>;

} // namespace zelk
