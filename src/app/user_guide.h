// The user guide: what each function computes, the order of a job, how
// figures travel between screens and to the report, and the keys. Its text
// is a resource (resources/user_guide.html); F1 opens it from any window.
#pragma once

#include "kit/screen_registry.h"

#include <QTextBrowser>

namespace zelk {

class UserGuide : public QTextBrowser {
    Q_OBJECT

public:
    explicit UserGuide(Services& services);

    // The guide as shipped with the program.
    static QString guideText();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the guide, as in the other windows of the program.
    void keyPressEvent(QKeyEvent* event) override;

private:
    Services& services_;
};

// Gives the window the F1 key that opens the guide, or brings it to the front.
void AddUserGuideKey(QWidget& window, ScreenRegistry& screens);

} // namespace zelk
