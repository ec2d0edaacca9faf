#include "xml/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <string>
#include <system_error>

namespace vesk {
namespace {

// Temporary files are named after their target: "<name>.tmp<pid>-<n>".
constexpr std::string_view kTemporaryMarker = ".tmp";

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

bool IsTemporaryName(std::string_view name) {
    const auto marker = name.rfind(kTemporaryMarker);
    if (marker == std::string_view::npos || marker == 0) return false;
    const std::string_view counters = name.substr(marker + kTemporaryMarker.size());
    const auto dash = counters.find('-');
    return dash != std::string_view::npos && AllDigits(counters.substr(0, dash)) &&
           AllDigits(counters.substr(dash + 1));
}

// The error number of the write that failed; 0 when all went.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

class FileSink : public ByteSink {
public:
    explicit FileSink(int fd) : fd_(fd) {}
    bool Write(std::string_view bytes) override {
        if (error_ == 0) error_ = WriteAll(fd_, bytes);
        return error_ == 0;
    }
    int Error() const { return error_; }

private:
    int fd_;
    int error_ = 0;
};

// The rename is durable only once the folder's entry is on disk too.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string FileResult::Reason() const { return std::generic_category().message(error_); }

FileResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    return WriteFileAtomically(path, [bytes](ByteSink& sink) { sink.Write(bytes); });
}

FileResult WriteFileAtomically(const std::filesystem::path& path,
                               const std::function<void(ByteSink&)>& fill) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = path.parent_path();
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = path;
        temporary += std::string(kTemporaryMarker) + std::to_string(::getpid()) + "-" +
                     std::to_string(counter++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return FileResult::Failed(errno);
    }
    if (fd < 0) return FileResult::Failed(EEXIST);

    FileSink sink(fd);
    try {
        fill(sink);
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    int error = sink.Error();
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return FileResult::Failed(error);
    }
    SyncFolder(folder);
    return {};
}

void RemoveStaleTemporaryFiles(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code entryError;
        if (it->is_regular_file(entryError) && IsTemporaryName(it->path().filename().native())) {
            std::filesystem::remove(it->path(), entryError);
        }
    }
}

bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok) bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    while (ok) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            ok = errno == EINTR;
            continue;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (!ok) bytes.clear();
    return ok;
}

}  // namespace vesk
