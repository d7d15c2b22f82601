#pragma once

#include <string>
#include <string_view>

namespace tarvel {

// Writes `bytes` as the whole content of the file at `path` (bytes as given,
// no recoding of the name), or raises PrintError with the system's reason.
//
// A regular file, or a name not yet taken, is written to a new file in the
// same folder and renamed into place once every write, the flush to disk and
// the close have succeeded: on any failure that file is removed and what stood
// at `path` keeps its bytes. A symbolic link is followed, so the link stays
// and its target gets the new bytes (a link to nothing is replaced). Anything
// else that exists at `path` (a terminal, /dev/stdout, a pipe, a device) is
// written in place.
void WriteWholeFile(const std::string& path, std::string_view bytes);

} // namespace tarvel
