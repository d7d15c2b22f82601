#include "calc/reference_rates.h"

namespace tarvel {
namespace {

RateChange change(int d, int m, int y, int rateHundredths, std::string act)
{
    return {*Date::fromCivil(y, m, d), rateHundredths, std::move(act)};
}

// The communication of a half-year whose publication is not listed.
std::string communication(int half, int year)
{
    return "Comunicato MEF, " + std::to_string(half) + "° semestre " + std::to_string(year);
}

} // namespace

const RateTable& ReferenceRates()
{
    // One half-year a line, as the communications are listed.
    // clang-format off
    static const RateTable table("Tassi di riferimento in vigore (D.Lgs. 231/2002)", {
        change(1, 1, 2013, 75, "G.U. n. 14 del 17/01/2013"),
        change(1, 7, 2013, 50, communication(2, 2013)),
        change(1, 1, 2014, 25, communication(1, 2014)),
        change(1, 7, 2014, 15, "G.U. n. 167 del 21/07/2014"),
        change(1, 1, 2015, 5, communication(1, 2015)),
        change(1, 7, 2015, 5, "G.U. n. 168 del 22/07/2015"),
        change(1, 1, 2016, 5, "G.U. n. 19 del 25/01/2016"),
        change(1, 7, 2016, 0, communication(2, 2016)),
        change(1, 1, 2017, 0, "G.U. n. 18 del 23/01/2017"),
        change(1, 7, 2017, 0, communication(2, 2017)),
        change(1, 1, 2018, 0, communication(1, 2018)),
        change(1, 7, 2018, 0, "G.U. n. 158 del 10/07/2018"),
        change(1, 1, 2019, 0, communication(1, 2019)),
        change(1, 7, 2019, 0, communication(2, 2019)),
        change(1, 1, 2020, 0, communication(1, 2020)),
        change(1, 7, 2020, 0, "G.U. n. 191 del 31/07/2020"),
        change(1, 1, 2021, 0, "G.U. n. 29 del 04/02/2021"),
        change(1, 7, 2021, 0, "G.U. n. 166 del 13/07/2021"),
        change(1, 1, 2022, 0, "G.U. n. 20 del 26/01/2022"),
        change(1, 7, 2022, 0, "G.U. n. 197 del 24/08/2022"),
        change(1, 1, 2023, 250, "G.U. n. 14 del 18/01/2023"),
        change(1, 7, 2023, 400, "G.U. n. 165 del 17/07/2023"),
        change(1, 1, 2024, 450, "G.U. n. 12 del 16/01/2024"),
        change(1, 7, 2024, 425, "G.U. n. 176 del 29/07/2024"),
        change(1, 1, 2025, 315, "G.U. n. 63 del 17/03/2025"),
        change(1, 7, 2025, 215, "G.U. n. 161 del 2025"),
        change(1, 1, 2026, 215, "G.U. n. 15 del 20/01/2026"),
    }, RateKind::Reference);
    // clang-format on
    return table;
}

} // namespace tarvel
