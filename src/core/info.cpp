// The information screen's load and close steps.
#include "core/info.h"

#include "core/job_record.h"

namespace zelk {

void ClearInformation(JobRecord& record) {
    record.infoCompany.clear();
    record.infoAddress1.clear();
    record.infoAddress2.clear();
    record.infoCity.clear();
    record.infoStateZip.clear();
    record.infoPhone.clear();
    record.infoDate.clear();
    record.infoApplicator.clear();
    record.infoProduct.clear();
}

std::vector<InfoAssignment> InformationLines(const InfoTexts& texts) {
    std::vector<InfoAssignment> lines;
    const auto add = [&lines](std::string JobRecord::*field, std::string_view label,
                              const std::string& value) {
        if (!value.empty()) {
            lines.emplace_back(field, ReportLine(label, value));
        }
    };
    add(&JobRecord::infoCompany, "Company Name - ", texts.company);
    add(&JobRecord::infoAddress1, "Address 1 - ", texts.address1);
    add(&JobRecord::infoAddress2, "Address 2 - ", texts.address2);
    add(&JobRecord::infoCity, "City - ", texts.city);
    // A postal code alone is not stored; a state alone still carries the
    // postal code's label.
    if (!texts.state.empty()) {
        lines.emplace_back(&JobRecord::infoStateZip,
                           ReportLine("State - ", texts.state + "  Zip Code - " + texts.zipCode));
    }
    add(&JobRecord::infoPhone, "Phone Number - ", texts.phone);
    add(&JobRecord::infoDate, "Date - ", texts.date);
    add(&JobRecord::infoApplicator, "Applicator Name:  ", texts.applicator);
    add(&JobRecord::infoLicenseNo, "License No:  ", texts.license);
    add(&JobRecord::infoProduct, "Product to be applied:  ", texts.product);
    add(&JobRecord::infoNotes, "Notes:  ", texts.notes);
    return lines;
}

void StoreInformation(JobRecord& record, const std::vector<InfoAssignment>& assignments) {
    for (const auto& [field, text] : assignments) {
        record.*field = text;
    }
}

} // namespace zelk
