#pragma once

namespace tarvel {

// Replaces this process with the printing program, tarvel-calc-print, given
// the same arguments: it lies next to this program in the build tree and in
// libexec once installed. Returns only when it cannot be run, with a message
// on standard error, and then gives the exit code of a print that failed.
int ExecPrintProgram(char** argv);

} // namespace tarvel
