#include "editor/paragraph_height.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>
#include <QTextBlock>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <vector>

namespace zelk {

namespace {

// The places a line may end. The layout ends lines after any blank too,
// even where the line-breaking rules allow no break there: the rules find
// four places in 5,464 words of "1E+40 1E+40 ...", the layout 5,464.
qsizetype BreakOpportunities(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    qsizetype breaks = 0;
    while (finder.toNextBoundary() != -1)
        ++breaks;
    for (const QChar c : text)
        if (c.isSpace())
            ++breaks;
    return breaks;
}

// An upper bound of the lines a run could fill alone, broken within
// `widthPx`; only as close as needed to tell it from the limit.
double LinesOf(const QString& text, const QFont& font, double lineSpacing, double widthPx,
               double limitPx) {
    // No run has more lines than characters; nearly every run stops here.
    const double byCharacters = double(text.size() + 1);
    if (byCharacters * lineSpacing <= limitPx)
        return byCharacters;
    // Lines break only where a break is allowed...
    const double byBreaks = double(BreakOpportunities(text) + 1);
    if (byBreaks * lineSpacing <= limitPx || widthPx <= 0.0)
        return byBreaks;
    // ...and of two lines in a row, the first would have taken the second's
    // first word had it fitted: together they are wider than the box, so
    // there are at most twice as many lines as the text is box widths long.
    // Measured in pieces, since one measure of a long text overflows; tabs
    // count as a generous tab stop each.
    const QFontMetricsF metrics(font);
    double advance = double(text.count(QLatin1Char('\t'))) * 80.0;
    constexpr qsizetype kPiece = 4096;
    for (qsizetype at = 0; at < text.size(); at += kPiece)
        advance += metrics.horizontalAdvance(text.mid(at, kPiece));
    return std::min(byBreaks, 2.0 * std::ceil(advance / widthPx) + 1.0);
}

// A glyph the font lacks comes from another installed family, whose lines
// may be taller (a math font's are nearly three times the size): the
// tallest line per pixel of size among the installed families, measured
// once.
double TallestLinePerPixel() {
    static const double ratio = [] {
        double tallest = 1.5;
        for (const QString& family : QFontDatabase::families()) {
            QFont font(family);
            font.setPixelSize(100);
            tallest = std::max(tallest, QFontMetricsF(font).lineSpacing() / 100.0);
        }
        return tallest;
    }();
    return ratio;
}

// Which characters a font draws itself and how wide each is alone, looked up
// once per font and character.
class CharacterTable {
public:
    explicit CharacterTable(const QFont& font)
        : metrics_(font), raw_(QRawFont::fromFont(font)),
          // A glyph from another family is given two of the font's ems.
          foreignAdvance_(2.0 * double(QFontInfo(font).pixelSize())),
          lineHeight_(std::ceil(metrics_.ascent() + metrics_.descent() +
                                std::max(0.0, metrics_.leading())) +
                      1.0),
          basic_(0x10000, std::numeric_limits<float>::quiet_NaN()) {}

    // The advance of `c`, text[at, at + length) (a UTF-16 unit, or a
    // pair); negative when the font lacks the glyph.
    float entry(char32_t c, const QString& text, qsizetype at, qsizetype length) {
        if (c >= 0x10000 && !others_.contains(c))
            others_.insert(c, std::numeric_limits<float>::quiet_NaN());
        float* slot = c < 0x10000 ? &basic_[c] : &others_[c];
        if (std::isnan(*slot)) {
            const bool own = raw_.isValid() && raw_.supportsCharacter(uint(c));
            const double advance = metrics_.horizontalAdvance(text.mid(at, length));
            *slot = own ? float(advance) : -float(std::max(advance, foreignAdvance_));
        }
        return *slot;
    }

