#pragma once
// The four stamp series, the random choice of the current stamp, and printing it.

#include <cstdint>
#include <span>
#include <string_view>

#include "canvas/image.h"
#include "canvas/picture_table.h"
#include "stamps/random_source.h"
#include "tools/tool_state.h"

namespace velmora {

enum class StampSeriesId : std::int32_t { Goat = 0, Car = 1, Flower = 2, Firework = 3 };

struct StampSeries {
  std::string_view menuText;        // GBK
  std::span<const ByteView> pictures;  // whole GIF files, picture k at index k − 1
};

const StampSeries& Series(StampSeriesId id);

// Mode to Stamp, release the old stamp, draw one random number, load that picture.
// The caller then sets the stamp cursor.
void ChooseStampSeries(ToolState& state, PictureTable& table, RandomSource& random, StampSeriesId id);
void ReleaseStamp(ToolState& state, PictureTable& table);
// Prints the current stamp centred on (x, y); returns the changed rectangle.
Rect PlaceStamp(const ToolState& state, const PictureTable& table, Image& canvasSurface, std::int32_t x, std::int32_t y);

}  // namespace velmora
