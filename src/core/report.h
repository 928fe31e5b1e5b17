// The job report: the whole job record as one fixed-layout text.
#pragma once

#include "core/job_record.h"

#include <string>

namespace zelk {

// Line feeds only; the record is not changed.
std::string BuildReport(const JobRecord& record);

} // namespace zelk
