#include "core/job_record.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

TEST(JobRecordTest, StartsEmpty) {
    const JobRecord record;
    EXPECT_TRUE(record.infoCompany.empty());
    EXPECT_TRUE(record.infoNotes.empty());
    EXPECT_TRUE(record.selMinFlow.empty());
    for (std::int16_t volume : record.nozzleCatch)
        EXPECT_EQ(volume, 0);
}

TEST(JobRecordTest, ReportLineJoinsPiecesWithoutSeparators) {
    EXPECT_EQ(ReportLine("Nozzle Spacing - ", "50", " Centimeters"),
              "Nozzle Spacing - 50 Centimeters\n");
    EXPECT_EQ(ReportLine("km/h - ", "12"), "km/h - 12\n");
    EXPECT_EQ(ReportLine("Total Water per Tank - ", "Err", "Liters"),
              "Total Water per Tank - ErrLiters\n");
    // The value is kept exactly as the field shows it.
    EXPECT_EQ(ReportLine("Catch Time - ", " 3o ", " Seconds"), "Catch Time -  3o  Seconds\n");
}

TEST(JobRecordTest, StoreLineKeepsTheOldTextWhenTheSourceIsEmpty) {
    std::string field = "License No:  A-1\n";
    StoreLine(field, "License No:  ", "");
    EXPECT_EQ(field, "License No:  A-1\n");
    StoreLine(field, "License No:  ", "B-2");
    EXPECT_EQ(field, "License No:  B-2\n");

    std::string tanks;
    StoreValue(tanks, "");
    EXPECT_TRUE(tanks.empty());
    StoreValue(tanks, "13");
    EXPECT_EQ(tanks, "13");
}

} // namespace
} // namespace zelk
