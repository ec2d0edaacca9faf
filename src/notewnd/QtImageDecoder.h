#pragma once

#include "notes/ImageDecoder.h"

namespace vesk {

// Reads every picture format that Qt's image plugins know.
class QtImageDecoder : public ImageDecoder {
public:
    std::unique_ptr<Bitmap> Decode(const std::filesystem::path& path) override;
};

}  // namespace vesk
