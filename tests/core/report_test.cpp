#include "core/report.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace zelk {
namespace {

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text.append(line).push_back('\n');
    return text;
}

TEST(BuildReportTest, EmptyRecordMarksEverySectionNotEntered) {
    const std::string expected = JoinLines({
        "  Company Information",
        "      Not Entered",
        "",
        "  Nozzle Uniformity Screen Results",
        "      Not Entered",
        "",
        "  Results from Speed Calculator Screen",
        "      Not Entered",
        "",
        "  Results from Rate Calculator Screen",
        "      Not Entered",
        "",
        "  Results from Calibration / Tank Mixing Screen",
        "      Not Entered",
        "",
        "  Results from Multiple Tank Mixing Screen",
        "      Not Entered",
        "",
        "  Results from Nozzle Selection Screen",
        "      Not Entered",
        "",
        "  Notes from Information Screen",
        "      Not Entered",
    });
    EXPECT_EQ(BuildReport(JobRecord{}), expected);
}

// The record as the screens' close steps leave it after a complete job.
JobRecord WorkedExampleRecord() {
    JobRecord r;
    r.infoCompany = ReportLine("Company Name - ", "Example Turf Care");
    r.infoAddress1 = ReportLine("Address 1 - ", "100 Main Street");
    r.infoCity = ReportLine("City - ", "Springfield");
    r.infoStateZip = "State - OH  Zip Code - 44101\n"; // state and postal code share a line
    r.infoPhone = ReportLine("Phone Number - ", "555-0100");
    r.infoDate = ReportLine("Date - ", "6/12/2010");
    r.infoApplicator = ReportLine("Applicator Name:  ", "Crew 2");
    r.infoProduct = ReportLine("Product to be applied:  ", "Herbicide X");
    r.infoNotes = ReportLine("Notes:  ", "Wind calm");

    r.nozzleVariation = ReportLine("Variation Percentage - ", "10", " %");
    r.nozzleCatchTime = ReportLine("Catch Time - ", "30", " Seconds");
    r.nozzlePressure = ReportLine("Pressure - ", "3", " bar");
    r.nozzleCatch[0] = 500;
    r.nozzleCatch[1] = 520;
    r.nozzleCatch[2] = 480;
    r.nozzleAverage = ReportLine("Average Output - ", "500", " ml");
    r.nozzleMinimum = ReportLine("Minimin Allowable - ", "450", " ml");
    r.nozzleMaximum = ReportLine("Maximum Allowable - ", "550", " ml");
    r.nozzleFlow = ReportLine("l/min per Nozzle - ", "1", " l/min");

    r.speedDistance = ReportLine("Distance Traveled in Meters - ", "50");
    r.speedTime = ReportLine("Time in Seconds - ", "15");
    r.speedKmh = ReportLine("km/h - ", "12");

    r.rateFlow = ReportLine("l/min per Nozzle - ", "1", " l/min");
    r.rateSpeed = ReportLine("km/h - ", "12", " km/h");
    r.rateSpacing = ReportLine("Nozzle Spacing - ", "50", " Centimeters");

    r.mixProductRate =
        ReportLine("Product Label Rate (Millileters per hectar) - ", "2000", " Millileters");
    r.mixSprayerRate =
        ReportLine("Actual Sprayer Calibration rate (Liters per Hectar) - ", "100", " Liters");
    r.mixArea = ReportLine("Area to be Sprayed (in Hectars) - ", "3", " Hectars");
    r.mixProductPerLiter =
        ReportLine("Millileters of Product per Liter of water - ", "20", " Milliliters");
    r.mixWater = ReportLine("Total Water Required - ", "300", " Liters");
    r.mixProductMl =
        ReportLine("Total Product Required (In Millileters) - ", "6000", " Milliliters");
    r.mixProductLiters = ReportLine("Total Product Required (In Liters) - ", "6", " Liters");

    r.multiTanks = "2";
    r.multiCapacity = ReportLine("Sprayer Tank Capacity - ", "120", " Liters");
    r.multiWaterTotal = ReportLine("Total Water required - ", "300", " Liters");
    r.multiWaterPerTank = ReportLine("Total Water per Tank - ", "120", " Liters");
    r.multiMlPerLiter = ReportLine("Milliliters per Liter - ", "20", " Milliliters");
    r.multiProductMlPerTank =
        ReportLine("Milliliters of Product per Tank - ", "2400", " Milliliters");
    r.multiProductLitersPerTank = ReportLine("Liters of Product per Tank - ", "2.4", " Liters");
    r.multiLastTank = "3";
    r.multiLastWater = ReportLine("Total Water per Tank - ", "60", " Liters");
    r.multiLastProductMl = ReportLine("Milliliters of Product per Tank - ", "1200", " Milliliters");
    r.multiLastProductLiters = ReportLine("Liters of Product per Tank - ", "1.2", " Liters");

    r.selRate = ReportLine("Desired Application Rate (Liters per Hectar) - ", "100", " L/ha");
    r.selSpeed = ReportLine("Application Speed - ", "12", " km/h");
    r.selSpacing = ReportLine("Nozzle Spacing - ", "50", " Centimeters");
    r.selFlow = ReportLine("Liters per Minute (Per Nozzle) - ", "1", " l/min");
    r.selMaxFlow = ReportLine("Maximum Liters per Minute (Per Nozzle) - ", "1.05", " l/min");
    r.selMinFlow = ReportLine("Minimum Liters per Minute (Per Nozzle) - ", "0.95", " l/min");
    return r;
}

