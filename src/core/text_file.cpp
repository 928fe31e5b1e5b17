// Line breaks: the file always uses CR LF. On reading, CR LF, a lone LF and a
// lone CR each become one line break, so files from any system open with
// their lines; on writing, each of them becomes CR LF again.
//
// No character is dropped: a UTF-8 byte-order mark stays in the text as
// U+FEFF (so Save writes it back and the file keeps its bytes), and NUL bytes
// stay NUL characters. A Windows-1252 file is saved again as UTF-8.
#include "core/text_file.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace zelk::textfile {
namespace {

// Windows-1252 for 0x80 to 0x9F. The five bytes the code page leaves undefined
// map to the Latin-1 control characters of the same value.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        // Every Windows-1252 character lies in the Basic Multilingual Plane.
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF,
// no sequence cut short at the end.
bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        unsigned char low = 0x80; // allowed range of the second byte
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (bytes.size() - i < length)
            return false;
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        if (second < low || second > high)
            return false;
        for (std::size_t k = 2; k < length; ++k) {
            if (!IsContinuation(static_cast<unsigned char>(bytes[i + k])))
                return false;
        }
        i += length;
    }
    return true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F)
            AppendUtf8(out, kCp1252High[byte - 0x80]);
        else
            AppendUtf8(out, byte);
    }
    return out;
}

} // namespace

std::string Encode(std::string_view documentText) {
    std::string out;
    out.reserve(documentText.size() + documentText.size() / 16 + 2);
    for (std::size_t i = 0; i < documentText.size(); ++i) {
        const char c = documentText[i];
        if (c == '\r') {
            if (i + 1 < documentText.size() && documentText[i + 1] == '\n')
                ++i;
            out += "\r\n";
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out.push_back(c);
        }
    }
    out += "\r\n";
    return out;
}

std::string Decode(std::string_view bytes) {
    // CR and LF are single bytes in both encodings and never part of a longer
    // UTF-8 sequence, so the breaks can be mended after decoding.
    const std::string text = IsValidUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out.push_back('\n');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

} // namespace zelk::textfile
