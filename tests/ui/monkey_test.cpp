// A seeded random walk through the whole program, as a careless operator
// would take it: menu entries opened from the list, random texts typed into
// random fields (empty, blanks, exponents, the other decimal separator,
// non-ASCII, now and then 100,000 characters), every button pressed, screens
// closed and reopened, the report printed, every editor command used, and
// every question answered at random.
//
// After each action: nothing took longer than the bound, no modal dialog is
// left open, the job record changed only in the groups of screens that were
// loaded or closed by that action, and the menu is still usable.
//
// ZELK_MONKEY_ACTIONS sets the number of actions (default 20000) and
// ZELK_MONKEY_SEED the seed (default: a fresh one, printed at the start and
// with any failure, so a failing walk can be replayed).
#include "app/main_menu.h"
#include "editor/text_editor.h"
#include "hang_guard.h"
#include "ui_support.h"

#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <random>
#include <set>

using namespace zelk;
using namespace zelk::test;

namespace {

constexpr int kDefaultActions = 20000;
constexpr std::chrono::seconds kActionBound(60);
constexpr int kHugeText = 100000;
// The editor's document is emptied (as the operator would select all and
// delete) once it grows past this, so actions stay quick.
constexpr int kDocumentCeiling = 150000;

using Rng = std::mt19937_64;

struct RecordField {
    const char* name;
    std::string JobRecord::*member;
};

#define ZELK_FIELD(f)                                                                              \
    { #f, &JobRecord::f }
const RecordField kRecordFields[] = {
    ZELK_FIELD(infoCompany),
    ZELK_FIELD(infoAddress1),
    ZELK_FIELD(infoAddress2),
    ZELK_FIELD(infoCity),
    ZELK_FIELD(infoStateZip),
    ZELK_FIELD(infoPhone),
    ZELK_FIELD(infoDate),
    ZELK_FIELD(infoApplicator),
    ZELK_FIELD(infoLicenseNo),
    ZELK_FIELD(infoProduct),
    ZELK_FIELD(infoNotes),
    ZELK_FIELD(nozzleVariation),
    ZELK_FIELD(nozzleCatchTime),
    ZELK_FIELD(nozzlePressure),
    ZELK_FIELD(nozzleAverage),
    ZELK_FIELD(nozzleMinimum),
    ZELK_FIELD(nozzleMaximum),
    ZELK_FIELD(nozzleFlow),
    ZELK_FIELD(speedDistance),
    ZELK_FIELD(speedTime),
    ZELK_FIELD(speedKmh),
    ZELK_FIELD(rateFlow),
    ZELK_FIELD(rateSpeed),
    ZELK_FIELD(rateSpacing),
    ZELK_FIELD(mixProductRate),
    ZELK_FIELD(mixSprayerRate),
    ZELK_FIELD(mixArea),
    ZELK_FIELD(mixProductPerLiter),
    ZELK_FIELD(mixWater),
    ZELK_FIELD(mixProductMl),
    ZELK_FIELD(mixProductLiters),
    ZELK_FIELD(multiTanks),
    ZELK_FIELD(multiCapacity),
    ZELK_FIELD(multiWaterTotal),
    ZELK_FIELD(multiWaterPerTank),
    ZELK_FIELD(multiMlPerLiter),
    ZELK_FIELD(multiProductMlPerTank),
    ZELK_FIELD(multiProductLitersPerTank),
    ZELK_FIELD(multiLastTank),
    ZELK_FIELD(multiLastWater),
    ZELK_FIELD(multiLastProductMl),
    ZELK_FIELD(multiLastProductLiters),
    ZELK_FIELD(selRate),
    ZELK_FIELD(selSpeed),
    ZELK_FIELD(selSpacing),
    ZELK_FIELD(selFlow),
    ZELK_FIELD(selMaxFlow),
    ZELK_FIELD(selMinFlow),
};
#undef ZELK_FIELD

// The record group each contributing screen empties at load and fills at close.
const std::map<QString, std::string> kGroupOfScreen = {
    {QStringLiteral("FrmInfo"), "info"},     {QStringLiteral("Nozzle"), "nozzle"},
    {QStringLiteral("speedCalc"), "speed"},  {QStringLiteral("Rate"), "rate"},
    {QStringLiteral("Calibrate"), "mix"},    {QStringLiteral("Multtank"), "multi"},
    {QStringLiteral("Nozzleoutput"), "sel"},
};

struct RecordSnapshot {
    std::vector<std::string> texts;
    std::array<std::int16_t, 18> nozzleCatch{};

    static RecordSnapshot of(const JobRecord& record) {
        RecordSnapshot s;
        for (const RecordField& f : kRecordFields)
            s.texts.push_back(record.*f.member);
        s.nozzleCatch = record.nozzleCatch;
        return s;
    }

    // The names of the fields that differ.
    std::vector<std::string> changedFrom(const RecordSnapshot& before) const {
        std::vector<std::string> changed;
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (texts[i] != before.texts[i])
                changed.emplace_back(kRecordFields[i].name);
        if (nozzleCatch != before.nozzleCatch)
            changed.emplace_back("nozzleCatch");
        return changed;
    }

    // Empty as a load leaves it: the information screen's load keeps the
    // licence number and the notes of an earlier visit.
    bool groupEmptyAfterLoad(const std::string& group) const {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const std::string_view name = kRecordFields[i].name;
            if (name == "infoLicenseNo" || name == "infoNotes")
                continue;
            if (name.starts_with(group) && !texts[i].empty())
                return false;
        }
        if (group == "nozzle")
            return std::all_of(nozzleCatch.begin(), nozzleCatch.end(),
                               [](std::int16_t v) { return v == 0; });
        return true;
    }
};

std::string groupOfField(const std::string& field) {
    for (const auto& [screen, group] : kGroupOfScreen)
        if (field.starts_with(group))
            return group;
    return {};
}

// Texts an operator might type or paste.
class TextSource {
public:
    explicit TextSource(Rng& rng) : rng_(rng) {}

