#include "editor/text_editor.h"

#include "core/text_file.h"
#include "editor/paragraph_height.h"
#include "editor/toolbar_icons.h"
#include "kit/platform.h"
#include "kit/screen_window.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolBar>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zelk {

namespace {

const QString kUntitled = QStringLiteral("Document - Text Editor");
const QString kTitle = QStringLiteral("Editor");
const QString kSaveQuestion = QStringLiteral("Do you want to save the current document");
const QString kFindResults = QStringLiteral("Find Results");

// The View menu's shortcuts, white, red and blue. They stand: a platform key
// that would bind the same keys twice (and so fire neither) is left out.
const QKeySequence kBackgroundKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_W),
                                        QKeySequence(Qt::CTRL | Qt::Key_R),
                                        QKeySequence(Qt::CTRL | Qt::Key_L)};

// `fallback` for a command the platform binds no key to.
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey key,
                                 const QKeySequence& fallback = QKeySequence()) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty() && !fallback.isEmpty())
        keys << fallback;
    keys.removeIf([](const QKeySequence& k) {
        return std::find(std::begin(kBackgroundKeys), std::end(kBackgroundKeys), k) !=
               std::end(kBackgroundKeys);
    });
    return keys;
}

// The text control keeps paragraph and line separators; everywhere else a
// line break is a line feed.
QString WithLineFeeds(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

// A CR would make a second, empty line of a CR LF pair.
QString WithoutCarriageReturns(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Above this many characters an insert or a format change may take a
// noticeable time, and says so with the busy cursor.
constexpr qsizetype kLongInsert = 100'000;

class BusyCursor {
public:
    explicit BusyCursor(bool busy) : busy_(busy) {
        if (busy_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (busy_)
            QApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    const bool busy_;
};

void InsertPlain(QTextCursor& cursor, const QString& text) {
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(WithoutCarriageReturns(text));
}

// The document box: only plain text goes in or out through the clipboard and
// drag and drop, including the control's own keys (Ctrl+C, Ctrl+V, ...).
class RichTextBox : public QTextEdit {
public:
    explicit RichTextBox(QWidget* parent) : QTextEdit(parent) {
        setAcceptRichText(false);
        // Lines break between words only. Qt's default, which also breaks
        // inside a word too long for the line, lays out a long run without a
        // blank in time that grows with its square: a 200,000-character run
        // took ten seconds, a megabyte of NUL bytes several minutes.
        setWordWrapMode(QTextOption::WordWrap);
    }

    // Asked before typed or dropped text goes in; false keeps it out.
    std::function<bool(const QTextCursor&, const QString&)> allowInsert;
    // The editor's own undo and redo, for the box's keys and context menu.
    std::function<void()> undoStep;
    std::function<void()> redoStep;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (undoStep && event->matches(QKeySequence::Undo)) {
            undoStep();
            event->accept();
            return;
        }
        if (redoStep && event->matches(QKeySequence::Redo)) {
            redoStep();
            event->accept();
            return;
        }
        const QString text = event->text();
        const bool typing = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.isPrint() || c == QLatin1Char('\t');
        });
        if (typing && allowInsert && !allowInsert(textCursor(), text)) {
            event->accept();
            return;
        }
        QTextEdit::keyPressEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override {
        // The position in the document, as the box's own menu takes it.
        const QPoint position =
            event->pos() + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
        const std::unique_ptr<QMenu> menu(createStandardContextMenu(position));
        for (QAction* action : menu->actions()) {
            const std::function<void()>* step =
                action->objectName() == QLatin1String("edit-undo")   ? &undoStep
                : action->objectName() == QLatin1String("edit-redo") ? &redoStep
                                                                     : nullptr;
            if (step && *step) {
                disconnect(action, &QAction::triggered, nullptr, nullptr);
                connect(action, &QAction::triggered, this, [step] { (*step)(); });
            }
        }
        menu->exec(event->globalPos());
    }

    // Text an input method commits comes in as typed text does.
    void inputMethodEvent(QInputMethodEvent* event) override {
        if (allowInsert && !event->commitString().isEmpty() &&
            !allowInsert(textCursor(), event->commitString())) {
            event->accept();
            return;
        }
        QTextEdit::inputMethodEvent(event);
    }

    QMimeData* createMimeDataFromSelection() const override {
        auto* data = new QMimeData;
        data->setText(WithLineFeeds(textCursor().selectedText()));
        return data;
    }

    bool canInsertFromMimeData(const QMimeData* source) const override {
        return source->hasText() || source->hasHtml();
    }

    void insertFromMimeData(const QMimeData* source) override {
        QString text = source->text();
        if (text.isEmpty() && source->hasHtml())
            text = QTextDocumentFragment::fromHtml(source->html()).toPlainText();
        text = WithoutCarriageReturns(text);
        if (allowInsert && !allowInsert(textCursor(), text))
            return;
        QMimeData plain;
        plain.setText(text);
        QTextEdit::insertFromMimeData(&plain);
    }
};

QFont Face(const QTextCharFormat& format, const QFont& documentFont) {
    return format.font().resolve(documentFont);
}

bool SameFace(const QFont& a, const QFont& b) {
    return a.family() == b.family() && a.pointSizeF() == b.pointSizeF() &&
           a.weight() == b.weight() && a.italic() == b.italic();
}

// The one font of the selection (or of the caret), or nothing when the
// selection mixes fonts, sizes, weights or slants.
std::optional<QFont> SelectionFace(const QTextEdit& box) {
    const QTextCursor cursor = box.textCursor();
    const QFont documentFont = box.document()->defaultFont();
    if (!cursor.hasSelection())
        return Face(cursor.charFormat(), documentFont);
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    std::optional<QFont> face;
    for (QTextBlock block = box.document()->findBlock(start);
         block.isValid() && block.position() < end; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            const QFont f = Face(fragment.charFormat(), documentFont);
            if (!face)
                face = f;
            else if (!SameFace(*face, f))
                return std::nullopt;
        }
    }
    return face ? face : Face(cursor.charFormat(), documentFont);
}

} // namespace

