#include "app/main_menu.h"
#include "core/report.h"
#include "editor/paragraph_height.h"
#include "editor/text_editor.h"
#include "editor/toolbar_icons.h"
#include "ui_support.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

#include <csignal>
#include <sys/resource.h>

using namespace zelk;
using namespace zelk::test;

using Answer = Platform::Answer;

namespace {

const QString kUntitled = QStringLiteral("Document - Text Editor");

// A scripted platform whose files are real files, for the checks that need
// the disk's own behaviour (a write that fails half-way).
class DiskPlatform : public ScriptedPlatform {
public:
    std::optional<QByteArray> readFile(const QString& path, QString& error) override {
        return disk.readFile(path, error);
    }
    bool writeFile(const QString& path, const QByteArray& data, QString& error) override {
        return disk.writeFile(path, data, error);
    }

private:
    QtPlatform disk;
};

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Pages of a PDF file, counted from its page objects (not the page tree).
int pdfPageCount(const QString& path) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    const QString content = QString::fromLatin1(readBytes(path));
    int count = 0;
    for (auto it = page.globalMatch(content); it.hasNext(); it.next())
        ++count;
    return count;
}

// Three lines, each on a page of its own; only the top one is in view.
void makeThreePages(TextEditor& window) {
    window.insertAtCaret(QStringLiteral("page one\npage two\npage three"));
    auto* box = window.findChild<QTextEdit*>(QStringLiteral("rtf"));
    QTextBlockFormat breakBefore;
    breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    for (QTextBlock block = box->document()->begin().next(); block.isValid(); block = block.next())
        QTextCursor(block).mergeBlockFormat(breakBefore);
    box->moveCursor(QTextCursor::Start);
}

// The scripted platform with Qt's own printer dialog.
class PrintDialogPlatform : public ScriptedPlatform {
public:
    bool print(QWidget* parent, QTextDocument& document) override {
        return qt.print(parent, document);
    }

private:
    QtPlatform qt;
};

// Every key the platform binds to a command; Save As, which only some
// desktops bind, has Ctrl+Shift+S where the platform gives none.
QList<QKeySequence> keysOf(QKeySequence::StandardKey command) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    if (keys.isEmpty() && command == QKeySequence::SaveAs)
        keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    return keys;
}

QKeySequence primaryKey(QKeySequence::StandardKey command) {
    return keysOf(command).value(0);
}

bool hasInk(const QIcon& icon) {
    const QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                ++inked;
    return inked >= 12;
}

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Session> s;
    TextEditor* editor = nullptr;
    QTextEdit* rtf = nullptr;

    ScriptedPlatform& platform() { return s->platform; }

    void trigger(const char* name) {
        auto* action = editor->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        action->trigger();
    }

    // Clicks the toolbar button as the operator would.
    void click(const char* key) {
        auto* bar = child<QToolBar>(editor, "Toolbar1");
        QVERIFY(bar);
        auto* action = bar->findChild<QAction*>(QString::fromLatin1(key));
        QVERIFY2(action, key);
        QWidget* button = bar->widgetForAction(action);
        QVERIFY2(button, key);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void openFile(const QString& path, const QByteArray& bytes) {
        platform().files.insert(path, bytes);
        platform().fileNames.enqueue(path);
        trigger("mnuOpen");
        QCOMPARE(editor->currentFileName(), path);
    }

    void select(int start, int length) {
        QTextCursor cursor = rtf->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        rtf->setTextCursor(cursor);
    }

    QTextCharFormat formatAt(int position) {
        QTextCursor cursor(rtf->document());
        cursor.setPosition(position + 1); // the format of the character before
        return cursor.charFormat();
    }

    QStringList shownKinds() const {
        QStringList kinds;
        for (const auto& shown : s->platform.shown)
            kinds << shown.kind;
        return kinds;
    }

    // A titled, clean document with the text "first\n" read from /jobs/a.txt.
    void startTitled() {
        openFile(QStringLiteral("/jobs/a.txt"), "first\r\n");
        QVERIFY(!editor->isModified());
        platform().shown.clear();
    }

    void makeModified() {
        rtf->moveCursor(QTextCursor::End);
        QTest::keyClicks(rtf, QStringLiteral("typed"));
        QVERIFY(editor->isModified());
    }

    // The whole document is laid out, and below the height at which the
    // layout stops coming back.
    void verifyDocumentLaidOut() {
        QVERIFY2(rtf->document()->documentLayout()->documentSize().height() <= kTallestDocumentPx,
                 qPrintable(
                     QString::number(rtf->document()->documentLayout()->documentSize().height())));
    }

    void verifyRefusedAsTooTall() {
        const QStringList messages = platform().messageTexts();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("too tall")),
                 qPrintable(messages.first()));
    }

