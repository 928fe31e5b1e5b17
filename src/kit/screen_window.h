// The screen kit. Every window stands on what this folder holds: the screen
// base class below and its control factories, the registry that creates
// screens on demand (screen_registry.h), the platform services behind every
// dialog, clipboard and file (platform.h), and the logo. A screen is built
// from these: a heading row, captioned entries and result fields, buttons;
// its button hands the field texts to a calculation in core/ and applies the
// outcome with applyOutcome(): the entry error and the focus back, or the
// results into their fields.
#pragma once

#include "core/outcome.h"
#include "kit/screen_registry.h"

#include <QColor>
#include <QWidget>

#include <initializer_list>
#include <string>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

class QHBoxLayout;
class QKeyEvent;
class QLayout;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zelk {

class ScreenWindow : public QWidget {
    Q_OBJECT

public:
    explicit ScreenWindow(Services& services, QWidget* parent = nullptr);

    // Empties this screen's job record group; run once, at creation.
    virtual void Form_Load() {}
    // Stores this screen's report lines; run when the window is closed.
    virtual void Form_Unload() {}

protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter and Return press the screen's own button (Command1) from any of
    // its entries, or the focused button; Escape closes the screen as its
    // close box does. A control that takes these keys itself (the notes box,
    // an open drop-down list) keeps them.
    void keyPressEvent(QKeyEvent* event) override;

    // The user's decimal separator, passed into the calculations.
    static char decimalSeparator();

    // Entries whose Return confirms their own panel (a chart's settings)
    // instead of pressing the screen's button.
    void keepReturn(std::initializer_list<QLineEdit*> entries);

    // Which field holds a calculation's input, by the calculation's name for it.
    void bindInputs(std::initializer_list<std::pair<std::string, QWidget*>> inputs);
    // The message box of an entry error, then the focus into its input's field.
    void showEntryError(const EntryError& error);

    // The error shown and the focus back, or the results handed to show.
    // Returns whether the calculation succeeded.
    template <class Results, class Show>
    bool applyOutcome(const Outcome<Results>& outcome, Show&& show) {
        if (const auto* error = std::get_if<EntryError>(&outcome)) {
            showEntryError(*error);
            return false;
        }
        show(std::get<Results>(outcome));
        return true;
    }

    QLineEdit* makeEntry(const QString& name, const QString& toolTip = {});
    // A disabled field on the light yellow background, black text.
    QLineEdit* makeResult(const QString& name);
    QLabel* makeLabel(const QString& name, const QString& caption);
    QPushButton* makeButton(const QString& name, const QString& caption);

    // A caption with its field: the caption is the field's buddy and its
    // accessible name.
    struct Captioned {
        QLabel* caption;
        QLineEdit* field;
    };
    Captioned makeCaptionedEntry(const QString& captionName, const QString& caption,
                                 const QString& fieldName, const QString& toolTip = {});
    Captioned makeCaptionedResult(const QString& captionName, const QString& caption,
                                  const QString& fieldName);

    // A bold caption 1.4 times the body size, and the logo row it heads.
    QLabel* makeHeading(const QString& name, const QString& caption);
    QHBoxLayout* makeHeadingRow(QLabel* heading);
    // The screen's own layout, the screen margins round it: the top row, a
    // gap, then the body; callers add what follows.
    QVBoxLayout* makeScreenLayout(QLayout* top, QLayout* body);
    // Buttons side by side in the middle of their row.
    static QHBoxLayout* makeCentredRow(std::initializer_list<QWidget*> widgets);

    static std::string text(const QLineEdit* field);
    static void setText(QLineEdit* field, const std::string& value);

    Services& services_;

private:
    std::unordered_map<std::string, QWidget*> inputFields_;
    std::vector<const QWidget*> ownReturnEntries_;
};

// Colours and sizes shared by the screens.
namespace ui {
// A result field: light yellow, black text, also while disabled.
inline constexpr QRgb kResultBackground = 0xFFFFFFC0;
// Screen positions are given in twips; 15 twips make one pixel at 96 dpi.
constexpr int px(int twips) {
    return twips / 15;
}
// The screens placed by position have room for text up to this height of a
// line (a 13.5 pt sans font); with a larger font they grow in proportion.
inline constexpr int kRoomyLineHeight = 21;
// How much a screen placed by position grows for its font: 1 up to the
// roomy line height, in proportion beyond it.
double FontScale(const QFont& font);
// Whether a key came without Shift, Ctrl or Alt (a keypad key counts as
// plain): the keys that press a button or close a window.
bool IsUnmodified(const QKeyEvent& event);
// A position or width in twips at that growth; the same as px() at 1.
inline int px(int twips, double scale) {
    return static_cast<int>(twips * scale / 15.0);
}
} // namespace ui

} // namespace zelk
