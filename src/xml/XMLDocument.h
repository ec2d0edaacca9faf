#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "xml/FileIO.h"
#include "xml/XMLElement.h"

namespace vesk {

// A short-lived holder of one file's element tree: every load or save builds
// one, fills or reads it, and lets it go.
class XMLDocument {
public:
    XMLDocument() = default;

    // Replaces any existing root (and frees its tree).
    XMLElement& CreateRoot(std::u16string_view name);
    XMLElement* GetRoot() { return root_.get(); }
    const XMLElement* GetRoot() const { return root_.get(); }

    // True when the whole file was well-formed XML. On failure the root may be
    // absent or hold the part of the tree built before the parser stopped, so
    // callers check the result, the root and the root's name.
    bool Load(const std::filesystem::path& path);
    // The same over bytes already in memory.
    bool LoadFromBytes(std::string_view bytes);

    // Writes the tree as UTF-16LE with a byte-order mark. The file is replaced
    // atomically: a failed save (no root, folder missing, disk full) says why
    // and leaves any existing file untouched.
    FileResult Save(const std::filesystem::path& path) const;
    // The bytes Save would write.
    std::string ToBytes() const;

private:
    std::unique_ptr<XMLElement> root_;
};

}  // namespace vesk
