// Which rate periods take part in a span, and with how many days.
#include "calc/date_text.h"
#include "calc/number_texts.h"
#include "calc/rate_schedule.h"
#include "tests/calc/day.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

using namespace tarvel;

namespace {

// Row index -> day count, for the rows that take part.
std::map<int, int> periodDays(Date start, Date end)
{
    std::map<int, int> days;
    for (const RatePeriod& period : LegalRateSchedule())
        if (periodApplies(period, start, end)) {
            const ClippedSpan span = clipToPeriod(period, start, end);
            days[period.index] = span.end - span.start;
        }
    return days;
}

struct Span {
    const char* start;
    const char* end;
    std::map<int, int> days;
};

void PrintTo(const Span& span, std::ostream* out) { *out << span.start << " - " << span.end; }

class RatePeriods : public testing::TestWithParam<Span> {};

TEST_P(RatePeriods, TakePartWithTheirDays)
{
    const Span& span = GetParam();
    EXPECT_EQ(periodDays(Day(span.start), Day(span.end)), span.days) << span.start << " - " << span.end;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, RatePeriods,
    testing::Values(Span{"15/12/1990", "01/01/1991", {{0, 0}, {1, 17}}}, // the first row keeps a zero line
                    Span{"31/12/1996", "01/01/1998", {{2, 366}}},        // a later boundary: its row is out
                    Span{"01/01/1996", "31/12/1996", {{1, 365}}},        // ending on a boundary
                    Span{"31/12/1996", "31/12/1996", {}}, Span{"15/12/1990", "15/12/1990", {{0, 0}}},
                    Span{"01/06/2005", "01/06/2005", {{6, 0}}}, Span{"31/12/2013", "01/01/2014", {{11, 1}}}));

INSTANTIATE_TEST_SUITE_P(OutsideTheSchedule, RatePeriods,
                         testing::Values(Span{"01/01/1942", "01/01/1943", {{0, 255}}},
                                         Span{"01/01/1930", "01/01/1940", {{0, -841}}},
                                         Span{"01/01/1930", "21/04/1942", {{0, 0}}},
                                         Span{"01/01/2199", "01/01/2201", {{11, 364}}},
                                         Span{"01/01/2200", "01/01/2201", {{11, -1}}}));

INSTANTIATE_TEST_SUITE_P(EndBeforeStart, RatePeriods,
                         testing::Values(Span{"01/01/1980", "01/01/1970", {{0, -3652}}},
                                         Span{"01/01/2020", "01/01/2016", {{11, -1461}}},
                                         Span{"01/01/2005", "01/06/2004", {{6, -214}}},
                                         Span{"01/01/2005", "01/01/2000", {}},
                                         Span{"15/12/1990", "14/12/1990", {{0, -1}}}));

TEST(RateSchedule, RowsFollowEachOtherWithoutGaps)
{
    const auto& rows = LegalRateSchedule();
    EXPECT_EQ(rows.front().fromDate, Day("21/04/1942"));
    EXPECT_EQ(rows.back().toDate, Day("31/12/2199"));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].index, static_cast<int>(i));
        EXPECT_LT(rows[i].fromDate, rows[i].toDate);
        if (i > 0) {
            EXPECT_EQ(rows[i].fromDate, rows[i - 1].toDate);
        }
        EXPECT_EQ(rows[i].wholeRate, rows[i].ratePercent == rows[i].wholeRatePercent) << i;
    }
}

// Every day of the schedule, so that spans can be drawn by index.
std::vector<Date> scheduleDays()
{
    std::vector<Date> days;
    for (int y = 1942; y <= 2199; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d)
                if (const auto date = Date::fromCivil(y, m, d); date && *date >= Day("21/04/1942"))
                    days.push_back(*date);
    return days;
}

TEST(RateSchedule, DayCountsOfAnySpanAddUpToTheSpan)
{
    const std::vector<Date> days = scheduleDays();
    ASSERT_EQ(days.back() - days.front(), static_cast<int>(days.size()) - 1);
    std::vector<std::size_t> boundaries;
    for (const RatePeriod& period : LegalRateSchedule())
        boundaries.push_back(static_cast<std::size_t>(period.toDate - days.front()));

    std::mt19937_64 random(20240521);
    for (int run = 0; run < 50000; ++run) {
        // A third of the ends fall on or next to a row boundary.
        const auto pick = [&](std::size_t from, std::size_t to) {
            if (random() % 3 == 0) {
                const std::size_t near = boundaries[random() % boundaries.size()] + random() % 3 - 1;
                if (near >= from && near <= to)
                    return near;
            }
            return from + random() % (to - from + 1);
        };
        const std::size_t first = pick(0, days.size() - 1);
        const std::size_t last = pick(first, std::min(days.size() - 1, first + 32767));
        const Date start = days[first], end = days[last];

        int sum = 0;
        for (const auto& [index, count] : periodDays(start, end)) {
            EXPECT_GE(count, 0) << index;
            sum += count;
        }
        ASSERT_EQ(sum, end - start) << "run " << run;
    }
}

} // namespace
