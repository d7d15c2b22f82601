#pragma once

#include <string>

namespace tarvel {

enum class FolderUse { Open, Save };

// Whether a file dialog may be opened in `folder` to open a file there, or to
// save one: an existing folder the program may read (and for Save, write
// into), on a file system that holds files (not /proc, /sys and the like,
// whose listing a dialog may never end).
bool IsOrdinaryFolder(const std::string& folder, FolderUse use);

} // namespace tarvel
