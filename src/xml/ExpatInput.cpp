#include "xml/ExpatInput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vesk {

namespace {
// expat takes an int length, and a slice of this size keeps its buffer small
// however large the file is.
constexpr std::size_t kSlice = std::size_t{1} << 18;
}  // namespace

bool ParseFile(XML_Parser parser, const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    while (ok) {
        void* buffer = XML_GetBuffer(parser, static_cast<int>(kSlice));
        if (buffer == nullptr) {
            ok = false;
            break;
        }
        const ssize_t got = ::read(fd, buffer, kSlice);
        if (got < 0) {
            ok = errno == EINTR;
            continue;
        }
        ok = XML_ParseBuffer(parser, static_cast<int>(got), got == 0) == XML_STATUS_OK;
        if (got == 0) {
            break;
        }
    }
    ::close(fd);
    return ok;
}

bool ParseBytes(XML_Parser parser, std::string_view bytes) {
    bool ok = true;
    do {
        const std::size_t size = std::min(bytes.size(), kSlice);
        void* buffer = XML_GetBuffer(parser, static_cast<int>(size));
        if (buffer == nullptr) {
            return false;
        }
        std::memcpy(buffer, bytes.data(), size);
        bytes.remove_prefix(size);
        ok = XML_ParseBuffer(parser, static_cast<int>(size), bytes.empty()) == XML_STATUS_OK;
    } while (ok && !bytes.empty());
    return ok;
}

}  // namespace vesk
