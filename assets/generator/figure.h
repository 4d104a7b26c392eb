#pragma once
// A drawing frame over a Painter: shapes are given in a design space (the picture's own
// coordinates when unscaled), then scaled about a centre, moved and optionally mirrored, so one
// drawing can be reused at other sizes and facing the other way.
#include <vector>

#include "paint.h"

namespace velmora::art {

// Points of an ellipse turned by `degrees` (clockwise on screen).
std::vector<Point> EllipsePolygon(double cx, double cy, double rx, double ry, double degrees = 0, int steps = 72);
// Points along an arc of an ellipse from a0 to a1 degrees (0 = right, 90 = down).
std::vector<Point> ArcPoints(double cx, double cy, double rx, double ry, double a0, double a1, int steps = 24);

struct Circle { double x, y, r; };

class Figure {
 public:
  // Design point (x, y) lands at (dx + (x - ox) * scale, dy + (y - oy) * scale), with x negated
  // about ox first when mirrored.
  Figure(Painter& p, double ox, double oy, double dx, double dy, double scale, bool mirrored);

  Painter& painter() { return p_; }
  Point At(Point q) const;
  double Len(double v) const { return v * scale_; }
  double outline() const { return outline_; }
  void set_outline(double width) { outline_ = width; }

  // Outlined shapes.
  void Ellipse(double cx, double cy, double rx, double ry, Rgb fill);
  void TurnedEllipse(double cx, double cy, double rx, double ry, double degrees, Rgb fill);
  void Polygon(const std::vector<Point>& pts, Rgb fill);
  void RoundRect(double x0, double y0, double x1, double y1, double radius, Rgb fill);
  // A union of circles with one outline round the whole: the wool of a sheep, a cloud.
  void Blob(const std::vector<Circle>& circles, Rgb fill);
  // A thick stroke with a dark rim: legs, horns, tails, scarves.
  void Limb(const std::vector<Point>& pts, double width, Rgb fill);
  // A shape along a centre line narrowing from width w0 to w1: horns, petals, leaves.
  void Taper(const std::vector<Point>& pts, double w0, double w1, Rgb fill);
  std::vector<Point> TaperOutline(const std::vector<Point>& pts, double w0, double w1) const;

  // Flat shapes without outline.
  void FlatEllipse(double cx, double cy, double rx, double ry, Rgb c);
  void FlatTurnedEllipse(double cx, double cy, double rx, double ry, double degrees, Rgb c);
  void FlatPolygon(const std::vector<Point>& pts, Rgb c);
  void Line(Point a, Point b, double width, Rgb c);
  void Polyline(const std::vector<Point>& pts, double width, Rgb c);

 private:
  std::vector<Point> Map(const std::vector<Point>& pts) const;
  Painter& p_;
  double ox_, oy_, dx_, dy_, scale_;
  bool mirrored_;
  double outline_ = 3;
};

}  // namespace velmora::art
