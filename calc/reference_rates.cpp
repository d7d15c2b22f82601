#include "calc/reference_rates.h"

namespace tarvel {
namespace {

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
        BuiltInChange(2013, 1, 1, 75, "G.U. n. 14 del 17/01/2013"),
        BuiltInChange(2013, 7, 1, 50, communication(2, 2013)),
        BuiltInChange(2014, 1, 1, 25, communication(1, 2014)),
        BuiltInChange(2014, 7, 1, 15, "G.U. n. 167 del 21/07/2014"),
        BuiltInChange(2015, 1, 1, 5, communication(1, 2015)),
        BuiltInChange(2015, 7, 1, 5, "G.U. n. 168 del 22/07/2015"),
        BuiltInChange(2016, 1, 1, 5, "G.U. n. 19 del 25/01/2016"),
        BuiltInChange(2016, 7, 1, 0, communication(2, 2016)),
        BuiltInChange(2017, 1, 1, 0, "G.U. n. 18 del 23/01/2017"),
        BuiltInChange(2017, 7, 1, 0, communication(2, 2017)),
        BuiltInChange(2018, 1, 1, 0, communication(1, 2018)),
        BuiltInChange(2018, 7, 1, 0, "G.U. n. 158 del 10/07/2018"),
        BuiltInChange(2019, 1, 1, 0, communication(1, 2019)),
        BuiltInChange(2019, 7, 1, 0, communication(2, 2019)),
        BuiltInChange(2020, 1, 1, 0, communication(1, 2020)),
        BuiltInChange(2020, 7, 1, 0, "G.U. n. 191 del 31/07/2020"),
        BuiltInChange(2021, 1, 1, 0, "G.U. n. 29 del 04/02/2021"),
        BuiltInChange(2021, 7, 1, 0, "G.U. n. 166 del 13/07/2021"),
        BuiltInChange(2022, 1, 1, 0, "G.U. n. 20 del 26/01/2022"),
        BuiltInChange(2022, 7, 1, 0, "G.U. n. 197 del 24/08/2022"),
        BuiltInChange(2023, 1, 1, 250, "G.U. n. 14 del 18/01/2023"),
        BuiltInChange(2023, 7, 1, 400, "G.U. n. 165 del 17/07/2023"),
        BuiltInChange(2024, 1, 1, 450, "G.U. n. 12 del 16/01/2024"),
        BuiltInChange(2024, 7, 1, 425, "G.U. n. 176 del 29/07/2024"),
        BuiltInChange(2025, 1, 1, 315, "G.U. n. 63 del 17/03/2025"),
        BuiltInChange(2025, 7, 1, 215, "G.U. n. 161 del 2025"),
        BuiltInChange(2026, 1, 1, 215, "G.U. n. 15 del 20/01/2026"),
    }, RateKind::Reference);
    // clang-format on
    return table;
}

} // namespace tarvel
