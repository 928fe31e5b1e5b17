// Every window of the program, opened as the operator opens it, for the
// checks that hold across all screens (names for screen readers, layout at
// large fonts). The area screen appears once per shape, since each shape
// shows other captions and fields.
#pragma once

#include "app/info_screen.h"
#include "app/license_window.h"
#include "app/spray_menu.h"
#include "editor/text_editor.h"
#include "report/report.h"
#include "screens/area.h"
#include "screens/multtank.h"
#include "screens/nozzle.h"
#include "screens/nozzle_output.h"
#include "screens/pressdrop.h"
#include "screens/rate.h"
#include "screens/speed_calc.h"
#include "screens/tank_mix.h"
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
    return s.screens().find<SprayMenu>();
}

template <int Shape> QWidget* openAreaWithShape(Session& s) {
    auto& area = s.screens().show<frmArea>();
    auto* shapes = child<QComboBox>(&area, "DropShape");
    if (!shapes)
        return nullptr;
    shapes->setCurrentIndex(Shape);
    area.DropShape_Click();
    return &area;
}

inline QWidget* openEditorWithReport(Session& s) {
    auto& editor = s.screens().get<frmTxtEditor>();
    editor.InsertAtCaret(QString::fromStdString(BuildReport(s.record())));
    editor.ShowEditor();
    return &editor;
}

inline const std::vector<ScreenOpener>& everyScreen() {
    static const std::vector<ScreenOpener> screens = {
        {"SprayMenu", openMenu},
        {"FrmInfo", openScreen<FrmInfo>},
        {"Nozzle", openScreen<Nozzle>},
        {"speedCalc", openScreen<speedCalc>},
        {"frmArea", openScreen<frmArea>},
        {"frmArea_Circle", openAreaWithShape<0>},
        {"frmArea_Triangle", openAreaWithShape<1>},
        {"frmArea_Square", openAreaWithShape<2>},
        {"frmArea_Rectangle", openAreaWithShape<3>},
        {"frmArea_Parallelogram", openAreaWithShape<4>},
        {"frmArea_Trapezoid", openAreaWithShape<5>},
        {"Rate", openScreen<Rate>},
        {"Calibrate", openScreen<Calibrate>},
        {"Multtank", openScreen<Multtank>},
        {"Nozzleoutput", openScreen<Nozzleoutput>},
        {"pressdrop", openScreen<pressdrop>},
        {"frmLicense", openScreen<frmLicense>},
        {"frmTxtEditor", openEditorWithReport},
    };
    return screens;
}

} // namespace zelk::test
