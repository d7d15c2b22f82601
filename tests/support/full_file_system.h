#pragma once

// A file system too small for a report, for tests of writes that must fail
// cleanly: an 8 KB tmpfs mounted on a new folder, holding one file of 3000
// bytes. Mounting needs root; elsewhere Mounted() is
// false and the test skips what needs it.

#include "tests/support/scratch_folder.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace tarvel::testing {

class FullFileSystem {
public:
    FullFileSystem()
    {
        if (geteuid() != 0 || Folder().empty() || mount("tarvel-full", Folder().c_str(), "tmpfs", 0, "size=8k") != 0)
            return;
        mounted_ = true;
        std::ofstream(Existing(), std::ios::binary) << std::string(3000, 'x');
    }
    ~FullFileSystem() // before the folder goes
    {
        if (mounted_)
            umount(Folder().c_str());
    }
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    bool Mounted() const { return mounted_; }
    const std::filesystem::path& Folder() const { return folder_.Path(); }
    // The file that is there already, 3000 bytes of 'x'.
    std::filesystem::path Existing() const { return Folder() / "prospetto.pdf"; }

private:
    ScratchFolder folder_{"tarvel-full"};
    bool mounted_ = false;
};

} // namespace tarvel::testing
