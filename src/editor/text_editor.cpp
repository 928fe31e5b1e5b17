#include "editor/text_editor.h"

#include "app/platform.h"
#include "app/screen_window.h"
#include "editor/text_file.h"
#include "editor/toolbar_icons.h"

#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolBar>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace zelk {

namespace {

const QString kUntitled = QStringLiteral("Document - Text Editor");
const QString kTitle = QStringLiteral("Editor");

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

protected:
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
        QMimeData plain;
        plain.setText(WithoutCarriageReturns(text));
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

frmTxtEditor::frmTxtEditor(Services& services) : services_(services) {
    setObjectName(QStringLiteral("frmTxtEditor"));
    setWindowTitle(kUntitled);

    // The inner area holds the toolbar and the box at their own positions;
    // the box follows the window by the resize rule, not by a layout.
    client_ = new QWidget(this);
    setCentralWidget(client_);

    rtf_ = new RichTextBox(client_);
    rtf_->setObjectName(QStringLiteral("rtf"));
    rtf_->setAccessibleName(QStringLiteral("Document"));
    rtf_->setGeometry(ui::px(120), ui::px(720), ui::px(5580 - 450), ui::px(4290 - 2000));
    connect(rtf_, &QTextEdit::textChanged, this, &frmTxtEditor::rtf_Change);

    setupFileMenu();
    setupEditMenu();
    setupViewMenu();
    setupFontMenu();
    setupToolbar();
    client_->installEventFilter(this);

    resize(ui::px(5580), ui::px(4290) + menuBar()->sizeHint().height());
    rtf_->setFocus();
}

QAction* frmTxtEditor::addItem(QMenu* menu, const char* name, const QString& caption,
                               void (frmTxtEditor::*slot)()) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    connect(item, &QAction::triggered, this, slot);
    return item;
}

void frmTxtEditor::setupFileMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("mnuFile"));
    addItem(menu, "mnuNew", QStringLiteral("&New"), &frmTxtEditor::mnuNew_Click);
    addItem(menu, "mnuOpen", QStringLiteral("&Open"), &frmTxtEditor::mnuOpen_Click);
    addItem(menu, "mnuSave", QStringLiteral("&Save"), &frmTxtEditor::mnuSave_Click);
    addItem(menu, "mnuSaveAs", QStringLiteral("Save As"), &frmTxtEditor::mnuSaveAs_Click);
    addItem(menu, "mnuExit", QStringLiteral("&Exit"), &frmTxtEditor::mnuExit_Click);
}

void frmTxtEditor::setupEditMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Edit"));
    menu->setObjectName(QStringLiteral("mnuEdit"));
    mnuCut_ = addItem(menu, "mnuCut", QStringLiteral("Cut"), &frmTxtEditor::mnuCut_Click);
    mnuCopy_ = addItem(menu, "mnuCopy", QStringLiteral("Copy"), &frmTxtEditor::mnuCopy_Click);
    mnuPaste_ = addItem(menu, "mnuPaste", QStringLiteral("Paste"), &frmTxtEditor::mnuPaste_Click);
    connect(menu, &QMenu::aboutToShow, this, &frmTxtEditor::mnuEdit_Click);
}

