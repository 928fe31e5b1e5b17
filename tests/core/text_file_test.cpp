#include "core/text_file.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

namespace zelk::textfile {
namespace {

using namespace std::string_literals; // "\0"s keeps NUL bytes in a literal

struct Case {
    const char* name;
    std::string input;
    std::string expected;
};

// The row's name, not a dump of its bytes, when a check fails.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

class EncodeTest : public testing::TestWithParam<Case> {};

TEST_P(EncodeTest, WritesCrLfBreaksAndOneCrLfAfterTheText) {
    EXPECT_EQ(Encode(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, EncodeTest,
    testing::Values(Case{"empty_document", "", "\r\n"}, Case{"abc", "abc", "abc\r\n"},
                    Case{"three_lines", "one\ntwo\nthree", "one\r\ntwo\r\nthree\r\n"},
                    Case{"empty_lines_kept", "a\n\n\nb", "a\r\n\r\n\r\nb\r\n"},
                    Case{"text_ending_in_a_break", "abc\n", "abc\r\n\r\n"},
                    Case{"only_breaks", "\n\n", "\r\n\r\n\r\n"},
                    Case{"non_ascii_as_utf8_without_mark", "é€", "\xC3\xA9\xE2\x82\xAC\r\n"},
                    Case{"stray_cr_becomes_a_break", "a\rb", "a\r\nb\r\n"},
                    Case{"cr_lf_in_text_stays_one_break", "a\r\nb", "a\r\nb\r\n"},
                    Case{"nul_kept", "a\0b"s, "a\0b\r\n"s}),
    CaseName);

TEST(TextFileTest, OpenAndSaveAgainAddsOneEmptyLine) {
    const std::string saved = Encode("abc");
    ASSERT_EQ(saved, "abc\r\n");
    const std::string reopened = Decode(saved);
    EXPECT_EQ(reopened, "abc\n");
    EXPECT_EQ(Encode(reopened), "abc\r\n\r\n");
}

class DecodeTest : public testing::TestWithParam<Case> {};

TEST_P(DecodeTest, GivesDocumentText) {
    EXPECT_EQ(Decode(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTest,
    testing::Values(Case{"empty_file", "", ""}, Case{"saved_report_line", "abc\r\n", "abc\n"},
                    Case{"cr_lf_breaks", "a\r\nb\r\n\r\nc", "a\nb\n\nc"},
                    Case{"lone_lf_is_a_break", "a\nb\n", "a\nb\n"},
                    Case{"lone_cr_is_a_break", "a\rb\r", "a\nb\n"},
                    Case{"cr_cr_lf_is_two_breaks", "a\r\r\nb", "a\n\nb"},
                    Case{"lf_cr_is_two_breaks", "a\n\rb", "a\n\nb"},
                    Case{"nul_bytes_kept", "a\0\0b\r\n"s, "a\0\0b\n"s},
                    Case{"utf8_kept", "caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC",
                         "café € 日本"},
                    Case{"utf8_four_byte_kept", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
                    Case{"utf8_highest_code_point_kept", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
                    Case{"utf8_mark_kept",
                         "\xEF\xBB\xBF"
                         "abc\r\n",
                         "\xEF\xBB\xBF"
                         "abc\n"},
                    Case{"cp1252_quotes_accent_euro", "\x93q\x94 \xE9 \x80", "“q” é €"},
                    Case{"cp1252_with_breaks", "Caf\xE9\r\nNa\xEFve\r\n", "Café\nNaïve\n"},
                    Case{"cp1252_every_high_control_range_char",
                         "\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E", "‚ƒ„…†‡ˆ‰Š‹ŒŽ"},
                    Case{"cp1252_second_half_of_high_range",
                         "\x91\x92\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F", "‘’•–—˜™š›œžŸ"},
                    Case{"cp1252_undefined_bytes_as_latin1", "\x81\x8D\x8F\x90\x9D",
                         "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
                    Case{"latin1_range", "\xA0\xBF\xFF", "\xC2\xA0¿ÿ"},
                    // One bad byte anywhere makes the whole file single-byte text.
                    Case{"mixed_file_read_whole_as_cp1252", "\xC3\xA9 \xE9", "Ã© é"},
                    Case{"utf8_cut_short_at_end", "ab\xC3", "abÃ"},
                    Case{"overlong_form_rejected", "\xC0\xAF", "À¯"},
                    Case{"three_byte_overlong_rejected", "\xE0\x80\xAF", "à€¯"},
                    Case{"four_byte_overlong_rejected", "\xF0\x8F\xBF\xBF", "ð\xC2\x8F¿¿"},
                    Case{"surrogate_rejected", "\xED\xA0\x80", "í\xC2\xA0€"},
                    Case{"above_highest_code_point_rejected", "\xF4\x90\x80\x80", "ô\xC2\x90€€"},
                    Case{"lone_continuation_byte", "\x80", "€"}),
    CaseName);

struct Document {
    const char* name;
    std::string text;
};

void PrintTo(const Document& d, std::ostream* os) {
    *os << d.name;
}

class RoundTripTest : public testing::TestWithParam<Document> {};

// Save then Open gives the text back with the one line break Save adds.
TEST_P(RoundTripTest, DecodeOfEncodeAddsOneBreak) {
    EXPECT_EQ(Decode(Encode(GetParam().text)), GetParam().text + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RoundTripTest,
    testing::Values(Document{"empty", ""}, Document{"accents", "é ü Ä ß ñ"},
                    Document{"euro_and_japanese", "€ 100\n日本"},
                    Document{"emoji", "Wind \xF0\x9F\x8C\xAC calm"},
                    Document{"byte_order_mark", "\xEF\xBB\xBF"
                                                "abc"},
                    Document{"nul", "a\0b"s},
                    Document{"report_layout", "  Company Information\n      Not Entered\n"},
                    Document{"undefined_cp1252_chars_as_utf8", "\xC2\x81\xC2\x9D"}),
    [](const testing::TestParamInfo<Document>& info) { return std::string(info.param.name); });

// Text drawn from ASCII, two-, three- and four-byte characters and line
// breaks, encoded by hand so the check does not lean on the code under test.
std::string RandomDocument(std::mt19937& random) {
    static const char32_t kAlphabet[] = {
        U'a',  U'Z',  U'0',   U' ',   U'\t',  U'\0',  U'\n',  U'\n',  0x7F,    0x80,    0xE9,
        0x7FF, 0x800, 0x20AC, 0xD7FF, 0xE000, 0xFEFF, 0xFFFD, 0xFFFF, 0x10000, 0x1F600, 0x10FFFF,
    };
    std::uniform_int_distribution<std::size_t> length(0, 40);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kAlphabet) - 1);
    std::string text;
    for (std::size_t n = length(random); n > 0; --n) {
        const char32_t cp = kAlphabet[pick(random)];
        if (cp < 0x80) {
            text.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            text.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            text.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            text.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            text.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            text.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            text.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return text;
}

TEST(TextFileTest, AnyUtf8DocumentSurvivesSaveAndOpen) {
    std::mt19937 random(20260101u);
    for (int i = 0; i < 2000; ++i) {
        const std::string text = RandomDocument(random);
        ASSERT_EQ(Decode(Encode(text)), text + "\n") << "document #" << i;
    }
}

TEST(TextFileTest, SavedUtf8FileKeepsItsBytesThroughOpenAndSave) {
    std::mt19937 random(7u);
    for (int i = 0; i < 2000; ++i) {
        const std::string file = Encode(RandomDocument(random));
        ASSERT_EQ(Encode(Decode(file)), file + "\r\n") << "file #" << i;
    }
}

} // namespace
} // namespace zelk::textfile