    QString any() {
        // One text in 200 is huge: enough for a few dozen in a walk.
        const int kind = pick(200);
        if (kind < 1)
            return huge();
        if (kind < 90)
            return listed();
        if (kind < 150)
            return number();
        return junk(1 + pick(20));
    }

    // Short enough to be typed key by key.
    bool typeable(const QString& text) const { return text.size() <= 16; }

    QString huge() {
        static const QStringList pieces = {QStringLiteral("1"), QStringLiteral("9"),
                                           QStringLiteral("1E+40 "), QStringLiteral("x"),
                                           QString::fromUtf8("\u00fc\u65e5 ")};
        const QString piece = pieces.at(pick(int(pieces.size())));
        return piece.repeated(kHugeText / piece.size() + 1).left(kHugeText);
    }

    QString listed() {
        static const QStringList texts = {
            QString(),
            QStringLiteral(" "),
            QStringLiteral("   "),
            QStringLiteral("0"),
            QStringLiteral("0.0"),
            QStringLiteral("0,0"),
            QStringLiteral("-0"),
            QStringLiteral("1E+40"),
            QStringLiteral("-1E+40"),
            QStringLiteral("1e-40"),
            QStringLiteral("1E+308"),
            QStringLiteral("1E309"),
            QStringLiteral("4.9E-324"),
            QStringLiteral("2.5"),
            QStringLiteral("2,5"),
            QStringLiteral("1,234.5"),
            QStringLiteral("1.234,5"),
            QStringLiteral(".5"),
            QStringLiteral("5."),
            QStringLiteral("+7"),
            QStringLiteral("-3"),
            QStringLiteral("32767"),
            QStringLiteral("32768"),
            QStringLiteral("-32769"),
            QStringLiteral("65536"),
            QStringLiteral("1D3"),
            QStringLiteral("&H1F"),
            QStringLiteral("0x1F"),
            QStringLiteral("NaN"),
            QStringLiteral("inf"),
            QStringLiteral("-Infinity"),
            QStringLiteral("1e"),
            QStringLiteral("e5"),
            QStringLiteral("--1"),
            QStringLiteral("1..2"),
            QStringLiteral(" 12"),
            QStringLiteral("12 "),
            QStringLiteral("\t8"),
            QStringLiteral("3\n4"),
            QStringLiteral("99999999999999999999"),
            QStringLiteral("0.001"),
            QStringLiteral("50"),
            QStringLiteral("15"),
            QStringLiteral("100"),
            QStringLiteral("3"),
            QString::fromUtf8("\u0661\u0662\u0663"),
            QString::fromUtf8("\uff11\uff12"),
            QString::fromUtf8("Z\u00fcrich"),
            QString::fromUtf8("\u65e5\u672c"),
            QString::fromUtf8("\U0001F69C"),
            QString::fromUtf8("1\u00a0000"),
            QString::fromUtf8("\u202e12"),
            QString::fromUtf8("e\u0301"),
            QString::fromUtf8("\u200b"),
        };
        return texts.at(pick(int(texts.size())));
    }

    QString number() {
        QString text;
        switch (pick(4)) {
        case 0:
            text = QString::number(pick(200001) - 100000);
            break;
        case 1:
            text = QString::number(std::uniform_real_distribution<double>(-1000, 1000)(rng_), 'f',
                                   pick(6));
            break;
        case 2:
            text = QString::number(std::uniform_real_distribution<double>(0, 10)(rng_), 'E', 3)
                       .replace(QStringLiteral("E+00"),
                                QStringLiteral("E+") + QString::number(pick(400)));
            break;
        default:
            text = QString::number(pick(100));
            break;
        }
        if (pick(4) == 0)
            text.replace(QLatin1Char('.'), QLatin1Char(','));
        return text;
    }