TextEditor::TextEditor(Services& services) : services_(services) {
    setObjectName(QStringLiteral("frmTxtEditor"));
    setWindowTitle(kUntitled);

    // The inner area holds the toolbar and the box at their own positions;
    // the box follows the window by the resize rule, not by a layout.
    client_ = new QWidget(this);
    setCentralWidget(client_);

    auto* box = new RichTextBox(client_);
    box->allowInsert = [this](const QTextCursor& cursor, const QString& text) {
        return insertFits(cursor, text);
    };
    box->undoStep = [this] { undo(); };
    box->redoStep = [this] { redo(); };
    documentBox_ = box;
    documentBox_->setObjectName(QStringLiteral("rtf"));
    documentBox_->setAccessibleName(QStringLiteral("Document"));
    documentBox_->setGeometry(ui::px(120), ui::px(720), ui::px(5580 - 450), ui::px(4290 - 2000));

    setupFileMenu();
    setupEditMenu();
    setupViewMenu();
    setupFontMenu();
    setupToolbar();
    setupKeys();
    client_->installEventFilter(this);

    resize(ui::px(5580), ui::px(4290) + menuBar()->sizeHint().height());
    documentBox_->setFocus();
}

QAction* TextEditor::addItem(QMenu* menu, const char* name, const QString& caption,
                             void (TextEditor::*slot)()) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    connect(item, &QAction::triggered, this, slot);
    return item;
}

