#include "contact_sheet.h"

#include <algorithm>
#include <fstream>

namespace velmora::art {
namespace {

constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kSheet{70, 74, 82};
constexpr int kGap = 12;
constexpr int kEnlarge = 4;
constexpr int kMaxRowWidth = 2400;

struct Placed {
  int x, y;
  const Painter* stamp;
  const RgbaImage* image;
};

}  // namespace

bool WriteContactSheet(const ContactSheetInput& input, const std::string& path) {
  // Lay the pictures out in rows, wrapping a series that is too wide.
  std::vector<Placed> placed;
  int y = kGap, width = 0;
  for (const auto& row : input.stampRows) {
    int x = kGap, rowHeight = 0;
    for (const Painter& p : row) {
      if (x + p.width() > kMaxRowWidth && x > kGap) {
        y += rowHeight + kGap;
        x = kGap;
        rowHeight = 0;
      }
      placed.push_back({x, y, &p, nullptr});
      x += p.width() + kGap;
      rowHeight = std::max(rowHeight, p.height());
      width = std::max(width, x);
    }
    y += rowHeight + kGap;
  }
  int x = kGap, rowHeight = 0;
  for (const RgbaImage& image : input.smallImages) {
    placed.push_back({x, y, nullptr, &image});
    x += image.width * kEnlarge + kGap;
    rowHeight = std::max(rowHeight, image.height * kEnlarge);
    width = std::max(width, x);
  }
  const int height = y + rowHeight + kGap;

  std::vector<Rgb> sheet(static_cast<std::size_t>(width) * height, kSheet);
  auto put = [&](int px, int py, Rgb c) { sheet[static_cast<std::size_t>(py) * width + px] = c; };
  for (const Placed& item : placed) {
    if (item.stamp) {
      const Painter& p = *item.stamp;
      for (int sy = 0; sy < p.height(); ++sy)
        for (int sx = 0; sx < p.width(); ++sx) {
          const Rgb c = p.at(sx, sy);
          put(item.x + sx, item.y + sy, c == kWhite ? kGrey : c);
        }
    } else {
      const RgbaImage& image = *item.image;
      for (int sy = 0; sy < image.height * kEnlarge; ++sy)
        for (int sx = 0; sx < image.width * kEnlarge; ++sx) {
          const Rgba c = image.at(sx / kEnlarge, sy / kEnlarge);
          // Transparent pixels as a checkerboard, one square per source pixel.
          const bool dark = ((sx / kEnlarge) + (sy / kEnlarge)) % 2 == 0;
          put(item.x + sx, item.y + sy, c.a == 0 ? (dark ? Rgb{150, 150, 150} : Rgb{180, 180, 180}) : Rgb{c.r, c.g, c.b});
        }
    }
  }

  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << width << " " << height << "\n255\n";
  for (const Rgb& c : sheet) out.put(static_cast<char>(c.r)).put(static_cast<char>(c.g)).put(static_cast<char>(c.b));
  return static_cast<bool>(out);
}

}  // namespace velmora::art
