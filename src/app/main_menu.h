// The main menu: the nine functions of a spray job, and Help, About,
// License and the User Guide.
#pragma once

#include "kit/screen_registry.h"

#include <QMainWindow>

class QListWidget;

namespace zelk {

class MainMenu : public QMainWindow {
    Q_OBJECT

public:
    explicit MainMenu(Services& services);

    void Form_Load();

    // The entries of List1, in their fixed order.
    static const QStringList& entries();

public slots:
    void runSelectedEntry();
    void showHelp();
    void showAbout();
    void showLicense();
    void showUserGuide();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void runEntry(int index);
    // Enter and Return: the entry under the cursor, selected and run.
    void runCurrentEntry();
    // A double-click's first click already ran the entry; the second only
    // brings its window back in front of the menu that click raised.
    void bringEntryToFront(int index);

    Services& services_;
    QListWidget* list_;
    // A mouse press changes the current row before the click arrives; the
    // click then does the dispatch, so it runs once per click.
    bool mouseDown_ = false;
};

} // namespace zelk
