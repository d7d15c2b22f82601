#include "forms/date_typing.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvel {
namespace {

constexpr char kMask[] = "## / ## / ####";

std::string Narrow(const std::u16string& text) { return {text.begin(), text.end()}; }
std::u16string Wide(std::string_view text) { return {text.begin(), text.end()}; }

struct TypedCase {
    const char* name;
    const char* held; // what the field held when it was entered
    const char* typed;
    const char* shown;
    int caret;
};

class TypedTest : public ::testing::TestWithParam<TypedCase> {};

// Typed as it is written, a date goes in whole, over whatever the field held.
TEST_P(TypedTest, ShowsTheDateAsTyped)
{
    const TypedCase& c = GetParam();
    const DateFieldState shown = Typed(kMask, Wide(c.held), Wide(c.typed));
    EXPECT_EQ(Narrow(shown.text), c.shown);
    EXPECT_EQ(shown.caret, c.caret);
}

constexpr char kEmpty[] = "__ / __ / ____";

// clang-format off
INSTANTIATE_TEST_SUITE_P(DateTyping, TypedTest, ::testing::Values(
    TypedCase{"slashes", kEmpty, "01/01/2000", "01 / 01 / 2000", 14},
    TypedCase{"one_digit_day_and_month", kEmpty, "1/1/2000", "01 / 01 / 2000", 14},
    TypedCase{"full_stops", kEmpty, "1.1.2000", "01 / 01 / 2000", 14},
    TypedCase{"dashes", kEmpty, "9-12-2015", "09 / 12 / 2015", 14},
    TypedCase{"spaces", kEmpty, "1 1 2000", "01 / 01 / 2000", 14},
    TypedCase{"digits_only", kEmpty, "01012000", "01 / 01 / 2000", 14},
    TypedCase{"separators_at_a_sections_start_do_nothing", kEmpty, "/31//1/-2000", "31 / 01 / 2000", 14},
    TypedCase{"a_separator_in_the_year_does_nothing", kEmpty, "1/1/20/", "01 / 01 / 20__", 12},
    TypedCase{"a_complete_date_is_typed_over", "01 / 01 / 2021", "1/1/2020", "01 / 01 / 2020", 14},
    TypedCase{"a_date_begun_over_a_complete_one_stays_unfinished", "01 / 01 / 2021", "1/1/202", "01 / 01 / 202_", 13},
    TypedCase{"the_rest_of_a_half_typed_date", "01 / 01 / ____", "2015", "01 / 01 / 2015", 14},
    TypedCase{"the_last_digit_of_a_half_typed_date", "15 / 06 / 201_", "8", "15 / 06 / 2018", 14},
    TypedCase{"a_whole_date_over_a_half_typed_one", "1_ / __ / ____", "1/1/2020", "01 / 01 / 2020", 14}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct SectionCase {
    const char* name;
    const char* text;
    int caret;
    const char* ended;
    int caretAfter;
};

class SectionEndedTest : public ::testing::TestWithParam<SectionCase> {};

// A separator typed while editing in place ends the section before the caret.
TEST_P(SectionEndedTest, EndsTheSectionBeforeTheCaret)
{
    const SectionCase& c = GetParam();
    const DateFieldState ended = WithSectionEnded(kMask, {Wide(c.text), c.caret});
    EXPECT_EQ(Narrow(ended.text), c.ended);
    EXPECT_EQ(ended.caret, c.caretAfter);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DateTyping, SectionEndedTest, ::testing::Values(
    SectionCase{"the_day_at_its_second_place", "15 / 06 / 2018", 1, "01 / 06 / 2018", 5},
    SectionCase{"the_month_after_its_digits", "15 / 6_ / 2018", 6, "15 / 06 / 2018", 10},
    SectionCase{"at_a_sections_start_nothing", "15 / 06 / 2018", 5, "15 / 06 / 2018", 5},
    SectionCase{"in_the_year_nothing", "15 / 06 / 20__", 12, "15 / 06 / 20__", 12},
    SectionCase{"no_digit_typed_nothing", "__ / __ / ____", 1, "__ / __ / ____", 1}),
    [](const auto& info) { return info.param.name; });
// clang-format on

} // namespace
} // namespace tarvel
