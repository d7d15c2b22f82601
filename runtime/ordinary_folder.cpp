#include "runtime/ordinary_folder.h"

#include <algorithm>
#include <array>

#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace tarvel {
namespace {

// The file systems of the kernel's own state (their magic numbers, as statfs
// names them): proc, sysfs, devpts, debugfs, tracefs, securityfs, cgroup,
// cgroup2, pstore, bpf, configfs, fusectl, binfmt_misc, mqueue.
constexpr std::array<long, 14> kPseudoFileSystems = {
    0x9fa0,     0x62656572, 0x1cd1,     0x64626720, 0x74726163, 0x73636673, 0x27e0eb,
    0x63677270, 0x6165676c, 0xcafe4a11, 0x62656570, 0x65735543, 0x42494e4d, 0x19800202,
};

} // namespace

bool IsOrdinaryFolder(const std::string& folder, FolderUse use)
{
    struct stat status {};
    if (folder.empty() || ::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        return false;
    if (::access(folder.c_str(), (use == FolderUse::Save ? W_OK : R_OK) | X_OK) != 0)
        return false;
    struct statfs system {};
    if (::statfs(folder.c_str(), &system) != 0)
        return false;
    const long type = static_cast<long>(system.f_type);
    return std::find(kPseudoFileSystems.begin(), kPseudoFileSystems.end(), type) == kPseudoFileSystems.end();
}

} // namespace tarvel
