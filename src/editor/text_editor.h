// The text editor that receives the job report: one document with its file
// (New, Open, Save, Save As and the prompt that protects unsaved changes),
// plain-text editing through the clipboard, undo and redo, find and find
// next, character formatting, backgrounds and printing.
#pragma once

#include "kit/screen_registry.h"

#include <QColor>
#include <QMainWindow>

class QAction;
class QMenu;
class QTextBlock;
class QTextCharFormat;
class QTextCursor;
class QTextEdit;
class QToolBar;

namespace zelk {

class TextEditor : public QMainWindow {
    Q_OBJECT

public:
    explicit TextEditor(Services& services);

    // Replaces the selection (or inserts at the caret) with plain text and
    // leaves the caret after it; a line feed becomes a line break.
    void insertAtCaret(const QString& text);
    // Inserts plain text just after the selection, which is given up first:
    // nothing of the document is replaced. The caret ends after the text.
    void insertAfterSelection(const QString& text);
    // Shows the window modeless and brings it to the front.
    void showEditor();

    bool isModified() const;
    // The file the document was last read from or written to; empty while untitled.
    const QString& currentFileName() const { return currentFileName_; }

    // Each returns whether the document was written.
    bool save();
    bool saveAs();

public slots:
    void newDocument();
    void openDocument();
    void saveCommand();
    void saveAsCommand();
    void closeWindow();
    void updateEditItems();
    void cut();
    void copy();
    void paste();
    void whiteBackground();
    void redBackground();
    void blueBackground();
    void chooseFont();
    void chooseFontColor();
    void makeBold();
    void makeItalic();
    void makeUnderline();
    void find();
    // The last Find answer again after the selection, once round from the
    // start; with no answer yet it is Find.
    void findNext();
    void undo();
    void redo();
    void selectAll();
    void print();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupFileMenu();
    void setupEditMenu();
    void setupViewMenu();
    void setupFontMenu();
    void setupToolbar();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     void (TextEditor::*slot)());
    // Keys that are not on a menu item reach their command here.
    void setupKeys();

    // The box follows the window: height first, then width.
    void fitDocumentBox();

    enum class SaveTo { CurrentFile, NewFile };
    // Offers to save unsaved changes first; false when the operator
    // cancelled or the save failed, and the caller must stop.
    bool maybeSave(const QString& question, SaveTo target);

    // The document's text with its line breaks as line feeds, every other
    // character as it is (no blank for a no-break space).
    QString documentText() const;
    // Selects `length` characters of the document from `position`, a
    // position in documentText(), which counts as the document does.
    void selectFound(qsizetype position, qsizetype length);
    void notFound();
    bool writeTo(const QString& path);
    void setBackground(const QColor& color);
    // The one way character formats reach the text: merged into the
    // selection, or into what is typed next when nothing is selected.
    void mergeFormat(const QTextCharFormat& format);
    // Each guards one way a paragraph grows taller, with a message when the
    // change would take it past what the layout can take.
    bool insertFits(const QTextCursor& cursor, const QString& text);
    bool formatFits(const QTextCharFormat& format);
    bool everyParagraphFits(double widthPx) const;
    // The whole document, after the paragraphs from `first` to `last` give
    // way to ones at most `addedPx` tall (none given: nothing gives way).
    bool documentFits(double addedPx, const QTextBlock& first, const QTextBlock& last) const;
    bool documentFitsAt(double widthPx) const;
    double tallestLineSpacing() const;
    bool fileFits(const QString& content) const;
    void keepParagraphsLayable(int boxWidth);
    void refuseTallParagraph();
    void refuseTallDocument();
    // Undo or redo, at a width every text of the history fits.
    void stepHistory(void (QTextEdit::*step)());
    // Lines of the document (and of the texts undo and redo bring back)
    // were laid out this wide.
    void recordWidth(double widthPx);

    Services& services_;
    QWidget* client_;
    QToolBar* toolbar_;
    QTextEdit* documentBox_;
    QAction* cutItem_ = nullptr;
    QAction* copyItem_ = nullptr;
    QAction* pasteItem_ = nullptr;
    QAction* undoItem_ = nullptr;
    QAction* redoItem_ = nullptr;

    QString currentFileName_;
    QColor lastColor_ = Qt::black;
    QString lastFindAnswer_;
    // The widest the document's lines have been since its history began.
    double widestHistoryWidth_ = 0.0;
};

} // namespace zelk
