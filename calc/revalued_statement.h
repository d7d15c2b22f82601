#pragma once

#include "calc/statement.h"

#include <string>

namespace tarvel {

// The statement of a request with a revaluation, as MakeStatement makes it.
StatementOutcome MakeRevaluedStatement(const StatementRequest& request);

} // namespace tarvel