void TextEditor::setupFileMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("mnuFile"));
    addItem(menu, "mnuNew", QStringLiteral("&New"), &TextEditor::newDocument)
        ->setShortcuts(StandardKeys(QKeySequence::New));
    addItem(menu, "mnuOpen", QStringLiteral("&Open"), &TextEditor::openDocument)
        ->setShortcuts(StandardKeys(QKeySequence::Open));
    addItem(menu, "mnuSave", QStringLiteral("&Save"), &TextEditor::saveCommand)
        ->setShortcuts(StandardKeys(QKeySequence::Save));
    addItem(menu, "mnuSaveAs", QStringLiteral("Save As"), &TextEditor::saveAsCommand)
        ->setShortcuts(
            // Only some desktops bind Save As; the key their programs use.
            StandardKeys(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    addItem(menu, "mnuExit", QStringLiteral("&Exit"), &TextEditor::closeWindow);
}

void TextEditor::setupEditMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Edit"));
    menu->setObjectName(QStringLiteral("mnuEdit"));
    cutItem_ = addItem(menu, "mnuCut", QStringLiteral("Cut"), &TextEditor::cut);
    copyItem_ = addItem(menu, "mnuCopy", QStringLiteral("Copy"), &TextEditor::copy);
    pasteItem_ = addItem(menu, "mnuPaste", QStringLiteral("Paste"), &TextEditor::paste);
    connect(menu, &QMenu::aboutToShow, this, &TextEditor::updateEditItems);

    menu->addSeparator();
    undoItem_ = addItem(menu, "undoItem", QStringLiteral("Undo"), &TextEditor::undo);
    undoItem_->setShortcuts(StandardKeys(QKeySequence::Undo));
    redoItem_ = addItem(menu, "redoItem", QStringLiteral("Redo"), &TextEditor::redo);
    redoItem_->setShortcuts(StandardKeys(QKeySequence::Redo));
    const QTextDocument* document = documentBox_->document();
    undoItem_->setEnabled(document->isUndoAvailable());
    redoItem_->setEnabled(document->isRedoAvailable());
    connect(documentBox_, &QTextEdit::undoAvailable, undoItem_, &QAction::setEnabled);
    connect(documentBox_, &QTextEdit::redoAvailable, redoItem_, &QAction::setEnabled);

    menu->addSeparator();
    addItem(menu, "findNextItem", QStringLiteral("Find Next"), &TextEditor::findNext)
        ->setShortcuts(StandardKeys(QKeySequence::FindNext));
}

void TextEditor::setupViewMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&View"));
    menu->setObjectName(QStringLiteral("mnuView"));
    addItem(menu, "mnuWhiteBackground", QStringLiteral("&White Background"),
            &TextEditor::whiteBackground)
        ->setShortcut(kBackgroundKeys[0]);
    addItem(menu, "mnuRedBackground", QStringLiteral("&Red Background"), &TextEditor::redBackground)
        ->setShortcut(kBackgroundKeys[1]);
    addItem(menu, "mnuBlueBackground", QStringLiteral("&Blue Background"),
            &TextEditor::blueBackground)
        ->setShortcut(kBackgroundKeys[2]);
}

void TextEditor::setupFontMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Font"));
    menu->setObjectName(QStringLiteral("mnuFont"));
    addItem(menu, "mnuFontSize", QStringLiteral("Font Size"), &TextEditor::chooseFont);
    addItem(menu, "mnuFontColor", QStringLiteral("Font Color"), &TextEditor::chooseFontColor);
}

void TextEditor::setupToolbar() {
    toolbar_ = new QToolBar(client_);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setGeometry(0, 0, ui::px(5580), ui::px(420));

    struct Button {
        const char* key;
        icons::Kind picture;
        const char* name; // for screen readers; the buttons show no caption or tip
        void (TextEditor::*command)();
        bool separatorAfter;
        // The commands without a menu item take their key here; New, Open
        // and Save have theirs on the menu, and one key on two actions would
        // fire neither. Cut, Copy and Paste are the text box's own keys.
        QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey;
    };
    static constexpr Button kButtons[] = {
        {"tlbNew", icons::Kind::New, "New", &TextEditor::newDocument, false},
        {"tlbOpen", icons::Kind::Open, "Open", &TextEditor::openDocument, false},
        {"tlbSave", icons::Kind::Save, "Save", &TextEditor::saveCommand, true},
        {"tlbCut", icons::Kind::Cut, "Cut", &TextEditor::cut, false},
        {"tlbCopy", icons::Kind::Copy, "Copy", &TextEditor::copy, false},
        {"tlbPaste", icons::Kind::Paste, "Paste", &TextEditor::paste, true},
        {"tlbPrint", icons::Kind::Print, "Print", &TextEditor::print, true, QKeySequence::Print},
        {"tlbBold", icons::Kind::Bold, "Bold", &TextEditor::makeBold, false, QKeySequence::Bold},
        {"tlbItalic", icons::Kind::Italic, "Italic", &TextEditor::makeItalic, false,
         QKeySequence::Italic},
        {"tlbUnderline", icons::Kind::Underline, "Underline", &TextEditor::makeUnderline, true,
         QKeySequence::Underline},
        {"tlbFind", icons::Kind::Find, "Find", &TextEditor::find, false, QKeySequence::Find},
    };
    for (const Button& b : kButtons) {
        QAction* button = toolbar_->addAction(icons::ForToolbar(b.picture), QString());
        button->setObjectName(QString::fromLatin1(b.key));
        if (QWidget* widget = toolbar_->widgetForAction(button))
            widget->setAccessibleName(QString::fromLatin1(b.name));
        connect(button, &QAction::triggered, this, b.command);
        if (b.shortcut != QKeySequence::UnknownKey)
            button->setShortcuts(StandardKeys(b.shortcut));
        if (b.separatorAfter)
            toolbar_->addSeparator();
    }
}

