#include "kit/platform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSettings>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace zelk {

namespace {

QMessageBox::Icon toQtIcon(Platform::Icon icon) {
    switch (icon) {
    case Platform::Icon::Information:
        return QMessageBox::Information;
    case Platform::Icon::Warning:
        return QMessageBox::Warning;
    case Platform::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A message box as wide as its title needs: Qt sizes one by its text, and
// the window manager cuts a longer title. The allowance is the title bar's
// icon, close button and padding. A dialog, with no minimise or maximise.
class WholeTitleMessageBox : public QMessageBox {
public:
    WholeTitleMessageBox(Icon icon, const QString& title, const QString& text,
                         StandardButtons buttons, QWidget* parent)
        : QMessageBox(icon, title, text, buttons, parent) {
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    }

    int titleWidth() const {
        QFont font = this->font();
        font.setBold(true);
        const QFontMetrics metrics(font);
        return metrics.horizontalAdvance(windowTitle()) + 5 * metrics.height();
    }

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        const int wanted = titleWidth();
        if (width() < wanted) {
            const int extra = wanted - width();
            setFixedSize(wanted, height());
            move(x() - extra / 2, y());
        }
    }
};

// Files larger than this are refused rather than exhausting memory.
constexpr qint64 kMaxFileBytes = qint64(64) * 1024 * 1024;
// Reads go piece by piece, so a file that reports no size (as many of the
// system's own files do) still stops at the limit.
constexpr qint64 kReadPiece = qint64(1024) * 1024;

QString TooLarge() {
    return QStringLiteral("The file is larger than 64 MiB.");
}

// The checks shared by reading and writing: a folder, a device or a pipe is
// never a document (reading one could block or never end).
bool IsDocumentPath(const QFileInfo& info, QString& error) {
    if (info.isDir()) {
        error = QStringLiteral("It is a folder, not a file.");
        return false;
    }
    if (info.exists() && !info.isFile()) {
        error = QStringLiteral("It is not a regular file.");
        return false;
    }
    return true;
}

// Qt's own file dialog saves its last folder, history and column widths, and
// the colour dialog its custom colours, in QtProject.conf in the user's
// configuration folder, and reads them back in the next run. The program
// keeps nothing between runs, so before those dialogs the settings path is
// pointed below /dev/null, where no file or folder can ever be made: Qt finds
// nothing to read there, its writes fail without a word, and nothing is left
// behind even by a run that is killed.
void KeepNoDialogState() {
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null/zelk"));
}

} // namespace

QString FilterExtension(const QString& filter) {
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    const QString patterns =
        open >= 0 && close > open ? filter.mid(open + 1, close - open - 1).trimmed() : filter;
    if (!patterns.startsWith(QLatin1String("*.")) || patterns.contains(QLatin1Char(' ')))
        return {};
    const QString extension = patterns.mid(2);
    for (const QChar c : extension)
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('[') ||
            c == QLatin1Char('.'))
            return {};
    return extension;
}

void QtPlatform::message(QWidget* parent, const QString& text, const QString& title, Icon icon) {
    WholeTitleMessageBox box(toQtIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

Platform::Answer QtPlatform::askYesNoCancel(QWidget* parent, const QString& text,
                                            const QString& title) {
    WholeTitleMessageBox box(QMessageBox::Warning, title, text,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString QtPlatform::prompt(QWidget* parent, const QString& label, const QString& title) {
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, label, QLineEdit::Normal, {}, &ok);
    return ok ? answer : QString();
}

// The file dialogs are Qt's own (not the desktop's), so they behave the same
// under every desktop and in tests, and keep nothing for the next run.
std::optional<QString> QtPlatform::openFileName(QWidget* parent, const QStringList& filters) {
    KeepNoDialogState();
    QFileDialog dialog(parent, QStringLiteral("Open"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPlatform::saveFileName(QWidget* parent, const QString& preset,
                                                const QStringList& filters) {
    KeepNoDialogState();
    QFileDialog dialog(parent, QStringLiteral("Save As"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    // The dialog adds the extension before it asks about replacing, so the
    // question names the file that is written. It follows the filter the
    // operator picks (picking one sends filterSelected; the first is chosen
    // at the start).
    dialog.setDefaultSuffix(FilterExtension(filters.value(0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterExtension(filter)); });
    if (!preset.isEmpty())
        dialog.selectFile(preset);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtPlatform::color(QWidget* parent, const QColor& initial) {
    KeepNoDialogState();
    const QColor chosen = QColorDialog::getColor(initial, parent, QStringLiteral("Color"),
                                                 QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtPlatform::font(QWidget* parent, const QFont& initial) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent, QStringLiteral("Font"),
                                              QFontDialog::DontUseNativeDialog);
    if (!ok)
        return std::nullopt;
    return chosen;
}

bool QtPlatform::print(QWidget* parent, QTextDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    document.print(&printer);
    return true;
}

// Only plain text is taken; a clipboard holding nothing but formatted text
// gives that text without its formatting.
QString QtPlatform::clipboardText() {
    const QClipboard* clipboard = QApplication::clipboard();
    const QString text = clipboard->text();
    if (!text.isEmpty())
        return text;
    const QMimeData* data = clipboard->mimeData();
    if (data && data->hasHtml())
        return QTextDocumentFragment::fromHtml(data->html()).toPlainText();
    return {};
}

void QtPlatform::setClipboardText(const QString& text) {
    QApplication::clipboard()->setText(text);
}

void QtPlatform::setClipboardImage(const QImage& image) {
    QApplication::clipboard()->setImage(image);
}

std::optional<QByteArray> QtPlatform::readFile(const QString& path, QString& error) {
    if (!IsDocumentPath(QFileInfo(path), error))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > kMaxFileBytes) {
        error = TooLarge();
        return std::nullopt;
    }
    QByteArray data;
    data.reserve(static_cast<qsizetype>(file.size()));
    for (QByteArray piece = file.read(kReadPiece); !piece.isEmpty();
         piece = file.read(kReadPiece)) {
        data += piece;
        if (data.size() > kMaxFileBytes) {
            error = TooLarge();
            return std::nullopt;
        }
    }
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    return data;
}

bool QtPlatform::writeFile(const QString& path, const QByteArray& data, QString& error) {
    // Replacing a device or a pipe would put a plain file in its place.
    if (!IsDocumentPath(QFileInfo(path), error))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (file.write(data) != data.size()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace zelk
