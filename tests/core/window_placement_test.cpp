#include "core/window_placement.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace zelk {

void PrintTo(const Box& box, std::ostream* out) {
    *out << "{" << box.x << ", " << box.y << ", " << box.width << " x " << box.height << "}";
}

namespace {

const Box kSmall{0, 0, 1024, 768};
const Box kLarge{0, 0, 1600, 1000};

struct FitCase {
    const char* name;
    Box window;
    Box available;
    int minimumWidth;
    int minimumHeight;
    Box expected;
};

class FitInsideTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitInsideTest, MovesUpOrLeftAndShrinksOnlyWhatIsTooLarge) {
    const FitCase& c = GetParam();
    const Box fitted = FitInside(c.window, c.available, c.minimumWidth, c.minimumHeight);
    EXPECT_EQ(fitted, c.expected);
    if (c.minimumWidth <= c.available.width && c.minimumHeight <= c.available.height) {
        EXPECT_TRUE(Contains(c.available, fitted));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitInsideTest,
    testing::Values(
        FitCase{"inside_stays", {10, 10, 300, 200}, kSmall, 0, 0, {10, 10, 300, 200}},
        FitCase{"exactly_filling_stays", {0, 0, 1024, 768}, kSmall, 0, 0, {0, 0, 1024, 768}},
        // The information screen that ended at y = 1015 on a 1000 px display.
        FitCase{
            "past_the_bottom_moves_up", {100, 384, 686, 631}, kLarge, 0, 0, {100, 369, 686, 631}},
        FitCase{"past_the_right_moves_left", {900, 0, 300, 200}, kSmall, 0, 0, {724, 0, 300, 200}},
        FitCase{"past_both_moves_both", {1000, 700, 300, 200}, kSmall, 0, 0, {724, 568, 300, 200}},
        FitCase{"under_a_top_panel_moves_down",
                {0, 0, 300, 200},
                {0, 32, 1024, 736},
                0,
                0,
                {0, 32, 300, 200}},
        FitCase{"under_a_left_dock_moves_right",
                {-40, 100, 300, 200},
                {48, 0, 976, 768},
                0,
                0,
                {48, 100, 300, 200}},
        FitCase{"too_tall_shrinks_only_in_height",
                {200, 100, 400, 900},
                kSmall,
                0,
                0,
                {200, 0, 400, 768}},
        FitCase{
            "too_large_shrinks_to_the_area", {50, 50, 1200, 900}, kSmall, 0, 0, {0, 0, 1024, 768}},
        FitCase{
            "never_below_its_minimum", {50, 50, 1200, 900}, kSmall, 1100, 800, {0, 0, 1100, 800}},
        FitCase{"a_minimum_that_fits_is_kept_to",
                {50, 50, 1200, 900},
                kSmall,
                600,
                500,
                {0, 0, 1024, 768}}),
    [](const testing::TestParamInfo<FitCase>& info) { return info.param.name; });

struct BesideCase {
    const char* name;
    Box menu;
    int width;
    int height;
    Box available;
    std::vector<Box> open;
    Box expected;
};

class PlaceBesideMenuTest : public testing::TestWithParam<BesideCase> {};

TEST_P(PlaceBesideMenuTest, OpensBesideTheMenuOnAFreePlace) {
    const BesideCase& c = GetParam();
    const Box placed = PlaceBesideMenu(c.menu, c.width, c.height, c.available, c.open);
    EXPECT_EQ(placed, c.expected);
    EXPECT_TRUE(Contains(c.available, placed));
}

// The menu at its opening size, 683 x 480 with its frame, and the largest
// screen, the information screen, 686 x 631.
const Box kMenuTopLeft{0, 0, 683, 480};

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceBesideMenuTest,
    testing::Values(
        BesideCase{"right_of_the_menu", kMenuTopLeft, 686, 631, kLarge, {}, {683, 0, 686, 631}},
        BesideCase{"the_next_one_cascades",
                   kMenuTopLeft,
                   400,
                   300,
                   kLarge,
                   {{683, 0, 686, 631}},
                   {715, 32, 400, 300}},
        BesideCase{"a_closed_window_frees_its_place",
                   kMenuTopLeft,
                   400,
                   300,
                   kLarge,
                   {{715, 32, 400, 300}},
                   {683, 0, 400, 300}},
        BesideCase{"left_of_a_menu_on_the_right",
                   {900, 100, 683, 480},
                   686,
                   631,
                   kLarge,
                   {},
                   {214, 100, 686, 631}},
        BesideCase{"leftwards_cascade_from_the_left_side",
                   {900, 100, 683, 480},
                   686,
                   631,
                   kLarge,
                   {{214, 100, 686, 631}},
                   {182, 132, 686, 631}},
        // 1024 x 768: no room either side, so against the right edge, and
        // the cascade steps leftwards over the menu.
        BesideCase{"small_screen_against_the_right_edge",
                   kMenuTopLeft,
                   686,
                   631,
                   kSmall,
                   {},
                   {338, 0, 686, 631}},
        BesideCase{"small_screen_cascades_leftwards",
                   kMenuTopLeft,
                   686,
                   631,
                   kSmall,
                   {{338, 0, 686, 631}, {306, 32, 686, 631}},
                   {274, 64, 686, 631}},
        // Windows of different widths against the right edge share their
        // top right corner, so a wider one would cover a narrower one.
        BesideCase{"a_wider_window_takes_the_next_place",
                   kMenuTopLeft,
                   658,
                   585,
                   kSmall,
                   {{464, 0, 560, 354}},
                   {334, 32, 658, 585}},
        // Room below the menu's top for 137 px: five places, then four more
        // half a step off them.
        BesideCase{"a_full_cascade_goes_on_half_a_step_off",
                   kMenuTopLeft,
                   686,
                   631,
                   kSmall,
                   {{338, 0, 686, 631},
                    {306, 32, 686, 631},
                    {274, 64, 686, 631},
                    {242, 96, 686, 631},
                    {210, 128, 686, 631}},
                   {322, 16, 686, 631}},
        // Nine windows in the nine places: the tenth goes to the fifth again
        // (nine windows, five places in the first round).
        BesideCase{"with_every_place_taken_the_cascade_starts_over",
                   kMenuTopLeft,
                   686,
                   631,
                   kSmall,
                   {{338, 0, 686, 631},
                    {306, 32, 686, 631},
                    {274, 64, 686, 631},
                    {242, 96, 686, 631},
                    {210, 128, 686, 631},
                    {322, 16, 686, 631},
                    {290, 48, 686, 631},
                    {258, 80, 686, 631},
                    {226, 112, 686, 631}},
                   {210, 128, 686, 631}},
        BesideCase{"a_menu_low_on_the_screen_keeps_the_window_inside",
                   {0, 500, 683, 480},
                   686,
                   631,
                   kLarge,
                   {},
                   {683, 369, 686, 631}},
        BesideCase{"a_window_larger_than_the_screen_fills_it",
                   kMenuTopLeft,
                   1200,
                   900,
                   kSmall,
                   {},
                   {0, 0, 1024, 768}}),
    [](const testing::TestParamInfo<BesideCase>& info) { return info.param.name; });

TEST(PlaceBesideMenuTest, KeepsToTheSmallestSizeOfTheWindow) {
    const Box placed = PlaceBesideMenu(kMenuTopLeft, 1200, 900, kSmall, {}, 1100, 800);
    EXPECT_EQ(placed, (Box{0, 0, 1100, 800}));
}

} // namespace
} // namespace zelk