TEST(BuildReportTest, WorkedExampleGivesEightyLines) {
    const std::vector<std::string> lines = {
        "  Company Information",
        "   Company Name - Example Turf Care",
        "   Address 1 - 100 Main Street",
        "   City - Springfield",
        "   State - OH  Zip Code - 44101",
        "",
        "   Phone Number - 555-0100",
        "   Date - 6/12/2010",
        "",
        "   Applicator Name:  Crew 2",
        "   Product to be applied:  Herbicide X",
        "",
        "   Nozzle Uniformity Screen Results",
        "",
        "   Variation Percentage - 10 %",
        "    Catch Time - 30 Seconds",
        "    Pressure - 3 bar",
        "",
        "   Nozzle Catch Test Results",
        "",
        "    Nozzle 1 - 500 ml",
        "    Nozzle 2 - 520 ml",
        "    Nozzle 3 - 480 ml",
        "",
        "   Nozzle Output",
        "    Average Output - 500 ml",
        "    Minimin Allowable - 450 ml",
        "    Maximum Allowable - 550 ml",
        "    l/min per Nozzle - 1 l/min",
        "",
        "  Results from Speed Calculator Screen",
        "",
        "   Distance Traveled in Meters - 50",
        "   Time in Seconds - 15",
        "   km/h - 12",
        "",
        "  Results from Rate Calculator Screen",
        "",
        "   l/min per Nozzle - 1 l/min",
        "   km/h - 12 km/h",
        "   Nozzle Spacing - 50 Centimeters",
        "",
        "  Results from Calibration / Tank Mixing Screen",
        "",
        "   Product Label Rate (Millileters per hectar) - 2000 Millileters",
        "   Actual Sprayer Calibration rate (Liters per Hectar) - 100 Liters",
        "   Area to be Sprayed (in Hectars) - 3 Hectars",
        "   Millileters of Product per Liter of water - 20 Milliliters",
        "   Total Water Required - 300 Liters",
        "   Total Product Required (In Millileters) - 6000 Milliliters",
        "   Total Product Required (In Liters) - 6 Liters",
        "",
        "  Results from Multiple Tank Mixing Screen",
        "",
        "   Tank 1 to 2",
        "   Sprayer Tank Capacity - 120 Liters",
        "   Total Water required - 300 Liters",
        "   Total Water per Tank - 120 Liters",
        "   Milliliters per Liter - 20 Milliliters",
        "   Milliliters of Product per Tank - 2400 Milliliters",
        "   Liters of Product per Tank - 2.4 Liters",
        "",
        "   Tank 3",
        "   Total Water per Tank - 60 Liters",
        "   Milliliters per Liter - 20 Milliliters",
        "   Milliliters of Product per Tank - 1200 Milliliters",
        "   Liters of Product per Tank - 1.2 Liters",
        "",
        "  Results from Nozzle Selection Screen",
        "",
        "   Desired Application Rate (Liters per Hectar) - 100 L/ha",
        "   Application Speed - 12 km/h",
        "   Nozzle Spacing - 50 Centimeters",
        "   Liters per Minute (Per Nozzle) - 1 l/min",
        "   Maximum Liters per Minute (Per Nozzle) - 1.05 l/min",
        "   Minimum Liters per Minute (Per Nozzle) - 0.95 l/min",
        "",
        "  Notes from Information Screen",
        "",
        "Notes:  Wind calm",
    };
    ASSERT_EQ(lines.size(), 80u);
    EXPECT_EQ(BuildReport(WorkedExampleRecord()), JoinLines(lines));
}

