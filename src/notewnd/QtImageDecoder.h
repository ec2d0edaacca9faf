#pragma once

#include "notes/ImageDecoder.h"

namespace vesk {

// Reads every picture format that Qt's image plugins know.
class QtImageDecoder : public ImageDecoder {
public:
    // Larger pictures are refused before they are decoded: one of this many
    // pixels a side already takes a gigabyte.
    static constexpr int kMaxSide = 16384;

    std::unique_ptr<Bitmap> Decode(const std::filesystem::path& path) override;
};

}  // namespace vesk
