// Arbitrary bytes through the reader; whatever tree comes out must also
// survive the writer and read back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "xml/XMLDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vesk::XMLDocument document;
    const bool loaded =
        document.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    if (loaded && document.GetRoot() != nullptr) {
        vesk::XMLDocument again;
        if (!again.LoadFromBytes(document.ToBytes())) __builtin_trap();
    }
    return 0;
}
