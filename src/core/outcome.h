// What every calculation returns: the results, or the entry error to show.
#pragma once

#include "core/numeric.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace zelk {

// The input is named in the calculation's own terms ("time", "nozzle 3");
// the screen knows which of its fields holds it.
struct EntryError {
    std::string input;
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

// How an entry is read once it passes the entry rule.
enum class Precision { Single, Double };

struct Entry {
    std::string_view text;
    EntryError error;
    Precision precision = Precision::Single;
};

// One entry that passed the rule, read in its precision.
std::optional<double> ReadEntry(const Entry& entry, char decimalSeparator);

// Every calculation's first step: the entry check over all entries in their
// order, then each read in its precision (a single widened to double). An
// entry beyond its precision's range passes the rule but cannot be read; it
// fails with its own error.
template <std::size_t N>
Outcome<std::array<double, N>> ReadEntries(const std::array<Entry, N>& entries,
                                           char decimalSeparator) {
    for (const Entry& entry : entries)
        if (!numeric::PassesEntryRule(entry.text, decimalSeparator))
            return entry.error;
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::optional<double> value = ReadEntry(entries[i], decimalSeparator);
        if (!value)
            return entries[i].error;
        values[i] = *value;
    }
    return values;
}

} // namespace zelk