    QString junk(int length) {
        static const QString pool =
            QString::fromUtf8("0123456789.,.,-+eE  abcXYZ\u00fc\u00e9\u65e5\u00a0\u200b\u0301\t");
        QString text;
        for (int i = 0; i < length; ++i)
            text += pool.at(pick(int(pool.size())));
        if (pick(10) == 0)
            text += QString::fromUtf8("\U0001F69C");
        return text;
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

private:
    Rng& rng_;
};

// Scripted answers drawn at random; what was asked is counted.
class MonkeyPlatform : public ScriptedPlatform {
public:
    MonkeyPlatform(Rng& rng, TextSource& texts) : rng_(rng), texts_(texts) {
        files.insert(QStringLiteral("/jobs/report.txt"),
                     "  Company Information\r\n      Not Entered\r\n\r\n  km/h - 12\r\n");
        QByteArray everyByte;
        for (int i = 0; i < 256; ++i)
            everyByte.append(char(i));
        files.insert(QStringLiteral("/jobs/binary.bin"), everyByte.repeated(8));
        files.insert(QStringLiteral("/jobs/nul.txt"), QByteArray("a\0b\r\n\0\0\r\n", 9));
        files.insert(QStringLiteral("/jobs/old.txt"), "Caf\xe9 \x80 \x93quoted\x94\r\n");
        files.insert(QStringLiteral("/jobs/empty.txt"), QByteArray());
        files.insert(QStringLiteral("/jobs/long.txt"),
                     QByteArray("Results from Speed Calculator Screen\r\n").repeated(2000));
        failingWrites << QStringLiteral("/full/report.txt");
    }

    std::map<QString, int> asked;

    Answer askYesNoCancel(QWidget* parent, const QString& text, const QString& title) override {
        ++asked[QStringLiteral("yes/no/cancel")];
        answers.enqueue(std::array{Answer::Yes, Answer::No, Answer::Cancel}[pick(3)]);
        return ScriptedPlatform::askYesNoCancel(parent, text, title);
    }

    QString prompt(QWidget* parent, const QString& label, const QString& title) override {
        ++asked[QStringLiteral("prompt")];
        static const QStringList words = {QStringLiteral("Not Entered"), QStringLiteral("km/h"),
                                          QStringLiteral("RESULTS"), QStringLiteral("\n")};
        promptAnswers.enqueue(pick(2) ? words.at(pick(int(words.size()))) : texts_.any());
        return ScriptedPlatform::prompt(parent, label, title);
    }

    std::optional<QString> openFileName(QWidget* parent, const QStringList& filters) override {
        ++asked[QStringLiteral("open")];
        static const QStringList choices = {
            QStringLiteral("/jobs/report.txt"),  QStringLiteral("/jobs/binary.bin"),
            QStringLiteral("/jobs/nul.txt"),     QStringLiteral("/jobs/old.txt"),
            QStringLiteral("/jobs/empty.txt"),   QStringLiteral("/jobs/long.txt"),
            QStringLiteral("/jobs/missing.txt"), QStringLiteral("/jobs/saved.txt")};
        fileNames.enqueue(pick(5) == 0 ? std::nullopt
                                       : std::optional(choices.at(pick(int(choices.size())))));
        return ScriptedPlatform::openFileName(parent, filters);
    }

    std::optional<QString> saveFileName(QWidget* parent, const QString& preset,
                                        const QStringList& filters) override {
        ++asked[QStringLiteral("save")];
        static const QStringList choices = {QStringLiteral("/jobs/saved.txt"),
                                            QStringLiteral("/jobs/report.txt"),
                                            QStringLiteral("/full/report.txt")};
        fileNames.enqueue(pick(4) == 0 ? std::nullopt
                                       : std::optional(choices.at(pick(int(choices.size())))));
        return ScriptedPlatform::saveFileName(parent, preset, filters);
    }

    std::optional<QColor> color(QWidget* parent, const QColor& initial) override {
        ++asked[QStringLiteral("colour")];
        colors.enqueue(pick(3) == 0
                           ? std::nullopt
                           : std::optional(QColor::fromRgb(pick(256), pick(256), pick(256))));
        return ScriptedPlatform::color(parent, initial);
    }

    std::optional<QFont> font(QWidget* parent, const QFont& initial) override {
        ++asked[QStringLiteral("font")];
        std::optional<QFont> chosen;
        switch (pick(5)) {
        case 0:
            break;
        case 1: {
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPixelSize(1 + pick(60)); // a size in pixels has no point size
            chosen = f;
            break;
        }
        default: {
            // What the real dialog can return: a family it lists and a size
            // its size field takes (1 to 512).
            static const QStringList families = QFontDatabase::families();
            QFont f(families.isEmpty() ? QStringLiteral("DejaVu Serif")
                                       : families.at(pick(int(families.size()))));
            f.setPointSizeF(std::array{1.0, 8.0, 12.0, 36.0, 200.0, 512.0}[pick(6)]);
            f.setBold(pick(2));
            f.setItalic(pick(2));
            chosen = f;
            break;
        }
        }
        fonts.enqueue(chosen);
        return ScriptedPlatform::font(parent, initial);
    }

