// Splitting a fuzzer's bytes into the pieces a target needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelk::fuzz {

// The first byte picks the decimal separator, the rest is split at 0x1F
// (unit separator) into at least `count` texts (missing ones are empty).
struct Input {
    char separator = '.';
    std::vector<std::string> texts;
};

inline Input Split(const std::uint8_t* data, std::size_t size, std::size_t count) {
    Input input;
    if (size > 0) {
        input.separator = (data[0] & 1) ? ',' : '.';
        ++data;
        --size;
    }
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const auto cut = rest.find('\x1F');
        input.texts.emplace_back(rest.substr(0, cut));
        if (cut == std::string_view::npos)
            break;
        rest.remove_prefix(cut + 1);
    }
    if (input.texts.size() < count)
        input.texts.resize(count);
    return input;
}

// A failed invariant stops the fuzzer with a crash it reports.
inline void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace zelk::fuzz