void TextEditor::setupKeys() {
    // The text box selects all by itself while it has the focus; this is
    // the same command from anywhere else in the window.
    auto* selectAllKey = new QAction(this);
    selectAllKey->setObjectName(QStringLiteral("selectAllKey"));
    selectAllKey->setShortcuts(StandardKeys(QKeySequence::SelectAll));
    connect(selectAllKey, &QAction::triggered, this, &TextEditor::selectAll);
    addAction(selectAllKey);
}

void TextEditor::insertAtCaret(const QString& text) {
    QTextCursor cursor = documentBox_->textCursor();
    if (!insertFits(cursor, text))
        return;
    const BusyCursor busy(text.size() > kLongInsert);
    InsertPlain(cursor, text);
    documentBox_->setTextCursor(cursor);
}

void TextEditor::insertAfterSelection(const QString& text) {
    QTextCursor cursor = documentBox_->textCursor();
    cursor.setPosition(cursor.selectionEnd());
    if (!insertFits(cursor, text))
        return;
    const BusyCursor busy(text.size() > kLongInsert);
    InsertPlain(cursor, text);
    documentBox_->setTextCursor(cursor);
}

bool TextEditor::insertFits(const QTextCursor& cursor, const QString& text) {
    const QTextDocument* document = documentBox_->document();
    const QFont documentFont = document->defaultFont();
    // The text's first and last paragraphs join the paragraphs the selection
    // starts and ends in; its longest one stands for both.
    const QTextBlock first = document->findBlock(cursor.selectionStart());
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    std::vector<TextRun> joined = RunsOf(first, documentFont);
    if (last != first) {
        std::vector<TextRun> tail = RunsOf(last, documentFont);
        joined.insert(joined.end(), tail.begin(), tail.end());
    }
    const QFont font = Face(cursor.charFormat(), documentFont);
    QString longest;
    double tallest = -1.0;
    for (const QString& paragraph : WithoutCarriageReturns(text).split(QLatin1Char('\n'))) {
        const double height = ParagraphHeightBound({{paragraph, font}}, document->textWidth());
        if (height > tallest) {
            tallest = height;
            longest = paragraph;
        }
    }
    joined.push_back({longest, font});
    const double width = document->textWidth();
    if (ParagraphHeightBound(joined, width) > kTallestParagraphPx) {
        refuseTallParagraph();
        return false;
    }
    // The text's paragraphs all come in, the joined one among them once
    // more; first with the bounds that come cheap, then closer.
    const auto added = [&](double limitPx) {
        return ParagraphHeightBound(joined, width, limitPx) +
               PlainTextHeightBound(text, font, width, limitPx);
    };
    if (documentFits(added(kTallestDocumentPx), first, last) ||
        documentFits(added(0.0), first, last)) {
        recordWidth(width);
        return true;
    }
    refuseTallDocument();
    return false;
}

bool TextEditor::formatFits(const QTextCharFormat& format) {
    const QTextCursor cursor = documentBox_->textCursor();
    // Without a selection only what is typed next takes the format, and
    // typing is checked as it comes.
    if (!cursor.hasSelection())
        return true;
    const QTextDocument* document = documentBox_->document();
    const QFont documentFont = document->defaultFont();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    const double width = document->textWidth();
    const QTextBlock first = document->findBlock(start);
    QTextBlock last = first;
    // The changed paragraphs' bounds, cheap ones and, should the document
    // need it, closer ones.
    double added = 0.0;
    std::vector<std::vector<TextRun>> changedParagraphs;
    for (QTextBlock block = first; block.isValid() && block.position() < end;
         block = block.next()) {
        std::vector<TextRun> runs;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat changed = fragment.charFormat();
            if (fragment.position() < end && fragment.position() + fragment.length() > start)
                changed.merge(format);
            runs.push_back({fragment.text(), Face(changed, documentFont)});
        }
        const double height = ParagraphHeightBound(runs, width);
        if (height > kTallestParagraphPx) {
            refuseTallParagraph();
            return false;
        }
        added += height;
        changedParagraphs.push_back(std::move(runs));
        last = block;
    }
    if (!documentFits(added, first, last)) {
        added = 0.0;
        for (const std::vector<TextRun>& runs : changedParagraphs)
            added += LinearParagraphHeightBound(runs, width);
        if (!documentFits(added, first, last)) {
            refuseTallDocument();
            return false;
        }
    }
    recordWidth(width);
    return true;
}

