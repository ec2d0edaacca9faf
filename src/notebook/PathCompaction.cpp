#include "notebook/PathCompaction.h"

namespace vesk {

namespace {

constexpr std::u16string_view kEllipsis = u"...";

// The longest start of the text that fits with the tail after it; none when
// not even the tail alone does.
std::u16string LongestFitting(std::u16string_view text, std::u16string_view tail,
                              std::int32_t width, const TextMeasurer& font) {
    const auto with = [&](std::size_t length) {
        return std::u16string(text.substr(0, length)) + std::u16string(tail);
    };
    if (font.MeasureText(with(0)) > width) {
        return {};
    }
    // Widths grow with the length, so the longest fit is found by halving.
    std::size_t fits = 0;
    std::size_t tooWide = text.size();
    while (tooWide - fits > 1) {
        const std::size_t middle = fits + (tooWide - fits) / 2;
        (font.MeasureText(with(middle)) <= width ? fits : tooWide) = middle;
    }
    return with(fits);
}

}  // namespace

std::u16string CompactPath(std::u16string_view path, std::int32_t width, const TextMeasurer& font) {
    if (font.MeasureText(std::u16string(path)) <= width) {
        return std::u16string(path);
    }
    const std::size_t separator = path.find_last_of(u"\\/");
    if (separator != std::u16string_view::npos) {
        const std::u16string tail =
            std::u16string(kEllipsis) + std::u16string(path.substr(separator));
        std::u16string shortened = LongestFitting(path.substr(0, separator), tail, width, font);
        if (!shortened.empty()) {
            return shortened;
        }
    }
    const std::u16string_view name =
        separator == std::u16string_view::npos ? path : path.substr(separator + 1);
    std::u16string shortened = LongestFitting(name, kEllipsis, width, font);
    return shortened.empty() ? std::u16string(kEllipsis) : shortened;
}

}  // namespace vesk
