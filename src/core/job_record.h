// The job record: the one piece of state the screens share.
//
// How a value travels through the program: a screen reads the text of its
// entry fields, the numeric rules (app/numeric.h) turn the texts into
// numbers, a calculation in calc/ turns the numbers back into result texts,
// and when the screen closes it stores finished report lines here. "Print
// Report" reads this record (report/report.h) and inserts the text into the
// editor. Nothing of the record is ever saved.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zelk {

struct JobRecord {
    std::string infoCompany;
    std::string infoAddress1;
    std::string infoAddress2;
    std::string infoCity;
    std::string infoStateZip;
    std::string infoPhone;
    std::string infoDate;
    std::string infoApplicator;
    std::string infoLicenseNo;
    std::string infoProduct;
    std::string infoNotes;

    std::string nozzleVariation;
    std::string nozzleCatchTime;
    std::string nozzlePressure;
    std::array<std::int16_t, 18> nozzleCatch{}; // element k - 1 is nozzle k
    std::string nozzleAverage;
    std::string nozzleMinimum;
    std::string nozzleMaximum;
    std::string nozzleFlow;

    std::string speedDistance;
    std::string speedTime;
    std::string speedKmh;

    std::string rateFlow;
    std::string rateSpeed;
    std::string rateSpacing;

    std::string mixProductRate;
    std::string mixSprayerRate;
    std::string mixArea;
    std::string mixProductPerLiter;
    std::string mixWater;
    std::string mixProductMl;
    std::string mixProductLiters;

    std::string multiTanks;
    std::string multiCapacity;
    std::string multiWaterTotal;
    std::string multiWaterPerTank;
    std::string multiMlPerLiter;
    std::string multiProductMlPerTank;
    std::string multiProductLitersPerTank;
    std::string multiLastTank;
    std::string multiLastWater;
    std::string multiLastProductMl;
    std::string multiLastProductLiters;

    std::string selRate;
    std::string selSpeed;
    std::string selSpacing;
    std::string selFlow;
    std::string selMaxFlow;
    std::string selMinFlow;
};

// A report line: label, the field's text exactly as shown, unit, line feed.
std::string ReportLine(std::string_view label, std::string_view value, std::string_view unit = {});

// The close step's store: a field whose source text is empty keeps what it held.
void StoreLine(std::string& field, std::string_view label, std::string_view value,
               std::string_view unit = {});

// The bare-value store used by the multiple tank group (no label, no line feed).
void StoreValue(std::string& field, std::string_view value);

} // namespace zelk
