// The table of the rates in force, and the one calculation over any table.
#include "calc/calculate_interest.h"
#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "calc/rates_in_force.h"
#include "tests/calc/day.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

using namespace tarvel;

namespace {

// Caption -> interest text of every line that takes part.
std::map<std::string, std::string> periodAmounts(const CalculationResult& result, std::span<const RatePeriod> table)
{
    std::map<std::string, std::string> amounts;
    for (std::size_t i = 0; i < result.lineCount; ++i)
        if (result.lines[i].applies)
            amounts[std::string(table[i].caption)] = CurrencyText(result.lines[i].interest);
    return amounts;
}

struct InForceExample {
    const char* name;
    CalculationInput input;
    const char* shown;               // SeeInteressi
    const char* capitalPlusInterest; // Label6
    const char* years;               // Label8
    const char* days;                // Label23
    std::map<std::string, std::string> periods;
};

void PrintTo(const InForceExample& example, std::ostream* out) { *out << example.name; }

class WithTheRatesInForce : public testing::TestWithParam<InForceExample> {};

TEST_P(WithTheRatesInForce, ChargesEachYearItsRate)
{
    const InForceExample& example = GetParam();
    const auto table = RatesInForce().periods();
    const CalculationResult result = CalculateInterest(example.input, table);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.lineCount, table.size());
    EXPECT_EQ(result.written[ResultControl::SeeInteressi].view(), example.shown);
    EXPECT_EQ(result.written[ResultControl::Label6].view(), example.capitalPlusInterest);
    EXPECT_EQ(result.written[ResultControl::Label8].view(), example.years);
    EXPECT_EQ(result.written[ResultControl::Label23].view(), example.days);
    EXPECT_EQ(periodAmounts(result, table), example.periods);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, WithTheRatesInForce,
                         testing::Values(InForceExample{"OneYearAtFivePercent",
                                                        {"10000", "01/01/2023", "31/12/2023"},
                                                        "498,63",
                                                        "10.498,63",
                                                        "anni  0",
                                                        " giorni  364",
                                                        {{"5% dal 01/01/2023", "498,6301"}}},
                                         InForceExample{"ElevenYearsOfDecrees",
                                                        {"10000", "01/01/2015", "01/01/2026"},
                                                        "1.272,05",
                                                        "11.272,05",
                                                        "anni  11",
                                                        " giorni  3",
                                                        {{"0,5% dal 01/01/2015", "49,863"},
                                                         {"0,2% dal 01/01/2016", "20,0548"},
                                                         {"0,1% dal 01/01/2017", "10"},
                                                         {"0,3% dal 01/01/2018", "30"},
                                                         {"0,8% dal 01/01/2019", "80"},
                                                         {"0,05% dal 01/01/2020", "5,0137"},
                                                         {"0,01% dal 01/01/2021", "1"},
                                                         {"1,25% dal 01/01/2022", "125"},
                                                         {"5% dal 01/01/2023", "500"},
                                                         {"2,5% dal 01/01/2024", "250,6849"},
                                                         {"2% dal 01/01/2025", "200"},
                                                         {"1,6% dal 01/01/2026", "0,4384"}}},
                                         InForceExample{
                                             "HundredthsOfAPercent",
                                             {"1000", "31/12/2019", "31/12/2021"},
                                             ",60",
                                             "1.000,60",
                                             "anni  2",
                                             " giorni  1",
                                             {{"0,05% dal 01/01/2020", "0,5014"}, {"0,01% dal 01/01/2021", "0,1"}}},
                                         // The program's own table charges the last day at 1 % and gives 3.652,47.
                                         InForceExample{"LastDayAtTheRateOf2015",
                                                        {"10000", "01/01/2000", "01/01/2015"},
                                                        "3.652,33",
                                                        "13.652,33",
                                                        "anni  15",
                                                        " giorni  4",
                                                        {{"2,5% dal 01/01/1999", "250"},
                                                         {"3,5% dal 01/01/2001", "350"},
                                                         {"3% dal 01/01/2002", "600"},
                                                         {"2,5% dal 01/01/2004", "1000,6849"},
                                                         {"3% dal 01/01/2008", "600,8219"},
                                                         {"1% dal 01/01/2010", "100"},
                                                         {"1,5% dal 01/01/2011", "150"},
                                                         {"2,5% dal 01/01/2012", "500,6849"},
                                                         {"1% dal 01/01/2014", "100"},
                                                         {"0,5% dal 01/01/2015", "0,137"}}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Up to 2014 the two tables differ only in how far the row of 2014 runs, and
// in the captions: any span that ends by then costs the same with both.
TEST(RatesInForce, GiveTheProgramsTotalsForEverySpanThatEndsBy2014)
{
    const Date first = Day("01/01/1930");
    const Date last = Day("31/12/2014");
    std::vector<Date> boundaries;
    for (const RatePeriod& period : LegalRateSchedule())
        boundaries.push_back(period.toDate);
    std::mt19937_64 random(20261215);
    // A third of the days fall on or next to a row boundary.
    const auto pick = [&](Date from) {
        if (random() % 3 == 0) {
            const Date near = boundaries[random() % boundaries.size()].plusDays(int(random() % 3) - 1);
            if (near >= from && near <= last)
                return near;
        }
        return from.plusDays(static_cast<std::int32_t>(random() % static_cast<std::uint64_t>(last - from + 1)));
    };
    for (int run = 0; run < 20000; ++run) {
        const Date start = pick(first);
        const Date end = pick(start);
        const std::string capital = std::to_string(random() % 10000000) + "," + std::to_string(random() % 100);
        const CalculationInput input{capital, DateText(start), DateText(end)};
        const CalculationResult own = CalculateInterest(input);
        const CalculationResult inForce = CalculateInterest(input, RatesInForce().periods());
        ASSERT_EQ(inForce.ok, own.ok) << capital << " " << input.startText << " - " << input.endText;
        ASSERT_EQ(inForce.runningTotal, own.runningTotal)
            << capital << " " << input.startText << " - " << input.endText;
        ASSERT_EQ(inForce.written[ResultControl::Text1].view(), own.written[ResultControl::Text1].view())
            << input.startText << " - " << input.endText;
        ASSERT_EQ(inForce.totalDays, own.totalDays);
    }
}

// Only its days are charged, and a span wholly before or after it gets a
// negative count, as in a first and a last row.
TEST(RateTable, ALoneRowTakesPartInEverySpan)
{
    const RateTable table("una riga", {{Day("01/01/2000"), 1000, ""}});
    EXPECT_EQ(table.periods()[0].caption, "10% dal 01/01/2000");
    const std::pair<CalculationInput, int> spans[] = {{{"1000", "01/01/1999", "01/01/2001"}, 367},
                                                      {{"1000", "01/01/1990", "01/01/1999"}, -364},
                                                      {{"1000", "01/01/2200", "01/01/2201"}, -1}};
    for (const auto& [input, days] : spans) {
        const CalculationResult result = CalculateInterest(input, table.periods());
        EXPECT_TRUE(result.lines[0].applies && result.lines[0].days == days) << input.startText;
    }
}

TEST(Date, ComesBackFromItsDayMonthAndYear)
{
    for (Date d = Day("01/01/1600"); d <= Day("31/12/2400"); d = d.plusDays(1)) {
        const Date::Civil civil = d.civil();
        ASSERT_EQ(Date::fromCivil(civil.year, civil.month, civil.day), d) << d.serial();
    }
    EXPECT_EQ(DateText(Day("1/2/2003")), "01/02/2003");
}

} // namespace
