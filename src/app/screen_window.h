// The base of every calculator screen: a top-level window with a load step
// run by the registry at creation and a close step run when the operator
// closes it, plus the small factories that give every screen the same kinds
// of controls (entries, yellow result fields, captions, buttons).
#pragma once

#include "app/screen_registry.h"
#include "calc/outcome.h"

#include <QColor>
#include <QWidget>

#include <string>

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

    // The user's decimal separator, passed into the calculations.
    static char decimalSeparator();

    // The message box of an entry error, then the focus into its field.
    void showEntryError(const EntryError& error);

    QLineEdit* makeEntry(const QString& name, const QString& toolTip = {});
    // A disabled field on the light yellow background, black text.
    QLineEdit* makeResult(const QString& name);
    QLabel* makeLabel(const QString& name, const QString& caption);
    QPushButton* makeButton(const QString& name, const QString& caption);

    static std::string text(const QLineEdit* field);
    static void setText(QLineEdit* field, const std::string& value);

    Services& services_;
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
// A position or width in twips at that growth; the same as px() at 1.
inline int px(int twips, double scale) {
    return static_cast<int>(twips * scale / 15.0);
}
} // namespace ui

} // namespace zelk
