#pragma once

#include "calc/statement.h"

#include <string>

namespace tarvel {

// The statement of a request with a revaluation, as MakeStatement makes it.
StatementOutcome MakeRevaluedStatement(const StatementRequest& request);

// StatementText of a statement with a revaluation.
std::string RevaluedStatementText(const Statement& statement);

} // namespace tarvel
