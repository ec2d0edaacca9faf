// Repainting a picture note that shows a photo of 6000 by 4000 pixels,
// against one whose picture is already the size of its content area: with
// the scaled picture kept between paints, both are a plain copy of pixels.
#include <benchmark/benchmark.h>

#include <QImage>
#include <memory>
#include <optional>
#include <string>

#include "BenchNoteHost.h"
#include "notes/ImageDecoder.h"
#include "notes/PictureNoteData.h"
#include "notewnd/CPictureNoteWnd.h"

namespace {

using namespace vesk;

// Makes, for a path named "<width>x<height>", an opaque picture of that size
// with some detail in it, without the time of a real decode.
class PatternDecoder : public ImageDecoder {
public:
    std::unique_ptr<Bitmap> Decode(const std::filesystem::path& path) override {
        const std::string name = path.filename().string();
        const std::size_t x = name.find('x');
        const int width = std::stoi(name.substr(0, x));
        const int height = std::stoi(name.substr(x + 1));
        auto bitmap = std::make_unique<Bitmap>(width, height, Bitmap::Unfilled{});
        for (int y = 0; y < height; ++y) {
            for (int column = 0; column < width; ++column) {
                bitmap->SetPixel(column, y,
                                 0xff000000u | static_cast<std::uint32_t>(column * 7 + y * 3));
            }
        }
        return bitmap;
    }
};

std::u16string SizeName(QSize size) {
    const std::string name = std::to_string(size.width()) + "x" + std::to_string(size.height());
    return {name.begin(), name.end()};
}

// picture: the picture's size, or none for the size of the content area.
void RepaintPicture(benchmark::State& state, std::optional<QSize> picture) {
    PatternDecoder decoder;
    RegisterImageDecoder(&decoder);
    bench::BenchNoteHost host;
    auto record = std::make_unique<PictureNoteData>();
    record->SetRect({100, 100, 400, 500});
    record->SetStyle(StyleData::Fallback());
    record->SetTitle(u"Holiday");
    // Both cover the whole content area.
    record->SetMaintainRatio(false);
    PictureNoteData& note = *record;
    CPictureNoteWnd window(0, std::move(record), host);
    window.CreateNoteWindow();
    note.SetSource(SizeName(picture.value_or(window.GetContentRect(false).size())));
    QImage frame(window.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        window.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.SetLabel(std::to_string(note.GetPictureWidth()) + " x " +
                   std::to_string(note.GetPictureHeight()));
    RegisterImageDecoder(nullptr);
}

void BM_PaintPictureLarge(benchmark::State& state) { RepaintPicture(state, QSize(6000, 4000)); }
// Qt spreads scaling over a pool of threads, which the calling thread's CPU
// time would not show.
BENCHMARK(BM_PaintPictureLarge)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The baseline: a picture drawn at its own size.
void BM_PaintPictureFitted(benchmark::State& state) { RepaintPicture(state, std::nullopt); }
BENCHMARK(BM_PaintPictureFitted)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
