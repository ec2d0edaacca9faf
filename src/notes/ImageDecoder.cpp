#include "notes/ImageDecoder.h"

namespace vesk {

namespace {
ImageDecoder* registeredDecoder = nullptr;
}

void RegisterImageDecoder(ImageDecoder* decoder) { registeredDecoder = decoder; }

ImageDecoder* GetImageDecoder() { return registeredDecoder; }

}  // namespace vesk
