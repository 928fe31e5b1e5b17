// The text editor that receives the job report: one document with its file
// (New, Open, Save, Save As and the prompt that protects unsaved changes),
// plain-text editing through the clipboard, find, character formatting,
// backgrounds and printing.
#pragma once

#include "app/screen_registry.h"

#include <QColor>
#include <QMainWindow>

class QAction;
class QMenu;
class QTextCharFormat;
class QTextEdit;
class QToolBar;

namespace zelk {

class frmTxtEditor : public QMainWindow {
    Q_OBJECT

public:
    explicit frmTxtEditor(Services& services);

    // Replaces the selection (or inserts at the caret) with plain text and
    // leaves the caret after it; a line feed becomes a line break.
    void InsertAtCaret(const QString& text);
    // Shows the window modeless and brings it to the front.
    void ShowEditor();

    bool docModified() const { return docModified_; }
    // The file the document was last read from or written to; empty while untitled.
    const QString& CurrentFileName() const { return currentFileName_; }

    // Each returns whether the document was written.
    bool SaveDocument();
    bool SaveDocumentAs();

public slots:
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExit_Click();
    void mnuEdit_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuWhiteBackground_Click();
    void mnuRedBackground_Click();
    void mnuBlueBackground_Click();
    void mnuFontSize_Click();
    void mnuFontColor_Click();
    void Toolbar1_ButtonClick(QAction* button);
    void FindText();
    void PrintEditorWindow();

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
                     void (frmTxtEditor::*slot)());

    void rtf_Change();
    void Form_Resize();

    // The document's text with its line breaks as line feeds, every other
    // character as it is (no blank for a no-break space).
    QString documentText() const;
    bool writeTo(const QString& path);
    void setBackground(const QColor& color);
    // The one way character formats reach the text: merged into the
    // selection, or into what is typed next when nothing is selected.
    void mergeFormat(const QTextCharFormat& format);

    Services& services_;
    QWidget* client_;
    QToolBar* Toolbar1_;
    QTextEdit* rtf_;
    QAction* mnuCut_ = nullptr;
    QAction* mnuCopy_ = nullptr;
    QAction* mnuPaste_ = nullptr;

    bool docModified_ = false;
    QString currentFileName_;
    QColor lastColor_ = Qt::black;
};

} // namespace zelk