// The tallest line any format of the document can make.
double TextEditor::tallestLineSpacing() const {
    const QTextDocument* document = documentBox_->document();
    const QFont documentFont = document->defaultFont();
    double lineSpacing = LineSpacingBound(documentFont);
    for (const QTextFormat& format : document->allFormats())
        if (format.isCharFormat())
            lineSpacing =
                std::max(lineSpacing, LineSpacingBound(Face(format.toCharFormat(), documentFont)));
    return lineSpacing;
}

bool TextEditor::everyParagraphFits(double widthPx) const {
    const QTextDocument* document = documentBox_->document();
    const QFont documentFont = document->defaultFont();
    // A paragraph with fewer characters than fit the limit in the tallest
    // lines is let through without a closer look.
    const double lineSpacing = tallestLineSpacing();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        // Each fragment is bounded by its characters and three lines more,
        // at most four lines a character.
        if (4.0 * double(block.length() + 1) * lineSpacing <= kTallestParagraphPx)
            continue;
        if (ParagraphHeightBound(RunsOf(block, documentFont), widthPx) > kTallestParagraphPx)
            return false;
    }
    return true;
}

bool TextEditor::documentFits(double addedPx, const QTextBlock& first,
                              const QTextBlock& last) const {
    const QTextDocument* document = documentBox_->document();
    // No line is taller than the tallest any format makes, and no paragraph
    // has more lines than characters: most documents stop here.
    const double byCharacters =
        double(document->characterCount() + 2 * document->blockCount()) * tallestLineSpacing();
    if (byCharacters + addedPx <= kTallestDocumentPx)
        return true;
    // Otherwise from the height the layout gives it, which lays the rest of
    // the document out: it is below the limit, so the layout comes back.
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    double height = layout->documentSize().height();
    if (first.isValid()) {
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            height -= layout->blockBoundingRect(block).height();
            if (block == last)
                break;
        }
    }
    return height + addedPx <= kTallestDocumentPx;
}

bool TextEditor::documentFitsAt(double widthPx) const {
    const QTextDocument* document = documentBox_->document();
    const QFont documentFont = document->defaultFont();
    if (double(document->characterCount() + 2 * document->blockCount()) * tallestLineSpacing() <=
        kTallestDocumentPx)
        return true;
    double height = 2.0 * document->documentMargin();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        height += LinearParagraphHeightBound(RunsOf(block, documentFont), widthPx);
        if (height > kTallestDocumentPx)
            return false;
    }
    return true;
}

// A file comes in the document's own font, one paragraph to a line.
bool TextEditor::fileFits(const QString& content) const {
    const QTextDocument* document = documentBox_->document();
    const QFont font = document->defaultFont();
    const double lineSpacing = LineSpacingBound(font);
    qsizetype start = 0;
    while (start <= content.size()) {
        qsizetype end = content.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = content.size();
        if (double(end - start + 3) * lineSpacing > kTallestParagraphPx &&
            ParagraphHeightBound({{content.mid(start, end - start), font}}, document->textWidth()) >
                kTallestParagraphPx)
            return false;
        start = end + 1;
    }
    return true;
}

void TextEditor::refuseTallParagraph() {
    services_.platform.message(
        this,
        QStringLiteral("This would make a paragraph too tall for the editor to lay out. Choose a "
                       "smaller font, widen the window or break the text into shorter paragraphs."),
        kTitle, Platform::Icon::Warning);
}

void TextEditor::refuseTallDocument() {
    services_.platform.message(
        this,
        QStringLiteral("This would make the document too tall for the editor to lay out. Choose "
                       "a smaller font, widen the window or make the document shorter."),
        kTitle, Platform::Icon::Warning);
}

void TextEditor::showEditor() {
    services_.screens.showWindow(*this);
}

bool TextEditor::isModified() const {
    return documentBox_->document()->isModified();
}

