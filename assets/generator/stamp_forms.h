#pragma once
// Which pictures make up each stamp series, and the GIF header values each picture carries.
#include <string>
#include <vector>

#include "gif_writer.h"
#include "paint.h"

namespace velmora::art {

struct StampSeriesInfo {
  const char* filePrefix;   // "goat" gives goat01.gif, goat02.gif, ...
  int count;
  Painter (*draw)(int k);   // nullptr when the series' drawings are not built in
};

// The four series in menu order: goats, cars, flowers, fireworks.
std::vector<StampSeriesInfo> StampSeriesList();

// The GIF values of picture k (1-based) of the series with the given prefix.
GifForm StampGifForm(const std::string& filePrefix, int k);

}  // namespace velmora::art
