#include "runtime/form_runtime.h"

#include "runtime/console_runtime.h"

#include <iostream>

namespace tarvel {
namespace {

// Until a desktop runtime is installed, messages go to standard error.
ConsoleRuntime consoleRuntime(std::cerr);
FormRuntime* current = &consoleRuntime;

} // namespace

FormRuntime& Runtime() { return *current; }

void SetRuntime(FormRuntime* runtime) { current = runtime ? runtime : &consoleRuntime; }

} // namespace tarvel
