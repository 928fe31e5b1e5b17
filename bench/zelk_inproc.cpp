// The benchmarks that run inside one process, each beside its baseline:
//   zelk_inproc screens REPEATS      opening each screen: create, load, show,
//                                    first paint (baseline: an empty window)
//   zelk_inproc editor DIR REPEATS   a 10 MB file in the editor: Open, Find
//                                    of a word near its end, Save (baseline:
//                                    QFile and a plain QTextEdit)
//   zelk_inproc report COUNT         "Print Report" COUNT times into one
//                                    document, until the editor is painted
// Each prints "name milliseconds" lines, medians over the repeats.
#include "job.h"
#include "probe.h"

#include "app/license_window.h"
#include "editor/text_editor.h"
#include "kit/platform.h"
#include "screens/area_screen.h"
#include "screens/pressure_drop_screen.h"

#include <QDir>
#include <QFile>
#include <QTextEdit>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace zelk;
using namespace zelk::bench;

namespace {

// Says where a run gave up, since the driver shows only the status.
int fail(int status, int line) {
    std::fprintf(stderr, "bench_zelk_inproc gave up at line %d\n", line);
    return status;
}

double msSince(std::int64_t start) {
    return double(monotonicNs() - start) / 1e6;
}

// Lets the window manager finish with closed windows before the next round.
void settle() {
    idle(30);
}

struct Opening {
    double total = 0; // create, load, show, first paint
    double build = 0; // of which create and load, before the window is shown
    QSize size;
};

template <class T> Opening openScreen(Program& program, PaintProbe& probe) {
    Opening opening;
    const std::int64_t start = monotonicNs();
    program.screens().get<T>();
    opening.build = msSince(start);
    T& screen = program.screens().show<T>();
    if (!probe.waitPainted(&screen)) {
        std::fprintf(stderr, "%s was not painted\n", screen.metaObject()->className());
        std::exit(2);
    }
    opening.total = msSince(start);
    opening.size = screen.size();
    closeScreen(screen);
    settle();
    return opening;
}

// The window system's share: an empty window of the given size.
double openEmptyWindow(PaintProbe& probe, QSize size) {
    const std::int64_t start = monotonicNs();
    auto* window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(size);
    window->show();
    if (!probe.waitPainted(window)) {
        std::fprintf(stderr, "the empty window was not painted\n");
        std::exit(2);
    }
    const double ms = msSince(start);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle();
    return ms;
}

int screens(int repeats) {
    PaintProbe probe;
    Program program;
    program.start();
    if (!probe.waitPainted(program.screens().find<MainMenu>())) {
        std::fprintf(stderr, "the menu was not painted\n");
        return 2;
    }
    struct Row {
        const char* name;
        Opening (*open)(Program&, PaintProbe&);
    };
    const Row rows[] = {
        {"FrmInfo", openScreen<InfoScreen>},
        {"Nozzle", openScreen<CatchTestScreen>},
        {"speedCalc", openScreen<SpeedScreen>},
        {"frmArea", openScreen<AreaScreen>},
        {"Rate", openScreen<RateScreen>},
        {"Calibrate", openScreen<TankMixScreen>},
        {"Multtank", openScreen<MultipleTankScreen>},
        {"Nozzleoutput", openScreen<NozzleSelectionScreen>},
        {"pressdrop", openScreen<PressureDropScreen>},
        {"frmLicense", openScreen<LicenseWindow>},
        {"frmTxtEditor", openScreen<TextEditor>},
    };
    std::vector<std::vector<double>> totals(std::size(rows)), builds(std::size(rows)),
        blanks(std::size(rows));
    // Round-robin, so a slow moment of the machine falls on every screen;
    // each screen is followed by an empty window of its size.
    for (int r = 0; r < repeats; ++r) {
        for (std::size_t i = 0; i < std::size(rows); ++i) {
            const Opening opening = rows[i].open(program, probe);
            totals[i].push_back(opening.total);
            builds[i].push_back(opening.build);
            blanks[i].push_back(openEmptyWindow(probe, opening.size));
        }
    }
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const std::string name = rows[i].name;
        report(("screen_" + name).c_str(), median(totals[i]));
        report(("build_" + name).c_str(), median(builds[i]));
        report(("blank_" + name).c_str(), median(blanks[i]));
    }
    return 0;
}

// Qt's own file access, with the dialogs answered.
class AnsweringPlatform : public QtPlatform {
public:
    QString openPath, savePath, findWhat;
    int messages = 0;
    std::optional<QString> openFileName(QWidget*, const QStringList&) override { return openPath; }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QStringList&) override {
        return savePath;
    }
    QString prompt(QWidget*, const QString&, const QString&) override { return findWhat; }
    void message(QWidget*, const QString&, const QString&, Icon) override { ++messages; }
    Answer askYesNoCancel(QWidget*, const QString&, const QString&) override { return Answer::No; }
};

const QString kMarker = QStringLiteral("zelkmarker");

