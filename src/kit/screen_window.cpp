#include "kit/screen_window.h"

#include "kit/logo.h"
#include "kit/platform.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zelk {

ScreenWindow::ScreenWindow(Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    services_.screens.release(this);
    event->accept();
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain = ui::IsUnmodified(*event);
    if (plain && event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    const bool ownReturn = std::find(ownReturnEntries_.begin(), ownReturnEntries_.end(),
                                     focusWidget()) != ownReturnEntries_.end();
    if (plain && !ownReturn && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (!button)
            button = findChild<QPushButton*>(QStringLiteral("Command1"));
        if (button && button->isEnabled() && button->isVisible()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

char ScreenWindow::decimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

void ScreenWindow::keepReturn(std::initializer_list<QLineEdit*> entries) {
    ownReturnEntries_.insert(ownReturnEntries_.end(), entries.begin(), entries.end());
}

void ScreenWindow::bindInputs(std::initializer_list<std::pair<std::string, QWidget*>> inputs) {
    for (const auto& [input, field] : inputs)
        inputFields_[input] = field;
}

void ScreenWindow::showEntryError(const EntryError& error) {
    services_.platform.message(this, QString::fromStdString(error.prompt),
                               QString::fromStdString(error.title));
    const auto it = inputFields_.find(error.input);
    if (it != inputFields_.end())
        it->second->setFocus(Qt::OtherFocusReason);
}

QLineEdit* ScreenWindow::makeEntry(const QString& name, const QString& toolTip) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setAccessibleName(name);
    if (!toolTip.isEmpty())
        field->setToolTip(toolTip);
    return field;
}

QLineEdit* ScreenWindow::makeResult(const QString& name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setAccessibleName(name);
    field->setEnabled(false);
    // A palette, not a style sheet: a screen holds up to ten of these, and
    // each style sheet is parsed and applied for its own widget.
    QPalette palette = field->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, QColor::fromRgb(ui::kResultBackground));
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    field->setPalette(palette);
    // A result longer than its field shows its first digits, not its tail
    // ("333333E+18" misreads a total of 3.3E+23), and the whole of it in the
    // tool tip.
    connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
        field->setCursorPosition(0);
        const int room = field->contentsRect().width() - 8;
        field->setToolTip(field->fontMetrics().horizontalAdvance(text) > room ? text : QString());
    });
    return field;
}

QLabel* ScreenWindow::makeLabel(const QString& name, const QString& caption) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    return label;
}

QPushButton* ScreenWindow::makeButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

ScreenWindow::Captioned ScreenWindow::makeCaptionedEntry(const QString& captionName,
                                                         const QString& caption,
                                                         const QString& fieldName,
                                                         const QString& toolTip) {
    Captioned captioned{makeLabel(captionName, caption), makeEntry(fieldName, toolTip)};
    captioned.caption->setBuddy(captioned.field);
    captioned.field->setAccessibleName(caption);
    return captioned;
}

ScreenWindow::Captioned ScreenWindow::makeCaptionedResult(const QString& captionName,
                                                          const QString& caption,
                                                          const QString& fieldName) {
    Captioned captioned{makeLabel(captionName, caption), makeResult(fieldName)};
    captioned.caption->setBuddy(captioned.field);
    captioned.field->setAccessibleName(caption);
    return captioned;
}

QLabel* ScreenWindow::makeHeading(const QString& name, const QString& caption) {
    auto* heading = makeLabel(name, caption);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    heading->setFont(font);
    return heading;
}

QHBoxLayout* ScreenWindow::makeHeadingRow(QLabel* heading) {
    auto* row = new QHBoxLayout;
    row->addWidget(new Logo(this));
    row->addSpacing(12);
    row->addWidget(heading, 1);
    return row;
}

QVBoxLayout* ScreenWindow::makeScreenLayout(QLayout* top, QLayout* body) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(body);
    return layout;
}

QHBoxLayout* ScreenWindow::makeCentredRow(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch();
    return row;
}

std::string ScreenWindow::text(const QLineEdit* field) {
    return field->text().toStdString();
}

void ScreenWindow::setText(QLineEdit* field, const std::string& value) {
    field->setText(QString::fromStdString(value));
}

bool ui::IsUnmodified(const QKeyEvent& event) {
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

double ui::FontScale(const QFont& font) {
    return std::max(1.0, double(QFontMetrics(font).height()) / kRoomyLineHeight);
}

} // namespace zelk
