// What every calculation returns: the results, or the entry error to show.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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

// A screen's entry check: the fields in their order, each with its text and
// the error it reports; the first text that fails the entry rule wins.
std::optional<EntryError>
CheckEntries(std::initializer_list<std::pair<std::string_view, EntryError>> fields,
             char decimalSeparator);

} // namespace zelk
