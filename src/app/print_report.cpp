#include "app/print_report.h"

#include "core/report.h"
#include "editor/text_editor.h"
#include "kit/screen_registry.h"

namespace zelk {

void PrintReport(Services& services) {
    TextEditor& editor = services.screens.get<TextEditor>();
    editor.insertAfterSelection(QString::fromStdString(BuildReport(services.record)));
    editor.showEditor();
}

} // namespace zelk
