// Any bytes as a file: reading always gives valid UTF-8, and a valid UTF-8
// file with CR LF line breaks is written back byte for byte (plus the one
// CR LF that every save appends).
#include "core/text_file.h"
#include "fuzz_input.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace zelk;
using namespace zelk::fuzz;

namespace {

bool ValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t len = b < 0x80           ? 1
                          : (b >> 5) == 0x6  ? 2
                          : (b >> 4) == 0xE  ? 3
                          : (b >> 3) == 0x1E ? 4
                                             : 0;
        if (len == 0 || i + len > s.size())
            return false;
        char32_t cp = len == 1 ? b : b & (0x7F >> len);
        for (std::size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        const char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

bool OnlyCrLfBreaks(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && (i + 1 >= s.size() || s[i + 1] != '\n'))
            return false;
        if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r'))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = textfile::Decode(bytes);
    Require(ValidUtf8(text));
    Require(text.find('\r') == std::string::npos);

    const std::string saved = textfile::Encode(text);
    Require(saved.size() >= 2 && saved.compare(saved.size() - 2, 2, "\r\n") == 0);
    if (ValidUtf8(bytes) && OnlyCrLfBreaks(bytes))
        Require(saved == std::string(bytes) + "\r\n");
    return 0;
}
