// "Print Report": the job report into the editor's document, after the selection.
#pragma once

namespace zelk {

struct Services;

// Inserts the report built from the job record just after the editor's
// selection, or at its caret (the editor is created when it does not exist),
// and shows the editor. Nothing of the document is replaced; the job record
// is not changed.
void PrintReport(Services& services);

} // namespace zelk