// About 10 MB of CR LF lines, the marker in one line near the end.
QString writeBigFile(const QString& dir) {
    const QString path = dir + QStringLiteral("/big.txt");
    QByteArray text;
    text.reserve(10 * 1024 * 1024 + 200);
    const QByteArray line = " nozzle catch 500 ml, boom pressure 3 bar, speed 12 km/h\r\n";
    for (int i = 0; text.size() < 10 * 1024 * 1024; ++i) {
        if (text.size() > 10 * 1024 * 1024 - 20000 && !text.contains(kMarker.toLatin1()))
            text += "job " + kMarker.toLatin1() + "\r\n";
        text += QByteArray::number(i) + line;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        std::exit(3);
    return path;
}

int editor(const QString& dir, int repeats) {
    const QString path = writeBigFile(dir);
    PaintProbe probe;
    AnsweringPlatform platform;
    platform.openPath = path;
    platform.savePath = dir + QStringLiteral("/ours-saved.txt");
    platform.findWhat = kMarker;
    Program program(platform);
    TextEditor& ours = program.screens().show<TextEditor>();
    if (!probe.waitPainted(&ours))
        return fail(2, __LINE__);
    // Shown once ours is on screen, so neither waits on the other's first
    // paint. The same width as our document box, so both lay out the same
    // lines.
    QTextEdit plain;
    plain.resize(ours.findChild<QTextEdit*>(QStringLiteral("rtf"))->size());
    plain.show();
    if (!probe.waitPainted(&plain))
        return fail(2, __LINE__);

    constexpr int kLong = 120000;
    std::vector<double> open[2], find[2], again[2], save[2];
    QTextEdit* ourBox = ours.findChild<QTextEdit*>(QStringLiteral("rtf"));
    for (int r = 0; r < repeats; ++r) {
        std::int64_t start = monotonicNs();
        ours.openDocument();
        if (!probe.waitPainted(&ours, kLong))
            return fail(2, __LINE__);
        open[0].push_back(msSince(start));

        start = monotonicNs();
        {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return fail(3, __LINE__);
            QString text = QString::fromUtf8(file.readAll());
            text.remove(QLatin1Char('\r'));
            plain.setPlainText(text);
        }
        if (!probe.waitPainted(&plain, kLong))
            return fail(2, __LINE__);
        open[1].push_back(msSince(start));

        start = monotonicNs();
        ours.find();
        if (!probe.waitPainted(&ours, kLong))
            return fail(2, __LINE__);
        find[0].push_back(msSince(start));

        start = monotonicNs();
        plain.moveCursor(QTextCursor::Start);
        if (!plain.find(kMarker) || !probe.waitPainted(&plain, kLong))
            return fail(4, __LINE__);
        find[1].push_back(msSince(start));

        // Again from the start of the document, which is now laid out: the
        // search and the caret's move alone, without Qt's first layout.
        ourBox->moveCursor(QTextCursor::Start);
        plain.moveCursor(QTextCursor::Start);
        if (!probe.waitPainted(&ours, kLong) || !probe.waitPainted(&plain, kLong))
            return fail(2, __LINE__);
        start = monotonicNs();
        ours.find();
        if (!probe.waitPainted(&ours, kLong))
            return fail(2, __LINE__);
        again[0].push_back(msSince(start));

        start = monotonicNs();
        if (!plain.find(kMarker) || !probe.waitPainted(&plain, kLong))
            return fail(4, __LINE__);
        again[1].push_back(msSince(start));

        start = monotonicNs();
        if (!ours.saveAs())
            return fail(5, __LINE__);
        save[0].push_back(msSince(start));

        start = monotonicNs();
        {
            QString text = plain.toPlainText();
            text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
            text += QStringLiteral("\r\n");
            QFile file(dir + QStringLiteral("/plain-saved.txt"));
            const QByteArray bytes = text.toUtf8();
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                return fail(3, __LINE__);
        }
        save[1].push_back(msSince(start));
    }
    if (platform.messages != 0)
        return fail(6,
                    __LINE__); // a failed read, write or search: the figures would be meaningless
    const char* names[] = {"open", "find", "find_laid_out", "save"};
    std::vector<double>* figures[] = {open, find, again, save};
    for (int i = 0; i < 4; ++i) {
        report((std::string("editor_") + names[i]).c_str(), median(figures[i][0]));
        report((std::string("plain_") + names[i]).c_str(), median(figures[i][1]));
    }
    QFile::remove(path);
    QFile::remove(platform.savePath);
    QFile::remove(dir + QStringLiteral("/plain-saved.txt"));
    return 0;
}

int printReports(int count) {
    PaintProbe probe;
    Program program;
    program.start();
    auto* menu = program.screens().find<MainMenu>();
    if (!menu || !probe.waitPainted(menu))
        return fail(2, __LINE__);
    fillJob(program);
    // The first report opens the editor; the rest go into the same document.
    const std::int64_t start = monotonicNs();
    for (int i = 0; i < count; ++i)
        chooseEntry(*menu, 8);
    auto* editor = program.screens().find<TextEditor>();
    if (!editor || !probe.waitPainted(editor, 120000))
        return fail(2, __LINE__);
    report("report_total", msSince(start));
    report(
        "report_characters",
        double(editor->findChild<QTextEdit*>(QStringLiteral("rtf"))->document()->characterCount()));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    if (mode == QLatin1String("screens"))
        return screens(std::max(1, args.value(2).toInt()));
    if (mode == QLatin1String("editor"))
        return editor(args.value(2, QDir::tempPath()), std::max(1, args.value(3).toInt()));
    if (mode == QLatin1String("report"))
        return printReports(std::max(1, args.value(2).toInt()));
    std::fprintf(stderr, "usage: zelk_inproc screens N | editor DIR N | report COUNT\n");
    return 1;
}
