#include "backup/FileCreationTime.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace vesk {

std::optional<TimeValue> FileCreationTime(const std::filesystem::path& path) {
    struct statx info {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME, &info) == 0) {
        if (info.stx_mask & STATX_BTIME) return info.stx_btime.tv_sec;
        if (info.stx_mask & STATX_MTIME) return info.stx_mtime.tv_sec;
    }
    // Kernels or sandboxes without statx still answer plain stat.
    struct stat plain {};
    if (::stat(path.c_str(), &plain) == 0) return plain.st_mtime;
    return std::nullopt;
}

}  // namespace vesk
