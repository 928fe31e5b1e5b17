// The main menu: the nine functions of a spray job, and Help, About, License.
#pragma once

#include "app/screen_registry.h"

#include <QMainWindow>

class QListWidget;

namespace zelk {

class SprayMenu : public QMainWindow {
    Q_OBJECT

public:
    explicit SprayMenu(Services& services);

    void Form_Load();

    // The entries of List1, in their fixed order.
    static const QStringList& entries();

public slots:
    void List1_Click();
    void Contact_Click();
    void Zelk_Click();
    void Licensetxt_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void runEntry(int index);

    Services& services_;
    QListWidget* list_;
    // A mouse press changes the current row before the click arrives; the
    // click then does the dispatch, so it runs once per click.
    bool mouseDown_ = false;
};

} // namespace zelk
