#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "ScopedTimeZone.h"
#include "settings/FontData.h"
#include "settings/FontEngine.h"
#include "xml/XMLDocument.h"

namespace vesk::test {

// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir {
public:
    TempDir() {
        std::string name = (std::filesystem::temp_directory_path() / "vesk-test-XXXXXX").string();
        path_ = ::mkdtemp(name.data());
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

// A whole file as the writer makes it: byte-order mark, declaration, body,
// in UTF-16LE (the body ASCII or BMP).
inline std::string Utf16XmlFile(std::u16string_view body) {
    std::string bytes("\xFF\xFE", 2);
    for (const char16_t c :
         u"<?xml version=\"1.0\" encoding=\"UTF-16\" ?>\n" + std::u16string(body)) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

// An element tree written as XML text, for the readers of records.
class Xml {
public:
    explicit Xml(std::u16string_view text) {
        if (!document_.LoadFromBytes(Utf16XmlFile(text))) document_.CreateRoot(u"unreadable");
    }
    const XMLElement& Root() const { return *document_.GetRoot(); }
    operator const XMLElement&() const { return Root(); }

private:
    XMLDocument document_;
};

// The registered font engine while it lives: knows every face but "Nowhere",
// makes fonts size + 2 pixels high and counts those alive.
class FakeFontEngine : public FontEngine {
public:
    explicit FakeFontEngine(double dpi = 96.0) : resolution(dpi) { RegisterFontEngine(this); }
    ~FakeFontEngine() override { RegisterFontEngine(nullptr); }
    FakeFontEngine(const FakeFontEngine&) = delete;
    FakeFontEngine& operator=(const FakeFontEngine&) = delete;

    std::unique_ptr<DrawingFonts> MakeFonts(const FontData& font, bool) override {
        if (font.GetFace() == u"Nowhere") return nullptr;
        return std::make_unique<Fonts>(font.GetSize() + 2, alive);
    }
    double GetScreenResolution() const override { return resolution; }

    double resolution;
    int alive = 0;

private:
    struct Fonts : DrawingFonts {
        Fonts(int h, int& count) : height(h), alive(count) { ++alive; }
        ~Fonts() override { --alive; }
        int GetHeight() const override { return height; }
        int height;
        int& alive;
    };
};

}  // namespace vesk::test
