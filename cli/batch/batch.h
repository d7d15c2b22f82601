#pragma once

#include <string>

namespace tarvel {

// tarvel-calc --csv: one calculation for each row capitale;dal;al of the CSV
// file `file` (empty or "-": standard input), each answered on standard output
// as soon as it is read. Returns the exit code: 0 when every row was
// calculated, 1 when some row was not, 2 when the input cannot be read or the
// output cannot be written.
int RunBatch(const std::string& file);

} // namespace tarvel
