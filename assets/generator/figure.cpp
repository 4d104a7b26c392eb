#include "figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::art {

std::vector<Point> EllipsePolygon(double cx, double cy, double rx, double ry, double degrees, int steps) {
  const double t = degrees * std::numbers::pi / 180;
  const double c = std::cos(t), s = std::sin(t);
  std::vector<Point> pts;
  for (int i = 0; i < steps; ++i) {
    const double a = 2 * std::numbers::pi * i / steps;
    const double x = rx * std::cos(a), y = ry * std::sin(a);
    pts.push_back({cx + x * c - y * s, cy + x * s + y * c});
  }
  return pts;
}

std::vector<Point> ArcPoints(double cx, double cy, double rx, double ry, double a0, double a1, int steps) {
  std::vector<Point> pts;
  for (int i = 0; i <= steps; ++i) {
    const double a = (a0 + (a1 - a0) * i / steps) * std::numbers::pi / 180;
    pts.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return pts;
}

Figure::Figure(Painter& p, double ox, double oy, double dx, double dy, double scale, bool mirrored)
    : p_(p), ox_(ox), oy_(oy), dx_(dx), dy_(dy), scale_(scale), mirrored_(mirrored) {}

Point Figure::At(Point q) const {
  const double x = mirrored_ ? ox_ - (q.x - ox_) : q.x;
  return {dx_ + (x - ox_) * scale_, dy_ + (q.y - oy_) * scale_};
}

std::vector<Point> Figure::Map(const std::vector<Point>& pts) const {
  std::vector<Point> out;
  out.reserve(pts.size());
  for (const Point& q : pts) out.push_back(At(q));
  return out;
}

void Figure::Ellipse(double cx, double cy, double rx, double ry, Rgb fill) {
  const Point c = At({cx, cy});
  p_.OutlinedEllipse(c.x, c.y, Len(rx), Len(ry), fill, outline_);
}

void Figure::TurnedEllipse(double cx, double cy, double rx, double ry, double degrees, Rgb fill) {
  p_.OutlinedPolygon(Map(EllipsePolygon(cx, cy, rx, ry, degrees)), fill, outline_);
}

void Figure::Polygon(const std::vector<Point>& pts, Rgb fill) { p_.OutlinedPolygon(Map(pts), fill, outline_); }

void Figure::RoundRect(double x0, double y0, double x1, double y1, double radius, Rgb fill) {
  const Point a = At({x0, y0}), b = At({x1, y1});
  p_.OutlinedRoundRect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y), Len(radius),
                       fill, outline_);
}

void Figure::Blob(const std::vector<Circle>& circles, Rgb fill) {
  for (const Circle& c : circles) {
    const Point q = At({c.x, c.y});
    p_.FillEllipse(q.x, q.y, Len(c.r) + outline_ / 2, Len(c.r) + outline_ / 2, kOutline);
  }
  for (const Circle& c : circles) {
    const Point q = At({c.x, c.y});
    p_.FillEllipse(q.x, q.y, Len(c.r) - outline_ / 2, Len(c.r) - outline_ / 2, fill);
  }
}

void Figure::Limb(const std::vector<Point>& pts, double width, Rgb fill) {
  const std::vector<Point> m = Map(pts);
  p_.StrokePolyline(m, Len(width) + outline_ * 2, kOutline);
  p_.StrokePolyline(m, Len(width), fill);
}

std::vector<Point> Figure::TaperOutline(const std::vector<Point>& pts, double w0, double w1) const {
  std::vector<Point> left, right;
  const std::size_t n = pts.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point a = pts[i > 0 ? i - 1 : 0], b = pts[i + 1 < n ? i + 1 : n - 1];
    double dx = b.x - a.x, dy = b.y - a.y;
    const double len = std::hypot(dx, dy);
    if (len > 0) { dx /= len; dy /= len; }
    const double t = n > 1 ? static_cast<double>(i) / (n - 1) : 0;
    const double half = (w0 + (w1 - w0) * t) / 2;
    left.push_back({pts[i].x - dy * half, pts[i].y + dx * half});
    right.push_back({pts[i].x + dy * half, pts[i].y - dx * half});
  }
  left.insert(left.end(), right.rbegin(), right.rend());
  return left;
}

void Figure::Taper(const std::vector<Point>& pts, double w0, double w1, Rgb fill) {
  Polygon(TaperOutline(pts, w0, w1), fill);
}

void Figure::FlatEllipse(double cx, double cy, double rx, double ry, Rgb c) {
  const Point q = At({cx, cy});
  p_.FillEllipse(q.x, q.y, Len(rx), Len(ry), c);
}

void Figure::FlatTurnedEllipse(double cx, double cy, double rx, double ry, double degrees, Rgb c) {
  p_.FillPolygon(Map(EllipsePolygon(cx, cy, rx, ry, degrees)), c);
}

void Figure::FlatPolygon(const std::vector<Point>& pts, Rgb c) { p_.FillPolygon(Map(pts), c); }

void Figure::Line(Point a, Point b, double width, Rgb c) { p_.StrokeLine(At(a), At(b), Len(width), c); }

void Figure::Polyline(const std::vector<Point>& pts, double width, Rgb c) { p_.StrokePolyline(Map(pts), Len(width), c); }

}  // namespace velmora::art
