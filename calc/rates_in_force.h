#pragma once

#include "calc/rate_table.h"

namespace tarvel {

// The legal rate as the law has set it, every change from the civil code of
// 1942 to the decree for 2026. The window keeps the program's own table,
// whose last period charges 1 % from 2014 on; this one is for the calculator
// for scripts and its report. A new row comes every December.
const RateTable& RatesInForce();

} // namespace tarvel
