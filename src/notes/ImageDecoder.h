#pragma once

#include <filesystem>
#include <memory>

#include "notes/Bitmap.h"

namespace vesk {

// Decodes picture files. The core reads no image formats itself: the user
// interface registers a decoder at start-up, and without one a picture note
// keeps its path and shows nothing.
class ImageDecoder {
public:
    virtual ~ImageDecoder() = default;
    // None when the file is missing or cannot be decoded.
    virtual std::unique_ptr<Bitmap> Decode(const std::filesystem::path& path) = 0;
};

// The decoder stays owned by the caller and must outlive its registration;
// nullptr unregisters it.
void RegisterImageDecoder(ImageDecoder* decoder);
ImageDecoder* GetImageDecoder();

}  // namespace vesk
