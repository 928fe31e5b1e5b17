// Any record contents: the report is built without a crash, closes with the
// notes section, and leaves the record as it was.
#include "core/report.h"
#include "fuzz_input.h"

#include <cstring>

using namespace zelk;
using namespace zelk::fuzz;

namespace {

std::string JobRecord::*const kFields[] = {&JobRecord::infoCompany,
                                           &JobRecord::infoAddress1,
                                           &JobRecord::infoAddress2,
                                           &JobRecord::infoCity,
                                           &JobRecord::infoStateZip,
                                           &JobRecord::infoPhone,
                                           &JobRecord::infoDate,
                                           &JobRecord::infoApplicator,
                                           &JobRecord::infoLicenseNo,
                                           &JobRecord::infoProduct,
                                           &JobRecord::infoNotes,
                                           &JobRecord::nozzleVariation,
                                           &JobRecord::nozzleCatchTime,
                                           &JobRecord::nozzlePressure,
                                           &JobRecord::nozzleAverage,
                                           &JobRecord::nozzleMinimum,
                                           &JobRecord::nozzleMaximum,
                                           &JobRecord::nozzleFlow,
                                           &JobRecord::speedDistance,
                                           &JobRecord::speedTime,
                                           &JobRecord::speedKmh,
                                           &JobRecord::rateFlow,
                                           &JobRecord::rateSpeed,
                                           &JobRecord::rateSpacing,
                                           &JobRecord::mixProductRate,
                                           &JobRecord::mixSprayerRate,
                                           &JobRecord::mixArea,
                                           &JobRecord::mixProductPerLiter,
                                           &JobRecord::mixWater,
                                           &JobRecord::mixProductMl,
                                           &JobRecord::mixProductLiters,
                                           &JobRecord::multiTanks,
                                           &JobRecord::multiCapacity,
                                           &JobRecord::multiWaterTotal,
                                           &JobRecord::multiWaterPerTank,
                                           &JobRecord::multiMlPerLiter,
                                           &JobRecord::multiProductMlPerTank,
                                           &JobRecord::multiProductLitersPerTank,
                                           &JobRecord::multiLastTank,
                                           &JobRecord::multiLastWater,
                                           &JobRecord::multiLastProductMl,
                                           &JobRecord::multiLastProductLiters,
                                           &JobRecord::selRate,
                                           &JobRecord::selSpeed,
                                           &JobRecord::selSpacing,
                                           &JobRecord::selFlow,
                                           &JobRecord::selMaxFlow,
                                           &JobRecord::selMinFlow};
constexpr std::size_t kFieldCount = sizeof kFields / sizeof kFields[0];

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    JobRecord record;
    // The first 36 bytes, when there, are the 18 catch volumes.
    const std::size_t catchBytes = std::min<std::size_t>(size, 36);
    std::memcpy(record.nozzleCatch.data(), data, catchBytes & ~std::size_t(1));
    const Input input = Split(data + catchBytes, size - catchBytes, kFieldCount);
    for (std::size_t k = 0; k < kFieldCount; ++k)
        record.*kFields[k] = input.texts[k];

    const JobRecord before = record;
    const std::string report = BuildReport(record);
    // The notes close the report as they were stored; without notes, the marker does.
    const std::string& last =
        record.infoNotes.empty() ? std::string("      Not Entered\n") : record.infoNotes;
    Require(report.size() >= last.size() &&
            report.compare(report.size() - last.size(), last.size(), last) == 0);
    for (std::size_t k = 0; k < kFieldCount; ++k)
        Require(record.*kFields[k] == before.*kFields[k]);
    Require(record.nozzleCatch == before.nozzleCatch);
    return 0;
}
