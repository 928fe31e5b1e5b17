#include "kit/window_placer.h"

#include "core/window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <QWidget>

#include <vector>

namespace zelk {

namespace {
// Set on a window once it is placed: it keeps where the user moves it.
constexpr char kPlaced[] = "zelkPlaced";
// Where its frame was put. The window manager reports a new window's frame
// some time after mapping it, so a window opened just before another may
// not know its frame yet; the place it was given still counts as taken.
constexpr char kPlacedAt[] = "zelkPlacedAt";

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

Box ToBox(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// Moves and sizes a window so that its frame fills the box. Before the
// window is first shown a move places its frame; once it is shown, its
// frame is known.
void Apply(QWidget& window, const Box& box, const QMargins& margins) {
    const QSize inner(box.width - margins.left() - margins.right(),
                      box.height - margins.top() - margins.bottom());
    if (inner != window.size())
        window.resize(inner);
    window.move(box.x, box.y);
    window.setProperty(kPlacedAt, QRect(box.x, box.y, box.width, box.height));
}

QSize SmallestSize(const QWidget& window) {
    return window.minimumSize().expandedTo(window.minimumSizeHint()).expandedTo(QSize(0, 0));
}
} // namespace

bool WindowPlacer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    const Qt::WindowType type = window->windowType();
    if (!window->isWindow() || (type != Qt::Window && type != Qt::Dialog) ||
        window->property(kPlaced).toBool())
        return false;
    window->setProperty(kPlaced, true);
    QTimer::singleShot(0, this, [this, shown = QPointer<QWidget>(window)] {
        if (shown && shown->isVisible())
            fitShown(*shown);
    });
    return false;
}

void WindowPlacer::placeBeforeShow(QWidget& window) {
    if (window.property(kPlaced).toBool())
        return;
    window.setProperty(kPlaced, true);
    // The size the window will open at: a window sized by its layout alone
    // gets it only as it is shown.
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    const bool anchored = anchor_ && anchor_ != &window && anchor_->isVisible();
    QScreen* screen = anchored ? anchor_->screen() : window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const Box available = ToBox(screen->availableGeometry());
    // A window not yet mapped has no frame; the menu's, once the window
    // manager gave it one, is the best guess for every other.
    const QMargins margins = FrameMargins(anchored ? *anchor_ : window);
    const QSize smallest = SmallestSize(window).grownBy(margins);
    const int width = window.width() + margins.left() + margins.right();
    const int height = window.height() + margins.top() + margins.bottom();

    if (!anchored) {
        const Box start{available.x, available.y, width, height};
        Apply(window,
              FitInside(&window == anchor_ ? start : Box{window.x(), window.y(), width, height},
                        available, smallest.width(), smallest.height()),
              margins);
        return;
    }

    std::vector<Box> open;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other == &window || other == anchor_ || !other->isVisible() ||
            other->windowType() != Qt::Window)
            continue;
        open.push_back(ToBox(other->frameGeometry()));
        const QVariant placedAt = other->property(kPlacedAt);
        if (placedAt.isValid())
            open.push_back(ToBox(placedAt.toRect()));
    }
    Apply(window,
          PlaceBesideMenu(ToBox(anchor_->frameGeometry()), width, height, available, open,
                          smallest.width(), smallest.height()),
          margins);
}

void WindowPlacer::fitShown(QWidget& window) {
    QScreen* screen = window.screen();
    if (!screen)
        return;
    const QMargins margins = FrameMargins(window);
    const QSize smallest = SmallestSize(window).grownBy(margins);
    const Box frame = ToBox(window.frameGeometry());
    const Box fitted =
        FitInside(frame, ToBox(screen->availableGeometry()), smallest.width(), smallest.height());
    if (!(fitted == frame))
        Apply(window, fitted, margins);
}

} // namespace zelk
