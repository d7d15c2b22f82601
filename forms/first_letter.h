#pragma once

#include <string>

namespace tarvel {

// A text with its first letter in capitals, or in small letters, as it begins
// or goes on a sentence: "Tassi legali in vigore" after "Ai " is "tassi legali
// in vigore". The texts turned are the program's own, which begin in ASCII;
// any other first character stays.
std::string CapitalisedFirst(std::string text);
std::string UncapitalisedFirst(std::string text);

} // namespace tarvel
