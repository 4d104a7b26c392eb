// Pen strokes, clears and exports of the canvas, each beside a memcpy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "canvas/bitmap_file.h"
#include "canvas/canvas.h"

namespace velmora {
namespace {

ByteBuffer GradientBitmap(std::int32_t w, std::int32_t h) {
  Image image(w, h);
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x) image.Row(y)[x] = PixelFromRgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 90);
  return EncodeBitmap(image, 0, 0);
}

Canvas ScreenCanvas(std::int32_t w, std::int32_t h) {
  Canvas canvas;
  canvas.Place(0, 0, w, h);
  canvas.SetBackgroundPicture(GradientBitmap(w, h));
  return canvas;
}

// One 10-pixel pen segment, moving along a zigzag so that every call paints fresh pixels.
void BM_DrawLine10(benchmark::State& state) {
  Canvas canvas = ScreenCanvas(1920, 1080);
  canvas.SetPenWidth(static_cast<std::int32_t>(state.range(0)));
  std::int32_t x = 100, y = 500, step = 0;
  for (auto _ : state) {
    const std::int32_t nx = x + 8, ny = y + ((step++ & 1) ? 6 : -6);
    benchmark::DoNotOptimize(canvas.DrawLine(x, y, nx, ny));
    x = nx > 1800 ? 100 : nx;
    y = ny;
  }
}
BENCHMARK(BM_DrawLine10)->Arg(1)->Arg(5)->Arg(40);

void BM_ClearArea100(benchmark::State& state) {
  Canvas canvas = ScreenCanvas(1920, 1080);
  for (auto _ : state) benchmark::DoNotOptimize(canvas.ClearArea(500, 400, 100, 100));
}
BENCHMARK(BM_ClearArea100);

void BM_ClearAll(benchmark::State& state) {
  const auto w = static_cast<std::int32_t>(state.range(0)), h = static_cast<std::int32_t>(state.range(1));
  Canvas canvas = ScreenCanvas(w, h);
  for (auto _ : state) benchmark::DoNotOptimize(canvas.ClearAll());
  state.SetBytesProcessed(state.iterations() * w * h * 4);
}
BENCHMARK(BM_ClearAll)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

void BM_ExportCanvas(benchmark::State& state) {
  const auto w = static_cast<std::int32_t>(state.range(0)), h = static_cast<std::int32_t>(state.range(1));
  Canvas canvas = ScreenCanvas(w, h);
  for (auto _ : state) {
    ByteBuffer bytes = canvas.ExportCanvas(w, h);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * (54 + static_cast<std::int64_t>(*BitmapStride24(w)) * h));
}
BENCHMARK(BM_ExportCanvas)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

// The baseline: copying the canvas image's bytes (4 per pixel) and the exported file's bytes
// (3 per pixel) into a fresh buffer, as ClearAll and ExportCanvas must at least touch them.
void BM_MemcpyBaseline(benchmark::State& state) {
  const auto bytes = static_cast<std::size_t>(state.range(0));
  std::vector<std::uint8_t> source(bytes, 0x5A);
  for (auto _ : state) {
    std::vector<std::uint8_t> target(bytes);
    std::memcpy(target.data(), source.data(), bytes);
    benchmark::DoNotOptimize(target.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_MemcpyBaseline)
    ->Arg(1920 * 1080 * 4)->Arg(54 + 5760 * 1080)->Arg(3840 * 2160 * 4)->Arg(54 + 11520 * 2160)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora
