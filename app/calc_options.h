#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarvel {

struct CalcOptions {
    bool help = false;
    std::string capital;
    std::string startDate;
    std::string endDate;
};

extern const char* const kCalcUsage;

// Nothing when the arguments do not make a valid call. Arguments that begin
// with "--" are options, so a negative capital such as -1000 stays a capital.
std::optional<CalcOptions> ParseCalcOptions(const std::vector<std::string>& arguments);

} // namespace tarvel