// Every text field, so a test can fill or compare the whole record.
constexpr std::array kTextFields = {
    &JobRecord::infoCompany,
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
    &JobRecord::selMinFlow,
};

void ExpectSameRecord(const JobRecord& actual, const JobRecord& expected) {
    for (std::size_t i = 0; i < kTextFields.size(); ++i)
        EXPECT_EQ(actual.*kTextFields[i], expected.*kTextFields[i]) << "text field #" << i;
    EXPECT_EQ(actual.nozzleCatch, expected.nozzleCatch);
}

TEST(BuildReportTest, LeavesTheRecordUnchanged) {
    JobRecord record = WorkedExampleRecord();
    record.infoLicenseNo = ReportLine("License No:  ", "A-1");
    record.nozzleCatch[17] = -7;
    const JobRecord before = record;

    const std::string first = BuildReport(record);
    ExpectSameRecord(record, before);
    EXPECT_EQ(BuildReport(record), first);
}

// The sections of the empty report; each rule case replaces one of them.
const std::array<std::string, 8> kEmptySections = {
    "  Company Information\n      Not Entered\n",
    "\n  Nozzle Uniformity Screen Results\n      Not Entered\n",
    "\n  Results from Speed Calculator Screen\n      Not Entered\n",
    "\n  Results from Rate Calculator Screen\n      Not Entered\n",
    "\n  Results from Calibration / Tank Mixing Screen\n      Not Entered\n",
    "\n  Results from Multiple Tank Mixing Screen\n      Not Entered\n",
    "\n  Results from Nozzle Selection Screen\n      Not Entered\n",
    "\n  Notes from Information Screen\n      Not Entered\n",
};

enum Section { kCompany, kNozzle, kSpeed, kRate, kMix, kMultiTank, kSelection, kNotes };

struct SectionCase {
    const char* name;
    std::function<void(JobRecord&)> fill;
    Section section;
    std::string expected; // the whole text of that section
};

// The row's name, not a dump of its bytes, when a check fails.
void PrintTo(const SectionCase& c, std::ostream* os) {
    *os << c.name;
}

class BuildReportSectionTest : public testing::TestWithParam<SectionCase> {};

TEST_P(BuildReportSectionTest, PrintsTheSectionAndLeavesTheOthersNotEntered) {
    const SectionCase& c = GetParam();
    JobRecord record;
    c.fill(record);

    std::string expected;
    for (std::size_t i = 0; i < kEmptySections.size(); ++i)
        expected += i == static_cast<std::size_t>(c.section) ? c.expected : kEmptySections[i];
    EXPECT_EQ(BuildReport(record), expected);
}

void FillNozzleGroupExceptVariation(JobRecord& r) {
    r.nozzleCatchTime = ReportLine("Catch Time - ", "30", " Seconds");
    r.nozzlePressure = ReportLine("Pressure - ", "3", " bar");
    r.nozzleCatch[0] = 500;
    r.nozzleCatch[9] = 510;
    r.nozzleAverage = ReportLine("Average Output - ", "505", " ml");
    r.nozzleMinimum = ReportLine("Minimin Allowable - ", "454.5", " ml");
    r.nozzleMaximum = ReportLine("Maximum Allowable - ", "555.5", " ml");
    r.nozzleFlow = ReportLine("l/min per Nozzle - ", "1.01", " l/min");
}

const std::string kVariationLine = ReportLine("Variation Percentage - ", "10", " %");

