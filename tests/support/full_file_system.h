#pragma once

// A file system too small for a report, for tests of writes that must fail
// cleanly: an 8 KB tmpfs mounted on a new folder, holding one file of 3000
// bytes. Mounting needs root; elsewhere Mounted() is
// false and the test skips what needs it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace tarvel::testing {

inline std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class FullFileSystem {
public:
    FullFileSystem()
    {
        if (geteuid() != 0)
            return;
        char pattern[] = "/tmp/tarvel-full.XXXXXX";
        if (!mkdtemp(pattern))
            return;
        folder_ = pattern;
        if (mount("tarvel-full", pattern, "tmpfs", 0, "size=8k") != 0)
            return;
        mounted_ = true;
        std::ofstream(Existing(), std::ios::binary) << std::string(3000, 'x');
    }
    ~FullFileSystem()
    {
        if (mounted_)
            umount(folder_.c_str());
        std::error_code ignored;
        if (!folder_.empty())
            std::filesystem::remove_all(folder_, ignored);
    }
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    bool Mounted() const { return mounted_; }
    const std::filesystem::path& Folder() const { return folder_; }
    // The file that is there already, 3000 bytes of 'x'.
    std::filesystem::path Existing() const { return folder_ / "prospetto.pdf"; }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

} // namespace tarvel::testing
