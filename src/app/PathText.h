#pragma once

#include <QString>
#include <filesystem>

#include "xml/TextForms.h"

namespace vesk {

// Paths cross between Qt and the core as UTF-16 text.
inline std::filesystem::path ToPath(const QString& path) {
    return WideToPath(path.toStdU16String());
}
inline QString ToQString(const std::filesystem::path& path) {
    return QString::fromStdU16String(PathToWide(path));
}

}  // namespace vesk
