// What a report insert into the editor costs, one factor at a time: the
// font family (one that exists, one that does not and falls back), the point
// size, the width of the document box, and whether the insert goes through
// the editor window or straight into a QTextEdit.
// Usage: bench_editor_layout FAMILY POINTS WIDTH_PX REPORTS [bare|editor]
//        [START_HTML [TEXT_FILE]]
// START_HTML is the document before the insert (the caret at its end);
// TEXT_FILE, when given, is inserted REPORTS times instead of the report.
// Prints "insert_ms" (the insert and the layout it causes) and
// "document_height_px".
#include "probe.h"

#include "core/job_record.h"
#include "core/report.h"
#include "editor/text_editor.h"
#include "kit/platform.h"
#include "kit/screen_registry.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <string>

using namespace zelk;
using namespace zelk::bench;

namespace {

// A job with every group filled, about 1,400 characters of report.
QString Report() {
    JobRecord record;
    record.infoCompany = "Green Acres Turf";
    record.infoApplicator = "J. Smith";
    record.infoProduct = "Selective herbicide";
    record.speedKmh = "6";
    record.rateFlow = "1";
    record.mixProductPerLiter = "8";
    record.mixWater = "400";
    record.multiWaterPerTank = "400";
    record.selRate = "200";
    record.selSpeed = "6";
    record.selSpacing = "50";
    record.selFlow = "1";
    return QString::fromStdString(BuildReport(record));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr,
                     "usage: %s FAMILY POINTS WIDTH_PX REPORTS [bare|editor] "
                     "[START_HTML [TEXT_FILE]]\n",
                     argv[0]);
        return 2;
    }
    const QString family = QString::fromLocal8Bit(argv[1]);
    const double points = std::stod(argv[2]);
    const int width = std::stoi(argv[3]);
    const int reports = std::stoi(argv[4]);
    const bool throughEditor = argc > 5 && std::string(argv[5]) == "editor";

    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(points);
    QString text = Report().repeated(reports);
    if (argc > 7) {
        QFile given(QString::fromLocal8Bit(argv[7]));
        given.open(QIODevice::ReadOnly);
        text = QString::fromUtf8(given.readAll()).repeated(reports);
    }

    JobRecord record;
    QtPlatform platform;
    ScreenRegistry screens(record, platform);
    Services services{record, platform, screens};
    TextEditor editor(services);
    QTextEdit bare;
    bare.setWordWrapMode(QTextOption::WordWrap);
    QTextEdit* box = throughEditor ? editor.findChild<QTextEdit*>(QStringLiteral("rtf")) : &bare;
    if (throughEditor)
        editor.show();
    else
        bare.show();
    box->setFixedWidth(width);
    if (argc > 6) {
        QFile start(QString::fromLocal8Bit(argv[6]));
        start.open(QIODevice::ReadOnly);
        box->setHtml(QString::fromUtf8(start.readAll()));
        box->moveCursor(QTextCursor::End);
    }
    box->mergeCurrentCharFormat(format);

    const std::int64_t start = monotonicNs();
    if (throughEditor) {
        editor.insertAfterSelection(text);
    } else {
        QTextCursor cursor = box->textCursor();
        cursor.insertText(text);
        box->setTextCursor(cursor);
    }
    // The layout runs lazily, a part at a time; asking where the last block
    // lies finishes it.
    QTextDocument* document = box->document();
    const QRectF last = document->documentLayout()->blockBoundingRect(document->lastBlock());
    const double height = last.bottom();
    QCoreApplication::processEvents();
    report("insert_ms", double(monotonicNs() - start) / 1e6);
    report("document_height_px", height);
    report("report_chars", double(text.size()));
    return 0;
}
