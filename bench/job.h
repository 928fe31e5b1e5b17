// Steps the benchmarks share: the worked examples typed into the screens and
// the screens closed (so the report has every section), and every screen
// opened the way the menu opens it.
#pragma once

#include "app/main_menu.h"
#include "app/program.h"
#include "core/catch_test.h"
#include "screens/catch_test_screen.h"
#include "screens/info_screen.h"
#include "screens/multiple_tank_screen.h"
#include "screens/nozzle_selection_screen.h"
#include "screens/rate_screen.h"
#include "screens/speed_screen.h"
#include "screens/tank_mix_screen.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <initializer_list>
#include <utility>

namespace zelk::bench {

using Entries = std::initializer_list<std::pair<const char*, const char*>>;

inline void type(QWidget& screen, Entries entries) {
    for (const auto& [name, value] : entries)
        if (auto* field = screen.findChild<QLineEdit*>(QLatin1String(name)))
            field->setText(QLatin1String(value));
}

inline void press(QWidget& screen, const char* button) {
    if (auto* b = screen.findChild<QPushButton*>(QLatin1String(button)))
        b->click();
}

inline void closeScreen(QWidget& screen) {
    screen.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The worked examples, calculated and closed: the report then has all its
// sections (about 80 lines).
inline void fillJob(Program& program) {
    ScreenRegistry& screens = program.screens();
    auto& info = screens.show<InfoScreen>();
    type(info, {{"FldCoName", "Example Turf Care"},
                {"fldAddress1", "12 Green Lane"},
                {"fldCity", "Springfield"},
                {"fldState", "OH"},
                {"fldZipCode", "44101"},
                {"fldPhoneNo", "555 0100"},
                {"FldDate", "2026-04-01"},
                {"FldAppName", "A. Operator"},
                {"fldProduct", "Fairway Mix"}});
    closeScreen(info);

    auto& nozzle = screens.show<CatchTestScreen>();
    type(nozzle, {{"Text16", "10"}, {"Text17(0)", "30"}, {"Text17(1)", "3"}});
    const char* catches[] = {"500", "520", "480"};
    for (int i = 0; i < 3; ++i)
        if (auto* field = nozzle.findChild<QLineEdit*>(
                i + 1 <= 11 ? QStringLiteral("Text%1(0)").arg(i + 1)
                            : QStringLiteral("Text12(%1)").arg(i - 11)))
            field->setText(QLatin1String(catches[i]));
    press(nozzle, "Command1");
    closeScreen(nozzle);

    auto& speed = screens.show<SpeedScreen>();
    type(speed, {{"Text1", "50"}, {"Text2", "15"}});
    press(speed, "Command1");
    closeScreen(speed);

    auto& rate = screens.show<RateScreen>();
    type(rate, {{"Text3", "50"}});
    press(rate, "Command1");
    closeScreen(rate);

    auto& mix = screens.show<TankMixScreen>();
    type(mix, {{"Text1", "1000"}, {"Text2", "300"}, {"Text8", "2"}});
    press(mix, "Command1");
    press(mix, "Command4");
    closeScreen(mix);
    auto& multi = screens.show<MultipleTankScreen>();
    type(multi, {{"Tank", "500"}});
    press(multi, "Command1");
    closeScreen(multi);

    auto& selection = screens.show<NozzleSelectionScreen>();
    type(selection, {{"Text1", "200"}, {"Text2", "6"}, {"Text3", "50"}});
    press(selection, "Command1");
    closeScreen(selection);
}

// Chooses a menu entry as a click does ("Print Report" is entry 8): moving
// to another entry runs it; the entry already chosen runs again on a click.
inline void chooseEntry(MainMenu& menu, int row) {
    auto* list = menu.findChild<QListWidget*>(QStringLiteral("List1"));
    if (!list)
        return;
    if (list->currentRow() != row)
        list->setCurrentRow(row);
    else
        menu.runSelectedEntry();
}

} // namespace zelk::bench
