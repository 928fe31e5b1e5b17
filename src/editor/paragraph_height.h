// How tall a paragraph may grow. Qt's document layout stops coming back
// once one paragraph is laid out taller than about 2^23 pixels (8,388,608:
// a long paragraph in a large font in a narrow box), while any number of
// shorter paragraphs lay out. The editor therefore refuses whatever would
// let an upper bound of a paragraph's height pass half of that.
#pragma once

#include <QFont>
#include <QString>

#include <vector>

class QTextBlock;

namespace zelk {

inline constexpr double kTallestParagraphPx = 4'000'000.0;

// The same layout gives the document one endless page of that height and
// does not come back either once a line it lays out passes that page's
// bottom, however the text is split into paragraphs: many short paragraphs
// in a large font are enough. The whole document is kept below this.
inline constexpr double kTallestDocumentPx = 8'200'000.0;

// A stretch of a paragraph in one font.
struct TextRun {
    QString text;
    QFont font;
};

// An upper bound of the height of a paragraph made of `runs`, its lines
// broken between words (at Unicode line-break opportunities) within
// `widthPx`. Cheap for every paragraph that could not come near
// `limitPx`; only as close as needed to tell it from that.
double ParagraphHeightBound(const std::vector<TextRun>& runs, double widthPx,
                            double limitPx = kTallestParagraphPx);

// An upper bound of the height of plain text in one font, a paragraph to
// each line feed, broken within `widthPx`; only as close as needed to tell
// it from `limitPx`. Linear in the text, without laying it out or shaping
// it, so that it serves for a whole document.
double PlainTextHeightBound(const QString& text, const QFont& font, double widthPx, double limitPx);

// The same bound as ParagraphHeightBound in the manner of
// PlainTextHeightBound: linear in the text, for every paragraph of a
// document.
double LinearParagraphHeightBound(const std::vector<TextRun>& runs, double widthPx);

// An upper bound of the height of a line in `font`, whichever installed
// family its glyphs come from.
double LineSpacingBound(const QFont& font);

// The paragraph as runs, each fragment in its own font.
std::vector<TextRun> RunsOf(const QTextBlock& block, const QFont& documentFont);

} // namespace zelk
