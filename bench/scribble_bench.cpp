// Encoding and decoding a large drawing against copying its pixels.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "notes/ScribbleCodec.h"
#include "notes/ScribbleNoteData.h"

namespace {

constexpr int kSide = 1500;
constexpr vesk::COLORREF kInk = vesk::RGB(20, 30, 120);

// Coverage of a round pen of the given radius at distance d from its centre
// line, with a one-pixel anti-aliased edge.
std::uint8_t Coverage(double d, double radius) {
    const double c = std::clamp(radius + 0.5 - d, 0.0, 1.0);
    return static_cast<std::uint8_t>(std::lround(c * 255.0));
}

void DrawSegment(vesk::Bitmap& image, double x0, double y0, double x1, double y1, double radius) {
    const int left = std::max(0, static_cast<int>(std::min(x0, x1) - radius - 1));
    const int right = std::min(kSide - 1, static_cast<int>(std::max(x0, x1) + radius + 1));
    const int top = std::max(0, static_cast<int>(std::min(y0, y1) - radius - 1));
    const int bottom = std::min(kSide - 1, static_cast<int>(std::max(y0, y1) + radius + 1));
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double lengthSquared = std::max(dx * dx + dy * dy, 1e-9);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / lengthSquared, 0.0, 1.0);
            const double d = std::hypot(x - (x0 + t * dx), y - (y0 + t * dy));
            const std::uint8_t alpha = Coverage(d, radius);
            if (alpha > vesk::AlphaOf(image.GetPixel(x, y))) {
                image.SetPixel(x, y, vesk::ArgbFromColor(kInk, alpha));
            }
        }
    }
}

// Smooth wandering pen strokes until about a tenth of the canvas is inked.
const vesk::Bitmap& Drawing() {
    static const vesk::Bitmap drawing = [] {
        vesk::Bitmap image(kSide, kSide);
        std::mt19937 random(1234);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        const auto inked = [&image] {
            return std::count_if(image.GetPixels(), image.GetPixels() + image.GetPixelCount(),
                                 [](std::uint32_t p) { return p != 0; });
        };
        while (inked() < kSide * kSide / 10) {
            double x = unit(random) * kSide;
            double y = unit(random) * kSide;
            double heading = unit(random) * 6.283;
            const double radius = 1.0 + unit(random) * 3.0;
            for (int step = 0; step < 300; ++step) {
                heading += (unit(random) - 0.5) * 0.5;
                const double nx = std::clamp(x + 4.0 * std::cos(heading), 0.0, kSide - 1.0);
                const double ny = std::clamp(y + 4.0 * std::sin(heading), 0.0, kSide - 1.0);
                DrawSegment(image, x, y, nx, ny, radius);
                x = nx;
                y = ny;
            }
        }
        return image;
    }();
    return drawing;
}

std::unique_ptr<vesk::ScribbleNoteData> DrawingNote() {
    auto note = std::make_unique<vesk::ScribbleNoteData>();
    note->GetStyle().textcolor = kInk;
    note->SetImage(&Drawing(), kSide, kSide);
    return note;
}

void BM_PixelCopy(benchmark::State& state) {
    const vesk::Bitmap& source = Drawing();
    vesk::Bitmap target(kSide, kSide);
    for (auto _ : state) {
        std::copy(source.GetPixels(), source.GetPixels() + source.GetPixelCount(),
                  target.GetPixels());
        benchmark::DoNotOptimize(target.GetPixels());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PixelCopy)->Unit(benchmark::kMillisecond);

void BM_ScribbleEncode(benchmark::State& state) {
    const auto note = DrawingNote();
    std::size_t characters = 0;
    for (auto _ : state) {
        const std::u16string text = vesk::EncodeAlphaRuns(*note->GetImage());
        characters = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["characters"] = static_cast<double>(characters);
}
BENCHMARK(BM_ScribbleEncode)->Unit(benchmark::kMillisecond);

void BM_ScribbleDecode(benchmark::State& state) {
    const auto note = DrawingNote();
    const std::u16string text = note->EncodeImage();
    for (auto _ : state) {
        note->DecodeImage(text);
        benchmark::DoNotOptimize(note->GetImage()->GetPixels());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ScribbleDecode)->Unit(benchmark::kMillisecond);

}  // namespace
