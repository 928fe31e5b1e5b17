#include "core/report.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace zelk {
namespace {

constexpr const char* kNotEntered = "      Not Entered\n";
constexpr const char* kPrefix = "   ";
constexpr const char* kNozzlePrefix = "    ";

// Stored lines bring their own line feed, so a prefixed line is complete.
void AppendEach(std::string& out, const char* prefix,
                std::initializer_list<const std::string*> fields) {
    for (const std::string* field : fields) {
        if (!field->empty())
            out.append(prefix).append(*field);
    }
}

void AppendCompany(std::string& out, const JobRecord& r) {
    out += "  Company Information\n";
    if (r.infoCompany.empty())
        out += kNotEntered;
    else
        out.append(kPrefix).append(r.infoCompany);
    AppendEach(out, kPrefix, {&r.infoAddress1, &r.infoAddress2, &r.infoCity, &r.infoStateZip});
    if (!r.infoPhone.empty())
        out.append("\n").append(kPrefix).append(r.infoPhone);
    if (!r.infoDate.empty())
        out.append(kPrefix).append(r.infoDate).append("\n");
    AppendEach(out, kPrefix, {&r.infoApplicator, &r.infoLicenseNo, &r.infoProduct});
}

void AppendNozzle(std::string& out, const JobRecord& r) {
    // The variation is the group's key line: without it nothing else of the group is shown.
    if (r.nozzleVariation.empty()) {
        out += "\n  Nozzle Uniformity Screen Results\n";
        out += kNotEntered;
        return;
    }
    out += "\n   Nozzle Uniformity Screen Results\n\n";
    out.append(kPrefix).append(r.nozzleVariation);
    AppendEach(out, kNozzlePrefix, {&r.nozzleCatchTime, &r.nozzlePressure});

    out += "\n   Nozzle Catch Test Results\n\n";
    for (std::size_t k = 0; k < r.nozzleCatch.size(); ++k) {
        const std::int16_t volume = r.nozzleCatch[k];
        if (volume == 0)
            continue;
        out.append("    Nozzle ")
            .append(std::to_string(k + 1))
            .append(" - ")
            .append(std::to_string(volume))
            .append(" ml\n");
    }
    if (!r.nozzleCatchTime.empty())
        out += "\n";

    if (!r.nozzleAverage.empty())
        out += "   Nozzle Output\n";
    AppendEach(out, kNozzlePrefix,
               {&r.nozzleAverage, &r.nozzleMinimum, &r.nozzleMaximum, &r.nozzleFlow});
}

void AppendKeyed(std::string& out, const char* header, const std::string& key,
                 std::initializer_list<const std::string*> following) {
    out.append("\n").append(header).append("\n");
    if (key.empty())
        out += kNotEntered;
    else
        out.append("\n").append(kPrefix).append(key);
    AppendEach(out, kPrefix, following);
}

void AppendMultipleTanks(std::string& out, const JobRecord& r) {
    out += "\n  Results from Multiple Tank Mixing Screen\n";
    // The tank numbers are stored bare, without a line feed of their own.
    if (r.multiTanks.empty())
        out += kNotEntered;
    else
        out.append("\n   Tank 1 to ").append(r.multiTanks).append("\n");
    AppendEach(out, kPrefix,
               {&r.multiCapacity, &r.multiWaterTotal, &r.multiWaterPerTank, &r.multiMlPerLiter,
                &r.multiProductMlPerTank, &r.multiProductLitersPerTank});
    // A job of full loads only has no last tank, and prints no group for it.
    if (r.multiLastTank.empty())
        return;
    out.append("\n   Tank ").append(r.multiLastTank).append("\n");
    // The amount per litre is the same for every load, so the last load repeats it.
    AppendEach(
        out, kPrefix,
        {&r.multiLastWater, &r.multiMlPerLiter, &r.multiLastProductMl, &r.multiLastProductLiters});
}

void AppendNotes(std::string& out, const JobRecord& r) {
    out += "\n  Notes from Information Screen\n";
    if (r.infoNotes.empty())
        out += kNotEntered;
    else
        out.append("\n").append(r.infoNotes);
}

} // namespace

std::string BuildReport(const JobRecord& r) {
    std::string out;
    AppendCompany(out, r);
    AppendNozzle(out, r);
    AppendKeyed(out, "  Results from Speed Calculator Screen", r.speedDistance,
                {&r.speedTime, &r.speedKmh});
    AppendKeyed(out, "  Results from Rate Calculator Screen", r.rateFlow,
                {&r.rateSpeed, &r.rateSpacing});
    AppendKeyed(out, "  Results from Calibration / Tank Mixing Screen", r.mixProductRate,
                {&r.mixSprayerRate, &r.mixArea, &r.mixProductPerLiter, &r.mixWater, &r.mixProductMl,
                 &r.mixProductLiters});
    AppendMultipleTanks(out, r);
    AppendKeyed(out, "  Results from Nozzle Selection Screen", r.selRate,
                {&r.selSpeed, &r.selSpacing, &r.selFlow, &r.selMaxFlow, &r.selMinFlow});
    AppendNotes(out, r);
    return out;
}

} // namespace zelk
