#include "calc/rate_schedule.h"

namespace tarvel {
namespace {

Date day(int d, int m, int y) { return *Date::fromCivil(y, m, d); }

RatePeriod whole(int index, Date from, Date to, int rate, Participation p, std::string_view caption)
{
    return {index, from, to, static_cast<double>(rate), rate, true, p, caption};
}

RatePeriod fractional(int index, Date from, Date to, double rate, std::string_view caption)
{
    return {index, from, to, rate, 0, false, Participation::Overlap, caption};
}

std::array<RatePeriod, kPeriodCount> makeSchedule()
{
    using enum Participation;
    return {{
        whole(0, day(21, 4, 1942), day(15, 12, 1990), 5, StartOnly, "5,0% fino al 15/12/1990"),
        whole(1, day(15, 12, 1990), day(31, 12, 1996), 10, Overlap, "10%  fino al 31/12/1996"),
        whole(2, day(31, 12, 1996), day(31, 12, 1998), 5, Overlap, "5,0% fino al 31/12/1998"),
        fractional(3, day(31, 12, 1998), day(31, 12, 2000), 2.5, "2,5% fino al 31/12/2000"),
        fractional(4, day(31, 12, 2000), day(31, 12, 2001), 3.5, "3,5% fino al 31/12/2001"),
        whole(5, day(31, 12, 2001), day(31, 12, 2003), 3, Overlap, "3,0% fino al 31/12/2003"),
        fractional(6, day(31, 12, 2003), day(31, 12, 2007), 2.5, "2,5% fino al 31/12/2007"),
        whole(7, day(31, 12, 2007), day(31, 12, 2009), 3, Overlap, "3,0% fino al 31/12/2009"),
        whole(8, day(31, 12, 2009), day(31, 12, 2010), 1, Overlap, "1,0% fino al 31/12/2010"),
        fractional(9, day(31, 12, 2010), day(31, 12, 2011), 1.5, "1,5%  fino al 31/12/2011"),
        fractional(10, day(31, 12, 2011), day(31, 12, 2013), 2.5, "2,5% fino al 31/12/2013"),
        whole(11, day(31, 12, 2013), day(31, 12, 2199), 1, EndOnly, "1%  dal  01/01/2014"),
    }};
}

} // namespace

const std::array<RatePeriod, kPeriodCount>& LegalRateSchedule()
{
    static const auto schedule = makeSchedule();
    return schedule;
}

} // namespace tarvel
