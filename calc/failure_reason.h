#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// Why a calculation of these arguments failed, one line per argument at fault
// ("DAL: data non valida: \"01/01/20000\""), or what was wrong with the span
// when every argument reads well.
std::vector<std::string> FailureReasons(std::string_view capital, std::string_view start, std::string_view end);

} // namespace tarvel
