// The information screen's job record group: company and applicator details
// that head the report, and the notes that end it.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zelk {

struct JobRecord;

// The twelve field texts of the screen, as shown.
struct InfoTexts {
    std::string company;    // FldCoName
    std::string address1;   // fldAddress1
    std::string address2;   // fldAddress2
    std::string city;       // fldCity
    std::string state;      // fldState
    std::string zipCode;    // fldZipCode
    std::string phone;      // fldPhoneNo
    std::string date;       // FldDate
    std::string applicator; // FldAppName
    std::string license;    // fldLicense
    std::string product;    // fldProduct
    std::string notes;      // Text1, line breaks as typed
};

// One store of the close step: the job record field and its new text.
using InfoAssignment = std::pair<std::string JobRecord::*, std::string>;

// The load step: empties nine fields; the licence number and the notes are
// kept from an earlier visit.
void ClearInformation(JobRecord& record);

// The close step: one assignment per filled field, in the report's order.
// The state decides whether the state and postal code line is stored.
std::vector<InfoAssignment> InformationLines(const InfoTexts& texts);

// Applies the close step's assignments to the record.
void StoreInformation(JobRecord& record, const std::vector<InfoAssignment>& assignments);

} // namespace zelk
