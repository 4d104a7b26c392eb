// assets/generator/paint.cpp — flat-colour rasteriser: every test is made at pixel centres,
// so shapes have hard edges and no blended (near-white) pixels ever appear.
#include "paint.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace velmora::art {
namespace {

// Squared distance from p to the segment a-b.
double SegmentDistance2(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = 0;
  if (len2 > 0) t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0);
  const double ex = p.x - (a.x + t * dx), ey = p.y - (a.y + t * dy);
  return ex * ex + ey * ey;
}

// Points around an ellipse, dense enough that the chords stay within a tenth of a pixel.
std::vector<Point> EllipsePoints(double cx, double cy, double rx, double ry) {
  const double r = std::max(std::abs(rx), std::abs(ry));
  const int n = std::clamp(static_cast<int>(r * 4), 24, 2048);
  std::vector<Point> pts;
  pts.reserve(n);
  for (int i = 0; i < n; ++i) {
    const double a = 2 * std::numbers::pi * i / n;
    pts.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return pts;
}

int FloorClamp(double v, int lo, int hi) {
  if (!(v > lo)) return lo;  // also catches NaN
  if (v > hi) return hi;
  return static_cast<int>(std::floor(v));
}

}  // namespace

Painter::Painter(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * height_, kWhite) {}

int Painter::width() const { return width_; }
int Painter::height() const { return height_; }

Rgb Painter::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Painter::Set(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

const std::vector<Rgb>& Painter::pixels() const { return pixels_; }

void Painter::FillPolygon(const std::vector<Point>& pts, Rgb c) {
  if (pts.size() < 3) return;
  double ymin = pts[0].y, ymax = pts[0].y;
  for (const Point& p : pts) { ymin = std::min(ymin, p.y); ymax = std::max(ymax, p.y); }
  const int y0 = FloorClamp(ymin - 1, 0, height_), y1 = FloorClamp(ymax + 1, 0, height_);
  std::vector<double> xs;
  for (int y = y0; y < y1; ++y) {
    const double sy = y + 0.5;
    xs.clear();
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const Point& a = pts[j];
      const Point& b = pts[i];
      if ((a.y <= sy) != (b.y <= sy)) xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
    // Even-odd rule: centres between the 1st and 2nd crossing, 3rd and 4th, ...
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
      const int xa = FloorClamp(std::ceil(xs[i] - 0.5), 0, width_);
      const int xb = FloorClamp(std::ceil(xs[i + 1] - 0.5), 0, width_);
      for (int x = xa; x < xb; ++x) Set(x, y, c);
    }
  }
}

void Painter::FillEllipse(double cx, double cy, double rx, double ry, Rgb c) {
  rx = std::abs(rx); ry = std::abs(ry);
  if (rx <= 0 || ry <= 0) return;
  const int y0 = FloorClamp(cy - ry - 1, 0, height_), y1 = FloorClamp(cy + ry + 2, 0, height_);
  const int x0 = FloorClamp(cx - rx - 1, 0, width_), x1 = FloorClamp(cx + rx + 2, 0, width_);
  for (int y = y0; y < y1; ++y) {
    const double dy = (y + 0.5 - cy) / ry;
    for (int x = x0; x < x1; ++x) {
      const double dx = (x + 0.5 - cx) / rx;
      if (dx * dx + dy * dy <= 1.0) Set(x, y, c);
    }
  }
}

void Painter::FillRect(double x0, double y0, double x1, double y1, Rgb c) {
  if (x0 > x1) std::swap(x0, x1);
  if (y0 > y1) std::swap(y0, y1);
  const int xa = FloorClamp(std::ceil(x0 - 0.5), 0, width_), xb = FloorClamp(std::ceil(x1 - 0.5), 0, width_);
  const int ya = FloorClamp(std::ceil(y0 - 0.5), 0, height_), yb = FloorClamp(std::ceil(y1 - 0.5), 0, height_);
  for (int y = ya; y < yb; ++y)
    for (int x = xa; x < xb; ++x) Set(x, y, c);
}

void Painter::FillRoundRect(double x0, double y0, double x1, double y1, double radius, Rgb c) {
  if (x0 > x1) std::swap(x0, x1);
  if (y0 > y1) std::swap(y0, y1);
  radius = std::clamp(radius, 0.0, std::min(x1 - x0, y1 - y0) / 2);
  const double ix0 = x0 + radius, ix1 = x1 - radius, iy0 = y0 + radius, iy1 = y1 - radius;
  const int xa = FloorClamp(x0 - 1, 0, width_), xb = FloorClamp(x1 + 2, 0, width_);
  const int ya = FloorClamp(y0 - 1, 0, height_), yb = FloorClamp(y1 + 2, 0, height_);
  for (int y = ya; y < yb; ++y) {
    const double py = y + 0.5;
    if (py < y0 || py >= y1) continue;
    for (int x = xa; x < xb; ++x) {
      const double px = x + 0.5;
      if (px < x0 || px >= x1) continue;
      const double dx = px < ix0 ? ix0 - px : (px > ix1 ? px - ix1 : 0);
      const double dy = py < iy0 ? iy0 - py : (py > iy1 ? py - iy1 : 0);
      if (dx * dx + dy * dy <= radius * radius) Set(x, y, c);
    }
  }
}

