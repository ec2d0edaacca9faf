#include "xml/LocalTimeFormat.h"

#include <ctime>
#include <vector>

#include "xml/LocalTime.h"

namespace vesk {

namespace {
constexpr std::size_t kMaxCharacters = 128;
// No conversion of any locale comes near this many bytes per format character.
constexpr std::size_t kBytesPerFormatCharacter = 64;
}  // namespace

std::u16string FormatLocalTime(TimeValue time, std::u16string_view format) {
    std::tm local{};
    if (format.empty() || !ToLocalTime(time, local)) {
        return {};
    }
    const std::string narrowFormat = WideToUtf8(format);
    std::vector<char> buffer(kMaxCharacters + kBytesPerFormatCharacter * narrowFormat.size());
    const std::size_t length =
        std::strftime(buffer.data(), buffer.size(), narrowFormat.c_str(), &local);
    std::u16string text = Utf8ToWide(std::string_view(buffer.data(), length));
    if (text.size() > kMaxCharacters) {
        // Never keep half of a surrogate pair.
        const bool splitsPair =
            text[kMaxCharacters - 1] >= 0xD800 && text[kMaxCharacters - 1] < 0xDC00;
        text.resize(splitsPair ? kMaxCharacters - 1 : kMaxCharacters);
    }
    return text;
}

}  // namespace vesk
