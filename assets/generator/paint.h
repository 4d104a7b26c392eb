#pragma once
// assets/generator/paint.h — flat-colour painting for the stamp art (no antialiasing).
#include <cstdint>
#include <vector>
namespace velmora::art {
struct Rgb { std::uint8_t r = 255, g = 255, b = 255; friend bool operator==(const Rgb&, const Rgb&) = default; };
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kOutline{34, 30, 38};          // the dark outline colour used by every drawing
constexpr Rgb kOffWhite{244, 244, 238};      // white that must show (wool, highlights)
struct Point { double x, y; };
class Painter {
 public:
  Painter(int width, int height);            // all pure white
  int width() const; int height() const;
  Rgb at(int x, int y) const;
  void Set(int x, int y, Rgb c);             // clipped
  // Filled shapes: a pixel is painted when its centre is inside the shape.
  void FillPolygon(const std::vector<Point>& pts, Rgb c);
  void FillEllipse(double cx, double cy, double rx, double ry, Rgb c);
  void FillRect(double x0, double y0, double x1, double y1, Rgb c);
  void FillRoundRect(double x0, double y0, double x1, double y1, double radius, Rgb c);
  // Strokes of a given width with round joins and ends.
  void StrokeLine(Point a, Point b, double width, Rgb c);
  void StrokePolyline(const std::vector<Point>& pts, double width, Rgb c, bool closed = false);
  void StrokeEllipse(double cx, double cy, double rx, double ry, double width, Rgb c);
  // Shape with a dark outline: fill, then stroke the border with kOutline.
  void OutlinedPolygon(const std::vector<Point>& pts, Rgb fill, double outline = 3);
  void OutlinedEllipse(double cx, double cy, double rx, double ry, Rgb fill, double outline = 3);
  void OutlinedRoundRect(double x0, double y0, double x1, double y1, double radius, Rgb fill, double outline = 3);
  void FloodFill(int x, int y, Rgb c);       // 4-connected, replaces the colour at (x, y)
  const std::vector<Rgb>& pixels() const;    // top row first
 private:
  int width_, height_; std::vector<Rgb> pixels_;
};
// The drawing moved so that its bounding box (everything not pure white) is centred in the
// picture: stamps print centred on the pointer.
Painter Centred(const Painter& src);
}  // namespace velmora::art
