#pragma once

#include "calc/rate_table.h"

namespace tarvel {

// The reference rate of late payment in commercial transactions (D.Lgs.
// 231/2002 as amended by D.Lgs. 192/2012), each half-year from 01/01/2013 on,
// as the Ministry of Economy publishes it in the Gazzetta Ufficiale: late
// payment charges it plus a margin of points. A new row comes every half-year;
// one that could not be confirmed from two sources is left to a table file.
const RateTable& ReferenceRates();

} // namespace tarvel