void Painter::StrokeLine(Point a, Point b, double width, Rgb c) {
  const double r = std::abs(width) / 2;
  if (r <= 0) return;
  const int xa = FloorClamp(std::min(a.x, b.x) - r - 1, 0, width_);
  const int xb = FloorClamp(std::max(a.x, b.x) + r + 2, 0, width_);
  const int ya = FloorClamp(std::min(a.y, b.y) - r - 1, 0, height_);
  const int yb = FloorClamp(std::max(a.y, b.y) + r + 2, 0, height_);
  for (int y = ya; y < yb; ++y)
    for (int x = xa; x < xb; ++x)
      if (SegmentDistance2({x + 0.5, y + 0.5}, a, b) <= r * r) Set(x, y, c);
}

void Painter::StrokePolyline(const std::vector<Point>& pts, double width, Rgb c, bool closed) {
  if (pts.empty()) return;
  if (pts.size() == 1) { StrokeLine(pts[0], pts[0], width, c); return; }
  for (std::size_t i = 0; i + 1 < pts.size(); ++i) StrokeLine(pts[i], pts[i + 1], width, c);
  if (closed) StrokeLine(pts.back(), pts.front(), width, c);
}

void Painter::StrokeEllipse(double cx, double cy, double rx, double ry, double width, Rgb c) {
  StrokePolyline(EllipsePoints(cx, cy, rx, ry), width, c, true);
}

void Painter::OutlinedPolygon(const std::vector<Point>& pts, Rgb fill, double outline) {
  FillPolygon(pts, fill);
  StrokePolyline(pts, outline, kOutline, true);
}

void Painter::OutlinedEllipse(double cx, double cy, double rx, double ry, Rgb fill, double outline) {
  FillEllipse(cx, cy, rx, ry, fill);
  StrokeEllipse(cx, cy, rx, ry, outline, kOutline);
}

void Painter::OutlinedRoundRect(double x0, double y0, double x1, double y1, double radius, Rgb fill,
                                double outline) {
  FillRoundRect(x0, y0, x1, y1, radius, fill);
  if (x0 > x1) std::swap(x0, x1);
  if (y0 > y1) std::swap(y0, y1);
  radius = std::clamp(radius, 0.0, std::min(x1 - x0, y1 - y0) / 2);
  // The border: four straight sides joined by quarter circles.
  std::vector<Point> border;
  const int steps = std::max(4, static_cast<int>(radius * 2));
  const double cxs[4] = {x1 - radius, x0 + radius, x0 + radius, x1 - radius};
  const double cys[4] = {y0 + radius, y0 + radius, y1 - radius, y1 - radius};
  for (int corner = 0; corner < 4; ++corner) {
    for (int i = 0; i <= steps; ++i) {
      const double a = std::numbers::pi / 2 * (corner + static_cast<double>(i) / steps);
      border.push_back({cxs[corner] + radius * std::cos(a), cys[corner] - radius * std::sin(a)});
    }
  }
  StrokePolyline(border, outline, kOutline, true);
}

void Painter::FloodFill(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const Rgb target = at(x, y);
  if (target == c) return;
  std::vector<std::pair<int, int>> stack{{x, y}};
  while (!stack.empty()) {
    auto [px, py] = stack.back();
    stack.pop_back();
    if (px < 0 || py < 0 || px >= width_ || py >= height_ || !(at(px, py) == target)) continue;
    Set(px, py, c);
    stack.push_back({px + 1, py});
    stack.push_back({px - 1, py});
    stack.push_back({px, py + 1});
    stack.push_back({px, py - 1});
  }
}

Painter Centred(const Painter& src) {
  int x0 = src.width(), y0 = src.height(), x1 = -1, y1 = -1;
  for (int y = 0; y < src.height(); ++y)
    for (int x = 0; x < src.width(); ++x)
      if (!(src.at(x, y) == kWhite)) {
        x0 = std::min(x0, x); x1 = std::max(x1, x);
        y0 = std::min(y0, y); y1 = std::max(y1, y);
      }
  Painter out(src.width(), src.height());
  if (x1 < 0) return out;
  const int dx = (src.width() - (x1 - x0 + 1)) / 2 - x0;
  const int dy = (src.height() - (y1 - y0 + 1)) / 2 - y0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const Rgb c = src.at(x, y);
      if (!(c == kWhite)) out.Set(x + dx, y + dy, c);
    }
  return out;
}

}  // namespace velmora::art
