// The information screen's load and close steps.
#include "core/info.h"

#include "core/job_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelk {
namespace {

// What the close step of `texts` leaves in an empty record, one field at a time.
struct CloseRow {
    const char* name;
    InfoTexts texts;
    std::string JobRecord::*field;
    const char* line;
};

class InfoCloseTest : public testing::TestWithParam<CloseRow> {};

TEST_P(InfoCloseTest, StoresTheLine) {
    const CloseRow& row = GetParam();
    const auto assignments = InformationLines(row.texts);
    ASSERT_EQ(assignments.size(), 1u) << "exactly one field is filled";
    EXPECT_EQ(assignments[0].first, row.field);
    EXPECT_EQ(assignments[0].second, row.line);
}

InfoTexts With(std::string InfoTexts::*field, std::string value) {
    InfoTexts texts;
    texts.*field = std::move(value);
    return texts;
}

InfoTexts StateAndZip(std::string state, std::string zip) {
    InfoTexts texts;
    texts.state = std::move(state);
    texts.zipCode = std::move(zip);
    return texts;
}

const CloseRow kCloseRows[] = {
    {"Company", With(&InfoTexts::company, "Example Turf Care"), &JobRecord::infoCompany,
     "Company Name - Example Turf Care\n"},
    {"Address1", With(&InfoTexts::address1, "1 Main St"), &JobRecord::infoAddress1,
     "Address 1 - 1 Main St\n"},
    {"Address2", With(&InfoTexts::address2, "Unit 4"), &JobRecord::infoAddress2,
     "Address 2 - Unit 4\n"},
    {"City", With(&InfoTexts::city, "Cleveland"), &JobRecord::infoCity, "City - Cleveland\n"},
    {"StateAndPostalCode", StateAndZip("OH", "44101"), &JobRecord::infoStateZip,
     "State - OH  Zip Code - 44101\n"},
    {"StateWithoutPostalCode", StateAndZip("OH", ""), &JobRecord::infoStateZip,
     "State - OH  Zip Code - \n"},
    {"LettersInPhone", With(&InfoTexts::phone, "555-CALL-NOW"), &JobRecord::infoPhone,
     "Phone Number - 555-CALL-NOW\n"},
    {"DateUnchecked", With(&InfoTexts::date, "next Tuesday"), &JobRecord::infoDate,
     "Date - next Tuesday\n"},
    {"Applicator", With(&InfoTexts::applicator, "Ann Lee"), &JobRecord::infoApplicator,
     "Applicator Name:  Ann Lee\n"},
    {"License", With(&InfoTexts::license, "L-123"), &JobRecord::infoLicenseNo,
     "License No:  L-123\n"},
    {"Product", With(&InfoTexts::product, "Weed-B-Gone"), &JobRecord::infoProduct,
     "Product to be applied:  Weed-B-Gone\n"},
    {"ThreeLineNotes", With(&InfoTexts::notes, "wind calm\nsoil moist\nno rain"),
     &JobRecord::infoNotes, "Notes:  wind calm\nsoil moist\nno rain\n"},
    {"BlankIsNotEmpty", With(&InfoTexts::city, " "), &JobRecord::infoCity, "City -  \n"},
};

INSTANTIATE_TEST_SUITE_P(Table, InfoCloseTest, testing::ValuesIn(kCloseRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InfoClose, PostalCodeWithoutStateIsNotStored) {
    EXPECT_TRUE(InformationLines(StateAndZip("", "44101")).empty());
}

TEST(InfoClose, EmptyScreenStoresNothing) {
    EXPECT_TRUE(InformationLines(InfoTexts{}).empty());
}

TEST(InfoClose, AllFieldsInTheReportsOrder) {
    const InfoTexts texts{"Co", "A1", "A2", "Ci", "St", "Zp", "Ph", "Da", "Ap", "Li", "Pr", "No"};
    const auto assignments = InformationLines(texts);
    const std::vector<std::string JobRecord::*> expected = {
        &JobRecord::infoCompany, &JobRecord::infoAddress1,   &JobRecord::infoAddress2,
        &JobRecord::infoCity,    &JobRecord::infoStateZip,   &JobRecord::infoPhone,
        &JobRecord::infoDate,    &JobRecord::infoApplicator, &JobRecord::infoLicenseNo,
        &JobRecord::infoProduct, &JobRecord::infoNotes};
    ASSERT_EQ(assignments.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(assignments[i].first, expected[i]) << "assignment " << i;
}

JobRecord EarlierVisit() {
    JobRecord record;
    StoreInformation(record,
                     InformationLines({"Old Co", "Old A1", "Old A2", "Old City", "OH", "44101",
                                       "555", "May 1", "Ann", "L-1", "Prod", "old notes"}));
    return record;
}

TEST(InfoLoad, EmptiesNineFieldsAndKeepsLicenceAndNotes) {
    JobRecord record = EarlierVisit();
    record.selRate = "Desired Application Rate (Liters per Hectar) - 200 L/ha\n";
    ClearInformation(record);
    for (const std::string* field :
         {&record.infoCompany, &record.infoAddress1, &record.infoAddress2, &record.infoCity,
          &record.infoStateZip, &record.infoPhone, &record.infoDate, &record.infoApplicator,
          &record.infoProduct})
        EXPECT_EQ(*field, "");
    EXPECT_EQ(record.infoLicenseNo, "License No:  L-1\n");
    EXPECT_EQ(record.infoNotes, "Notes:  old notes\n");
    EXPECT_EQ(record.selRate, "Desired Application Rate (Liters per Hectar) - 200 L/ha\n");
}

TEST(InfoLoad, SecondVisitWithOnlyACompanyKeepsTheFirstLicenceAndNotes) {
    JobRecord record = EarlierVisit();
    ClearInformation(record);
    StoreInformation(record, InformationLines(With(&InfoTexts::company, "New Co")));
    EXPECT_EQ(record.infoCompany, "Company Name - New Co\n");
    EXPECT_EQ(record.infoCity, "");
    EXPECT_EQ(record.infoLicenseNo, "License No:  L-1\n");
    EXPECT_EQ(record.infoNotes, "Notes:  old notes\n");
}

TEST(InfoLoad, SecondVisitReplacesTheLicenceWhenFilled) {
    JobRecord record = EarlierVisit();
    ClearInformation(record);
    StoreInformation(record, InformationLines(With(&InfoTexts::license, "L-2")));
    EXPECT_EQ(record.infoLicenseNo, "License No:  L-2\n");
    EXPECT_EQ(record.infoNotes, "Notes:  old notes\n");
}

} // namespace
} // namespace zelk
