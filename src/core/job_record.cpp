#include "core/job_record.h"

namespace zelk {

std::string ReportLine(std::string_view label, std::string_view value, std::string_view unit) {
    std::string line;
    line.reserve(label.size() + value.size() + unit.size() + 1);
    line.append(label).append(value).append(unit).push_back('\n');
    return line;
}

void StoreLine(std::string& field, std::string_view label, std::string_view value,
               std::string_view unit) {
    if (!value.empty())
        field = ReportLine(label, value, unit);
}

void StoreValue(std::string& field, std::string_view value) {
    if (!value.empty())
        field = std::string(value);
}

} // namespace zelk