QString TextEditor::documentText() const {
    return WithLineFeeds(documentBox_->document()->toRawText());
}

bool TextEditor::writeTo(const QString& path) {
    const QByteArray utf8 = documentText().toUtf8();
    const std::string bytes =
        textfile::Encode(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    QString error;
    if (!services_.platform.writeFile(
            path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), error)) {
        services_.platform.message(this,
                                   QStringLiteral("The file %1 could not be saved: %2")
                                       .arg(QDir::toNativeSeparators(path), error),
                                   kTitle, Platform::Icon::Warning);
        return false;
    }
    return true;
}

bool TextEditor::maybeSave(const QString& question, SaveTo target) {
    if (!isModified())
        return true;
    switch (services_.platform.askYesNoCancel(this, question, kTitle)) {
    case Platform::Answer::Yes:
        return target == SaveTo::NewFile ? saveAs() : save();
    case Platform::Answer::No:
        return true;
    default:
        return false;
    }
}

void TextEditor::newDocument() {
    // New always asks where, even for a document that has a file.
    if (!maybeSave(QStringLiteral("Do you want to save the current document?"), SaveTo::NewFile))
        return;
    documentBox_->clear();
    widestHistoryWidth_ = documentBox_->document()->textWidth();
    documentBox_->setCurrentCharFormat(QTextCharFormat());
    documentBox_->document()->setModified(false);
    setWindowTitle(kUntitled);
    currentFileName_.clear();
}