INSTANTIATE_TEST_SUITE_P(
    SectionRules, BuildReportSectionTest,
    testing::Values(
        SectionCase{"phone_only",
                    [](JobRecord& r) { r.infoPhone = ReportLine("Phone Number - ", "555-0100"); },
                    kCompany,
                    "  Company Information\n"
                    "      Not Entered\n"
                    "\n"
                    "   Phone Number - 555-0100\n"},
        SectionCase{"date_only_is_followed_by_an_empty_line",
                    [](JobRecord& r) { r.infoDate = ReportLine("Date - ", "6/12/2010"); }, kCompany,
                    "  Company Information\n"
                    "      Not Entered\n"
                    "   Date - 6/12/2010\n"
                    "\n"},
        SectionCase{"licence_and_notes_left_from_an_earlier_visit",
                    [](JobRecord& r) {
                        r.infoLicenseNo = ReportLine("License No:  ", "A-1");
                        r.infoCompany = ReportLine("Company Name - ", "Acme");
                    },
                    kCompany,
                    "  Company Information\n"
                    "   Company Name - Acme\n"
                    "   License No:  A-1\n"},
        SectionCase{"state_without_postal_code",
                    [](JobRecord& r) {
                        r.infoCompany = ReportLine("Company Name - ", "Acme");
                        r.infoAddress2 = ReportLine("Address 2 - ", "Unit 4");
                        r.infoStateZip = ReportLine("State - ", "OH  Zip Code - ");
                    },
                    kCompany,
                    "  Company Information\n"
                    "   Company Name - Acme\n"
                    "   Address 2 - Unit 4\n"
                    "   State - OH  Zip Code - \n"},
        SectionCase{"nozzle_group_without_variation", FillNozzleGroupExceptVariation, kNozzle,
                    "\n"
                    "  Nozzle Uniformity Screen Results\n"
                    "      Not Entered\n"},
        SectionCase{"variation_only_all_catches_zero",
                    [](JobRecord& r) { r.nozzleVariation = kVariationLine; }, kNozzle,
                    "\n"
                    "   Nozzle Uniformity Screen Results\n"
                    "\n"
                    "   Variation Percentage - 10 %\n"
                    "\n"
                    "   Nozzle Catch Test Results\n"
                    "\n"},
        SectionCase{"catch_time_gives_empty_line_after_an_empty_catch_list",
                    [](JobRecord& r) {
                        r.nozzleVariation = kVariationLine;
                        r.nozzleCatchTime = ReportLine("Catch Time - ", "30", " Seconds");
                    },
                    kNozzle,
                    "\n"
                    "   Nozzle Uniformity Screen Results\n"
                    "\n"
                    "   Variation Percentage - 10 %\n"
                    "    Catch Time - 30 Seconds\n"
                    "\n"
                    "   Nozzle Catch Test Results\n"
                    "\n"
                    "\n"},
        SectionCase{"negative_and_extreme_catch_volumes",
                    [](JobRecord& r) {
                        r.nozzleVariation = kVariationLine;
                        r.nozzleCatch[0] = -32768;
                        r.nozzleCatch[4] = -5;
                        r.nozzleCatch[17] = 32767;
                    },
                    kNozzle,
                    "\n"
                    "   Nozzle Uniformity Screen Results\n"
                    "\n"
                    "   Variation Percentage - 10 %\n"
                    "\n"
                    "   Nozzle Catch Test Results\n"
                    "\n"
                    "    Nozzle 1 - -32768 ml\n"
                    "    Nozzle 5 - -5 ml\n"
                    "    Nozzle 18 - 32767 ml\n"},
        SectionCase{"output_lines_without_average_have_no_sub_header",
                    [](JobRecord& r) {
                        r.nozzleVariation = kVariationLine;
                        r.nozzlePressure = ReportLine("Pressure - ", "3", " bar");
                        r.nozzleCatch[11] = 480;
                        r.nozzleMinimum = ReportLine("Minimin Allowable - ", "450", " ml");
                        r.nozzleFlow = ReportLine("l/min per Nozzle - ", "0.96", " l/min");
                    },
                    kNozzle,
                    "\n"
                    "   Nozzle Uniformity Screen Results\n"
                    "\n"
                    "   Variation Percentage - 10 %\n"
                    "    Pressure - 3 bar\n"
                    "\n"
                    "   Nozzle Catch Test Results\n"
                    "\n"
                    "    Nozzle 12 - 480 ml\n"
                    "    Minimin Allowable - 450 ml\n"
                    "    l/min per Nozzle - 0.96 l/min\n"},
        SectionCase{"speed_time_without_distance",
                    [](JobRecord& r) { r.speedTime = ReportLine("Time in Seconds - ", "15"); },
                    kSpeed,
                    "\n"
                    "  Results from Speed Calculator Screen\n"
                    "      Not Entered\n"
                    "   Time in Seconds - 15\n"},
        SectionCase{"rate_value_stored_as_typed",
                    [](JobRecord& r) {
                        r.rateFlow = ReportLine("l/min per Nozzle - ", "abc", " l/min");
                        r.rateSpacing = ReportLine("Nozzle Spacing - ", "50", " Centimeters");
                    },
                    kRate,
                    "\n"
                    "  Results from Rate Calculator Screen\n"
                    "\n"
                    "   l/min per Nozzle - abc l/min\n"
                    "   Nozzle Spacing - 50 Centimeters\n"},
        SectionCase{"mix_following_fields_without_key",
                    [](JobRecord& r) {
                        r.mixWater = ReportLine("Total Water Required - ", "600", " Liters");
                        r.mixProductLiters =
                            ReportLine("Total Product Required (In Liters) - ", "5", " Liters");
                    },
                    kMix,
                    "\n"
                    "  Results from Calibration / Tank Mixing Screen\n"
                    "      Not Entered\n"
                    "   Total Water Required - 600 Liters\n"
                    "   Total Product Required (In Liters) - 5 Liters\n"},
        SectionCase{"last_tank_repeats_the_amount_per_litre",
                    [](JobRecord& r) {
                        r.multiTanks = "13";
                        r.multiWaterPerTank =
                            ReportLine("Total Water per Tank - ", "500", " Liters");
                        r.multiMlPerLiter =
                            ReportLine("Milliliters per Liter - ", "2.5", " Milliliters");
                        r.multiLastTank = "14";
                        r.multiLastWater = ReportLine("Total Water per Tank - ", "100", " Liters");
                        r.multiLastProductLiters =
                            ReportLine("Liters of Product per Tank - ", "0.25", " Liters");
                    },
                    kMultiTank,
                    "\n"
                    "  Results from Multiple Tank Mixing Screen\n"
                    "\n"
                    "   Tank 1 to 13\n"
                    "   Total Water per Tank - 500 Liters\n"
                    "   Milliliters per Liter - 2.5 Milliliters\n"
                    "\n"
                    "   Tank 14\n"
                    "   Total Water per Tank - 100 Liters\n"
                    "   Milliliters per Liter - 2.5 Milliliters\n"
                    "   Liters of Product per Tank - 0.25 Liters\n"},
        SectionCase{"one_load_has_no_last_tank",
                    [](JobRecord& r) {
                        r.multiTanks = "1";
                        r.multiCapacity = ReportLine("Sprayer Tank Capacity - ", "500", " Liters");
                        r.multiWaterPerTank =
                            ReportLine("Total Water per Tank - ", "400", " Liters");
                    },
                    kMultiTank,
                    "\n"
                    "  Results from Multiple Tank Mixing Screen\n"
                    "\n"
                    "   Tank 1 to 1\n"
                    "   Sprayer Tank Capacity - 500 Liters\n"
                    "   Total Water per Tank - 400 Liters\n"},
        SectionCase{"selection_without_desired_rate",
                    [](JobRecord& r) {
                        r.selSpeed = ReportLine("Application Speed - ", "6", " km/h");
                        r.selMinFlow = ReportLine("Minimum Liters per Minute (Per Nozzle) - ",
                                                  "0.7", " l/min");
                    },
                    kSelection,
                    "\n"
                    "  Results from Nozzle Selection Screen\n"
                    "      Not Entered\n"
                    "   Application Speed - 6 km/h\n"
                    "   Minimum Liters per Minute (Per Nozzle) - 0.7 l/min\n"},
        SectionCase{"multi_line_notes_keep_their_breaks_without_prefix",
                    [](JobRecord& r) {
                        r.infoNotes =
                            ReportLine("Notes:  ", "Wind calm\nGrass wet\nRefill at noon");
                    },
                    kNotes,
                    "\n"
                    "  Notes from Information Screen\n"
                    "\n"
                    "Notes:  Wind calm\n"
                    "Grass wet\n"
                    "Refill at noon\n"}),
    [](const testing::TestParamInfo<SectionCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace zelk
