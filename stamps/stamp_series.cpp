// The four stamp series: their menu texts and their embedded GIF pictures, in menu order.

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/embedded_assets.h"
#include "stamps/stamp_tool.h"

namespace velmora {
namespace {

struct SeriesSource {
  std::string_view menuText;
  const char* filePrefix;  // pictures are "<prefix>01.gif" … in order
  int count;
};

// The menu texts are the items of the canvas menu's stamp submenu.
constexpr std::array<SeriesSource, 4> kSources{{
    {"\xCF\xB2\xD1\xF2\xD1\xF2\xCF\xB5\xC1\xD0", "goat", 14},  // 喜羊羊系列
    {"\xC6\xFB\xB3\xB5\xCF\xB5\xC1\xD0", "car", 15},           // 汽车系列
    {"\xCF\xCA\xBB\xA8\xCF\xB5\xC1\xD0", "flower", 5},         // 鲜花系列
    {"\xD1\xCC\xBB\xA8\xCF\xB5\xC1\xD0", "firework", 7},       // 烟花系列
}};

struct SeriesTable {
  std::array<std::vector<ByteView>, 4> pictures;
  std::array<StampSeries, 4> series;

  SeriesTable() {
    for (std::size_t s = 0; s < kSources.size(); ++s) {
      for (int k = 1; k <= kSources[s].count; ++k) {
        char name[32];
        std::snprintf(name, sizeof name, "%s%02d.gif", kSources[s].filePrefix, k);
        // A picture not (yet) embedded is an empty view: loading it fails and stamps nothing.
        pictures[s].push_back(assets::File(name));
      }
      series[s] = {kSources[s].menuText, pictures[s]};
    }
  }
};

}  // namespace

const StampSeries& Series(StampSeriesId id) {
  static const SeriesTable table;
  static const StampSeries none{};  // an identifier of no series has no pictures
  const auto index = static_cast<std::size_t>(id);
  return index < table.series.size() ? table.series[index] : none;
}

}  // namespace velmora
