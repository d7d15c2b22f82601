#include "calc/rates_in_force.h"

namespace tarvel {

const RateTable& RatesInForce()
{
    // One change a line, as the acts are listed.
    // clang-format off
    static const RateTable table("Tassi legali in vigore", {
        BuiltInChange(1942, 4, 22, 500, "codice civile"),
        BuiltInChange(1990, 12, 16, 1000, "L. 353/1990"),
        BuiltInChange(1997, 1, 1, 500, "L. 662/1996"),
        BuiltInChange(1999, 1, 1, 250, "D.M. 10/12/1998"),
        BuiltInChange(2001, 1, 1, 350, "D.M. 11/12/2000"),
        BuiltInChange(2002, 1, 1, 300, "D.M. 11/12/2001"),
        BuiltInChange(2004, 1, 1, 250, "D.M. 01/12/2003"),
        BuiltInChange(2008, 1, 1, 300, "D.M. 12/12/2007"),
        BuiltInChange(2010, 1, 1, 100, "D.M. 04/12/2009"),
        BuiltInChange(2011, 1, 1, 150, "D.M. 07/12/2010"),
        BuiltInChange(2012, 1, 1, 250, "D.M. 12/12/2011"),
        BuiltInChange(2014, 1, 1, 100, "D.M. 12/12/2013"),
        BuiltInChange(2015, 1, 1, 50, "D.M. 11/12/2014"),
        BuiltInChange(2016, 1, 1, 20, "D.M. 11/12/2015"),
        BuiltInChange(2017, 1, 1, 10, "D.M. 07/12/2016"),
        BuiltInChange(2018, 1, 1, 30, "D.M. 13/12/2017"),
        BuiltInChange(2019, 1, 1, 80, "D.M. 12/12/2018"),
        BuiltInChange(2020, 1, 1, 5, "D.M. 12/12/2019"),
        BuiltInChange(2021, 1, 1, 1, "D.M. 11/12/2020"),
        BuiltInChange(2022, 1, 1, 125, "D.M. 13/12/2021"),
        BuiltInChange(2023, 1, 1, 500, "D.M. 13/12/2022"),
        BuiltInChange(2024, 1, 1, 250, "D.M. 29/11/2023"),
        BuiltInChange(2025, 1, 1, 200, "D.M. 10/12/2024"),
        BuiltInChange(2026, 1, 1, 160, "D.M. 10/12/2025"),
    });
    // clang-format on
    return table;
}

} // namespace tarvel
