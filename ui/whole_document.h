#pragma once

#include "print/easy_print.h"

#include <functional>

namespace tarvel {

// Runs `print`, which prints one document with `engine`. A document stopped
// half-way is dropped, so that the next one does not go on from its page; a
// failure to drop it changes nothing for the caller, who gets the first error.
void PrintWholeDocument(EasyPrint& engine, const std::function<void()>& print);

} // namespace tarvel
