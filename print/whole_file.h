#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// Writes `bytes` as the whole content of the file at `path` (bytes as given,
// no recoding of the name), or raises PrintError with the system's reason.
//
// "-" is standard output, and so is a path that leads to one of this
// process's descriptors (/dev/stdout, /dev/fd/1, /proc/self/fd/1): the bytes
// are written to that descriptor. Anything else that exists and is not a
// regular file (a pipe, a terminal, /dev/null, a device) is written in place;
// nothing is created or renamed. Every write is checked, and a non-blocking
// descriptor is waited for.
//
// A regular file the user may not write is refused ("Permesso negato") and
// left as it was. A regular file, or a name not yet taken, gets a new file in
// the same folder that has no name until every write and the flush to disk
// have succeeded, and is then renamed into place: a failure, or a signal at
// any moment, leaves what stood at `path` as it was or the whole new file,
// and never a temporary file. A replaced file keeps its permission bits
// (without setuid, setgid or sticky) and, where the system allows it, its
// owner and group.
//
// A symbolic link is resolved to its target, never written over: a link to
// nothing, or one whose target cannot be reached, is refused. As the kernel's
// protected_symlinks would have it on any system, a link in a world-writable
// sticky folder (/tmp) is followed only when it belongs to the user or to the
// folder's owner.
void WriteWholeFile(const std::string& path, std::string_view bytes);

// The descriptor of this process that WriteWholeFile would write `path` to,
// if any: 1 for "-" and /dev/stdout. Nothing when the path names a file, or
// cannot be resolved (WriteWholeFile then says why).
std::optional<int> DescriptorNamedBy(const std::string& path);

} // namespace tarvel
