#include "editor/paragraph_height.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

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
double LinesOf(const QString& text, const QFont& font, double lineSpacing, double widthPx) {
    // No run has more lines than characters; nearly every run stops here.
    const double byCharacters = double(text.size() + 1);
    if (byCharacters * lineSpacing <= kTallestParagraphPx)
        return byCharacters;
    // Lines break only where a break is allowed...
    const double byBreaks = double(BreakOpportunities(text) + 1);
    if (byBreaks * lineSpacing <= kTallestParagraphPx || widthPx <= 0.0)
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

} // namespace

double LineSpacingBound(const QFont& font) {
    return std::max(QFontMetricsF(font).lineSpacing(),
                    TallestLinePerPixel() * double(QFontInfo(font).pixelSize()));
}

double ParagraphHeightBound(const std::vector<TextRun>& runs, double widthPx) {
    // A line is as tall as the tallest run on it; each run is given the
    // lines it could fill alone and the two it may share with its
    // neighbours, at its own height.
    double height = 0.0;
    for (const TextRun& run : runs) {
        const double lineSpacing = LineSpacingBound(run.font);
        height += (LinesOf(run.text, run.font, lineSpacing, widthPx) + 2.0) * lineSpacing;
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
