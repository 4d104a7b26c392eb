// Decoding stamp pictures and printing a stamp, each beside a memcpy of the same bytes.
//
// The embedded pictures are used where they exist; until then a GIF of the same size made by
// the tests' writer stands in, and the benchmark's label says so.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "canvas/picture_drawing.h"
#include "stamps/stamp_tool.h"
#include "tests/canvas/gif_test_pictures.h"

namespace velmora {
namespace {

struct Largest {
  StampSeriesId series;
  int width, height;  // of the largest picture of the series
  std::size_t index;  // its place in the series
};
constexpr Largest kLargest[] = {
    {StampSeriesId::Goat, 256, 256, 0},
    {StampSeriesId::Car, 128, 128, 0},
    {StampSeriesId::Flower, 150, 150, 4},
    {StampSeriesId::Firework, 300, 300, 0},
};

// A figure of a few hundred colours on white, like a stamp.
ByteBuffer StandIn(int w, int h) {
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 255);
  for (int y = h / 6; y < h - h / 6; ++y)
    for (int x = w / 6; x < w - w / 6; ++x)
      indices[static_cast<std::size_t>(y * w + x)] = static_cast<std::uint8_t>(((x / 4) * 7 + (y / 3) * 13 + x * y) % 200);
  return testing::SimpleGif(w, h, indices, testing::DistinctPalette());
}

struct Source {
  ByteBuffer bytes;
  bool embedded;
};
Source PictureBytes(const Largest& l) {
  ByteView embedded = Series(l.series).pictures[l.index];
  if (!embedded.empty()) return {ByteBuffer(embedded.begin(), embedded.end()), true};
  return {StandIn(l.width, l.height), false};
}

void BM_DecodeLargest(benchmark::State& state) {
  const Largest& l = kLargest[state.range(0)];
  const Source source = PictureBytes(l);
  for (auto _ : state) benchmark::DoNotOptimize(DecodePicture(source.bytes));
  state.SetLabel(source.embedded ? "embedded" : "stand-in");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * l.width * l.height);
}
BENCHMARK(BM_DecodeLargest)->DenseRange(0, 3)->ArgName("series");

// Baseline: copying the decoded picture's index bytes.
void BM_MemcpyDecodedBytes(benchmark::State& state) {
  const Largest& l = kLargest[state.range(0)];
  const auto picture = DecodePicture(PictureBytes(l).bytes);
  std::vector<std::uint8_t> out(picture->indices.size());
  for (auto _ : state) {
    std::memcpy(out.data(), picture->indices.data(), out.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * l.width * l.height);
}
BENCHMARK(BM_MemcpyDecodedBytes)->DenseRange(0, 3)->ArgName("series");

void BM_PlaceFireworkStamp(benchmark::State& state) {
  const Source source = PictureBytes(kLargest[3]);
  PictureTable table;
  ToolState tools;
  tools.mode = ToolMode::Stamp;
  tools.stampPicture = table.LoadPicture(source.bytes);
  Image canvas(1920, 1080, 0x336699);
  for (auto _ : state) {
    benchmark::DoNotOptimize(PlaceStamp(tools, table, canvas, 960, 540));
    benchmark::ClobberMemory();
  }
  state.SetLabel(source.embedded ? "embedded" : "stand-in");
}
BENCHMARK(BM_PlaceFireworkStamp);

// Baseline: copying 300 rows of 300 pixels into the same place of the canvas.
void BM_MemcpyStampRows(benchmark::State& state) {
  Image canvas(1920, 1080, 0x336699);
  std::vector<Pixel> picture(300 * 300, 0xFFFFFF);
  for (auto _ : state) {
    for (int y = 0; y < 300; ++y) std::memcpy(canvas.Row(390 + y) + 810, picture.data() + y * 300, 300 * sizeof(Pixel));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyStampRows);

}  // namespace
}  // namespace velmora
