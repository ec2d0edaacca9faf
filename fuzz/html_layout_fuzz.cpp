// Arbitrary text through the mini-HTML layout: it must end, and every run it
// places must lie within the text and within the lines it counted. Bytes are
// characters one by one; a leading FF FE makes the rest UTF-16LE instead.
#include <cstddef>
#include <cstdint>
#include <string>

#include "notebook/HtmlLayout.h"

namespace {

class Variant : public vesk::TextMeasurer {
public:
    std::int32_t MeasureText(const std::u16string& text) const override {
        std::int32_t width = 0;
        for (char16_t c : text) width += 1 + c % 7;
        return width;
    }
    std::int32_t LineHeight() const override { return 10; }
};

class Fonts : public vesk::StyledTextMeasurer {
public:
    const vesk::TextMeasurer& ForStyle(unsigned style) const override {
        if (style >= vesk::HtmlStyle::kCount) __builtin_trap();
        return variant_;
    }

private:
    Variant variant_;
};

std::u16string Decode(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    if (size >= 2 && data[0] == 0xff && data[1] == 0xfe) {
        for (std::size_t i = 2; i + 1 < size; i += 2) text += char16_t(data[i] | data[i + 1] << 8);
    } else {
        text.assign(data, data + size);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = Decode(data, size);
    const Fonts fonts;
    for (const unsigned format : {vesk::HtmlFormat::kWordBreak, vesk::HtmlFormat::kSingleLine}) {
        for (const std::int32_t width : {0, 120}) {
            const vesk::HtmlLayout layout = vesk::LayOutHtml(text, width, format, fonts, 0);
            for (const vesk::HtmlRun& run : layout.runs) {
                if (run.start + run.length > text.size() || run.y < 0 || run.y >= layout.height ||
                    run.x + run.width > layout.width) {
                    __builtin_trap();
                }
            }
        }
    }
    return 0;
}
