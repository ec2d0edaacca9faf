#pragma once

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace vesk::test {

// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir {
public:
    TempDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("vesk-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// UTF-16LE bytes of an ASCII or BMP text, for building files by hand.
inline std::string Utf16Bytes(std::u16string_view text) {
    std::string bytes;
    for (const char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

// A whole file as the writer makes it: byte-order mark, declaration, body.
inline std::string Utf16XmlFile(std::u16string_view body) {
    return std::string("\xFF\xFE", 2) +
           Utf16Bytes(u"<?xml version=\"1.0\" encoding=\"UTF-16\" ?>\n") + Utf16Bytes(body);
}

// Sets the time zone for one test and puts the previous one back.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old, hadOld_ = true;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        hadOld_ ? setenv("TZ", old_.c_str(), 1) : unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::string old_;
    bool hadOld_ = false;
};

}  // namespace vesk::test
