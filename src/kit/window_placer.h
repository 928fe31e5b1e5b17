// Places each window of the program when it is first shown: wholly inside
// the free area of the screen the main menu is on (panels and docks left
// clear), and the windows opened from the menu beside it, cascaded so that
// none opens on top of another. The program's own windows are placed just
// before they are first shown, while the window manager can still be told
// where their frame goes; installed on the application, the placer also
// sees every other window's first Show (Qt's dialogs, message boxes) and
// moves it onto the screen if it is not wholly there.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace zelk {

class WindowPlacer : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The window the others open beside: the main menu.
    void setAnchor(QWidget* anchor) { anchor_ = anchor; }

    // Once for each window, before its first show: the menu at the free
    // area's top left corner, every other beside the menu.
    void placeBeforeShow(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A window shown without being placed, once it has its final size (a
    // message box sizes itself as it is shown): moved only as far as it
    // takes to be wholly on screen.
    void fitShown(QWidget& window);

    QPointer<QWidget> anchor_;
};

} // namespace zelk
