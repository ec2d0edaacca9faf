#pragma once

#include <filesystem>

namespace vesk {

// What a backup needs from the program to be restored: loading a notes file
// in place of the current notes. The main frame implements it.
class BackupOwner {
public:
    virtual bool LoadNotes(const std::filesystem::path& path) = 0;

protected:
    ~BackupOwner() = default;
};

}  // namespace vesk