    bool print(QWidget* parent, QTextDocument& document) override {
        ++asked[QStringLiteral("print")];
        printAnswers.enqueue(pick(2));
        return ScriptedPlatform::print(parent, document);
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    Rng& rng_;
    TextSource& texts_;
};

quint64 seedFromEnvironment() {
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("ZELK_MONKEY_SEED").toULongLong(&ok);
    return ok ? seed : std::random_device{}() * 4294967296ULL + std::random_device{}();
}

int actionsFromEnvironment() {
    bool ok = false;
    const int actions = qEnvironmentVariableIntValue("ZELK_MONKEY_ACTIONS", &ok);
    return ok && actions > 0 ? actions : kDefaultActions;
}

const char* kSeenProperty = "zelkMonkeySeen";

// The offscreen platform says, for every window shown, that it lacks two
// window calls; over a walk that floods the log and hides the figures.
QtMessageHandler qtestHandler = nullptr;
void dropOffscreenNotices(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (message == QLatin1String("This plugin does not support propagateSizeHints()") ||
        message == QLatin1String("This plugin does not support raise()"))
        return;
    qtestHandler(type, context, message);
}

// Key by key, as typed: QTest's own key clicks take printable ASCII only,
// so other characters (a surrogate pair as one) come as key events carrying
// the text.
void typeKeys(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\t')) {
            QTest::keyClick(widget, c == QLatin1Char('\n') ? Qt::Key_Return : Qt::Key_Tab);
            continue;
        }
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            QTest::keyClick(widget, char(c.unicode()));
            continue;
        }
        const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length),
                            Qt::NoModifier);
        i += length - 1;
    }
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

    quint64 seed = 0;
    Rng rng;
    std::unique_ptr<TextSource> texts;
    std::unique_ptr<MonkeyPlatform> platform;
    std::unique_ptr<Program> program;
    bool menuClosed = false;
    HangGuard* guard = nullptr;      // while the walk runs
    QString step;                    // "seed S, action N" of the action running
    std::map<QString, int> done;     // actions by kind
    std::map<QString, qint64> spent; // milliseconds by kind
    std::deque<QString> recent;      // the last actions, for the failure message
    // What the walk could have used and what it did use: entries, buttons,
    // commands; and every window it reached.
    std::set<QString> offered;
    std::set<QString> used;
    std::set<QString> visited;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    template <class T> T* pickFrom(const QList<T*>& items) {
        return items.isEmpty() ? nullptr : items.at(pick(int(items.size())));
    }

    ScreenRegistry& screens() { return program->screens(); }

    // Names the action about to run, for the hang detector's message.
    const QString& about(const QString& what) {
        if (guard)
            guard->describe((step + QStringLiteral(": ") + what).toStdString());
        return what;
    }

    // Every window of the program, in a stable order (the registry's own
    // order may differ between runs, and a replay must take the same walk).
    QList<QWidget*> sortedWindows() {
        QList<QWidget*> windows;
        for (QWidget* w : screens().windows())
            windows << w;
        std::sort(windows.begin(), windows.end(),
                  [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
        return windows;
    }

    // The windows an operator can reach: shown and not minimised.
    QList<QWidget*> reachableWindows() {
        QList<QWidget*> windows;
        for (QWidget* w : sortedWindows())
            if (w->isVisible() && !w->isMinimized()) {
                windows << w;
                visited.insert(w->objectName());
            }
        return windows;
    }

    template <class T> QList<T*> reachable(QWidget* window) {
        QList<T*> found;
        for (T* w : window->findChildren<T*>())
            if (w->isVisibleTo(window) && w->isEnabled())
                found << w;
        return found;
    }

    TextEditor* reachableEditor() {
        TextEditor* editor = screens().find<TextEditor>();
        return editor && editor->isVisible() && !editor->isMinimized() ? editor : nullptr;
    }

    // ---- the actions; each returns what it did ------------------------------

    QString openMenuEntry() {
        auto* menu = screens().find<MainMenu>();
        auto* list = menu ? child<QListWidget>(menu, "List1") : nullptr;
        if (!list || !menu->isVisible() || menu->isMinimized())
            return {};
        for (int row = 0; row < list->count(); ++row)
            offered.insert(QStringLiteral("menu entry %1").arg(row));
        QPointer<QListWidget> guard = list;
        QString what;
        if (pick(3) > 0) {
            const int row = pick(list->count());
            what = about(QStringLiteral("click menu entry %1").arg(row));
            QListWidgetItem* item = list->item(row);
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(item).center());
        } else {
            static const std::array keys = {Qt::Key_Down,     Qt::Key_Up, Qt::Key_Home, Qt::Key_End,
                                            Qt::Key_PageDown, Qt::Key_S,  Qt::Key_P,    Qt::Key_N};
            const Qt::Key key = keys[std::size_t(pick(int(keys.size())))];
            what = about(QStringLiteral("menu key %1").arg(QKeySequence(key).toString()));
            list->setFocus();
            QTest::keyClick(list, key);
        }
        // What opened is the entry now current.
        if (guard && guard->currentRow() >= 0)
            used.insert(QStringLiteral("menu entry %1").arg(guard->currentRow()));
        return what;
    }

    QString menuBarCommand() {
        auto* menu = screens().find<MainMenu>();
        if (!menu || !menu->isVisible())
            return {};
        static const char* names[] = {"Contact", "Zelk", "Licensetxt", "userGuideCommand"};
        for (const char* n : names)
            offered.insert(QStringLiteral("menu bar %1").arg(QLatin1String(n)));
        const char* name = names[pick(4)];
        auto* action = menu->findChild<QAction*>(QString::fromLatin1(name));
        if (!action)
            return {};
        const QString what = about(QStringLiteral("menu bar %1").arg(QLatin1String(name)));
        used.insert(what);
        action->trigger();
        return what;
    }

    QString typeIntoField() {
        QWidget* window = pickFrom(reachableWindows());
        if (!window)
            return {};
        QList<QWidget*> fields;
        for (QLineEdit* f : reachable<QLineEdit>(window))
            if (!f->isReadOnly())
                fields << f;
        for (QPlainTextEdit* f : reachable<QPlainTextEdit>(window))
            fields << f;
        for (QTextEdit* f : reachable<QTextEdit>(window))
            fields << f;
        QWidget* field = pickFrom(fields);
        if (!field)
            return {};
        const QString text = texts->any();
        const bool replace = pick(3) > 0;
        const bool byKeys = texts->typeable(text);
        const QString what =
            about(QStringLiteral("type %1 chars into %2/%3%4")
                      .arg(text.size())
                      .arg(window->objectName(), field->objectName(),
                           text.size() <= 24 ? QStringLiteral(" \"%1\"").arg(text) : QString()));
        field->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(field)) {
            if (replace)
                line->selectAll();
            else
                line->end(false);
            if (byKeys)
                typeKeys(line, text);
            else
                line->insert(text); // as a paste would
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
            if (replace)
                plain->selectAll();
            if (byKeys)
                typeKeys(plain, text);
            else
                plain->insertPlainText(text);
        } else if (auto* rich = qobject_cast<QTextEdit*>(field)) {
            if (byKeys) {
                typeKeys(rich, text);
            } else {
                // Pasted with the box's own key, as the operator would: a
                // call the operator cannot make would pass the editor's checks.
                QApplication::clipboard()->setText(text);
                QTest::keyClick(rich, Qt::Key_V, Qt::ControlModifier);
            }
        }
        return what;
    }

    QString pressButton() {
        QWidget* window = pickFrom(reachableWindows());
        if (!window)
            return {};
        const QList<QPushButton*> buttons = reachable<QPushButton>(window);
        for (QPushButton* b : buttons)
            offered.insert(
                QStringLiteral("button %1/%2").arg(window->objectName(), b->objectName()));
        QPushButton* button = pickFrom(buttons);
        if (!button)
            return {};
        const QString name = window->objectName() + '/' + button->objectName();
        used.insert(QStringLiteral("button ") + name);
        const QString what = about(QStringLiteral("press %1").arg(name));
        QTest::mouseClick(button, Qt::LeftButton);
        return what;
    }

    QString chooseShape() {
        QWidget* window = nullptr;
        for (QWidget* w : reachableWindows())
            if (w->objectName() == QLatin1String("frmArea"))
                window = w;
        auto* combo = window ? child<QComboBox>(window, "DropShape") : nullptr;
        if (!combo)
            return {};
        static const std::array keys = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = keys[std::size_t(pick(int(keys.size())))];
        about(QStringLiteral("shape key %1").arg(QKeySequence(key).toString()));
        combo->setFocus();
        QTest::keyClick(combo, key);
        return QStringLiteral("shape key %1 (now %2)")
            .arg(QKeySequence(key).toString())
            .arg(combo->currentIndex());
    }

    QString closeWindow() {
        QList<QWidget*> windows = reachableWindows();
        // The menu closes now and then only: most of the walk needs it.
        if (pick(8) > 0)
            windows.removeIf([](QWidget* w) { return w->objectName() == "SprayMenu"; });
        QWidget* window = pickFrom(windows);
        if (!window)
            return {};
        const QString name = window->objectName();
        about(QStringLiteral("close %1").arg(name));
        window->close();
        if (name == QLatin1String("SprayMenu") && !screens().find<MainMenu>())
            menuClosed = true;
        return QStringLiteral("close %1").arg(name);
    }

    QString restartMenu() {
        if (!menuClosed)
            return {};
        about(QStringLiteral("start the menu again"));
        program->start();
        menuClosed = false;
        return QStringLiteral("start the menu again");
    }

    QString editorCommand() {
        TextEditor* editor = reachableEditor();
        if (!editor)
            return {};
        if (pick(2)) {
            auto* bar = child<QToolBar>(editor, "Toolbar1");
            QList<QAction*> buttons;
            for (QAction* a : bar->actions())
                if (!a->isSeparator()) {
                    buttons << a;
                    offered.insert(QStringLiteral("toolbar ") + a->objectName());
                }
            QAction* button = pickFrom(buttons);
            const QString name = button->objectName();
            used.insert(QStringLiteral("toolbar ") + name);
            about(QStringLiteral("toolbar %1").arg(name));
            QTest::mouseClick(bar->widgetForAction(button), Qt::LeftButton);
            return QStringLiteral("toolbar %1").arg(name);
        }
        QList<QAction*> menus = editor->menuBar()->actions();
        QMenu* menu = pickFrom(menus)->menu();
        // Opening the menu sets which items are enabled; a disabled one does nothing.
        emit menu->aboutToShow();
        for (QAction* a : menu->actions())
            offered.insert(QStringLiteral("menu item ") + a->objectName());
        QAction* item = pickFrom(menu->actions());
        const QString name = item->objectName();
        const bool enabled = item->isEnabled();
        if (enabled)
            used.insert(QStringLiteral("menu item ") + name);
        about(QStringLiteral("menu %1").arg(name));
        item->trigger();
        // Redo is enabled only straight after an undo, which a random walk
        // seldom follows with it; so an undo is sometimes redone at once.
        QString redone;
        if (enabled && name == QLatin1String("undoItem") && pick(2)) {
            auto* redo = editor->findChild<QAction*>(QStringLiteral("redoItem"));
            if (redo && redo->isEnabled()) {
                used.insert(QStringLiteral("menu item redoItem"));
                redo->trigger();
                redone = QStringLiteral(", redoItem");
            }
        }
        emit menu->aboutToHide();
        return QStringLiteral("menu %1%2%3")
            .arg(name, enabled ? QString() : QStringLiteral(" (disabled)"), redone);
    }

    QString editorKeys() {
        TextEditor* editor = reachableEditor();
        auto* rtf = editor ? child<QTextEdit>(editor, "rtf") : nullptr;
        if (!rtf)
            return {};
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        static const Key keys[] = {
            {Qt::Key_A, Qt::ControlModifier},    {Qt::Key_C, Qt::ControlModifier},
            {Qt::Key_V, Qt::ControlModifier},    {Qt::Key_X, Qt::ControlModifier},
            {Qt::Key_Z, Qt::ControlModifier},    {Qt::Key_Y, Qt::ControlModifier},
            {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
            {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_Left, Qt::ShiftModifier},
            {Qt::Key_Right, Qt::ShiftModifier},  {Qt::Key_Up, Qt::ShiftModifier},
            {Qt::Key_Down, Qt::ShiftModifier},   {Qt::Key_Home, Qt::ControlModifier},
            {Qt::Key_End, Qt::ControlModifier},  {Qt::Key_End, Qt::ShiftModifier},
            {Qt::Key_PageUp, Qt::ShiftModifier}, {Qt::Key_PageDown, Qt::NoModifier},
        };
        QString typed;
        rtf->setFocus();
        for (int n = 1 + pick(4); n > 0; --n) {
            const Key& k = keys[pick(int(std::size(keys)))];
            typed += QKeySequence(k.modifiers | k.key).toString() + ' ';
            about(QStringLiteral("editor keys ") + typed);
            QTest::keyClick(rtf, k.key, k.modifiers);
        }
        return QStringLiteral("editor keys %1").arg(typed.trimmed());
    }

    QString selectInEditor() {
        TextEditor* editor = reachableEditor();
        auto* rtf = editor ? child<QTextEdit>(editor, "rtf") : nullptr;
        if (!rtf)
            return {};
        const int end = rtf->document()->characterCount() - 1;
        const int a = pick(end + 1);
        const int b = pick(end + 1);
        about(QStringLiteral("select %1..%2 of %3").arg(a).arg(b).arg(end));
        QTextCursor cursor = rtf->textCursor();
        cursor.setPosition(a);
        cursor.setPosition(b, QTextCursor::KeepAnchor);
        rtf->setTextCursor(cursor);
        return QStringLiteral("select %1..%2 of %3").arg(a).arg(b).arg(end);
    }

    QString resizeWindow() {
        QWidget* window = pickFrom(reachableWindows());
        if (!window)
            return {};
        static const std::array sizes = {QSize(1, 1), QSize(20, 300), QSize(300, 20),
                                         QSize(640, 480), QSize(3000, 2000)};
        const QSize size = pick(2) ? sizes[std::size_t(pick(int(sizes.size())))]
                                   : QSize(50 + pick(1500), 50 + pick(1100));
        about(QStringLiteral("resize %1 to %2x%3")
                  .arg(window->objectName())
                  .arg(size.width())
                  .arg(size.height()));
        window->resize(size);
        return QStringLiteral("resize %1 to %2x%3")
            .arg(window->objectName())
            .arg(size.width())
            .arg(size.height());
    }

    QString minimizeOrRestore() {
        for (QWidget* w : sortedWindows()) {
            if (w->isVisible() && w->isMinimized()) {
                about(QStringLiteral("restore %1").arg(w->objectName()));
                w->showNormal();
                return QStringLiteral("restore %1").arg(w->objectName());
            }
        }
        QWidget* window = pickFrom(reachableWindows());
        if (!window)
            return {};
        about(QStringLiteral("minimise %1").arg(window->objectName()));
        window->showMinimized();
        return QStringLiteral("minimise %1").arg(window->objectName());
    }

    // Keeps the editor's document small enough for quick actions.
    QString emptyABigDocument() {
        TextEditor* editor = screens().find<TextEditor>();
        auto* rtf = editor ? child<QTextEdit>(editor, "rtf") : nullptr;
        if (!rtf || rtf->document()->characterCount() < kDocumentCeiling)
            return {};
        about(QStringLiteral("empty the editor's document"));
        rtf->selectAll();
        rtf->textCursor().removeSelectedText();
        return QStringLiteral("empty the editor's document");
    }

    // One action: its kind (for the figures) and what it did (empty: nothing
    // of its kind could be done just then).
    std::pair<const char*, QString> act() {
        if (QString what = emptyABigDocument(); !what.isEmpty())
            return {"empty the document", what};
        if (menuClosed && pick(4) == 0)
            return {"restart the menu", restartMenu()};
        struct Choice {
            int weight;
            const char* kind;
            QString (MonkeyTest::*action)();
        };
        static const Choice choices[] = {
            {18, "menu entry", &MonkeyTest::openMenuEntry},
            {2, "menu bar", &MonkeyTest::menuBarCommand},
            {30, "type", &MonkeyTest::typeIntoField},
            {20, "button", &MonkeyTest::pressButton},
            {3, "shape", &MonkeyTest::chooseShape},
            {7, "close", &MonkeyTest::closeWindow},
            {12, "editor command", &MonkeyTest::editorCommand},
            {4, "editor keys", &MonkeyTest::editorKeys},
            {3, "select", &MonkeyTest::selectInEditor},
            {2, "resize", &MonkeyTest::resizeWindow},
            {1, "minimise", &MonkeyTest::minimizeOrRestore},
        };
        int total = 0;
        for (const Choice& c : choices)
            total += c.weight;
        // An action that has nothing to act on just then (no editor open, no
        // button in the window) gives way to another draw.
        for (int attempt = 0; attempt < 50; ++attempt) {
            int roll = pick(total);
            for (const Choice& c : choices) {
                if (roll < c.weight) {
                    if (QString what = (this->*c.action)(); !what.isEmpty())
                        return {c.kind, what};
                    break;
                }
                roll -= c.weight;
            }
        }
        return {"none", {}};
    }

    // ---- the checks ---------------------------------------------------------

    QString failure(int index, int count, const QString& what) const {
        QString message = QStringLiteral("seed %1, action %2 of %3: %4\nthe last actions:\n")
                              .arg(seed)
                              .arg(index + 1)
                              .arg(count)
                              .arg(what);
        for (const QString& line : recent)
            message += QStringLiteral("  ") + line + '\n';
        message += QStringLiteral("replay: ZELK_MONKEY_SEED=%1 ZELK_MONKEY_ACTIONS=%2")
                       .arg(seed)
                       .arg(index + 1);
        return message;
    }

    // What the record may have changed: the groups of the screens loaded or
    // closed by this action; a screen loaded and still open has its group empty.
    std::optional<QString> recordProblem(const RecordSnapshot& before,
                                         const std::vector<QPointer<QWidget>>& windowsBefore,
                                         const std::vector<QString>& namesBefore) {
        const std::vector<QWidget*> now = screens().windows();
        std::set<std::string> allowed;
        std::set<std::string> loadedOpen;
        for (std::size_t i = 0; i < windowsBefore.size(); ++i) {
            QWidget* w = windowsBefore[i].data();
            if (!w || std::find(now.begin(), now.end(), w) == now.end())
                if (auto it = kGroupOfScreen.find(namesBefore[i]); it != kGroupOfScreen.end())
                    allowed.insert(it->second);
        }
        for (QWidget* w : now) {
            if (w->property(kSeenProperty).toBool())
                continue;
            if (auto it = kGroupOfScreen.find(w->objectName()); it != kGroupOfScreen.end()) {
                allowed.insert(it->second);
                loadedOpen.insert(it->second);
            }
        }
        const RecordSnapshot after = RecordSnapshot::of(program->jobRecord());
        for (const std::string& field : after.changedFrom(before))
            if (!allowed.count(groupOfField(field)))
                return QStringLiteral("the job record field %1 changed without its screen "
                                      "loading or closing")
                    .arg(QString::fromStdString(field));
        for (const std::string& group : loadedOpen)
            if (!after.groupEmptyAfterLoad(group))
                return QStringLiteral("the record group %1 is not empty after its screen loaded")
                    .arg(QString::fromStdString(group));
        return std::nullopt;
    }

    std::optional<QString> menuProblem() {
        if (menuClosed)
            return std::nullopt;
        auto* menu = screens().find<MainMenu>();
        if (!menu)
            return QStringLiteral("the main menu is gone though it was never closed");
        auto* list = child<QListWidget>(menu, "List1");
        if (!list || !list->isEnabled() || list->count() != 9)
            return QStringLiteral("List1 is missing, disabled or lost entries");
        if (!menu->isVisible())
            return QStringLiteral("the main menu is hidden");
        return std::nullopt;
    }

private slots:
    void initTestCase() {
        qtestHandler = qInstallMessageHandler(dropOffscreenNotices);
        seed = seedFromEnvironment();
        qInfo("monkey seed %llu (replay with ZELK_MONKEY_SEED=%llu)", seed, seed);
    }

    void randomWalk() {
        rng.seed(seed);
        texts = std::make_unique<TextSource>(rng);
        platform = std::make_unique<MonkeyPlatform>(rng, *texts);
        program = std::make_unique<Program>(*platform);
        program->start();
        QVERIFY(screens().find<MainMenu>());

        const int count = actionsFromEnvironment();
        HangGuard hangGuard(kActionBound);
        guard = &hangGuard;
        int acted = 0;
        int messages = 0;
        qint64 slowest = 0;
        QString slowestAction;
        std::vector<std::pair<qint64, QString>> slowestFive;
        QElapsedTimer total;
        total.start();
        for (int i = 0; i < count; ++i) {
            // Mark what exists now, so a window created by the action shows as loaded.
            std::vector<QPointer<QWidget>> windowsBefore;
            std::vector<QString> namesBefore;
            for (QWidget* w : screens().windows()) {
                w->setProperty(kSeenProperty, true);
                windowsBefore.emplace_back(w);
                namesBefore.push_back(w->objectName());
            }
            const RecordSnapshot before = RecordSnapshot::of(program->jobRecord());
            platform->shown.clear();

            step = QStringLiteral("seed %1, action %2").arg(seed).arg(i + 1);
            hangGuard.arm((step + QStringLiteral(": choosing")).toStdString());
            QElapsedTimer timer;
            timer.start();
            auto [kind, what] = act();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const qint64 elapsed = timer.elapsed();
            hangGuard.disarm();

            if (what.isEmpty()) {
                what = QStringLiteral("nothing to do (%1)").arg(QLatin1String(kind));
            } else {
                ++acted;
                ++done[QString::fromLatin1(kind)];
            }
            spent[QString::fromLatin1(kind)] += elapsed;
            messages += int(platform->messageTexts().size());
            recent.push_back(what);
            if (recent.size() > 12)
                recent.pop_front();
            if (elapsed > slowest) {
                slowest = elapsed;
                slowestAction = what;
            }
            // The five slowest, for a long walk's report.
            if (slowestFive.size() < 5 || elapsed > slowestFive.back().first) {
                slowestFive.emplace_back(elapsed,
                                         QStringLiteral("action %1: %2").arg(i + 1).arg(what));
                std::sort(slowestFive.begin(), slowestFive.end(),
                          [](const auto& a, const auto& b) { return a.first > b.first; });
                if (slowestFive.size() > 5)
                    slowestFive.pop_back();
            }

            if (elapsed > std::chrono::milliseconds(kActionBound).count())
                QFAIL(qPrintable(failure(i, count, QStringLiteral("it took %1 ms").arg(elapsed))));
            if (QWidget* modal = QApplication::activeModalWidget())
                QFAIL(qPrintable(failure(i, count,
                                         QStringLiteral("a modal dialog was left open: %1 \"%2\"")
                                             .arg(QLatin1String(modal->metaObject()->className()),
                                                  modal->windowTitle()))));
            if (auto problem = recordProblem(before, windowsBefore, namesBefore))
                QFAIL(qPrintable(failure(i, count, *problem)));
            if (auto problem = menuProblem())
                QFAIL(qPrintable(failure(i, count, *problem)));
        }

        QStringList kinds;
        for (const auto& [kind, n] : done)
            kinds << QStringLiteral("%1 %2 (%3 ms)").arg(kind).arg(n).arg(spent[kind]);
        QStringList questions;
        for (const auto& [kind, n] : platform->asked)
            questions << QStringLiteral("%1 %2").arg(kind).arg(n);
        qInfo("%d actions (%d did something) in %lld ms, slowest %lld ms (%s); %d messages; "
              "%zu of %zu entries, buttons and commands offered were used",
              count, acted, total.elapsed(), slowest, qPrintable(slowestAction), messages,
              used.size(), offered.size());
        QStringList slowList;
        for (const auto& [ms, action] : slowestFive)
            slowList << QStringLiteral("%1 ms (%2)").arg(ms).arg(action);
        qInfo("slowest actions: %s", qPrintable(slowList.join(QStringLiteral("; "))));
        qInfo("actions: %s", qPrintable(kinds.join(QStringLiteral(", "))));
        qInfo("questions answered: %s", qPrintable(questions.join(QStringLiteral(", "))));
        // A whole walk must have reached every window and used everything it
        // was offered; a shorter one (a replay) may stop before that.
        if (count >= kDefaultActions) {
            QStringList unused;
            for (const QString& item : offered)
                if (!used.count(item))
                    unused << item;
            QVERIFY2(unused.isEmpty(), qPrintable("never used: " + unused.join(", ")));
            QStringList missed;
            for (const char* name :
                 {"SprayMenu", "FrmInfo", "Nozzle", "speedCalc", "frmArea", "Rate", "Calibrate",
                  "Multtank", "Nozzleoutput", "pressdrop", "frmTxtEditor", "frmLicense"})
                if (!visited.count(QLatin1String(name)))
                    missed << QLatin1String(name);
            QVERIFY2(missed.isEmpty(), qPrintable("never reached: " + missed.join(", ")));
        }
    }

    void cleanupTestCase() {
        guard = nullptr;
        program.reset();
        platform.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
