// A platform for widget tests: answers come from queues the test fills, and
// everything shown is recorded, so a test can check what the operator saw.
// An unqueued question gets the most cautious answer (Cancel, nothing chosen).
#pragma once

#include "kit/platform.h"

#include <QMap>
#include <QQueue>
#include <QVector>

namespace zelk {

class ScriptedPlatform : public Platform {
public:
    struct Shown {
        QString kind; // "message", "ask", "prompt", "open", "save", "color", "font", "print"
        QString text;
        QString title;
        Icon icon = Icon::None;
    };

    QQueue<Answer> answers;                   // for askYesNoCancel
    QQueue<QString> promptAnswers;            // for prompt
    QQueue<std::optional<QString>> fileNames; // for openFileName / saveFileName
    // For saveFileName: the filter each name is typed under (by its index;
    // the first when none is queued). As in the dialog, a name without an
    // extension gets the filter's.
    QQueue<int> saveFilters;
    QQueue<std::optional<QColor>> colors;
    QQueue<std::optional<QFont>> fonts;
    QQueue<bool> printAnswers;

    QVector<Shown> shown;
    QStringList lastFilters;
    QString lastSavePreset;
    QColor lastInitialColor;
    QFont lastInitialFont;
    int printedPages = 0;
    // When set, an accepted print really prints the document, to this PDF file.
    QString printToPdf;

    // In-memory files; a path listed in failingWrites refuses to be written.
    QMap<QString, QByteArray> files;
    QStringList failingWrites;

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

    // Messages shown so far (kind "message"), for short assertions.
    QStringList messageTexts() const;

    // The last picture put on the clipboard; null until one is.
    QImage clipboardImage;

private:
    QString clipboard_;
};

} // namespace zelk
