// Every window of the program, opened as the operator opens it, for the
// checks that hold across all screens (names for screen readers, layout at
// large fonts). The area screen appears once per shape, since each shape
// shows other captions and fields.
#pragma once

#include "app/license_window.h"
#include "app/main_menu.h"
#include "core/report.h"
#include "editor/text_editor.h"
#include "screens/area_screen.h"
#include "screens/catch_test_screen.h"
#include "screens/info_screen.h"
#include "screens/multiple_tank_screen.h"
#include "screens/nozzle_selection_screen.h"
#include "screens/pressure_drop_screen.h"
#include "screens/rate_screen.h"
#include "screens/speed_screen.h"
#include "screens/tank_mix_screen.h"
#include "ui_support.h"

#include <QComboBox>

#include <vector>

namespace zelk::test {

struct ScreenOpener {
    const char* name;
    QWidget* (*open)(Session&);
};

template <class T> QWidget* openScreen(Session& s) {
    return &s.screens().show<T>();
}

inline QWidget* openMenu(Session& s) {
    s.program->start();
    return s.screens().find<MainMenu>();
}

template <int Shape> QWidget* openAreaWithShape(Session& s) {
    auto& area = s.screens().show<AreaScreen>();
    auto* shapes = child<QComboBox>(&area, "DropShape");
    if (!shapes)
        return nullptr;
    shapes->setCurrentIndex(Shape);
    area.showShape();
    return &area;
}

inline QWidget* openEditorWithReport(Session& s) {
    auto& editor = s.screens().get<TextEditor>();
    editor.insertAtCaret(QString::fromStdString(BuildReport(s.record())));
    editor.showEditor();
    return &editor;
}

inline const std::vector<ScreenOpener>& everyScreen() {
    static const std::vector<ScreenOpener> screens = {
        {"SprayMenu", openMenu},
        {"FrmInfo", openScreen<InfoScreen>},
        {"Nozzle", openScreen<CatchTestScreen>},
        {"speedCalc", openScreen<SpeedScreen>},
        {"frmArea", openScreen<AreaScreen>},
        {"frmArea_Circle", openAreaWithShape<0>},
        {"frmArea_Triangle", openAreaWithShape<1>},
        {"frmArea_Square", openAreaWithShape<2>},
        {"frmArea_Rectangle", openAreaWithShape<3>},
        {"frmArea_Parallelogram", openAreaWithShape<4>},
        {"frmArea_Trapezoid", openAreaWithShape<5>},
        {"Rate", openScreen<RateScreen>},
        {"Calibrate", openScreen<TankMixScreen>},
        {"Multtank", openScreen<MultipleTankScreen>},
        {"Nozzleoutput", openScreen<NozzleSelectionScreen>},
        {"pressdrop", openScreen<PressureDropScreen>},
        {"frmLicense", openScreen<LicenseWindow>},
        {"frmTxtEditor", openEditorWithReport},
    };
    return screens;
}

} // namespace zelk::test
