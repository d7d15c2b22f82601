#include "calc/rates_in_force.h"

namespace tarvel {
namespace {

RateChange change(int d, int m, int y, int rateHundredths, const char* act)
{
    return {*Date::fromCivil(y, m, d), rateHundredths, act};
}

} // namespace

const RateTable& RatesInForce()
{
    // One change a line, as the acts are listed.
    // clang-format off
    static const RateTable table("Tassi legali in vigore", {
        change(22, 4, 1942, 500, "codice civile"),
        change(16, 12, 1990, 1000, "L. 353/1990"),
        change(1, 1, 1997, 500, "L. 662/1996"),
        change(1, 1, 1999, 250, "D.M. 10/12/1998"),
        change(1, 1, 2001, 350, "D.M. 11/12/2000"),
        change(1, 1, 2002, 300, "D.M. 11/12/2001"),
        change(1, 1, 2004, 250, "D.M. 01/12/2003"),
        change(1, 1, 2008, 300, "D.M. 12/12/2007"),
        change(1, 1, 2010, 100, "D.M. 04/12/2009"),
        change(1, 1, 2011, 150, "D.M. 07/12/2010"),
        change(1, 1, 2012, 250, "D.M. 12/12/2011"),
        change(1, 1, 2014, 100, "D.M. 12/12/2013"),
        change(1, 1, 2015, 50, "D.M. 11/12/2014"),
        change(1, 1, 2016, 20, "D.M. 11/12/2015"),
        change(1, 1, 2017, 10, "D.M. 07/12/2016"),
        change(1, 1, 2018, 30, "D.M. 13/12/2017"),
        change(1, 1, 2019, 80, "D.M. 12/12/2018"),
        change(1, 1, 2020, 5, "D.M. 12/12/2019"),
        change(1, 1, 2021, 1, "D.M. 11/12/2020"),
        change(1, 1, 2022, 125, "D.M. 13/12/2021"),
        change(1, 1, 2023, 500, "D.M. 13/12/2022"),
        change(1, 1, 2024, 250, "D.M. 29/11/2023"),
        change(1, 1, 2025, 200, "D.M. 10/12/2024"),
        change(1, 1, 2026, 160, "D.M. 10/12/2025"),
    });
    // clang-format on
    return table;
}

} // namespace tarvel