    // The height of a line whose glyphs all come from the font itself.
    double ownLineHeight() const { return lineHeight_; }

private:
    QFontMetricsF metrics_;
    QRawFont raw_;
    double foreignAdvance_;
    double lineHeight_;
    std::vector<float> basic_;
    QHash<char32_t, float> others_;
};

CharacterTable& TableFor(const QFont& font) {
    // Few fonts come by in a session; the cache is emptied when many have.
    // Never freed: fonts freed after the application has gone crash.
    static auto* tables = new std::map<QString, std::unique_ptr<CharacterTable>>;
    const QString key = font.key();
    auto it = tables->find(key);
    if (it == tables->end()) {
        if (tables->size() >= 16)
            tables->clear();
        it = tables->emplace(key, std::make_unique<CharacterTable>(font)).first;
    }
    return *it->second;
}

bool IsMandatoryBreak(char32_t c) {
    return c == 0x0b || c == 0x0c || c == 0x0d || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// An upper bound of the height of text[start, end) as one run in `font`,
// broken within `widthPx`, linear in its length (and in the text's length
// where its words are wider than the box). Of two lines in a row, the
// first would have taken the second's first word had it fitted: a run fills
// at most twice as many lines as it is box widths long, and one more. Its
// width is the sum of its characters' own widths and a twentieth more for
// what shaping adds; a tab counts as a generous tab stop, a glyph from
// another family as two ems. Lines of the font's own glyphs are as tall as
// its lines, others as tall as the tallest family's.
double RunHeight(const QString& text, qsizetype start, qsizetype end, const QFont& font,
                 double lineSpacing, double widthPx) {
    CharacterTable& table = TableFor(font);
    double advance = 0.0;
    double forced = 0.0;
    double blanks = 0.0;
    bool own = true;
    for (qsizetype i = start; i < end; ++i) {
        const QChar unit = text.at(i);
        if (unit.isSpace())
            blanks += 1.0;
        char32_t c = unit.unicode();
        qsizetype length = 1;
        if (unit.isHighSurrogate() && i + 1 < end && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(unit, text.at(i + 1));
            length = 2;
        }
        if (c == U'\t') {
            advance += 80.0;
        } else if (IsMandatoryBreak(c)) {
            forced += 1.0;
        } else {
            const float entry = table.entry(c, text, i, length);
            own = own && entry >= 0.0f;
            advance += std::abs(double(entry));
        }
        i += length - 1;
    }
    const double byCharacters = double(end - start) + 1.0;
    double lines = std::min(
        byCharacters,
        widthPx > 0.0 ? std::floor(2.0 * 1.05 * advance / widthPx) + 1.0 + forced : byCharacters);
    // Words wider than the box: lines end only where a line may end, which
    // is worth finding out when the blanks alone would not tell.
    if (lines > blanks + 1.0)
        lines = std::min(lines, double(BreakOpportunities(text.mid(start, end - start)) + 1));
    return lines * (own ? std::min(table.ownLineHeight(), lineSpacing) : lineSpacing);
}

} // namespace

double PlainTextHeightBound(const QString& text, const QFont& font, double widthPx,
                            double limitPx) {
    const double lineSpacing = LineSpacingBound(font);
    const double paragraphs = double(text.count(QLatin1Char('\n')) + 1);
    // No paragraph has more lines than characters, and one more; the
    // document's margins count as two lines more.
    const double byCharacters = (double(text.size()) + paragraphs + 2.0) * lineSpacing;
    if (byCharacters <= limitPx)
        return byCharacters;
    double height = 2.0 * lineSpacing;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        height += RunHeight(text, start, end, font, lineSpacing, widthPx);
        start = end + 1;
    }
    return height;
}

double LinearParagraphHeightBound(const std::vector<TextRun>& runs, double widthPx) {
    // A run alone has its own lines; among others each may share two more.
    double height = 0.0;
    for (const TextRun& run : runs) {
        const double lineSpacing = LineSpacingBound(run.font);
        height += RunHeight(run.text, 0, run.text.size(), run.font, lineSpacing, widthPx);
        if (runs.size() > 1)
            height += 2.0 * lineSpacing;
    }
    return height;
}

double LineSpacingBound(const QFont& font) {
    return std::max(QFontMetricsF(font).lineSpacing(),
                    TallestLinePerPixel() * double(QFontInfo(font).pixelSize()));
}

double ParagraphHeightBound(const std::vector<TextRun>& runs, double widthPx, double limitPx) {
    // A line is as tall as the tallest run on it; each run is given the
    // lines it could fill alone and the two it may share with its
    // neighbours, at its own height.
    double height = 0.0;
    for (const TextRun& run : runs) {
        const double lineSpacing = LineSpacingBound(run.font);
        height += (LinesOf(run.text, run.font, lineSpacing, widthPx, limitPx) + 2.0) * lineSpacing;
    }
    return height;
}

std::vector<TextRun> RunsOf(const QTextBlock& block, const QFont& documentFont) {
    std::vector<TextRun> runs;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.isValid())
            runs.push_back({fragment.text(), fragment.charFormat().font().resolve(documentFont)});
    }
    if (runs.empty())
        runs.push_back({QString(), block.charFormat().font().resolve(documentFont)});
    return runs;
}

} // namespace zelk
