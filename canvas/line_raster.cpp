#include "canvas/line_raster.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdlib>

namespace velmora {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {  // b > 0
  std::int64_t q = a / b;
  if ((a % b != 0) && (a < 0)) --q;
  return q;
}

}  // namespace

Rect FillRect(Image& image, Rect area, Pixel colour) {
  const Rect r = Intersect(area, image.Bounds());
  for (std::int32_t y = r.top; y < r.bottom; ++y) std::fill(image.Row(y) + r.left, image.Row(y) + r.right, colour);
  return r;
}

Rect DrawThinLine(Image& image, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Pixel colour) {
  // Pixel i of n = max(|dx|, |dy|) steps lies i steps along the major axis, and on the minor axis
  // at i × minor / n rounded half up. Computing it directly (rather than accumulating an error
  // term) lets the loop start at the first step inside the image, however far away x1, y1 are.
  const std::int64_t dx = static_cast<std::int64_t>(x2) - x1;
  const std::int64_t dy = static_cast<std::int64_t>(y2) - y1;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t n = xMajor ? std::llabs(dx) : std::llabs(dy);
  if (n == 0 || image.pixels.empty()) return {};
  const std::int64_t major0 = xMajor ? x1 : y1;
  const std::int64_t majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const std::int64_t minor0 = xMajor ? y1 : x1;
  const std::int64_t minorDelta = xMajor ? dy : dx;
  const std::int64_t majorLimit = xMajor ? image.width : image.height;
  const std::int64_t minorLimit = xMajor ? image.height : image.width;

  // Steps whose major coordinate lies inside the image: major0 + i × step in [0, majorLimit).
  std::int64_t first = 0, last = n - 1;
  if (majorStep > 0) {
    first = std::max<std::int64_t>(first, -major0);
    last = std::min<std::int64_t>(last, majorLimit - 1 - major0);
  } else {
    first = std::max<std::int64_t>(first, major0 - (majorLimit - 1));
    last = std::min<std::int64_t>(last, major0);
  }
  Rect changed;
  for (std::int64_t i = first; i <= last; ++i) {
    const std::int64_t major = major0 + i * majorStep;
    const std::int64_t minor = minor0 + FloorDiv(2 * i * minorDelta + n, 2 * n);
    if (minor < 0 || minor >= minorLimit) continue;
    const auto x = static_cast<std::int32_t>(xMajor ? major : minor);
    const auto y = static_cast<std::int32_t>(xMajor ? minor : major);
    image.Row(y)[x] = colour;
    changed = Union(changed, Rect{x, y, x + 1, y + 1});
  }
  return changed;
}

Rect DrawWideLine(Image& image, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                  std::int32_t width, Pixel colour) {
  if (image.pixels.empty() || width < 1) return {};
  // Work in half-pixel units: pixel (px, py) has its centre at (2px + 1, 2py + 1).
  const double shift = (width % 2 == 0) ? 2.0 : 1.0;
  const double ax = 2.0 * x1 + shift, ay = 2.0 * y1 + shift;
  const double bx = 2.0 * x2 + shift, by = 2.0 * y2 + shift;
  const double radius = width;  // half the width, in half-pixel units
  const double radius2 = radius * radius;
  const double vx = bx - ax, vy = by - ay;
  const double length2 = vx * vx + vy * vy;

  auto inside = [&](std::int64_t px, std::int64_t py) {
    const double cx = 2.0 * static_cast<double>(px) + 1.0 - ax;
    const double cy = 2.0 * static_cast<double>(py) + 1.0 - ay;
    double t = length2 > 0 ? (cx * vx + cy * vy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = cx - t * vx, ey = cy - t * vy;
    return ex * ex + ey * ey < radius2;
  };

  const std::int64_t reach = width / 2 + 1;
  const Rect box = Intersect(
      Rect{static_cast<std::int32_t>(std::clamp<std::int64_t>(std::min<std::int64_t>(x1, x2) - reach, INT32_MIN, INT32_MAX)),
           static_cast<std::int32_t>(std::clamp<std::int64_t>(std::min<std::int64_t>(y1, y2) - reach, INT32_MIN, INT32_MAX)),
           static_cast<std::int32_t>(std::clamp<std::int64_t>(std::max<std::int64_t>(x1, x2) + reach + 1, INT32_MIN, INT32_MAX)),
           static_cast<std::int32_t>(std::clamp<std::int64_t>(std::max<std::int64_t>(y1, y2) + reach + 1, INT32_MIN, INT32_MAX))},
      image.Bounds());
  Rect changed;
  for (std::int32_t py = box.top; py < box.bottom; ++py) {
    // The stroke is convex, so each row holds one run: find its two ends and fill between.
    std::int32_t left = box.left;
    while (left < box.right && !inside(left, py)) ++left;
    if (left == box.right) continue;
    std::int32_t right = box.right - 1;
    while (right > left && !inside(right, py)) --right;
    std::fill(image.Row(py) + left, image.Row(py) + right + 1, colour);
    changed = Union(changed, Rect{left, py, right + 1, py + 1});
  }
  return changed;
}

}  // namespace velmora
