#include "forms/main_window_form.h"

#include "calc/rates_in_force.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tarvel {
namespace {

// A "Calcola" as typed: the capital and the dates as the date fields give them.
struct Typing {
    const char* capital;
    const char* start;
    const char* end;
};

constexpr Typing kWorkedExample{"10000", "01 / 01 / 2000", "01 / 01 / 2015"};
constexpr Typing kFirstNoticeExample{"25000", "15 / 06 / 2018", "08 / 12 / 2026"};

// A form after the calculations typed, in order.
MainWindowForm FormAfter(const std::vector<Typing>& calculations)
{
    MainWindowForm form;
    for (const Typing& typed : calculations)
        form.Calculate({typed.capital, typed.start, typed.end});
    return form;
}

std::string TextOf(const ControlTexts& texts, ResultControl control) { return texts[control].value_or("<none>"); }

struct CalculateCase {
    const char* name;
    Typing typed;
    // What the run writes in importo, Label8 and Text1, standing while its warning is open.
    std::array<const char*, 3> written;
    bool fails;
};

class CalculateTest : public ::testing::TestWithParam<CalculateCase> {};

// "Calcola" after the worked example: what the run writes, and for a failure
// the warning and what the window holds once it is closed.
TEST_P(CalculateTest, WritesTheRunsTexts)
{
    const CalculateCase& c = GetParam();
    MainWindowForm form = FormAfter({kWorkedExample});
    const CalculationShown shown = form.Calculate({c.typed.capital, c.typed.start, c.typed.end});
    const ResultControl controls[] = {ResultControl::importo, ResultControl::Label8, ResultControl::Text1};
    for (std::size_t i = 0; i < c.written.size(); ++i)
        EXPECT_EQ(TextOf(shown.written, controls[i]), c.written[i]) << ControlName(controls[i]);
    EXPECT_EQ(shown.warning.has_value(), c.fails);
    EXPECT_EQ(form.LastCalculation().has_value(), !c.fails);
    if (!c.fails)
        return;
    EXPECT_EQ(*shown.warning, "Si è verificato un errore; dati incongruenti o formato non valido riprova!!.");
    for (const ResultControl control : {ResultControl::importo, ResultControl::SeeInteressi, ResultControl::Label6})
        EXPECT_EQ(TextOf(form.Texts(), control), " ");
    EXPECT_EQ(TextOf(form.Texts(), ResultControl::Label8), "Anni ?");
    EXPECT_EQ(TextOf(form.Texts(), ResultControl::Label23), "Giorni ?");
    for (std::size_t i = 0; i < kPeriodCount; ++i)
        EXPECT_EQ(TextOf(form.Texts(), PeriodControl(i)), "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(MainWindowForm, CalculateTest, ::testing::Values(
    CalculateCase{"the_worked_example", kWorkedExample, {"10.000,00", "anni  15", "3652,4657"}, false},
    // The years are written before the failure is seen.
    CalculateCase{"end_before_start", {"10000", "01 / 01 / 2000", "01 / 01 / 1999"}, {"10.000,00", "anni  -1", ""},
                  true},
    CalculateCase{"empty_capital", {"", "01 / 01 / 2000", "01 / 01 / 2015"}, {"", "<none>", "<none>"}, true},
    CalculateCase{"letters_in_capital", {"abc", "01 / 01 / 2000", "01 / 01 / 2015"}, {"abc", "<none>", "<none>"}, true},
    CalculateCase{"unfilled_end_date", {"10000", "01 / 01 / 2000", "01 / 01 / ____"}, {"10.000,00", "<none>", "<none>"},
                  true}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct CapitalCase {
    const char* capital;
    bool refused;
    const char* importo; // after "Calcola", the warning closed
};

class CapitalDecimalsTest : public ::testing::TestWithParam<CapitalCase> {};

// A capital of more than two decimals, as the key filter leaves ten thousand
// typed with a full stop, is refused with its reason; nothing typed is
// cleared, the results are, and no notice tells of it.
TEST_P(CapitalDecimalsTest, RefusedWithItsReasonOrCalculated)
{
    const CapitalCase& c = GetParam();
    MainWindowForm form = FormAfter({kFirstNoticeExample});
    const CalculationShown shown = form.Calculate({c.capital, kFirstNoticeExample.start, kFirstNoticeExample.end});
    EXPECT_EQ(TextOf(form.Texts(), ResultControl::importo), c.importo);
    EXPECT_EQ(form.LastCalculation().has_value(), !c.refused);
    EXPECT_EQ(form.Notice(RatesInForce()).has_value(), !c.refused);
    if (!c.refused) {
        EXPECT_FALSE(shown.warning);
        return;
    }
    EXPECT_EQ(shown.warning.value_or(""), std::string("Il capitale «") + c.capital
                                              + "» ha più di due decimali: per diecimila euro scrivere 10000 o "
                                                "10000,00.");
    EXPECT_EQ(shown.focus, FocusAfterWarning::Capital);
    for (const ResultControl control : kResultControls)
        EXPECT_FALSE(shown.written[control]) << ControlName(control);
    EXPECT_FALSE(shown.afterWarning[ResultControl::importo]);
    EXPECT_EQ(TextOf(form.Texts(), ResultControl::SeeInteressi), " ");
    EXPECT_EQ(TextOf(form.Texts(), ResultControl::Label8), "Anni ?");
    EXPECT_EQ(TextOf(form.Texts(), PeriodControl(kPeriodCount - 1)), "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(MainWindowForm, CapitalDecimalsTest, ::testing::Values(
    CapitalCase{"10,000", true, "10,000"}, CapitalCase{"1,001", true, "1,001"}, CapitalCase{"10,125", true, "10,125"},
    CapitalCase{"10,000,50", true, "10,000,50"}, CapitalCase{"10,5", false, "10,50"},
    CapitalCase{"10,50", false, "10,50"}, CapitalCase{"10000", false, "10.000,00"}));
// clang-format on

// The hidden working fields show their names until "Cancella" empties them
// with every other text.
TEST(MainWindowFormTexts, WorkingFieldsFromOpeningToCancella)
{
    MainWindowForm form;
    EXPECT_EQ(TextOf(form.Texts(), ResultControl::Text1), "Text1");
    EXPECT_EQ(TextOf(form.Texts(), ResultControl::importobis), "importobis");
    form.Calculate({kWorkedExample.capital, kWorkedExample.start, kWorkedExample.end});
    EXPECT_EQ(TextOf(form.Texts(), ResultControl::importobis), "13652,4657");
    const ControlTexts& cleared = form.Clear();
    EXPECT_EQ(TextOf(cleared, ResultControl::Text1), "");
    EXPECT_EQ(TextOf(cleared, ResultControl::importobis), "");
    EXPECT_EQ(TextOf(cleared, ResultControl::Label8), "Anni ?");
    EXPECT_FALSE(form.LastCalculation());
}

// A table read from a file, with one more decree than the rates in force.
const RateTable& TableFile()
{
    static const RateTable table = [] {
        std::vector<RateChange> changes = RatesInForce().changes();
        changes.push_back({*Date::fromCivil(2027, 1, 1), 300, "D.M. 11/12/2026"});
        return RateTable("Tassi legali del file", std::move(changes), RateKind::Legal, "/home/studio/tassi/tassi.csv");
    }();
    return table;
}

constexpr char kHeading[] = "Questa finestra calcola l'1% su ogni giorno dopo il 2014.";

struct NoticeCase {
    const char* name;
    std::vector<Typing> calculations; // in order; none after the last: "Cancella"
    bool cancelled;
    const RateTable& (*table)();
    const char* amounts; // empty: no notice
};

class NoticeTest : public ::testing::TestWithParam<NoticeCase> {};

// The notice follows the last calculation that succeeded, when it ends after
// the window's own table, with the legal rates in use.
TEST_P(NoticeTest, FollowsTheLastCalculation)
{
    const NoticeCase& c = GetParam();
    MainWindowForm form = FormAfter(c.calculations);
    if (c.cancelled)
        form.Clear();
    const std::optional<MainWindowNotice> notice = form.Notice(c.table());
    ASSERT_EQ(notice.has_value(), *c.amounts != '\0');
    if (!notice)
        return;
    EXPECT_EQ(notice->heading, kHeading);
    EXPECT_EQ(notice->amounts, c.amounts);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(MainWindowForm, NoticeTest, ::testing::Values(
    NoticeCase{"from_2018_to_2026", {kFirstNoticeExample}, false, RatesInForce,
               "Ai tassi legali in vigore: interessi 3.319,93, somma 28.319,93."},
    NoticeCase{"to_01_01_2015", {kWorkedExample}, false, RatesInForce,
               "Ai tassi legali in vigore: interessi 3.652,33, somma 13.652,33."},
    NoticeCase{"to_31_12_2014", {{"10000", "01 / 01 / 2000", "31 / 12 / 2014"}}, false, RatesInForce, ""},
    NoticeCase{"a_table_file_by_its_name", {{"25000", "15 / 06 / 2018", "08 / 12 / 2027"}}, false, TableFile,
               "Ai tassi del file tassi.csv: interessi 4.047,88, somma 29.047,88."},
    NoticeCase{"after_Cancella", {kFirstNoticeExample}, true, RatesInForce, ""},
    NoticeCase{"after_a_failed_one", {kFirstNoticeExample, {"abc", "15 / 06 / 2018", "08 / 12 / 2026"}}, false,
               RatesInForce, ""}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct CopiedCase {
    const char* name;
    std::vector<Typing> calculations;
    const char* copied; // null: nothing
};

class CopiedTest : public ::testing::TestWithParam<CopiedCase> {};

// Ctrl+C copies the last calculation that succeeded, with its notice's line.
TEST_P(CopiedTest, CopiesTheLastCalculation)
{
    const CopiedCase& c = GetParam();
    MainWindowForm form = FormAfter(c.calculations);
    const std::optional<std::string> copied = form.Copied(RatesInForce());
    ASSERT_EQ(copied.has_value(), c.copied != nullptr);
    if (copied) {
        EXPECT_EQ(*copied, c.copied);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(MainWindowForm, CopiedTest, ::testing::Values(
    CopiedCase{"past_the_table_with_the_notes_line", {{"1000", "01 / 01 / 2013", "03 / 01 / 2015"}},
               "Capitale: 1.000,00\ndal 01/01/2013 al 03/01/2015: 2 anni e 2 giorni\nInteressi legali: 35,01\n"
               "Somma: 1.035,01\n2,5% fino al 31/12/2013: 24,9315\n1% dal 01/01/2014: 10,0822\n"
               "Nota: questa finestra calcola l'1% su ogni giorno dopo il 2014. Ai tassi legali in "
               "vigore: interessi 34,97, somma 1.034,97.\n"},
    CopiedCase{"one_year_and_one_day_within_the_table", {{"1000", "01 / 01 / 2013", "02 / 01 / 2014"}},
               "Capitale: 1.000,00\ndal 01/01/2013 al 02/01/2014: 1 anno e 1 giorno\nInteressi legali: 24,99\n"
               "Somma: 1.024,99\n2,5% fino al 31/12/2013: 24,9315\n1% dal 01/01/2014: 0,0548\n"},
    CopiedCase{"before_any_calculation", {}, nullptr},
    CopiedCase{"after_a_failed_one", {kWorkedExample, {"abc", "01 / 01 / 2000", "01 / 01 / 2015"}}, nullptr}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct PrintedCase {
    const char* name;
    std::vector<Typing> calculations;
    Typing typedNow;
    const char* capital; // importo as printed
    const char* start;
    const char* label8;
};

class PrintedTest : public ::testing::TestWithParam<PrintedCase> {};

// "Stampa" prints the last calculation that succeeded, whatever has been
// typed since; without one, the texts standing in the window as typed now.
TEST_P(PrintedTest, PrintsTheLastCalculation)
{
    const PrintedCase& c = GetParam();
    MainWindowForm form = FormAfter(c.calculations);
    const PrintedTexts printed = form.Printed({c.typedNow.capital, c.typedNow.start, c.typedNow.end});
    EXPECT_EQ(TextOf(printed.texts, ResultControl::importo), c.capital);
    EXPECT_EQ(printed.startDate, c.start);
    EXPECT_EQ(TextOf(printed.texts, ResultControl::Label8), c.label8);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(MainWindowForm, PrintedTest, ::testing::Values(
    PrintedCase{"retyped_since", {kWorkedExample}, {"5000", "02 / 02 / 2002", ""}, "10.000,00", "01 / 01 / 2000",
                "anni  15"},
    PrintedCase{"before_any_calculation", {}, {"5000", "02 / 02 / 2002", ""}, "5000", "02 / 02 / 2002", "Anni ?"},
    PrintedCase{"after_a_failed_one", {kWorkedExample, {"abc", "01 / 01 / 2000", "01 / 01 / 2015"}},
                {" ", "01 / 01 / 2000", "01 / 01 / 2015"}, " ", "01 / 01 / 2000", "Anni ?"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

} // namespace
} // namespace tarvel
