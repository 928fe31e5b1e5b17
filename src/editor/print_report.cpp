#include "editor/print_report.h"

#include "app/screen_registry.h"
#include "editor/text_editor.h"
#include "report/report.h"

namespace zelk {

void PrintReport(Services& services) {
    frmTxtEditor& editor = services.screens.get<frmTxtEditor>();
    editor.InsertAtCaret(QString::fromStdString(BuildReport(services.record)));
    editor.ShowEditor();
}

} // namespace zelk