void TextEditor::openDocument() {
    if (!maybeSave(kSaveQuestion, SaveTo::CurrentFile))
        return;
    const std::optional<QString> path = services_.platform.openFileName(
        this, {QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)")});
    if (!path)
        return;
    QString error;
    const std::optional<QByteArray> bytes = services_.platform.readFile(*path, error);
    if (!bytes) {
        services_.platform.message(this,
                                   QStringLiteral("The file %1 could not be opened: %2")
                                       .arg(QDir::toNativeSeparators(*path), error),
                                   kTitle, Platform::Icon::Warning);
        return;
    }
    const std::string text = textfile::Decode(
        std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
    // QTextEdit gives loaded text the caret's format, and a file has none.
    // The caret is given no format before loading rather than the text
    // after it: a pass over the whole text afterwards makes Qt lay out all
    // of a large file at once, where loading alone lets it lay out the part
    // on screen first. Loading also empties the undo history, so undo
    // cannot bring the previous text back.
    const QString content = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (!fileFits(content)) {
        services_.platform.message(
            this,
            QStringLiteral("The file %1 could not be opened: it has a paragraph too long for the "
                           "editor to lay out at this window's width.")
                .arg(QDir::toNativeSeparators(*path)),
            kTitle, Platform::Icon::Warning);
        return;
    }
    // The file replaces the whole document.
    const QTextDocument* document = documentBox_->document();
    if (PlainTextHeightBound(content, document->defaultFont(), document->textWidth(),
                             kTallestDocumentPx) > kTallestDocumentPx) {
        services_.platform.message(
            this,
            QStringLiteral("The file %1 could not be opened: it is too long for the editor to lay "
                           "out at this window's width.")
                .arg(QDir::toNativeSeparators(*path)),
            kTitle, Platform::Icon::Warning);
        return;
    }
    const BusyCursor busy(content.size() > kLongInsert);
    documentBox_->setTextCursor(QTextCursor(documentBox_->document()));
    documentBox_->setCurrentCharFormat(QTextCharFormat());
    documentBox_->setPlainText(content);
    widestHistoryWidth_ = documentBox_->document()->textWidth();
    documentBox_->setCurrentCharFormat(QTextCharFormat());
    documentBox_->document()->setModified(false);
    currentFileName_ = *path;
    setWindowTitle(*path + QStringLiteral(" - Text Editor"));
}

void TextEditor::saveCommand() {
    save();
}

void TextEditor::saveAsCommand() {
    saveAs();
}

bool TextEditor::save() {
    if (currentFileName_.isEmpty())
        return saveAs();
    if (!writeTo(currentFileName_))
        return false;
    documentBox_->document()->setModified(false);
    return true;
}

bool TextEditor::saveAs() {
    const std::optional<QString> path = services_.platform.saveFileName(
        this, currentFileName_,
        {QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)")});
    if (!path || !writeTo(*path))
        return false;
    currentFileName_ = *path;
    setWindowTitle(*path + QStringLiteral("- Text Editor"));
    documentBox_->document()->setModified(false);
    return true;
}

void TextEditor::closeEvent(QCloseEvent* event) {
    if (!maybeSave(kSaveQuestion, SaveTo::CurrentFile)) {
        event->ignore();
        return;
    }
    services_.screens.release(this);
    event->accept();
}

void TextEditor::closeWindow() {
    close();
}

void TextEditor::updateEditItems() {
    const bool selected = documentBox_->textCursor().hasSelection();
    cutItem_->setEnabled(selected);
    copyItem_->setEnabled(selected);
    pasteItem_->setEnabled(!services_.platform.clipboardText().isEmpty());
}

void TextEditor::cut() {
    QTextCursor cursor = documentBox_->textCursor();
    services_.platform.setClipboardText(WithLineFeeds(cursor.selectedText()));
    cursor.removeSelectedText();
    documentBox_->setTextCursor(cursor);
}

void TextEditor::copy() {
    services_.platform.setClipboardText(WithLineFeeds(documentBox_->textCursor().selectedText()));
}

void TextEditor::paste() {
    QTextCursor cursor = documentBox_->textCursor();
    const QString text = services_.platform.clipboardText();
    if (!insertFits(cursor, text))
        return;
    const BusyCursor busy(text.size() > kLongInsert);
    InsertPlain(cursor, text);
    documentBox_->setTextCursor(cursor);
}

void TextEditor::setBackground(const QColor& color) {
    QPalette palette = documentBox_->palette();
    palette.setColor(QPalette::Base, color);
    documentBox_->setPalette(palette);
}

void TextEditor::whiteBackground() {
    setBackground(QColor(255, 255, 255));
}

void TextEditor::redBackground() {
    setBackground(QColor(255, 0, 0));
}

void TextEditor::blueBackground() {
    setBackground(QColor(0, 0, 255));
}

void TextEditor::mergeFormat(const QTextCharFormat& format) {
    if (!formatFits(format))
        return;
    const BusyCursor busy(documentBox_->textCursor().selectedText().size() > kLongInsert);
    documentBox_->mergeCurrentCharFormat(format);
}

void TextEditor::chooseFont() {
    const std::optional<QFont> face = SelectionFace(*documentBox_);
    if (!face)
        return;
    QFont preset(face->family());
    preset.setPointSizeF(face->pointSizeF());
    preset.setWeight(face->weight());
    preset.setItalic(face->italic());
    const std::optional<QFont> chosen = services_.platform.font(this, preset);
    if (!chosen)
        return;
    // Name, weight, slant and size only: underline stays as it is.
    QTextCharFormat format;
    format.setFontFamilies(QStringList{chosen->family()});
    format.setFontWeight(chosen->weight());
    format.setFontItalic(chosen->italic());
    if (chosen->pointSizeF() > 0)
        format.setFontPointSize(chosen->pointSizeF());
    mergeFormat(format);
}

void TextEditor::chooseFontColor() {
    const std::optional<QColor> chosen = services_.platform.color(this, lastColor_);
    if (!chosen)
        return;
    lastColor_ = *chosen;
    QTextCharFormat format;
    format.setForeground(*chosen);
    mergeFormat(format);
}

void TextEditor::makeBold() {
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    mergeFormat(format);
}

void TextEditor::makeItalic() {
    QTextCharFormat format;
    format.setFontItalic(true);
    mergeFormat(format);
}

void TextEditor::makeUnderline() {
    QTextCharFormat format;
    format.setFontUnderline(true);
    mergeFormat(format);
}

// Both searches go over the document's text in memory: a position in it is
// the same position in the document, since every paragraph or line break
// and every embedded object is one character in both. A case-insensitive
// match is as long as the answer, so the answer's length is the selection's.
void TextEditor::find() {
    const QString answer = services_.platform.prompt(this, QStringLiteral("Find what?"),
                                                     QStringLiteral("Enter search String"));
    lastFindAnswer_ = answer;
    const QString text = documentText();
    const qsizetype found = text.indexOf(answer, 0, Qt::CaseInsensitive);
    // An empty answer is found at the start of any text, but not in an empty one.
    if (found < 0 || text.isEmpty()) {
        notFound();
        return;
    }
    selectFound(found, answer.size());
}

void TextEditor::findNext() {
    if (lastFindAnswer_.isEmpty()) {
        find();
        return;
    }
    const QString text = documentText();
    const qsizetype after = documentBox_->textCursor().selectionEnd();
    qsizetype found = text.indexOf(lastFindAnswer_, after, Qt::CaseInsensitive);
    if (found >= 0) {
        selectFound(found, lastFindAnswer_.size());
        return;
    }
    found = text.indexOf(lastFindAnswer_, 0, Qt::CaseInsensitive);
    if (found < 0) {
        notFound();
        return;
    }
    selectFound(found, lastFindAnswer_.size());
    services_.platform.message(this,
                               QStringLiteral("No further match: found again from the start."),
                               kFindResults, Platform::Icon::Information);
}

void TextEditor::selectFound(qsizetype position, qsizetype length) {
    QTextCursor cursor = documentBox_->textCursor();
    cursor.setPosition(static_cast<int>(position));
    cursor.setPosition(static_cast<int>(position + length), QTextCursor::KeepAnchor);
    documentBox_->setTextCursor(cursor);
    documentBox_->setFocus();
}

void TextEditor::notFound() {
    services_.platform.message(this, QStringLiteral("Search string not found"), kFindResults,
                               Platform::Icon::Information);
}

void TextEditor::undo() {
    stepHistory(&QTextEdit::undo);
}

void TextEditor::redo() {
    stepHistory(&QTextEdit::redo);
}

void TextEditor::recordWidth(double widthPx) {
    widestHistoryWidth_ = std::max(widestHistoryWidth_, widthPx);
}

// Undo and redo bring a text back as it was, which the checks let in at
// every width its lines had: at the widest of those widths it still fits.
// A narrower box takes the step at that width, and its lines follow the
// box again only where the box rule lets them.
void TextEditor::stepHistory(void (QTextEdit::*step)()) {
    QTextDocument* document = documentBox_->document();
    recordWidth(document->textWidth());
    if (document->textWidth() < widestHistoryWidth_) {
        documentBox_->setLineWrapColumnOrWidth(static_cast<int>(std::ceil(widestHistoryWidth_)));
        documentBox_->setLineWrapMode(QTextEdit::FixedPixelWidth);
    }
    (documentBox_->*step)();
    keepParagraphsLayable(documentBox_->width());
}

void TextEditor::selectAll() {
    documentBox_->selectAll();
}

void TextEditor::print() {
    services_.platform.print(this, *documentBox_->document());
}

bool TextEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        toolbar_->setGeometry(0, 0, client_->width(), ui::px(420));
        fitDocumentBox();
    }
    return QMainWindow::eventFilter(watched, event);
}

// Height first, then width; a size that would come out negative is refused
// and ends the rule there, so a refused height leaves the width alone too.
void TextEditor::fitDocumentBox() {
    const float heightTwips = static_cast<float>(client_->height() * 15) - 2000.0f;
    if (heightTwips < 0.0f)
        return;
    documentBox_->resize(documentBox_->width(), static_cast<int>(std::lround(heightTwips / 15.0f)));
    const float widthTwips = static_cast<float>(client_->width() * 15) - 450.0f;
    if (widthTwips < 0.0f)
        return;
    const int width = static_cast<int>(std::lround(widthTwips / 15.0f));
    keepParagraphsLayable(width);
    documentBox_->resize(width, documentBox_->height());
}

// A narrower box makes every paragraph taller. When that would take one
// past what the layout can take, the lines keep the width they have and the
// box scrolls sideways; they follow the box again once it is wide enough.
void TextEditor::keepParagraphsLayable(int boxWidth) {
    const double frame = documentBox_->width() - documentBox_->viewport()->width();
    const double margins = 2.0 * documentBox_->document()->documentMargin();
    const double lineWidth = double(boxWidth) - frame - margins;
    if (everyParagraphFits(lineWidth) && documentFitsAt(lineWidth)) {
        documentBox_->setLineWrapMode(QTextEdit::WidgetWidth);
        recordWidth(lineWidth);
    } else if (documentBox_->lineWrapMode() == QTextEdit::WidgetWidth) {
        documentBox_->setLineWrapColumnOrWidth(
            static_cast<int>(std::ceil(documentBox_->document()->textWidth())));
        documentBox_->setLineWrapMode(QTextEdit::FixedPixelWidth);
    }
}

} // namespace zelk
