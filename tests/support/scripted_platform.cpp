#include "scripted_platform.h"

#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>

namespace zelk {

void ScriptedPlatform::message(QWidget*, const QString& text, const QString& title, Icon icon) {
    shown.push_back({QStringLiteral("message"), text, title, icon});
}

Platform::Answer ScriptedPlatform::askYesNoCancel(QWidget*, const QString& text,
                                                  const QString& title) {
    shown.push_back({QStringLiteral("ask"), text, title, Icon::Warning});
    return answers.isEmpty() ? Answer::Cancel : answers.dequeue();
}

QString ScriptedPlatform::prompt(QWidget*, const QString& label, const QString& title) {
    shown.push_back({QStringLiteral("prompt"), label, title, Icon::None});
    return promptAnswers.isEmpty() ? QString() : promptAnswers.dequeue();
}

std::optional<QString> ScriptedPlatform::openFileName(QWidget*, const QStringList& filters) {
    shown.push_back({QStringLiteral("open"), {}, {}, Icon::None});
    lastFilters = filters;
    return fileNames.isEmpty() ? std::nullopt : fileNames.dequeue();
}

std::optional<QString> ScriptedPlatform::saveFileName(QWidget*, const QString& preset,
                                                      const QStringList& filters) {
    shown.push_back({QStringLiteral("save"), preset, {}, Icon::None});
    lastFilters = filters;
    lastSavePreset = preset;
    const int filter = saveFilters.isEmpty() ? 0 : saveFilters.dequeue();
    std::optional<QString> name = fileNames.isEmpty() ? std::nullopt : fileNames.dequeue();
    if (!name)
        return name;
    const QString extension = FilterExtension(filters.value(filter));
    if (!extension.isEmpty() && QFileInfo(*name).suffix().isEmpty())
        *name += QLatin1Char('.') + extension;
    return name;
}

std::optional<QColor> ScriptedPlatform::color(QWidget*, const QColor& initial) {
    shown.push_back({QStringLiteral("color"), {}, {}, Icon::None});
    lastInitialColor = initial;
    return colors.isEmpty() ? std::nullopt : colors.dequeue();
}

std::optional<QFont> ScriptedPlatform::font(QWidget*, const QFont& initial) {
    shown.push_back({QStringLiteral("font"), {}, {}, Icon::None});
    lastInitialFont = initial;
    return fonts.isEmpty() ? std::nullopt : fonts.dequeue();
}

bool ScriptedPlatform::print(QWidget*, QTextDocument& document) {
    shown.push_back({QStringLiteral("print"), {}, {}, Icon::None});
    const bool accepted = !printAnswers.isEmpty() && printAnswers.dequeue();
    if (accepted)
        printedPages = document.pageCount();
    if (accepted && !printToPdf.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToPdf);
        document.print(&printer);
    }
    return accepted;
}

QString ScriptedPlatform::clipboardText() {
    return clipboard_;
}

void ScriptedPlatform::setClipboardText(const QString& text) {
    clipboard_ = text;
}

void ScriptedPlatform::setClipboardImage(const QImage& image) {
    clipboardImage = image;
}

std::optional<QByteArray> ScriptedPlatform::readFile(const QString& path, QString& error) {
    const auto it = files.constFind(path);
    if (it == files.constEnd()) {
        error = QStringLiteral("No such file or directory");
        return std::nullopt;
    }
    return it.value();
}

bool ScriptedPlatform::writeFile(const QString& path, const QByteArray& data, QString& error) {
    if (failingWrites.contains(path)) {
        error = QStringLiteral("No space left on device");
        return false;
    }
    files.insert(path, data);
    return true;
}

QStringList ScriptedPlatform::messageTexts() const {
    QStringList texts;
    for (const Shown& s : shown)
        if (s.kind == QLatin1String("message"))
            texts << s.text;
    return texts;
}

} // namespace zelk
