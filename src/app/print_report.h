// "Print Report": the job report into the editor's document, at the caret.
#pragma once

namespace zelk {

struct Services;

// Inserts the report built from the job record at the editor's caret (the
// editor is created when it does not exist) and shows the editor. The job
// record is not changed.
void PrintReport(Services& services);

} // namespace zelk
