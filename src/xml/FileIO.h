#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vesk {

// How a write ended: done, or the system's error number of the step that
// failed, so the user can be told why.
class FileResult {
public:
    FileResult() = default;
    static FileResult Failed(int error) { return FileResult(error); }

    explicit operator bool() const { return error_ == 0; }
    int Error() const { return error_; }
    // The system's words for the error, such as "No space left on device".
    std::string Reason() const;

private:
    explicit FileResult(int error) : error_(error) {}

    int error_ = 0;
};

// Replaces the file at path with bytes so that, whatever happens, the path
// holds either the old file whole or the new one whole: the bytes go to a
// temporary file in the same folder ("<name>.tmp<pid>-<n>"), are flushed to
// disk and then renamed over the target. On failure the old file is
// untouched.
FileResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Where the bytes of a file being written go, piece by piece.
class ByteSink {
public:
    // Takes the next piece; false once a write has failed, after which
    // pieces are dropped.
    virtual bool Write(std::string_view bytes) = 0;

protected:
    ~ByteSink() = default;
};

// The same for bytes made piece by piece, which then never have to be held
// whole: fill hands them to the sink in order.
FileResult WriteFileAtomically(const std::filesystem::path& path,
                               const std::function<void(ByteSink&)>& fill);

// Deletes the temporary files that writes cut short (by a kill or a crash)
// left in the folder. Only for a folder no other process of the program
// writes to meanwhile.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder);

// The whole content of a regular file; false when it cannot be read.
bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

}  // namespace vesk
