#pragma once
// Rectangles (left, top, right, bottom): they cover left..right-1 and top..bottom-1.

#include <algorithm>
#include <cstdint>

namespace velmora {

struct Rect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;

  constexpr bool Empty() const { return right <= left || bottom <= top; }
  constexpr std::int32_t Width() const { return right - left; }
  constexpr std::int32_t Height() const { return bottom - top; }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The overlap of two rectangles; empty rectangles come back as Rect{}.
constexpr Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  return r.Empty() ? Rect{} : r;
}

// The smallest rectangle holding both; an empty side does not count.
constexpr Rect Union(const Rect& a, const Rect& b) {
  if (a.Empty()) return b.Empty() ? Rect{} : b;
  if (b.Empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

}  // namespace velmora
