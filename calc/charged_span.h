#pragma once

#include "calc/currency.h"
#include "calc/date.h"
#include "calc/rate_schedule.h"
#include "calc/statement_line.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace tarvel {

// The interest of `capital` over the days after `start` up to and including
// `end` at the rows of `periods` (in order of their days when `ordered`, as a
// table's are), and into `rows`, when given, a span row for each period with
// days charged, at the rate `rateOf` gives for its place in `periods`. The
// exact interest, or nothing past the calculation's limits. A caller that
// charges ordered spans one after the other keeps `cursor` for them, from 0:
// the first period that may reach the next span.
std::optional<Currency> ChargeSpan(std::span<const RatePeriod> periods, bool ordered, Currency capital, Date start,
                                   Date end, const std::function<ChargedRate(std::size_t)>& rateOf,
                                   std::vector<StatementLine>* rows, std::size_t* cursor = nullptr);

} // namespace tarvel
