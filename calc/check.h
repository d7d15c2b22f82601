#pragma once

namespace tarvel {

// Stops the program with `what` on standard error when `condition` fails, in
// every build: a write past a fixed buffer must never go on silently.
[[noreturn]] void CheckFailed(const char* what);

inline void Check(bool condition, const char* what)
{
    if (!condition) [[unlikely]]
        CheckFailed(what);
}

} // namespace tarvel
