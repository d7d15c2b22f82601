// Whole calculations, checked against the texts the main window must show.
#include "calc/calculate_interest.h"
#include "calc/control_texts.h"
#include "calc/rate_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

using namespace tarvel;
using enum tarvel::ResultControl;

namespace {

constexpr const char* kAny = "<any text>"; // written, whatever it says
// nullptr in a table: the run never wrote that control.

struct Example {
    const char* name;
    CalculationInput input;
    bool ok;
    std::array<const char*, kPeriodCount> txtAnno;
    std::array<const char*, 7> rest; // kRestControls
};

constexpr std::array<ResultControl, 7> kRestControls{importo, importobis, Text1, SeeInteressi, Label6, Label8, Label23};

constexpr std::array<const char*, kPeriodCount> kNoLines{"", "", "", "", "", "", "", "", "", "", "", ""};
constexpr std::array<const char*, kPeriodCount> kAnyLines{kAny, kAny, kAny, kAny, kAny, kAny,
                                                          kAny, kAny, kAny, kAny, kAny, kAny};

std::array<const char*, kPeriodCount> lines(std::initializer_list<std::pair<int, const char*>> shown)
{
    auto result = kNoLines;
    for (const auto& [index, text] : shown)
        result[static_cast<std::size_t>(index)] = text;
    return result;
}

// A run that succeeds, having charged the periods of `shown`.
Example succeeds(const char* name, CalculationInput input, std::initializer_list<std::pair<int, const char*>> shown,
                 std::array<const char*, 7> rest)
{
    return {name, std::move(input), true, lines(shown), rest};
}

// The texts of `rest` that a run wrote before it stopped: the others it
// never wrote.
std::array<const char*, 7> stoppedAfter(std::initializer_list<const char*> written)
{
    std::array<const char*, 7> rest{};
    std::copy(written.begin(), written.end(), rest.begin());
    return rest;
}

// A run that stops before any period, having written `written`.
Example stops(const char* name, CalculationInput input, std::initializer_list<const char*> written)
{
    return {name, std::move(input), false, kNoLines, stoppedAfter(written)};
}

void expectText(const std::optional<std::string>& actual, const char* expected, const std::string& control)
{
    if (expected == nullptr) {
        EXPECT_FALSE(actual.has_value()) << control << " holds \"" << *actual << "\"";
    } else if (!actual) {
        ADD_FAILURE() << control << " was not written";
    } else if (std::string(expected) != kAny) {
        EXPECT_EQ(*actual, expected) << control;
    }
}

void PrintTo(const Example& example, std::ostream* out) { *out << example.name; }

const Example kSuccesses[] = {
    {"TenThousandOverFifteenYears",
     {"10000", "01 / 01 / 2000", "01 / 01 / 2015"},
     true,
     {"", "", "", "250", "350", "600", "1000,6849", "600,8219", "100", "150", "500,6849", "100,274"},
     {"10.000,00", "13652,4657", "3652,4657", "3.652,47", "13.652,47", "anni  15", " giorni  4"}},
    succeeds("AcrossTheFirstRateChange", {"1000", "01/01/1990", "01/01/1991"}, {{0, "47,6712"}, {1, "4,6575"}},
             {"1.000,00", "1052,3287", "52,3287", "52,33", "1.052,33", "anni  1", " giorni  0"}),
    succeeds("CapitalRoundedToHundredthsFirst", {"1000,556", "01/01/1990", "01/01/1991"},
             {{0, "47,6979"}, {1, "4,6601"}},
             {"1.000,56", "1052,918", "52,358", "52,36", "1.052,92", "anni  1", " giorni  0"}),
    succeeds("LeapYearsAreNotSpecial", {"10000", "01/01/2000", "01/01/2004"},
             {{3, "250"}, {4, "350"}, {5, "600"}, {6, "0,6849"}},
             {"10.000,00", "11200,6849", "1200,6849", "1.200,68", "11.200,68", "anni  4", " giorni  1"}),
    succeeds("StartBeforeTheFirstPeriod", {"1000", "01/01/1942", "01/01/1943"}, {{0, "34,9315"}},
             {"1.000,00", "1034,9315", "34,9315", "34,93", "1.034,93", "anni  1", " giorni  0"}),
    succeeds("WholeSpanBeforeTheFirstPeriod", {"1000", "01/01/1930", "01/01/1940"}, {{0, "-115,2055"}},
             {"1.000,00", "0", "", "", ",00", "anni  10", " giorni  2"}),
    succeeds("NegativeCapital", {"-1000", "01/01/2000", "01/01/2001"}, {{3, "-25"}, {4, "-0,0959"}},
             {"-1.000,00", "0", "", "", ",00", "anni  1", " giorni  1"}),
    succeeds("StartEqualsEndInsideAPeriod", {"10000", "01/06/2005", "01/06/2005"}, {{6, "0"}},
             {"10.000,00", "10000", "0", ",00", "10.000,00", "anni  0", " giorni  0"}),
    {"LongestSpan",
     {"1000", "01/01/1950", "18/09/2039"},
     true,
     kAnyLines,
     {"1.000,00", kAny, kAny, kAny, kAny, "anni  89", " giorni  282"}},
};

// The texts as they stand while the warning is open.
const Example kFailures[] = {
    {"EndBeforeStart",
     {"10000", "01 / 01 / 2015", "01 / 01 / 2000"},
     false,
     kNoLines,
     {"10.000,00", "10000", "0", ",00", "10.000,00", "anni  -16", " giorni  361"}},
    {"OneDayTooLong",
     {"1000", "01/01/1950", "19/09/2039"},
     false,
     kAnyLines,
     stoppedAfter({"1.000,00", kAny, kAny, kAny})},
    stops("CapitalLetters", {"abc", "01/01/2000", "01/01/2015"}, {"abc"}),
    stops("CapitalEmpty", {"", "01/01/2000", "01/01/2015"}, {""}),
    stops("CapitalOneSpace", {" ", "01/01/2000", "01/01/2015"}, {" "}),
    stops("CapitalWithAPointForDecimals", {"1234.56", "01/01/2000", "01/01/2015"}, {"1234.56"}),
    stops("EndMaskNotFilled", {"10000", "01 / 01 / 2000", "__ / __ / ____"}, {"10.000,00", "10000"}),
    stops("StartNotADay", {"10000", "29/02/2001", "01/01/2015"}, {"10.000,00", "10000"}),
    stops("CapitalTimesRateOutOfRange", {"922337203685477", "01/01/1995", "01/01/1996"},
          {"922.337.203.685.477,00", "922337203685477"}),
    stops("RunningTotalOutOfRange", {"922337203685477", "01/01/2015", "02/01/2015"},
          {"922.337.203.685.477,00", "922337203685477"}),
    // 365 times -90 years does not fit 16 bits: -32,486 days fail in the period line...
    stops("PeriodCountBelowSixteenBitYears", {"1000", "21/04/1942", "11/05/1853"}, {"1.000,00", "1000"}),
    // ...while -32,485 days are exactly -89 years, and only the end before the start fails.
    {"PeriodCountAtSixteenBitYears",
     {"1000", "21/04/1942", "12/05/1853"},
     false,
     lines({{0, "-4450"}}),
     {"1.000,00", "0", "", "", ",00", "anni  -89", " giorni  0"}},
};

class WorkedExample : public testing::TestWithParam<Example> {};
class FailedExample : public WorkedExample {};

TEST_P(WorkedExample, LeavesTheTextsOfEveryControl)
{
    const Example& example = GetParam();
    const CalculationResult result = CalculateInterest(example.input);
    EXPECT_EQ(result.ok, example.ok);
    const ControlTexts written = result.written.ToControlTexts();
    const auto expect = [&written](ResultControl control, const char* expected) {
        expectText(written[control], expected, std::string(ControlName(control)));
    };
    for (std::size_t i = 0; i < kPeriodCount; ++i)
        expect(PeriodControl(i), example.txtAnno[i]);
    for (std::size_t i = 0; i < kRestControls.size(); ++i)
        expect(kRestControls[i], example.rest[i]);
}

// After the warning: the reset texts, with importobis and Text1 as far as the
// run got, or as the fresh window had them when the run never reached them.
TEST_P(FailedExample, ErrorPathResetsTheResults)
{
    const Example& example = GetParam();
    const CalculationResult result = CalculateInterest(example.input);
    const ControlTexts written = result.written.ToControlTexts();
    const ControlTexts window = WindowTextsAfter(example.input, result);

    EXPECT_EQ(window[importo], " ");
    for (std::size_t i = 0; i < kPeriodCount; ++i)
        EXPECT_EQ(window[PeriodControl(i)], "");
    EXPECT_EQ(window[SeeInteressi], " ");
    EXPECT_EQ(window[Label6], " ");
    EXPECT_EQ(window[Label8], "Anni ?");
    EXPECT_EQ(window[Label23], "Giorni ?");
    EXPECT_EQ(window[importobis], example.rest[1] ? written[importobis] : "importobis");
    EXPECT_EQ(window[Text1], example.rest[2] ? written[Text1] : "Text1");
}

const auto kName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Succeeds, WorkedExample, testing::ValuesIn(kSuccesses), kName);
INSTANTIATE_TEST_SUITE_P(Fails, WorkedExample, testing::ValuesIn(kFailures), kName);
INSTANTIATE_TEST_SUITE_P(Fails, FailedExample, testing::ValuesIn(kFailures), kName);

TEST(Calculation, CountsTheDaysOfEachPeriodAndTheWholeSpan)
{
    const auto result = CalculateInterest({"10000", "01/01/2000", "01/01/2015"});
    const std::array<int, kPeriodCount> days{0, 0, 0, 365, 365, 730, 1461, 731, 365, 365, 731, 366};
    for (std::size_t i = 0; i < kPeriodCount; ++i) {
        EXPECT_EQ(result.lines[i].applies, i >= 3) << i;
        EXPECT_EQ(result.lines[i].days, days[i]) << i;
    }
    EXPECT_EQ(result.totalDays, 5479);
    EXPECT_EQ(result.years, 15);
    EXPECT_EQ(result.remainingDays, 4);
}

TEST(Calculation, UsesTheCapitalToTheNearestHundredth)
{
    const auto typed = CalculateInterest({"1000,556", "01/01/1990", "01/01/1991"});
    const auto rounded = CalculateInterest({"1000,56", "01/01/1990", "01/01/1991"});
    EXPECT_EQ(typed.capital, Currency::fromTicks(10005600));
    EXPECT_EQ(typed.runningTotal, rounded.runningTotal);
}

} // namespace