private slots:
    void init() {
        s = std::make_unique<Session>();
        editor = &s->screens().show<TextEditor>();
        rtf = child<QTextEdit>(editor, "rtf");
        QVERIFY2(rtf, "rtf missing");
        QVERIFY(QTest::qWaitForWindowExposed(editor));
    }

    void cleanup() {
        s.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // ---- the window -------------------------------------------------------

    void aFirstReferenceCreatesItHiddenEmptyUntitledAndClean() {
        closeWindow(editor);
        QVERIFY(!s->screens().find<TextEditor>());
        TextEditor& fresh = s->screens().get<TextEditor>();
        QVERIFY(!fresh.isVisible());
        QCOMPARE(fresh.objectName(), QStringLiteral("frmTxtEditor"));
        QCOMPARE(fresh.windowTitle(), kUntitled);
        QCOMPARE(child<QTextEdit>(&fresh, "rtf")->toPlainText(), QString());
        QVERIFY(!fresh.isModified());
        QCOMPARE(fresh.currentFileName(), QString());
        // Nothing typed: it closes without asking.
        fresh.showEditor();
        closeWindow(&fresh);
        QVERIFY(platform().shown.isEmpty());
        QVERIFY(!s->screens().find<TextEditor>());
    }

    void theToolbarHasItsButtonsInOrderEachWithAPicture() {
        auto* bar = child<QToolBar>(editor, "Toolbar1");
        QVERIFY2(bar, "Toolbar1 missing");
        QStringList keys;
        for (QAction* action : bar->actions()) {
            keys << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
            if (action->isSeparator())
                continue;
            QVERIFY2(hasInk(action->icon()), qPrintable(action->objectName()));
            QCOMPARE(action->text(), QString());
            QCOMPARE(bar->widgetForAction(action)->toolTip(), QString());
            QVERIFY(!bar->widgetForAction(action)->accessibleName().isEmpty());
        }
        QCOMPARE(keys.join(' '), QStringLiteral("tlbNew tlbOpen tlbSave | tlbCut tlbCopy tlbPaste "
                                                "| tlbPrint | tlbBold tlbItalic tlbUnderline | "
                                                "tlbFind"));
        QCOMPARE(bar->geometry(), QRect(0, 0, editor->centralWidget()->width(), 28));
        QCOMPARE(rtf->pos(), QPoint(8, 48));
    }

    // Our own pictures stand in when the desktop has no theme; each must show.
    void everyDrawnPictureHasInkAndDiffersFromTheOthers() {
        using icons::Kind;
        const Kind kinds[] = {Kind::New,    Kind::Open,      Kind::Save,  Kind::Cut,
                              Kind::Copy,   Kind::Paste,     Kind::Print, Kind::Bold,
                              Kind::Italic, Kind::Underline, Kind::Find};
        QList<QImage> seen;
        for (Kind kind : kinds) {
            const QIcon icon = icons::Drawn(kind);
            QVERIFY(hasInk(icon));
            QCOMPARE(icon.pixmap(32, 32).size(), QSize(32, 32));
            const QImage image = icon.pixmap(16, 16).toImage();
            QVERIFY2(!seen.contains(image), "two toolbar pictures are the same");
            seen << image;
        }
    }

    void menuItems_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        const QKeySequence none;
        QTest::newRow("new") << "mnuFile"
                             << "mnuNew"
                             << "&New" << primaryKey(QKeySequence::New);
        QTest::newRow("open") << "mnuFile"
                              << "mnuOpen"
                              << "&Open" << primaryKey(QKeySequence::Open);
        QTest::newRow("save") << "mnuFile"
                              << "mnuSave"
                              << "&Save" << primaryKey(QKeySequence::Save);
        QTest::newRow("save_as") << "mnuFile"
                                 << "mnuSaveAs"
                                 << "Save As" << primaryKey(QKeySequence::SaveAs);
        QTest::newRow("exit") << "mnuFile"
                              << "mnuExit"
                              << "&Exit" << none;
        QTest::newRow("cut") << "mnuEdit"
                             << "mnuCut"
                             << "Cut" << none;
        QTest::newRow("copy") << "mnuEdit"
                              << "mnuCopy"
                              << "Copy" << none;
        QTest::newRow("paste") << "mnuEdit"
                               << "mnuPaste"
                               << "Paste" << none;
        QTest::newRow("undo") << "mnuEdit"
                              << "undoItem"
                              << "Undo" << primaryKey(QKeySequence::Undo);
        QTest::newRow("redo") << "mnuEdit"
                              << "redoItem"
                              << "Redo" << primaryKey(QKeySequence::Redo);
        QTest::newRow("find_next") << "mnuEdit"
                                   << "findNextItem"
                                   << "Find Next" << primaryKey(QKeySequence::FindNext);
        QTest::newRow("white") << "mnuView"
                               << "mnuWhiteBackground"
                               << "&White Background" << QKeySequence(Qt::CTRL | Qt::Key_W);
        QTest::newRow("red") << "mnuView"
                             << "mnuRedBackground"
                             << "&Red Background" << QKeySequence(Qt::CTRL | Qt::Key_R);
        QTest::newRow("blue") << "mnuView"
                              << "mnuBlueBackground"
                              << "&Blue Background" << QKeySequence(Qt::CTRL | Qt::Key_L);
        QTest::newRow("font_size") << "mnuFont"
                                   << "mnuFontSize"
                                   << "Font Size" << none;
        QTest::newRow("font_color") << "mnuFont"
                                    << "mnuFontColor"
                                    << "Font Color" << none;
    }

    void menuItems() {
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        auto* owner = editor->menuBar()->findChild<QMenu*>(menu);
        QVERIFY2(owner, qPrintable(menu));
        QAction* found = nullptr;
        for (QAction* action : owner->actions())
            if (action->objectName() == item)
                found = action;
        QVERIFY2(found, qPrintable(item));
        QCOMPARE(found->text(), caption);
        QCOMPARE(found->shortcut(), shortcut);
    }

    void theMenuBarHasItsFourMenus() {
        QStringList titles;
        for (QAction* action : editor->menuBar()->actions())
            titles << action->menu()->objectName() + '=' + action->text();
        QCOMPARE(titles,
                 (QStringList{"mnuFile=&File", "mnuEdit=&Edit", "mnuView=&View", "mnuFont=&Font"}));
    }

    // ---- documents and files ----------------------------------------------

    void textChangesMarkModifiedInEitherTitleState_data() {
        QTest::addColumn<bool>("titled");
        QTest::newRow("untitled") << false;
        QTest::newRow("titled") << true;
    }

    void textChangesMarkModifiedInEitherTitleState() {
        QFETCH(bool, titled);
        if (titled)
            startTitled();
        const QString title = editor->windowTitle();
        const QString file = editor->currentFileName();
        QTest::keyClicks(rtf, QStringLiteral("x"));
        QVERIFY(editor->isModified());
        QCOMPARE(editor->windowTitle(), title);
        QCOMPARE(editor->currentFileName(), file);
    }

    void newCompletes_data() {
        QTest::addColumn<bool>("titled");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("savedTo");
        QTest::newRow("clean_titled_no_prompt") << true << false << QList<Answer>{} << QString();
        QTest::newRow("modified_answered_no")
            << true << true << QList<Answer>{Answer::No} << QString();
        QTest::newRow("modified_untitled_answered_yes")
            << false << true << QList<Answer>{Answer::Yes} << "/jobs/new.txt";
        QTest::newRow("modified_titled_answered_yes_still_asks_where")
            << true << true << QList<Answer>{Answer::Yes} << "/jobs/other.txt";
    }

    void newCompletes() {
        QFETCH(bool, titled);
        QFETCH(bool, modified);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, savedTo);
        if (titled)
            startTitled();
        if (modified)
            makeModified();
        const QString before = rtf->toPlainText();
        const QString oldFile = editor->currentFileName();
        for (Answer a : answers)
            platform().answers.enqueue(a);
        if (!savedTo.isEmpty())
            platform().fileNames.enqueue(savedTo);

        trigger("mnuNew");

        QCOMPARE(platform().answers.size(), 0);
        QCOMPARE(shownKinds().count("ask"), answers.size());
        if (!savedTo.isEmpty()) {
            QCOMPARE(shownKinds(), (QStringList{"ask", "save"}));
            QCOMPARE(platform().lastSavePreset, oldFile);
            QCOMPARE(platform().files.value(savedTo),
                     before.toUtf8().replace("\n", "\r\n") + "\r\n");
        }
        QCOMPARE(rtf->toPlainText(), QString());
        QVERIFY(!editor->isModified());
        QCOMPARE(editor->currentFileName(), QString());
        QCOMPARE(editor->windowTitle(), kUntitled);
    }

    void thePromptsAndTheirCancel_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("new") << "mnuNew"
                             << "Do you want to save the current document?";
        QTest::newRow("open") << "mnuOpen"
                              << "Do you want to save the current document";
        QTest::newRow("exit") << "mnuExit"
                              << "Do you want to save the current document";
    }

    // Cancel stops the command: nothing of the document changes, the window stays.
    void thePromptsAndTheirCancel() {
        QFETCH(QString, command);
        QFETCH(QString, prompt);
        startTitled();
        makeModified();
        platform().answers.enqueue(Answer::Cancel);
        trigger(command.toLatin1().constData());
        QCOMPARE(platform().shown.size(), 1);
        QCOMPARE(platform().shown[0].kind, QStringLiteral("ask"));
        QCOMPARE(platform().shown[0].text, prompt);
        QCOMPARE(platform().shown[0].title, QStringLiteral("Editor"));
        QCOMPARE(platform().shown[0].icon, Platform::Icon::Warning);
        QCOMPARE(rtf->toPlainText(), QStringLiteral("first\ntyped"));
        QVERIFY(editor->isModified());
        QCOMPARE(editor->currentFileName(), QStringLiteral("/jobs/a.txt"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("/jobs/a.txt - Text Editor"));
        QVERIFY(editor->isVisible());
        QCOMPARE(s->screens().find<TextEditor>(), editor);
    }

    void openReadsTheFileAsPlainTextAndTitlesTheWindow() {
        openFile(QStringLiteral("/jobs/report.txt"), "line one\r\nline two\r\n");
        QCOMPARE(platform().lastFilters, (QStringList{"Text Files (*.txt)", "All Files (*)"}));
        QCOMPARE(rtf->toPlainText(), QStringLiteral("line one\nline two\n"));
        QVERIFY(!editor->isModified());
        QCOMPARE(editor->windowTitle(), QStringLiteral("/jobs/report.txt - Text Editor"));
        QVERIFY(platform().shown.size() == 1 && platform().shown[0].kind == "open");
    }

    void openAnsweredYes_data() {
        QTest::addColumn<bool>("titled");
        QTest::addColumn<std::optional<QString>>("saveAsAnswer");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<bool>("opened");
        QTest::newRow("titled_writes_without_dialog")
            << true << std::optional<QString>() << QStringList{"ask", "open"} << true;
        QTest::newRow("untitled_goes_through_save_as")
            << false << std::optional<QString>("/jobs/saved.txt")
            << QStringList{"ask", "save", "open"} << true;
        QTest::newRow("untitled_save_as_cancelled_stops")
            << false << std::optional<QString>() << QStringList{"ask", "save"} << false;
    }

    void openAnsweredYes() {
        QFETCH(bool, titled);
        QFETCH(std::optional<QString>, saveAsAnswer);
        QFETCH(QStringList, dialogs);
        QFETCH(bool, opened);
        if (titled)
            startTitled();
        makeModified();
        const QString text = rtf->toPlainText();
        platform().answers.enqueue(Answer::Yes);
        if (!titled)
            platform().fileNames.enqueue(saveAsAnswer);
        platform().files.insert(QStringLiteral("/jobs/b.txt"), "other\r\n");
        platform().fileNames.enqueue(QStringLiteral("/jobs/b.txt"));

        trigger("mnuOpen");

        QCOMPARE(shownKinds(), dialogs);
        const QString writtenTo =
            titled ? QStringLiteral("/jobs/a.txt") : saveAsAnswer.value_or("");
        if (!writtenTo.isEmpty())
            QCOMPARE(platform().files.value(writtenTo),
                     text.toUtf8().replace("\n", "\r\n") + "\r\n");
        if (opened) {
            QCOMPARE(rtf->toPlainText(), QStringLiteral("other\n"));
            QCOMPARE(editor->windowTitle(), QStringLiteral("/jobs/b.txt - Text Editor"));
            QVERIFY(!editor->isModified());
        } else {
            QCOMPARE(rtf->toPlainText(), text);
            QCOMPARE(editor->windowTitle(), kUntitled);
            QVERIFY(editor->isModified());
        }
    }

    // The Open dialog cancelled: the same file stays, and Save writes to it.
    void cancellingTheOpenDialogKeepsTheFile() {
        startTitled();
        makeModified();
        platform().answers.enqueue(Answer::No);
        platform().fileNames.enqueue(std::nullopt);
        trigger("mnuOpen");
        QCOMPARE(shownKinds(), (QStringList{"ask", "open"}));
        QCOMPARE(rtf->toPlainText(), QStringLiteral("first\ntyped"));
        QVERIFY(editor->isModified());
        QCOMPARE(editor->windowTitle(), QStringLiteral("/jobs/a.txt - Text Editor"));

        trigger("mnuSave");
        QCOMPARE(platform().files.value("/jobs/a.txt"), QByteArray("first\r\ntyped\r\n"));
        QVERIFY(!editor->isModified());
        QCOMPARE(editor->windowTitle(), QStringLiteral("/jobs/a.txt - Text Editor"));
        QCOMPARE(shownKinds(), (QStringList{"ask", "open"}));
    }

    // Under "Text Files" a name typed without an extension gets ".txt";
    // under "All Files" it is written as typed.
    void saveOnAnUntitledDocumentGoesThroughSaveAs_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");
        QTest::newRow("text_files_add_the_extension")
            << std::optional<QString>("/jobs/report") << 0 << "/jobs/report.txt";
        QTest::newRow("text_files_keep_another_extension")
            << std::optional<QString>("/jobs/report.log") << 0 << "/jobs/report.log";
        QTest::newRow("all_files_keep_the_name_as_typed")
            << std::optional<QString>("/jobs/report") << 1 << "/jobs/report";
        QTest::newRow("cancelled") << std::optional<QString>() << 0 << QString();
    }

    void saveOnAnUntitledDocumentGoesThroughSaveAs() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(int, filter);
        QFETCH(QString, written);
        makeModified();
        platform().fileNames.enqueue(answer);
        platform().saveFilters.enqueue(filter);
        click("tlbSave");
        QCOMPARE(shownKinds(), QStringList{"save"});
        QCOMPARE(platform().lastSavePreset, QString());
        QCOMPARE(platform().lastFilters, (QStringList{"Text Files (*.txt)", "All Files (*)"}));
        if (answer) {
            QCOMPARE(platform().files.keys(), QStringList{written});
            QCOMPARE(platform().files.value(written), QByteArray("typed\r\n"));
            QCOMPARE(editor->currentFileName(), written);
            QCOMPARE(editor->windowTitle(), written + "- Text Editor");
            QVERIFY(!editor->isModified());
        } else {
            QVERIFY(platform().files.isEmpty());
            QCOMPARE(editor->windowTitle(), kUntitled);
            QCOMPARE(editor->currentFileName(), QString());
            QVERIFY(editor->isModified());
        }
    }

    void saveOnATitledDocumentWritesItsFileAndKeepsTheCaption() {
        startTitled();
        makeModified();
        trigger("mnuSave");
        QVERIFY(platform().shown.isEmpty());
        QCOMPARE(platform().files.value("/jobs/a.txt"), QByteArray("first\r\ntyped\r\n"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("/jobs/a.txt - Text Editor"));
        QVERIFY(!editor->isModified());
    }

    // Captions differ in one space: after Open " - ", after Save As "- ".
    void saveAsMovesTheDocumentToTheNewFile() {
        startTitled();
        platform().fileNames.enqueue(QStringLiteral("/jobs/b.txt"));
        trigger("mnuSaveAs");
        QCOMPARE(platform().lastSavePreset, QStringLiteral("/jobs/a.txt"));
        QCOMPARE(editor->currentFileName(), QStringLiteral("/jobs/b.txt"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("/jobs/b.txt- Text Editor"));
        QCOMPARE(platform().files.value("/jobs/b.txt"), QByteArray("first\r\n\r\n"));
        QVERIFY(!editor->isModified());
    }

    void theFileFormat_data() {
        QTest::addColumn<QByteArray>("opened"); // empty: a new document
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("empty_document") << QByteArray() << "" << QByteArray("\r\n");
        QTest::newRow("abc") << QByteArray() << "abc" << QByteArray("abc\r\n");
        QTest::newRow("open_and_save_again_adds_a_line")
            << QByteArray("abc\r\n") << "" << QByteArray("abc\r\n\r\n");
        QTest::newRow("two_lines") << QByteArray() << "a\nb" << QByteArray("a\r\nb\r\n");
        QTest::newRow("non_ascii_and_no_break_space")
            << QByteArray() << QString::fromUtf8("caf\u00e9 \u20ac5\u00a0ml \u00bd")
            << QByteArray("caf\xc3\xa9 \xe2\x82\xac"
                          "5\xc2\xa0ml \xc2\xbd\r\n");
        QTest::newRow("windows_1252_file_saved_as_utf8") << QByteArray("caf\xe9 \x80"
                                                                       "5\xa0ml\r\n")
                                                         << ""
                                                         << QByteArray("caf\xc3\xa9 \xe2\x82\xac"
                                                                       "5\xc2\xa0ml\r\n\r\n");
    }

    void theFileFormat() {
        QFETCH(QByteArray, opened);
        QFETCH(QString, typed);
        QFETCH(QByteArray, saved);
        if (!opened.isEmpty())
            openFile(QStringLiteral("/jobs/in.txt"), opened);
        if (!typed.isEmpty())
            editor->insertAtCaret(typed);
        platform().fileNames.enqueue(QStringLiteral("/jobs/out.txt"));
        trigger("mnuSaveAs");
        QCOMPARE(platform().files.value("/jobs/out.txt"), saved);
    }

    void anEmptyFileOpensAsAnEmptyDocument() {
        editor->insertAtCaret(QStringLiteral("old"));
        platform().answers.enqueue(Answer::No);
        openFile(QStringLiteral("/jobs/empty.txt"), QByteArray());
        QCOMPARE(rtf->toPlainText(), QString());
        QVERIFY(!editor->isModified());
    }

    void aWindows1252FileOpensWithItsCharacters() {
        openFile(QStringLiteral("/jobs/old.txt"), "Caf\xe9 \x80 \x93quoted\x94\r\n");
        QCOMPARE(rtf->toPlainText(), QString::fromUtf8("Caf\u00e9 \u20ac \u201cquoted\u201d\n"));
    }

    // Markup in a file or a report shows as the characters it is.
    void anHtmlLookingFileOpensAsPlainText() {
        // Whatever format the caret had before, the opened text has none.
        editor->insertAtCaret(QStringLiteral("old"));
        rtf->selectAll();
        click("tlbBold");
        click("tlbUnderline");
        platform().answers.enqueue(Answer::No);
        openFile(QStringLiteral("/jobs/markup.txt"), "<b>x</b> &amp; <i>y</i>\r\n");
        QCOMPARE(rtf->toPlainText(), QStringLiteral("<b>x</b> &amp; <i>y</i>\n"));
        for (int i = 0; i < 23; ++i) {
            QCOMPARE(formatAt(i).fontWeight(), int(QFont::Normal));
            QVERIFY(!formatAt(i).fontUnderline());
        }
        // The caret starts at the top, and undo cannot bring the old text back.
        QCOMPARE(rtf->textCursor().position(), 0);
        QVERIFY(!rtf->document()->isUndoAvailable());
        QTest::keyClicks(rtf, QStringLiteral("z"));
        QCOMPARE(formatAt(0).fontWeight(), int(QFont::Normal));
        QVERIFY(!rtf->currentCharFormat().fontUnderline());
        rtf->undo();
        QCOMPARE(rtf->toPlainText(), QStringLiteral("<b>x</b> &amp; <i>y</i>\n"));
        rtf->undo();
        QCOMPARE(rtf->toPlainText(), QStringLiteral("<b>x</b> &amp; <i>y</i>\n"));
    }

    void aFileThatCannotBeReadIsNamedWithTheReason() {
        startTitled();
        makeModified();
        platform().answers.enqueue(Answer::No);
        platform().fileNames.enqueue(QStringLiteral("/jobs/missing.txt"));
        trigger("mnuOpen");
        QCOMPARE(shownKinds(), (QStringList{"ask", "open", "message"}));
        const auto& shown = platform().shown.last();
        QVERIFY2(shown.text.contains("/jobs/missing.txt"), qPrintable(shown.text));
        QVERIFY2(shown.text.contains("No such file or directory"), qPrintable(shown.text));
        QCOMPARE(shown.title, QStringLiteral("Editor"));
        QCOMPARE(rtf->toPlainText(), QStringLiteral("first\ntyped"));
        QVERIFY(editor->isModified());
        QCOMPARE(editor->currentFileName(), QStringLiteral("/jobs/a.txt"));
    }

    void aFailedWriteIsNamedAndChangesNothing_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");
        QTest::newRow("save") << "mnuSave"
                              << "/jobs/a.txt";
        QTest::newRow("save_as") << "mnuSaveAs"
                                 << "/jobs/full.txt";
    }

    void aFailedWriteIsNamedAndChangesNothing() {
        QFETCH(QString, command);
        QFETCH(QString, target);
        startTitled();
        makeModified();
        platform().failingWrites << target;
        platform().fileNames.enqueue(target);
        trigger(command.toLatin1().constData());
        const QStringList messages = platform().messageTexts();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(target), qPrintable(messages[0]));
        QVERIFY2(messages[0].contains("No space left on device"), qPrintable(messages[0]));
        QCOMPARE(platform().shown.last().title, QStringLiteral("Editor"));
        QCOMPARE(platform().files.value("/jobs/a.txt"), QByteArray("first\r\n"));
        QVERIFY(editor->isModified());
        QCOMPARE(editor->currentFileName(), QStringLiteral("/jobs/a.txt"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("/jobs/a.txt - Text Editor"));
    }

    // On a real disk: a write that runs out of room half-way leaves the old
    // file byte for byte and no stray file beside it; the window stays open.
    void aWriteFailingHalfWayLeavesTheOldFileIntact() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("report.txt"));
        const QByteArray old("old report\r\n");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(old), old.size());
        }

        DiskPlatform disk;
        Program program(disk);
        auto& window = program.screens().show<TextEditor>();
        disk.fileNames.enqueue(path);
        window.openDocument();
        QCOMPARE(window.currentFileName(), path);
        window.insertAtCaret(QString(64 * 1024, QLatin1Char('x')));

        // A file size limit stands in for a full disk.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 4096;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        disk.answers.enqueue(Answer::Yes);
        window.close(); // Closing answered Yes: the save fails, the window stays
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(readBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.txt"});
        const QStringList messages = disk.messageTexts();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(path), qPrintable(messages[0]));
        QVERIFY(window.isVisible());
        QVERIFY(window.isModified());
        QCOMPARE(program.screens().find<TextEditor>(), &window);

        // With room again the same Save goes through.
        window.save();
        QCOMPARE(readBytes(path).size(), old.size() + 64 * 1024 + 2);
        QVERIFY(!window.isModified());
    }

    void closing_data() {
        QTest::addColumn<bool>("titled");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<std::optional<QString>>("saveAs");
        QTest::addColumn<bool>("writeFails");
        QTest::addColumn<bool>("viaExit");
        QTest::addColumn<bool>("stays");
        QTest::addColumn<QString>("written");
        const std::optional<QString> none;
        const QList<Answer> no{};
        QTest::newRow("clean_closes")
            << true << false << no << none << false << false << false << QString();
        QTest::newRow("modified_no_closes_unsaved") << true << true << QList<Answer>{Answer::No}
                                                    << none << false << false << false << QString();
        QTest::newRow("modified_yes_titled_saves_and_closes")
            << true << true << QList<Answer>{Answer::Yes} << none << false << false << false
            << "/jobs/a.txt";
        QTest::newRow("modified_yes_untitled_save_as_closes")
            << false << true << QList<Answer>{Answer::Yes} << std::optional<QString>("/jobs/n.txt")
            << false << false << false << "/jobs/n.txt";
        QTest::newRow("modified_yes_untitled_save_as_cancelled_stays")
            << false << true << QList<Answer>{Answer::Yes} << none << false << false << true
            << QString();
        QTest::newRow("modified_yes_write_fails_stays")
            << true << true << QList<Answer>{Answer::Yes} << none << true << false << true
            << QString();
        QTest::newRow("modified_cancel_stays") << true << true << QList<Answer>{Answer::Cancel}
                                               << none << false << false << true << QString();
        QTest::newRow("exit_modified_no_closes") << true << true << QList<Answer>{Answer::No}
                                                 << none << false << true << false << QString();
        QTest::newRow("exit_modified_cancel_stays") << true << true << QList<Answer>{Answer::Cancel}
                                                    << none << false << true << true << QString();
    }

    void closing() {
        QFETCH(bool, titled);
        QFETCH(bool, modified);
        QFETCH(QList<Answer>, answers);
        QFETCH(std::optional<QString>, saveAs);
        QFETCH(bool, writeFails);
        QFETCH(bool, viaExit);
        QFETCH(bool, stays);
        QFETCH(QString, written);
        if (titled)
            startTitled();
        if (modified)
            makeModified();
        const QByteArray before = platform().files.value("/jobs/a.txt");
        for (Answer a : answers)
            platform().answers.enqueue(a);
        if (!titled)
            platform().fileNames.enqueue(saveAs);
        if (writeFails)
            platform().failingWrites << QStringLiteral("/jobs/a.txt");
        QPointer<TextEditor> window = editor;

        if (viaExit)
            trigger("mnuExit");
        else
            editor->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(shownKinds().count("ask"), answers.size());
        if (stays) {
            QVERIFY(window);
            QVERIFY(window->isVisible());
            QVERIFY(window->isModified());
            QCOMPARE(s->screens().find<TextEditor>(), window.data());
        } else {
            QVERIFY(window.isNull());
            QVERIFY(!s->screens().find<TextEditor>());
        }
        if (!written.isEmpty())
            QCOMPARE(platform().files.value(written),
                     QByteArray(titled ? "first\r\ntyped\r\n" : "typed\r\n"));
        else if (titled)
            QCOMPARE(platform().files.value("/jobs/a.txt"), before);
    }

    // A closed editor is gone with its document; the next one starts afresh.
    void theNextReferenceAfterClosingIsFresh() {
        editor->insertAtCaret(QStringLiteral("gone"));
        platform().answers.enqueue(Answer::No);
        closeWindow(editor);
        TextEditor& next = s->screens().get<TextEditor>();
        QCOMPARE(child<QTextEdit>(&next, "rtf")->toPlainText(), QString());
        QVERIFY(!next.isModified());
        QCOMPARE(next.windowTitle(), kUntitled);
    }

    void insertAtCaretReplacesTheSelectionWithPlainText() {
        editor->insertAtCaret(QStringLiteral("one two three"));
        select(4, 3);
        editor->insertAtCaret(QStringLiteral("<b>2</b>\n&amp;"));
        QCOMPARE(rtf->toPlainText(), QStringLiteral("one <b>2</b>\n&amp; three"));
        QCOMPARE(rtf->document()->blockCount(), 2);
        QCOMPARE(rtf->textCursor().position(), 4 + 14);
        QVERIFY(!rtf->textCursor().hasSelection());
        QVERIFY(editor->isModified());
        QCOMPARE(formatAt(5).fontWeight(), int(QFont::Normal));
    }

    // ---- Print Report -----------------------------------------------------

    void printReportInsertsOneReportPerClick() {
        closeWindow(editor);
        s->record().infoCompany = ReportLine("Company Name - ", "<b>Acme</b> &amp; Sons");
        s->record().speedKmh = ReportLine("km/h - ", "12");
        const QString report = QString::fromStdString(BuildReport(s->record()));
        s->program->start();
        auto* menu = s->screens().find<MainMenu>();
        QVERIFY(menu && QTest::qWaitForWindowExposed(menu));
        auto* list = child<QListWidget>(menu, "List1");
        QVERIFY(list);
        const auto clickPrintReport = [&] {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(8)).center());
        };

        clickPrintReport();
        auto* shown = s->screens().find<TextEditor>();
        QVERIFY2(shown, "Print Report did not create the editor");
        QVERIFY(shown->isVisible());
        auto* box = child<QTextEdit>(shown, "rtf");
        QCOMPARE(box->toPlainText(), report);
        QVERIFY(box->toPlainText().contains("<b>Acme</b> &amp; Sons"));
        QVERIFY(shown->isModified());
        QCOMPARE(shown->windowTitle(), kUntitled);

        clickPrintReport();
        QCOMPARE(s->screens().find<TextEditor>(), shown);
        QCOMPARE(box->toPlainText(), report + report);
        QCOMPARE(QString::fromStdString(BuildReport(s->record())), report);
    }

    void printReportKeepsASelection_data() {
        QTest::addColumn<bool>("selectAll");
        QTest::newRow("word_left_by_find") << false;
        QTest::newRow("select_all") << true;
    }

    // Print Report never replaces the selection: a word Find left selected,
    // or a document under Select All, stays, and the report follows it.
    void printReportKeepsASelection() {
        QFETCH(bool, selectAll);
        const QString document = QStringLiteral("Operator notes: tank rinsed.\nSigned off.");
        editor->insertAtCaret(document);
        if (selectAll) {
            rtf->selectAll();
        } else {
            platform().promptAnswers.enqueue(QStringLiteral("rinsed"));
            click("tlbFind");
            QCOMPARE(rtf->textCursor().selectedText(), QStringLiteral("rinsed"));
        }
        const int end = rtf->textCursor().selectionEnd();
        rtf->document()->setModified(false);
        s->record().speedKmh = ReportLine("km/h - ", "12");
        const QString report = QString::fromStdString(BuildReport(s->record()));

        s->program->start();
        auto* menu = s->screens().find<MainMenu>();
        QVERIFY(menu && QTest::qWaitForWindowExposed(menu));
        auto* list = child<QListWidget>(menu, "List1");
        QVERIFY(list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(8)).center());
        QCOMPARE(s->screens().find<TextEditor>(), editor);
        QCOMPARE(rtf->toPlainText(), document.left(end) + report + document.mid(end));
        QVERIFY(!rtf->textCursor().hasSelection());
        QCOMPARE(rtf->textCursor().position(), end + report.size());
        QVERIFY(editor->isModified());
    }

    // ---- editing ----------------------------------------------------------

    void theEditMenuFollowsSelectionAndClipboard_data() {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("nothing_selected_empty_clipboard") << false << "";
        QTest::newRow("nothing_selected_text_on_clipboard") << false << "abc";
        QTest::newRow("selection_empty_clipboard") << true << "";
        QTest::newRow("selection_and_clipboard") << true << "abc";
    }

    void theEditMenuFollowsSelectionAndClipboard() {
        QFETCH(bool, selected);
        QFETCH(QString, clipboard);
        editor->insertAtCaret(QStringLiteral("some text"));
        if (selected)
            select(0, 4);
        platform().setClipboardText(clipboard);
        auto* menu = editor->menuBar()->findChild<QMenu*>("mnuEdit");
        QVERIFY(menu);
        menu->popup(editor->mapToGlobal(QPoint(10, 10)));
        const auto enabled = [&](const char* name) {
            return editor->findChild<QAction*>(name)->isEnabled();
        };
        QCOMPARE(enabled("mnuCut"), selected);
        QCOMPARE(enabled("mnuCopy"), selected);
        QCOMPARE(enabled("mnuPaste"), !clipboard.isEmpty());
        menu->hide();
        for (const char* key : {"tlbCut", "tlbCopy", "tlbPaste"})
            QVERIFY2(enabled(key), key);
    }

    void toolbarCopyWithNothingSelectedLeavesAnEmptyClipboard() {
        editor->insertAtCaret(QStringLiteral("text"));
        platform().setClipboardText(QStringLiteral("old"));
        click("tlbCopy");
        QCOMPARE(platform().clipboardText(), QString());
    }

    void toolbarPasteWithAnEmptyClipboardDeletesTheSelection() {
        editor->insertAtCaret(QStringLiteral("keep drop keep"));
        select(5, 5);
        platform().setClipboardText(QString());
        click("tlbPaste");
        QCOMPARE(rtf->toPlainText(), QStringLiteral("keep keep"));
    }

    void cutAndPasteMoveTextWithItsLineBreaks() {
        editor->insertAtCaret(QStringLiteral("ab\ncd\nef"));
        select(1, 4);
        click("tlbCut");
        QCOMPARE(platform().clipboardText(), QStringLiteral("b\ncd"));
        QCOMPARE(rtf->toPlainText(), QStringLiteral("a\nef"));
        rtf->moveCursor(QTextCursor::End);
        platform().setClipboardText(QStringLiteral("x\r\ny"));
        trigger("mnuPaste");
        QCOMPARE(rtf->toPlainText(), QStringLiteral("a\nefx\ny"));
    }

    void whatMarksTheDocumentModified_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("modifies");
        QTest::newRow("cut") << "mnuCut" << true;
        QTest::newRow("paste") << "mnuPaste" << true;
        QTest::newRow("copy") << "mnuCopy" << false;
        QTest::newRow("find") << "tlbFind" << false;
        QTest::newRow("white_background") << "mnuWhiteBackground" << false;
        QTest::newRow("red_background") << "mnuRedBackground" << false;
        QTest::newRow("blue_background") << "mnuBlueBackground" << false;
    }

    void whatMarksTheDocumentModified() {
        QFETCH(QString, command);
        QFETCH(bool, modifies);
        openFile(QStringLiteral("/jobs/a.txt"), "some words\r\n");
        select(0, 4);
        platform().setClipboardText(QStringLiteral("new"));
        platform().promptAnswers.enqueue(QStringLiteral("words"));
        trigger(command.toLatin1().constData());
        QCOMPARE(editor->isModified(), modifies);
    }

    // The control's own keys carry plain text only, both ways.
    void keyboardCopyAndPasteCarryPlainTextOnly() {
        editor->insertAtCaret(QStringLiteral("plain"));
        rtf->selectAll();
        click("tlbBold");
        QTest::keyClick(rtf, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied);
        QCOMPARE(copied->formats(), QStringList{"text/plain"});
        QCOMPARE(copied->text(), QStringLiteral("plain"));

        auto* html = new QMimeData;
        html->setHtml(QStringLiteral("<b>rich</b> <i>text</i>"));
        QApplication::clipboard()->setMimeData(html);
        rtf->moveCursor(QTextCursor::End);
        rtf->setCurrentCharFormat(QTextCharFormat());
        QTest::keyClick(rtf, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rtf->toPlainText(), QStringLiteral("plainrich text"));
        QCOMPARE(formatAt(6).fontWeight(), int(QFont::Normal));
        QVERIFY(!formatAt(11).fontItalic());
        QApplication::clipboard()->clear();
    }

    // The platform's Paste text when another program offered formatted text only.
    void theClipboardGivesFormattedTextAsPlainText() {
        QtPlatform qt;
        auto* html = new QMimeData;
        html->setHtml(QStringLiteral("<p><b>bold</b> &amp; <i>more</i></p>"));
        QApplication::clipboard()->setMimeData(html);
        QCOMPARE(qt.clipboardText(), QStringLiteral("bold & more"));
        qt.setClipboardText(QStringLiteral("plain"));
        QCOMPARE(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
        QCOMPARE(qt.clipboardText(), QStringLiteral("plain"));
        QApplication::clipboard()->clear();
        QCOMPARE(qt.clipboardText(), QString());
    }

    // ---- find -------------------------------------------------------------

    void find_data() {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("answer"); // a null answer is Cancel
        QTest::addColumn<int>("start");      // -1: not found
        QTest::addColumn<int>("length");
        const QString text = QStringLiteral("Calm. The wind is low; WIND later.");
        QTest::newRow("capitals_find_small_letters") << text << "WIND" << 10 << 4;
        QTest::newRow("small_letters_find_capitals") << text << "calm" << 0 << 4;
        QTest::newRow("absent") << text << "rain" << -1 << 0;
        QTest::newRow("cancel_in_a_document_goes_to_the_start") << text << QString() << 0 << 0;
        QTest::newRow("cancel_in_an_empty_document") << "" << QString() << -1 << 0;
        QTest::newRow("match_beyond_character_40000")
            << QString(40000, QLatin1Char('a')) + "\nneedle"
            << "Needle" << 40001 << 6;
    }

    void find() {
        QFETCH(QString, document);
        QFETCH(QString, answer);
        QFETCH(int, start);
        QFETCH(int, length);
        if (!document.isEmpty())
            editor->insertAtCaret(document);
        select(2, 1);
        platform().shown.clear();
        for (int round = 0; round < 2; ++round) {
            platform().promptAnswers.enqueue(answer);
            click("tlbFind");
            const auto& prompt = platform().shown.at(round * (start < 0 ? 2 : 1));
            QCOMPARE(prompt.kind, QStringLiteral("prompt"));
            QCOMPARE(prompt.text, QStringLiteral("Find what?"));
            QCOMPARE(prompt.title, QStringLiteral("Enter search String"));
            const QTextCursor cursor = rtf->textCursor();
            if (start < 0) {
                const auto& message = platform().shown.last();
                QCOMPARE(message.kind, QStringLiteral("message"));
                QCOMPARE(message.text, QStringLiteral("Search string not found"));
                QCOMPARE(message.title, QStringLiteral("Find Results"));
                QCOMPARE(message.icon, Platform::Icon::Information);
                if (!document.isEmpty())
                    QCOMPARE(cursor.selectionStart(), 2); // the selection stays
            } else {
                QCOMPARE(platform().shown.size(), round + 1);
                QCOMPARE(cursor.selectionStart(), start);
                QCOMPARE(cursor.selectionEnd(), start + length);
            }
        }
    }

    // ---- formatting -------------------------------------------------------

    void attributesSwitchOnOnly_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("bold") << "tlbBold";
        QTest::newRow("italic") << "tlbItalic";
        QTest::newRow("underline") << "tlbUnderline";
    }

    void attributesSwitchOnOnly() {
        QFETCH(QString, key);
        const auto isOn = [&](const QTextCharFormat& f) {
            if (key == "tlbBold")
                return f.fontWeight() == QFont::Bold;
            if (key == "tlbItalic")
                return f.fontItalic();
            return f.fontUnderline();
        };
        editor->insertAtCaret(QStringLiteral("one two"));
        select(0, 3);
        click(key.toLatin1().constData());
        QVERIFY(isOn(formatAt(0)) && isOn(formatAt(2)));
        QVERIFY(!isOn(formatAt(4)));
        click(key.toLatin1().constData());
        QVERIFY(isOn(formatAt(0)) && isOn(formatAt(2)));

        // With nothing selected, the text typed next gets it.
        rtf->moveCursor(QTextCursor::End);
        click(key.toLatin1().constData());
        QTest::keyClicks(rtf, QStringLiteral("x"));
        QVERIFY(isOn(formatAt(7)));
        QVERIFY(!isOn(formatAt(6)));
    }

    void theFontDialogStartsOnTheSelectionAndAppliesItsChoice() {
        editor->insertAtCaret(QStringLiteral("alpha beta"));
        select(0, 5);
        click("tlbItalic");
        click("tlbUnderline");
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSizeF(17);
        chosen.setBold(true);
        chosen.setItalic(false);
        platform().fonts.enqueue(chosen);
        trigger("mnuFontSize");
        QCOMPARE(shownKinds(), QStringList{"font"});
        QVERIFY(platform().lastInitialFont.italic());
        QCOMPARE(platform().lastInitialFont.family(), rtf->document()->defaultFont().family());
        QCOMPARE(platform().lastInitialFont.pointSizeF(),
                 rtf->document()->defaultFont().pointSizeF());
        const QTextCharFormat f = formatAt(2);
        QCOMPARE(f.fontFamilies().toStringList(), QStringList{"DejaVu Serif"});
        QCOMPARE(f.fontPointSize(), 17.0);
        QCOMPARE(f.fontWeight(), int(QFont::Bold));
        QVERIFY(!f.fontItalic());
        QVERIFY(f.fontUnderline()); // the dialog does not switch it off
        QCOMPARE(formatAt(7).fontPointSize(), 0.0);

        // Cancel changes nothing.
        trigger("mnuFontSize");
        QCOMPARE(platform().lastInitialFont.pointSizeF(), 17.0);
        QCOMPARE(formatAt(2).fontPointSize(), 17.0);
    }

    void aMixedSelectionEndsTheFontCommandWithoutADialog_data() {
        QTest::addColumn<QString>("mix");
        QTest::newRow("bold") << "bold";
        QTest::newRow("italic") << "italic";
        QTest::newRow("size") << "size";
        QTest::newRow("family") << "family";
    }

    void aMixedSelectionEndsTheFontCommandWithoutADialog() {
        QFETCH(QString, mix);
        editor->insertAtCaret(QStringLiteral("alpha beta"));
        select(0, 3);
        QTextCharFormat f;
        if (mix == "bold")
            f.setFontWeight(QFont::Bold);
        else if (mix == "italic")
            f.setFontItalic(true);
        else if (mix == "size")
            f.setFontPointSize(30);
        else
            f.setFontFamilies(QStringList{"DejaVu Serif"});
        rtf->mergeCurrentCharFormat(f);
        select(1, 5);
        platform().fonts.enqueue(QFont(QStringLiteral("DejaVu Sans Mono")));
        trigger("mnuFontSize");
        QVERIFY(platform().shown.isEmpty());
        QCOMPARE(platform().fonts.size(), 1);
        // Within one format the dialog does open.
        select(0, 3);
        trigger("mnuFontSize");
        QCOMPARE(shownKinds(), QStringList{"font"});
    }

    // Underline differs inside this selection, but it is no part of the font.
    void underlineAloneDoesNotMakeASelectionMixed() {
        editor->insertAtCaret(QStringLiteral("alpha beta"));
        select(0, 3);
        click("tlbUnderline");
        select(1, 5);
        trigger("mnuFontSize");
        QCOMPARE(shownKinds(), QStringList{"font"});
    }

    void theColourDialogOpensOnTheLastColour() {
        editor->insertAtCaret(QStringLiteral("red text"));
        select(0, 3);
        platform().colors.enqueue(QColor(200, 10, 10));
        trigger("mnuFontColor");
        QCOMPARE(platform().lastInitialColor, QColor(Qt::black));
        QCOMPARE(formatAt(1).foreground().color(), QColor(200, 10, 10));
        select(4, 4);
        platform().colors.enqueue(std::nullopt);
        trigger("mnuFontColor");
        QCOMPARE(platform().lastInitialColor, QColor(200, 10, 10));
        QVERIFY(formatAt(5).foreground().color() != QColor(200, 10, 10));
    }

    void backgrounds_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("key");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("white") << "mnuWhiteBackground" << int(Qt::Key_W) << QColor(255, 255, 255);
        QTest::newRow("red") << "mnuRedBackground" << int(Qt::Key_R) << QColor(255, 0, 0);
        QTest::newRow("blue") << "mnuBlueBackground" << int(Qt::Key_L) << QColor(0, 0, 255);
    }

    void backgrounds() {
        QFETCH(QString, item);
        QFETCH(int, key);
        QFETCH(QColor, colour);
        const QColor system = rtf->palette().color(QPalette::Base);
        QCOMPARE(system, QApplication::palette(rtf).color(QPalette::Base));
        trigger(item.toLatin1().constData());
        QCOMPARE(rtf->palette().color(QPalette::Base), colour);
        const QImage shot = rtf->viewport()->grab().toImage();
        QCOMPARE(QColor(shot.pixel(shot.width() / 2, shot.height() / 2)), colour);

        // The shortcut from the text box does the same.
        QPalette reset = rtf->palette();
        reset.setColor(QPalette::Base, system);
        rtf->setPalette(reset);
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        rtf->setFocus();
        QTest::keyClick(rtf, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(rtf->palette().color(QPalette::Base), colour);
        QCOMPARE(rtf->toPlainText(), QString());
    }

    void theToolbarReachesTheFileCommands() {
        platform().files.insert(QStringLiteral("/jobs/t.txt"), "from toolbar\r\n");
        platform().fileNames.enqueue(QStringLiteral("/jobs/t.txt"));
        click("tlbOpen");
        QCOMPARE(rtf->toPlainText(), QStringLiteral("from toolbar\n"));
        click("tlbNew");
        QCOMPARE(rtf->toPlainText(), QString());
        QCOMPARE(editor->windowTitle(), kUntitled);
    }

    // ---- resize and print -------------------------------------------------

    void theBoxFollowsTheWindowByTheResizeRule() {
        QWidget* inner = editor->centralWidget();
        const int menuHeight = editor->height() - inner->height();
        const auto resizeInner = [&](int w, int h) {
            editor->resize(w, h + menuHeight);
            QCOMPARE(inner->size(), QSize(w, h));
        };
        // At the first showing: 5580 x 4290 twips inside.
        QCOMPARE(inner->size(), QSize(372, 286));
        QCOMPARE(rtf->geometry(), QRect(8, 48, 342, 153));

        resizeInner(600, 500); // 9000 x 7500 twips
        QCOMPARE(rtf->size(), QSize(570, 367));
        QCOMPARE(rtf->pos(), QPoint(8, 48));
        resizeInner(500, 120); // under 2000 twips high: nothing changes
        QCOMPARE(rtf->size(), QSize(570, 367));
        resizeInner(450, 300);
        QCOMPARE(rtf->size(), QSize(420, 167));
        resizeInner(25, 400); // under 450 twips wide: the height follows only
        QCOMPARE(rtf->size(), QSize(420, 267));
        QCOMPARE(rtf->pos(), QPoint(8, 48));
    }

    void printingPrintsEveryPageOfTheDocument() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        makeThreePages(*editor);

        platform().printToPdf = pdf;
        platform().printAnswers.enqueue(false);
        click("tlbPrint");
        QVERIFY(!QFile::exists(pdf)); // cancelled: nothing printed

        platform().printAnswers.enqueue(true);
        click("tlbPrint");
        QCOMPARE(shownKinds(), (QStringList{"print", "print"}));
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(pdfPageCount(pdf), 3);
    }

    // Qt's printer dialog, answered as the operator would: no selection and
    // no page range offered, the PDF file chosen; Cancel prints nothing.
    void thePrinterDialogPrintsEveryPageToAPdfFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("dialog.pdf"));
        PrintDialogPlatform dialogs;
        Program program(dialogs);
        auto& window = program.screens().show<TextEditor>();
        makeThreePages(window);

        for (const bool accept : {false, true}) {
            bool answered = false;
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                answered = true;
                QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintSelection));
                QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintPageRange));
                QVERIFY(dialog->testOption(QAbstractPrintDialog::PrintToFile));
                auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
                auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
                if (!accept || !printers || !file) {
                    dialog->reject();
                    return;
                }
                printers->setCurrentIndex(
                    printers->findText(QStringLiteral("PDF"), Qt::MatchContains));
                file->setText(pdf);
                dialog->accept();
            });
            window.print();
            QVERIFY2(answered, "no printer dialog appeared");
            QCOMPARE(QFile::exists(pdf), accept);
        }
        QCOMPARE(pdfPageCount(pdf), 3);
    }

    // ---- keys ---------------------------------------------------------------

    void eachKeyRunsItsCommand_data() {
        QTest::addColumn<int>("command"); // a QKeySequence::StandardKey
        QTest::addColumn<QString>("effect");
        QTest::newRow("new") << int(QKeySequence::New) << "emptied";
        QTest::newRow("open") << int(QKeySequence::Open) << "open";
        QTest::newRow("save") << int(QKeySequence::Save) << "written";
        QTest::newRow("save_as") << int(QKeySequence::SaveAs) << "save";
        QTest::newRow("print") << int(QKeySequence::Print) << "print";
        QTest::newRow("find") << int(QKeySequence::Find) << "prompt";
        QTest::newRow("find_next_without_an_answer") << int(QKeySequence::FindNext) << "prompt";
        QTest::newRow("undo") << int(QKeySequence::Undo) << "undone";
        QTest::newRow("redo") << int(QKeySequence::Redo) << "redone";
        QTest::newRow("select_all") << int(QKeySequence::SelectAll) << "all selected";
        QTest::newRow("bold") << int(QKeySequence::Bold) << "bold";
        QTest::newRow("italic") << int(QKeySequence::Italic) << "italic";
        QTest::newRow("underline") << int(QKeySequence::Underline) << "underline";
    }

    // Every key the platform binds to the command, pressed in the text box
    // of a titled, clean document "first" with "fi" selected. A key bound
    // twice in the window would run neither command.
    void eachKeyRunsItsCommand() {
        QFETCH(int, command);
        QFETCH(QString, effect);
        const QList<QKeySequence> keys = keysOf(QKeySequence::StandardKey(command));
        QVERIFY2(!keys.isEmpty(), "no key for this command");
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        for (const QKeySequence& key : keys) {
            const QByteArray which = key.toString().toUtf8();
            rtf->document()->setModified(false);
            openFile(QStringLiteral("/jobs/a.txt"), "first\r\n");
            const QString opened = rtf->toPlainText();
            if (effect == QLatin1String("undone") || effect == QLatin1String("redone")) {
                rtf->moveCursor(QTextCursor::End);
                QTest::keyClicks(rtf, QStringLiteral("typed"));
            }
            if (effect == QLatin1String("redone"))
                rtf->undo();
            select(0, 2);
            rtf->setFocus();
            platform().shown.clear();

            QTest::keySequence(rtf, key);

            QString expectedText = opened;
            QStringList expectedShown;
            if (effect == QLatin1String("emptied")) {
                expectedText.clear();
                QCOMPARE(editor->windowTitle(), kUntitled);
            } else if (effect == QLatin1String("written")) {
                QCOMPARE(platform().files.value("/jobs/a.txt"), QByteArray("first\r\n\r\n"));
            } else if (effect == QLatin1String("redone")) {
                expectedText += QStringLiteral("typed");
            } else if (effect == QLatin1String("all selected")) {
                QCOMPARE(rtf->textCursor().selectionStart(), 0);
                QCOMPARE(rtf->textCursor().selectionEnd(), rtf->document()->characterCount() - 1);
            } else if (effect == QLatin1String("bold")) {
                QCOMPARE(formatAt(0).fontWeight(), int(QFont::Bold));
            } else if (effect == QLatin1String("italic")) {
                QVERIFY2(formatAt(0).fontItalic(), which.constData());
            } else if (effect == QLatin1String("underline")) {
                QVERIFY2(formatAt(0).fontUnderline(), which.constData());
            } else if (effect != QLatin1String("undone")) {
                expectedShown << effect;
            }
            QVERIFY2(rtf->toPlainText() == expectedText, which.constData());
            QVERIFY2(shownKinds() == expectedShown, which.constData());
        }
    }

    // ---- undo and redo ----------------------------------------------------

    void undoAndRedoAreEnabledAsTheDocumentAllows() {
        auto* undo = editor->findChild<QAction*>(QStringLiteral("undoItem"));
        auto* redo = editor->findChild<QAction*>(QStringLiteral("redoItem"));
        QVERIFY(undo && redo);
        const auto expect = [&](bool undoable, bool redoable) {
            QCOMPARE(undo->isEnabled(), undoable);
            QCOMPARE(redo->isEnabled(), redoable);
        };
        expect(false, false);
        makeModified();
        expect(true, false);
        trigger("undoItem");
        QCOMPARE(rtf->toPlainText(), QString());
        expect(false, true);
        trigger("redoItem");
        QCOMPARE(rtf->toPlainText(), QStringLiteral("typed"));
        expect(true, false);
        // A file read, and a new document, start with nothing to undo.
        rtf->document()->setModified(false);
        openFile(QStringLiteral("/jobs/a.txt"), "first\r\n");
        expect(false, false);
        makeModified();
        expect(true, false);
        platform().answers.enqueue(Answer::No);
        trigger("mnuNew");
        QCOMPARE(rtf->toPlainText(), QString());
        expect(false, false);
    }

    // ---- find next --------------------------------------------------------

    // Where Qt's own search of the document (block by block, case-insensitive)
    // finds `answer` after `from`; an independent check of our search.
    QTextCursor qtFinds(const QString& answer, const QTextCursor& from) {
        return rtf->document()->find(answer, from);
    }

    void findNextGoesThroughEveryMatchAndRoundOnce() {
        editor->insertAtCaret(QStringLiteral("Tank one\nthe second tank, then\nthird TANK"));
        QList<QTextCursor> matches;
        for (QTextCursor c = qtFinds("tank", QTextCursor(rtf->document())); !c.isNull();
             c = qtFinds("tank", c))
            matches << c;
        QCOMPARE(matches.size(), 3);
        const auto expectSelected = [&](const QTextCursor& match) {
            QCOMPARE(rtf->textCursor().selectionStart(), match.selectionStart());
            QCOMPARE(rtf->textCursor().selectionEnd(), match.selectionEnd());
        };
        platform().promptAnswers.enqueue(QStringLiteral("TANK"));
        click("tlbFind");
        expectSelected(matches[0]);
        trigger("findNextItem");
        expectSelected(matches[1]);
        trigger("findNextItem");
        expectSelected(matches[2]);
        QCOMPARE(shownKinds(), QStringList{"prompt"}); // no message yet

        // No further match: round to the first one, and say so.
        trigger("findNextItem");
        expectSelected(matches[0]);
        QCOMPARE(shownKinds(), (QStringList{"prompt", "message"}));
        const auto& message = platform().shown.last();
        QCOMPARE(message.text, QStringLiteral("No further match: found again from the start."));
        QCOMPARE(message.title, QStringLiteral("Find Results"));
        QCOMPARE(message.icon, Platform::Icon::Information);
        // And on from there, without asking again.
        trigger("findNextItem");
        expectSelected(matches[1]);
        QCOMPARE(platform().shown.size(), 2);
    }

    void findNextWithoutAnAnswerIsFind() {
        editor->insertAtCaret(QStringLiteral("one two one"));
        platform().promptAnswers.enqueue(QStringLiteral("one"));
        trigger("findNextItem");
        QCOMPARE(shownKinds(), QStringList{"prompt"});
        QCOMPARE(platform().shown.first().text, QStringLiteral("Find what?"));
        QCOMPARE(rtf->textCursor().selectionStart(), 0);
        QCOMPARE(rtf->textCursor().selectionEnd(), 3);
        trigger("findNextItem");
        QCOMPARE(rtf->textCursor().selectionStart(), 8);
        QCOMPARE(shownKinds(), QStringList{"prompt"});
    }

    void findNextWhenTheAnswerIsGoneSaysNotFound() {
        editor->insertAtCaret(QStringLiteral("one tank"));
        platform().promptAnswers.enqueue(QStringLiteral("tank"));
        click("tlbFind");
        rtf->setPlainText(QStringLiteral("nothing of the kind"));
        select(2, 3);
        platform().shown.clear();
        trigger("findNextItem");
        QCOMPARE(platform().messageTexts(), QStringList{"Search string not found"});
        QCOMPARE(rtf->textCursor().selectionStart(), 2); // the selection stays
        QCOMPARE(rtf->textCursor().selectionEnd(), 5);
    }

    // Find and Find Next search the text in memory; each place found must be
    // the document's own over paragraphs, line breaks and pictures.
    void findLandsOnTheTextOverParagraphsAndBreaks_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("in_the_second_paragraph") << "second";
        QTest::newRow("after_a_line_break") << "soft";
        QTest::newRow("after_a_picture") << "after";
        QTest::newRow("twice") << "word";
        QTest::newRow("in_every_paragraph_but_one") << "the";
    }

    void findLandsOnTheTextOverParagraphsAndBreaks() {
        QFETCH(QString, answer);
        QTextCursor cursor(rtf->document());
        cursor.insertText(QStringLiteral("First paragraph"));
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("second line"));
        cursor.insertText(QString(QChar::LineSeparator));
        cursor.insertText(QStringLiteral("soft break, then a word"));
        cursor.insertBlock();
        QImage picture(8, 8, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        cursor.insertImage(picture);
        cursor.insertText(QStringLiteral(" after the picture"));
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("and the last WORD"));

        platform().promptAnswers.enqueue(answer);
        click("tlbFind");
        int found = 0;
        for (QTextCursor match = qtFinds(answer, QTextCursor(rtf->document())); !match.isNull();
             match = qtFinds(answer, match)) {
            if (found++ > 0)
                trigger("findNextItem");
            QCOMPARE(rtf->textCursor().selectionStart(), match.selectionStart());
            QCOMPARE(rtf->textCursor().selectionEnd(), match.selectionEnd());
            QCOMPARE(rtf->textCursor().selectedText(), match.selectedText());
        }
        QVERIFY(found > 0);
        QCOMPARE(platform().messageTexts(), QStringList());
    }

    // ---- the real save dialog ---------------------------------------------

    void theSaveDialogWritesAndAsksAboutTheNameWithItsExtension_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("existing"); // a file already in the folder
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("askedToReplace");
        QTest::newRow("text_files_add_the_extension") << "report" << 0 << ""
                                                      << "report.txt" << false;
        QTest::newRow("text_files_keep_another_extension") << "report.log" << 0 << ""
                                                           << "report.log" << false;
        QTest::newRow("all_files_keep_the_name") << "report" << 1 << ""
                                                 << "report" << false;
        QTest::newRow("replacing_asks_for_the_name_with_the_extension")
            << "report" << 0 << "report.txt"
            << "report.txt" << true;
        QTest::newRow("all_files_do_not_ask_about_the_txt_file") << "report" << 1 << "report.txt"
                                                                 << "report" << false;
    }

    void theSaveDialogWritesAndAsksAboutTheNameWithItsExtension() {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, existing);
        QFETCH(QString, written);
        QFETCH(bool, askedToReplace);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        if (!existing.isEmpty()) {
            QFile file(dir.filePath(existing));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        bool answered = false;
        QString replaceQuestion;
        QTimer replaceAnswer;
        connect(&replaceAnswer, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            replaceAnswer.stop();
            replaceQuestion = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY2(dialog, "no save dialog");
            answered = true;
            dialog->setDirectory(dir.path());
            if (filter > 0) {
                // Picked as the operator picks it, so the dialog says so.
                auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                QVERIFY(types);
                types->setFocus();
                for (int i = 0; i < filter; ++i)
                    QTest::keyClick(types, Qt::Key_Down);
                QCOMPARE(types->currentIndex(), filter);
            }
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(typed);
            replaceAnswer.start(10);
            static_cast<QDialog*>(dialog)->accept(); // as the Save button does
            if (dialog->isVisible())
                dialog->reject(); // stays open only when something above failed
        });
        QtPlatform qt;
        const std::optional<QString> chosen = qt.saveFileName(
            editor, QString(),
            {QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)")});
        QVERIFY(answered);
        QCOMPARE(chosen, std::optional<QString>(dir.filePath(written)));
        QCOMPARE(!replaceQuestion.isEmpty(), askedToReplace);
        if (askedToReplace)
            QVERIFY2(replaceQuestion.startsWith(written + QStringLiteral(" already exists")),
                     qPrintable(replaceQuestion));
    }

    void aLongReportPrintsOnSeveralPages() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
        QString text;
        for (int i = 1; i <= 300; ++i)
            text += QStringLiteral("line %1\n").arg(i);
        editor->insertAtCaret(text);
        platform().printToPdf = pdf;
        platform().printAnswers.enqueue(true);
        click("tlbPrint");
        // Far more than the box shows: the lines out of view are printed too.
        QVERIFY2(pdfPageCount(pdf) >= 3, "300 lines printed on fewer than three pages");
    }

    // ---- paragraphs the layout can take -------------------------------------

    // The largest size the font dialog takes, for what is typed next.
    void chooseLargestSizeForTheCaret() {
        platform().fonts.enqueue(QFont(QStringLiteral("DejaVu Sans"), 512));
        trigger("mnuFontSize");
    }

    // The narrowest box the resize rule leaves: 30 twips, 2 pixels, in a
    // window 32 pixels wide (a narrower one leaves the box as it was).
    void narrowTheWindow() {
        editor->resize(32, editor->height());
        QCoreApplication::processEvents();
        QCOMPARE(rtf->width(), 2);
    }

    // Every paragraph is laid out, and none is anywhere near the height at
    // which the layout stops coming back.
    void verifyLaidOut() {
        QTextDocument* document = rtf->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            QVERIFY(document->documentLayout()->blockBoundingRect(block).height() < 4e6);
    }

    void theLargestFontInTheNarrowestBoxTakesAReportInOneStep() {
        narrowTheWindow();
        chooseLargestSizeForTheCaret();
        JobRecord record;
        record.infoCompany = "Green Acres Turf";
        record.infoNotes = "Boom checked, two nozzles replaced.";
        const QString report = QString::fromStdString(BuildReport(record));
        editor->insertAfterSelection(report);
        QCOMPARE(rtf->toPlainText(), report);
        QVERIFY(platform().messageTexts().isEmpty());
        verifyLaidOut();
    }

    void aParagraphTooTallForTheLayoutStaysOut_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("notes");
        // Notes typed as one paragraph of 30,000 words: some 24 million
        // pixels of lines at 512 points in a narrow box.
        const QString words = QStringLiteral("ab ").repeated(30000);
        QTest::newRow("Print Report") << "report" << words;
        QTest::newRow("Paste command") << "paste" << words;
        QTest::newRow("Ctrl+V in the box") << "keys" << words;
        QTest::newRow("an input method's text") << "input method" << words;
        QTest::newRow("Font Size on a long paragraph") << "font" << words;
        // Numbers the line-breaking rules join into a few unbreakable runs,
        // which the layout still breaks at every blank: one word to a line,
        // 4.8 million pixels.
        QTest::newRow("Print Report of numbers")
            << "report" << QStringLiteral("1E+40 ").repeated(6000);
    }

    void aParagraphTooTallForTheLayoutStaysOut() {
        QFETCH(QString, how);
        QFETCH(QString, notes);
        narrowTheWindow();
        if (how == "font") {
            editor->insertAtCaret(notes); // in the document's own small font
            verifyLaidOut();
        }
        const QString before = rtf->toPlainText();
        if (how == "font") {
            rtf->selectAll();
            platform().fonts.enqueue(QFont(QStringLiteral("DejaVu Sans"), 512));
            trigger("mnuFontSize");
        } else {
            chooseLargestSizeForTheCaret();
            if (how == "report") {
                JobRecord record;
                record.infoNotes = notes.toStdString();
                editor->insertAfterSelection(QString::fromStdString(BuildReport(record)));
            } else if (how == "paste") {
                platform().setClipboardText(notes);
                trigger("mnuPaste");
            } else if (how == "input method") {
                QInputMethodEvent commit;
                commit.setCommitString(notes);
                QApplication::sendEvent(rtf, &commit);
            } else {
                QApplication::clipboard()->setText(notes);
                QTest::keyClick(rtf, Qt::Key_V, Qt::ControlModifier);
            }
        }
        QCOMPARE(rtf->toPlainText(), before);
        const QStringList messages = platform().messageTexts();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("too tall")),
                 qPrintable(messages.first()));
        verifyLaidOut();
    }

    // Many short paragraphs pass no paragraph limit, but lines past 8.4
    // million pixels from the top stop the layout all the same. 10,400
    // paragraphs of a word at 512 points are 8.3 million.
    void aDocumentTooTallForTheLayoutStaysOut_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("insert") << "insert";
        QTest::newRow("Paste command") << "paste";
        QTest::newRow("Font Size on every paragraph") << "font";
    }

    void aDocumentTooTallForTheLayoutStaysOut() {
        QFETCH(QString, how);
        const QString text = QStringLiteral("ab\n").repeated(10400);
        if (how == "font") {
            editor->insertAtCaret(text); // in the document's own small font
            QVERIFY(platform().messageTexts().isEmpty());
            rtf->selectAll();
        }
        const QString before = rtf->toPlainText();
        if (how == "font") {
            platform().fonts.enqueue(QFont(QStringLiteral("DejaVu Sans"), 512));
            trigger("mnuFontSize");
        } else {
            chooseLargestSizeForTheCaret();
            if (how == "insert") {
                editor->insertAtCaret(text);
            } else {
                platform().setClipboardText(text);
                trigger("mnuPaste");
            }
        }
        QCOMPARE(rtf->toPlainText(), before);
        verifyRefusedAsTooTall();
        verifyDocumentLaidOut();
    }

    // Report after report at the largest size, as a long random walk left
    // it: each goes in whole until one would take the document too far.
    void printReportAgainAndAgainStopsBeforeTheDocumentIsTooTall() {
        chooseLargestSizeForTheCaret();
        JobRecord record;
        record.infoNotes = QStringLiteral("1E+40 ").repeated(2000).toStdString();
        const QString report = QString::fromStdString(BuildReport(record));
        int printed = 0;
        while (platform().messageTexts().isEmpty() && printed < 10) {
            editor->insertAfterSelection(report);
            if (platform().messageTexts().isEmpty())
                ++printed;
            verifyDocumentLaidOut();
        }
        QVERIFY(printed >= 1);
        QVERIFY(printed < 10);
        QCOMPARE(rtf->toPlainText(), report.repeated(printed));
        verifyRefusedAsTooTall();
    }

    // Undo and redo bring back text laid out in a wider box: in the
    // narrowest box, 3,480 paragraphs of three words at 512 points would be
    // 8.3 million pixels, one line each 5.5 million.
    void undoAndRedoBringTextBackLayable_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Undo of a cut") << "undo";
        QTest::newRow("Ctrl+Z in the box") << "keys";
        QTest::newRow("Redo of an insert") << "redo";
    }

    void undoAndRedoBringTextBackLayable() {
        QFETCH(QString, how);
        editor->resize(4000, editor->height());
        QCoreApplication::processEvents();
        chooseLargestSizeForTheCaret();
        const QString text = QStringLiteral("ab ab ab\n").repeated(3480);
        editor->insertAtCaret(text);
        QVERIFY(platform().messageTexts().isEmpty());
        if (how == "redo") {
            trigger("undoItem");
        } else {
            rtf->selectAll();
            trigger("mnuCut");
        }
        QCOMPARE(rtf->toPlainText(), QString());
        narrowTheWindow();
        QCOMPARE(rtf->lineWrapMode(), QTextEdit::WidgetWidth);
        if (how == "redo") {
            trigger("redoItem");
        } else if (how == "keys") {
            rtf->setFocus();
            QTest::keyClick(rtf, Qt::Key_Z, Qt::ControlModifier);
        } else {
            trigger("undoItem");
        }
        QCOMPARE(rtf->toPlainText(), text);
        // The lines keep a width they fit at; the box scrolls.
        QCOMPARE(rtf->lineWrapMode(), QTextEdit::FixedPixelWidth);
        QVERIFY(platform().messageTexts().isEmpty());
        verifyDocumentLaidOut();
        editor->resize(4000, editor->height());
        QCoreApplication::processEvents();
        QCOMPARE(rtf->lineWrapMode(), QTextEdit::WidgetWidth);
    }

    void aFileTooLongToLayOutIsNotOpened() {
        narrowTheWindow();
        startTitled();
        // 590,000 lines of a word: 8.3 million pixels in the narrowest box.
        platform().files.insert(QStringLiteral("/jobs/many-lines.txt"),
                                QByteArray("ab\r\n").repeated(590000));
        platform().fileNames.enqueue(QStringLiteral("/jobs/many-lines.txt"));
        trigger("mnuOpen");
        QCOMPARE(editor->currentFileName(), QStringLiteral("/jobs/a.txt"));
        QCOMPARE(rtf->toPlainText(), QStringLiteral("first\n"));
        const QStringList messages = platform().messageTexts();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("many-lines.txt")),
                 qPrintable(messages.first()));
    }

    void aFileWithAParagraphTooLongToLayOutIsNotOpened() {
        narrowTheWindow();
        startTitled();
        // One line of thirty megabytes of words.
        platform().files.insert(QStringLiteral("/jobs/one-line.txt"),
                                QByteArray("ab ").repeated(10000000));
        platform().fileNames.enqueue(QStringLiteral("/jobs/one-line.txt"));
        trigger("mnuOpen");
        QCOMPARE(editor->currentFileName(), QStringLiteral("/jobs/a.txt"));
        QCOMPARE(rtf->toPlainText(), QStringLiteral("first\n"));
        const QStringList messages = platform().messageTexts();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("one-line.txt")),
                 qPrintable(messages.first()));
    }

    void narrowingTheBoxKeepsLongParagraphsLayable() {
        editor->resize(1500, editor->height());
        QCoreApplication::processEvents();
        QTextCharFormat large;
        large.setFontPointSize(200);
        rtf->mergeCurrentCharFormat(large);
        editor->insertAtCaret(QStringLiteral("ab ").repeated(15000));
        QVERIFY(platform().messageTexts().isEmpty());
        QCOMPARE(rtf->lineWrapMode(), QTextEdit::WidgetWidth);
        narrowTheWindow();
        // The lines keep a width they can be laid out at; the box scrolls.
        QCOMPARE(rtf->lineWrapMode(), QTextEdit::FixedPixelWidth);
        verifyLaidOut();
        editor->resize(1500, editor->height());
        QCoreApplication::processEvents();
        QCOMPARE(rtf->lineWrapMode(), QTextEdit::WidgetWidth);
    }
};

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
