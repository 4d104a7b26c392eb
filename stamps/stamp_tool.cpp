// Choosing the current stamp from a series, printing it centred on the pointer, releasing it.

#include "stamps/stamp_tool.h"

#include <algorithm>
#include <limits>

#include "canvas/picture_drawing.h"

namespace velmora {
namespace {

std::int32_t Saturate(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void ChooseStampSeries(ToolState& state, PictureTable& table, RandomSource& random, StampSeriesId id) {
  const StampSeries& series = Series(id);
  state.mode = ToolMode::Stamp;
  ReleaseStamp(state, table);
  const std::int32_t n = static_cast<std::int32_t>(series.pictures.size());
  const std::int32_t k = random.InRange(1, n);  // one draw per choice
  state.stampPicture = (k >= 1 && k <= n) ? table.LoadPicture(series.pictures[static_cast<std::size_t>(k - 1)]) : 0;
}

void ReleaseStamp(ToolState& state, PictureTable& table) {
  table.ReleasePicture(state.stampPicture);  // 0 and −1 are ignored
  state.stampPicture = kNoPicture;
}

Rect PlaceStamp(const ToolState& state, const PictureTable& table, Image& canvasSurface, std::int32_t x,
                std::int32_t y) {
  if (state.stampPicture == kNoPicture) return {};
  const std::int32_t w = PictureWidth(table, state.stampPicture);
  const std::int32_t left = Saturate(static_cast<std::int64_t>(x) - w / 2);
  const std::int32_t h = PictureHeight(table, state.stampPicture);
  const std::int32_t top = Saturate(static_cast<std::int64_t>(y) - h / 2);
  return DrawPicture(canvasSurface, table, state.stampPicture, left, top, kStampDrawMode);
}

}  // namespace velmora
