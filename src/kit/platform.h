// The platform services the screens lean on: message boxes, the input prompt,
// the common dialogs, the clipboard and whole-file reads and writes. The Qt
// implementation is the default; widget tests may put a scripted one in.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

class QTextDocument;
class QWidget;

namespace zelk {

class Platform {
public:
    enum class Icon { None, Information, Warning };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Platform() = default;

    // Modal, one OK button.
    virtual void message(QWidget* parent, const QString& text, const QString& title,
                         Icon icon = Icon::None) = 0;
    // Modal Yes / No / Cancel with the warning icon; Cancel is the default button.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& text, const QString& title) = 0;
    // Modal one-line prompt with an empty default answer; Cancel gives the empty text.
    virtual QString prompt(QWidget* parent, const QString& label, const QString& title) = 0;

    // File dialogs: the chosen full path, or nothing when cancelled. Filters
    // are Qt filter strings ("Text Files (*.txt)"), the first one selected.
    virtual std::optional<QString> openFileName(QWidget* parent, const QStringList& filters) = 0;
    // Asks before replacing a file; the folder must exist. A name typed
    // without an extension gets the one of the chosen filter, when that
    // filter has one (FilterExtension); the question and the answer are
    // about that name.
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& preset,
                                                const QStringList& filters) = 0;

    virtual std::optional<QColor> color(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<QFont> font(QWidget* parent, const QFont& initial) = 0;
    // Shows the printer dialog and prints the document; false when cancelled.
    virtual bool print(QWidget* parent, QTextDocument& document) = 0;

    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    // A picture, for pasting into a record or a message.
    virtual void setClipboardImage(const QImage& image) = 0;

    // Whole-file read and one-piece write. Failures come back with the
    // system's reason in `error`; nothing is shown to the operator here.
    // Only regular files of at most 64 MiB are read: a folder, a device or a
    // pipe would block or never end, and a larger file would exhaust memory.
    virtual std::optional<QByteArray> readFile(const QString& path, QString& error) = 0;
    // The old file is replaced only when the whole write succeeded; a folder,
    // device or pipe is never replaced.
    virtual bool writeFile(const QString& path, const QByteArray& data, QString& error) = 0;
};

// The extension a filter's only pattern gives: "txt" for "Text Files
// (*.txt)", nothing for "All Files (*)" or a filter of several patterns.
QString FilterExtension(const QString& filter);

// Qt's standard dialogs, QClipboard and QSaveFile.
class QtPlatform : public Platform {
public:
    void message(QWidget* parent, const QString& text, const QString& title, Icon icon) override;
    Answer askYesNoCancel(QWidget* parent, const QString& text, const QString& title) override;
    QString prompt(QWidget* parent, const QString& label, const QString& title) override;
    std::optional<QString> openFileName(QWidget* parent, const QStringList& filters) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& preset,
                                        const QStringList& filters) override;
    std::optional<QColor> color(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> font(QWidget* parent, const QFont& initial) override;
    bool print(QWidget* parent, QTextDocument& document) override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    void setClipboardImage(const QImage& image) override;
    std::optional<QByteArray> readFile(const QString& path, QString& error) override;
    bool writeFile(const QString& path, const QByteArray& data, QString& error) override;
};

} // namespace zelk
