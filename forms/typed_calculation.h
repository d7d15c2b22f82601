#pragma once

#include <string>

namespace tarvel {

// A calculation as typed into a window: the capital and the two dates.
struct TypedCalculation {
    std::string capital; // "25000", "3500,50"
    std::string start;   // "15 / 06 / 2018"
    std::string end;
};

} // namespace tarvel