void frmTxtEditor::setupViewMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&View"));
    menu->setObjectName(QStringLiteral("mnuView"));
    addItem(menu, "mnuWhiteBackground", QStringLiteral("&White Background"),
            &frmTxtEditor::mnuWhiteBackground_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    addItem(menu, "mnuRedBackground", QStringLiteral("&Red Background"),
            &frmTxtEditor::mnuRedBackground_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    addItem(menu, "mnuBlueBackground", QStringLiteral("&Blue Background"),
            &frmTxtEditor::mnuBlueBackground_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
}

void frmTxtEditor::setupFontMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Font"));
    menu->setObjectName(QStringLiteral("mnuFont"));
    addItem(menu, "mnuFontSize", QStringLiteral("Font Size"), &frmTxtEditor::mnuFontSize_Click);
    addItem(menu, "mnuFontColor", QStringLiteral("Font Color"), &frmTxtEditor::mnuFontColor_Click);
}

void frmTxtEditor::setupToolbar() {
    Toolbar1_ = new QToolBar(client_);
    Toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1_->setMovable(false);
    Toolbar1_->setFloatable(false);
    Toolbar1_->setIconSize(QSize(16, 16));
    Toolbar1_->setGeometry(0, 0, ui::px(5580), ui::px(420));

    struct Button {
        const char* key;
        icons::Kind picture;
        const char* name; // for screen readers; the buttons show no caption or tip
        bool separatorAfter;
    };
    static constexpr Button kButtons[] = {
        {"tlbNew", icons::Kind::New, "New", false},
        {"tlbOpen", icons::Kind::Open, "Open", false},
        {"tlbSave", icons::Kind::Save, "Save", true},
        {"tlbCut", icons::Kind::Cut, "Cut", false},
        {"tlbCopy", icons::Kind::Copy, "Copy", false},
        {"tlbPaste", icons::Kind::Paste, "Paste", true},
        {"tlbPrint", icons::Kind::Print, "Print", true},
        {"tlbBold", icons::Kind::Bold, "Bold", false},
        {"tlbItalic", icons::Kind::Italic, "Italic", false},
        {"tlbUnderline", icons::Kind::Underline, "Underline", true},
        {"tlbFind", icons::Kind::Find, "Find", false},
    };
    for (const Button& b : kButtons) {
        QAction* button = Toolbar1_->addAction(icons::ForToolbar(b.picture), QString());
        button->setObjectName(QString::fromLatin1(b.key));
        if (QWidget* widget = Toolbar1_->widgetForAction(button))
            widget->setAccessibleName(QString::fromLatin1(b.name));
        connect(button, &QAction::triggered, this,
                [this, button] { Toolbar1_ButtonClick(button); });
        if (b.separatorAfter)
            Toolbar1_->addSeparator();
    }
}

void frmTxtEditor::InsertAtCaret(const QString& text) {
    QTextCursor cursor = rtf_->textCursor();
    InsertPlain(cursor, text);
    rtf_->setTextCursor(cursor);
}

void frmTxtEditor::ShowEditor() {
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void frmTxtEditor::rtf_Change() {
    docModified_ = true;
}

QString frmTxtEditor::documentText() const {
    return WithLineFeeds(rtf_->document()->toRawText());
}

bool frmTxtEditor::writeTo(const QString& path) {
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

void frmTxtEditor::mnuNew_Click() {
    if (docModified_) {
        switch (services_.platform.askYesNoCancel(
            this, QStringLiteral("Do you want to save the current document?"), kTitle)) {
        case Platform::Answer::Yes:
            // New always asks where, even for a document that has a file.
            if (!SaveDocumentAs())
                return;
            break;
        case Platform::Answer::No:
            break;
        default:
            return;
        }
    }
    rtf_->clear();
    rtf_->setCurrentCharFormat(QTextCharFormat());
    docModified_ = false;
    setWindowTitle(kUntitled);
    currentFileName_.clear();
}

void frmTxtEditor::mnuOpen_Click() {
    if (docModified_) {
        switch (services_.platform.askYesNoCancel(
            this, QStringLiteral("Do you want to save the current document"), kTitle)) {
        case Platform::Answer::Yes:
            if (!SaveDocument())
                return;
            break;
        case Platform::Answer::No:
            break;
        default:
            return;
        }
    }
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
    rtf_->setTextCursor(QTextCursor(rtf_->document()));
    rtf_->setCurrentCharFormat(QTextCharFormat());
    rtf_->setPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    rtf_->setCurrentCharFormat(QTextCharFormat());
    docModified_ = false;
    currentFileName_ = *path;
    setWindowTitle(*path + QStringLiteral(" - Text Editor"));
}

void frmTxtEditor::mnuSave_Click() {
    SaveDocument();
}

void frmTxtEditor::mnuSaveAs_Click() {
    SaveDocumentAs();
}

bool frmTxtEditor::SaveDocument() {
    if (currentFileName_.isEmpty())
        return SaveDocumentAs();
    if (!writeTo(currentFileName_))
        return false;
    docModified_ = false;
    return true;
}

bool frmTxtEditor::SaveDocumentAs() {
    const std::optional<QString> path = services_.platform.saveFileName(
        this, currentFileName_, {QStringLiteral("Text Files (*.txt)")});
    if (!path || !writeTo(*path))
        return false;
    currentFileName_ = *path;
    setWindowTitle(*path + QStringLiteral("- Text Editor"));
    docModified_ = false;
    return true;
}

void frmTxtEditor::mnuExit_Click() {
    close();
}

void frmTxtEditor::closeEvent(QCloseEvent* event) {
    if (docModified_) {
        switch (services_.platform.askYesNoCancel(
            this, QStringLiteral("Do you want to save the current document"), kTitle)) {
        case Platform::Answer::Yes:
            if (!SaveDocument()) {
                event->ignore();
                return;
            }
            break;
        case Platform::Answer::No:
            break;
        default:
            event->ignore();
            return;
        }
    }
    services_.screens.release(this);
    event->accept();
}

void frmTxtEditor::mnuEdit_Click() {
    const bool selected = rtf_->textCursor().hasSelection();
    mnuCut_->setEnabled(selected);
    mnuCopy_->setEnabled(selected);
    mnuPaste_->setEnabled(!services_.platform.clipboardText().isEmpty());
}

void frmTxtEditor::mnuCut_Click() {
    QTextCursor cursor = rtf_->textCursor();
    services_.platform.setClipboardText(WithLineFeeds(cursor.selectedText()));
    cursor.removeSelectedText();
    rtf_->setTextCursor(cursor);
}

void frmTxtEditor::mnuCopy_Click() {
    services_.platform.setClipboardText(WithLineFeeds(rtf_->textCursor().selectedText()));
}

void frmTxtEditor::mnuPaste_Click() {
    QTextCursor cursor = rtf_->textCursor();
    InsertPlain(cursor, services_.platform.clipboardText());
    rtf_->setTextCursor(cursor);
}

void frmTxtEditor::setBackground(const QColor& color) {
    QPalette palette = rtf_->palette();
    palette.setColor(QPalette::Base, color);
    rtf_->setPalette(palette);
}

void frmTxtEditor::mnuWhiteBackground_Click() {
    setBackground(QColor(255, 255, 255));
}

void frmTxtEditor::mnuRedBackground_Click() {
    setBackground(QColor(255, 0, 0));
}

void frmTxtEditor::mnuBlueBackground_Click() {
    setBackground(QColor(0, 0, 255));
}

void frmTxtEditor::mergeFormat(const QTextCharFormat& format) {
    rtf_->mergeCurrentCharFormat(format);
}

void frmTxtEditor::mnuFontSize_Click() {
    const std::optional<QFont> face = SelectionFace(*rtf_);
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

void frmTxtEditor::mnuFontColor_Click() {
    const std::optional<QColor> chosen = services_.platform.color(this, lastColor_);
    if (!chosen)
        return;
    lastColor_ = *chosen;
    QTextCharFormat format;
    format.setForeground(*chosen);
    mergeFormat(format);
}

void frmTxtEditor::Toolbar1_ButtonClick(QAction* button) {
    const QString key = button ? button->objectName() : QString();
    if (key == QLatin1String("tlbNew")) {
        mnuNew_Click();
    } else if (key == QLatin1String("tlbOpen")) {
        mnuOpen_Click();
    } else if (key == QLatin1String("tlbSave")) {
        mnuSave_Click();
    } else if (key == QLatin1String("tlbCut")) {
        mnuCut_Click();
    } else if (key == QLatin1String("tlbCopy")) {
        mnuCopy_Click();
    } else if (key == QLatin1String("tlbPaste")) {
        mnuPaste_Click();
    } else if (key == QLatin1String("tlbPrint")) {
        PrintEditorWindow();
    } else if (key == QLatin1String("tlbBold")) {
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        mergeFormat(format);
    } else if (key == QLatin1String("tlbItalic")) {
        QTextCharFormat format;
        format.setFontItalic(true);
        mergeFormat(format);
    } else if (key == QLatin1String("tlbUnderline")) {
        QTextCharFormat format;
        format.setFontUnderline(true);
        mergeFormat(format);
    } else {
        FindText();
    }
}

void frmTxtEditor::FindText() {
    const QString answer = services_.platform.prompt(this, QStringLiteral("Find what?"),
                                                     QStringLiteral("Enter search String"));
    const QString text = documentText();
    const qsizetype found = text.indexOf(answer, 0, Qt::CaseInsensitive);
    // An empty answer is found at the start of any text, but not in an empty one.
    if (found < 0 || text.isEmpty()) {
        services_.platform.message(this, QStringLiteral("Search string not found"),
                                   QStringLiteral("Find Results"), Platform::Icon::Information);
        return;
    }
    QTextCursor cursor = rtf_->textCursor();
    cursor.setPosition(static_cast<int>(found));
    cursor.setPosition(static_cast<int>(found + answer.size()), QTextCursor::KeepAnchor);
    rtf_->setTextCursor(cursor);
    rtf_->setFocus();
}

void frmTxtEditor::PrintEditorWindow() {
    services_.platform.print(this, *rtf_->document());
}

bool frmTxtEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        Toolbar1_->setGeometry(0, 0, client_->width(), ui::px(420));
        Form_Resize();
    }
    return QMainWindow::eventFilter(watched, event);
}

// Height first, then width; a size that would come out negative is refused
// and ends the rule there, so a refused height leaves the width alone too.
void frmTxtEditor::Form_Resize() {
    const float heightTwips = static_cast<float>(client_->height() * 15) - 2000.0f;
    if (heightTwips < 0.0f)
        return;
    rtf_->resize(rtf_->width(), static_cast<int>(std::lround(heightTwips / 15.0f)));
    const float widthTwips = static_cast<float>(client_->width() * 15) - 450.0f;
    if (widthTwips < 0.0f)
        return;
    rtf_->resize(static_cast<int>(std::lround(widthTwips / 15.0f)), rtf_->height());
}

} // namespace zelk
