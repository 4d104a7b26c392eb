// assets/generator/art_fireworks.cpp — the firework stamps: seven bursts of different
// shapes on a 300 × 300 picture.
//
// The stamps print over whatever is on the screen, light or dark, so every spark is a
// saturated colour inside a dark rim. Sparks are collected in a layer first and painted in
// two passes, all the rims and then all the colours, so that touching sparks merge into one
// shape instead of cutting each other with outlines.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "art.h"

namespace velmora::art {
namespace {

constexpr int kSize = 300;
constexpr double kCentre = kSize / 2.0;
constexpr double kPi = std::numbers::pi;
constexpr double kRim = 2.0;  // width of the dark rim around every spark

constexpr Rgb kRed{232, 36, 48};
constexpr Rgb kOrange{255, 136, 20};
constexpr Rgb kYellow{255, 214, 30};
constexpr Rgb kPaleYellow{255, 240, 150};
constexpr Rgb kGreen{40, 200, 80};
constexpr Rgb kLime{160, 230, 40};
constexpr Rgb kCyan{20, 200, 240};
constexpr Rgb kBlue{40, 100, 245};
constexpr Rgb kViolet{150, 60, 235};
constexpr Rgb kMagenta{236, 40, 170};
constexpr Rgb kPink{255, 110, 180};
constexpr Rgb kGold{246, 178, 30};
constexpr Rgb kAmber{226, 120, 20};

// A small fixed-seed generator, so that the scattered sparkles land in the same places on
// every run.
class Scatter {
 public:
  explicit Scatter(std::uint32_t seed) : state_(seed) {}
  double Next() {  // uniform in [0, 1)
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / 16777216.0;
  }
  double Between(double lo, double hi) { return lo + (hi - lo) * Next(); }

 private:
  std::uint32_t state_;
};

Point Polar(double r, double angle, Point centre = {kCentre, kCentre}) {
  return {centre.x + r * std::cos(angle), centre.y + r * std::sin(angle)};
}

class Layer {
 public:
  void Line(Point a, Point b, double width, Rgb c) { marks_.push_back({{a, b}, width, width, c, false}); }
  // A streak that narrows from w0 at its first point to w1 at its last.
  void Trail(const std::vector<Point>& pts, double w0, double w1, Rgb c) {
    marks_.push_back({pts, w0, w1, c, false});
  }
  void Dot(Point at, double r, Rgb c) { marks_.push_back({{at}, 2 * r, 2 * r, c, false}); }
  void Shape(const std::vector<Point>& pts, Rgb c) { marks_.push_back({pts, 0, 0, c, true}); }

  void Paint(Painter& p) const {
    for (const Mark& m : marks_) Draw(p, m, kRim * 2, kOutline);
    for (const Mark& m : marks_) Draw(p, m, 0, m.colour);
  }

 private:
  struct Mark {
    std::vector<Point> pts;
    double w0, w1;
    Rgb colour;
    bool filled;
  };

  static void Draw(Painter& p, const Mark& m, double grow, Rgb c) {
    if (m.filled) {
      p.FillPolygon(m.pts, c);
      if (grow > 0) p.StrokePolyline(m.pts, grow, c, true);
      return;
    }
    if (m.pts.size() == 1) {
      p.StrokeLine(m.pts[0], m.pts[0], m.w0 + grow, c);
      return;
    }
    const double n = static_cast<double>(m.pts.size() - 1);
    for (std::size_t i = 0; i + 1 < m.pts.size(); ++i) {
      const double w = m.w0 + (m.w1 - m.w0) * (i + 0.5) / n;
      p.StrokeLine(m.pts[i], m.pts[i + 1], w + grow, c);
    }
  }

  std::vector<Mark> marks_;
};

// A four-pointed twinkle.
std::vector<Point> Twinkle(Point c, double r, double turn = 0) {
  std::vector<Point> pts;
  for (int i = 0; i < 8; ++i) pts.push_back(Polar(i % 2 == 0 ? r : r * 0.28, turn + kPi * i / 4, c));
  return pts;
}

// A straight streak from radius r0 to r1 along `angle`, widening outward.
void Ray(Layer& layer, double angle, double r0, double r1, double w0, double w1, Rgb c,
         Point centre = {kCentre, kCentre}) {
  std::vector<Point> pts;
  for (int i = 0; i <= 6; ++i) pts.push_back(Polar(r0 + (r1 - r0) * i / 6.0, angle, centre));
  layer.Trail(pts, w0, w1, c);
}

// The path of a spark thrown from `from` with speed v along `angle`, falling under gravity g.
std::vector<Point> Arc(Point from, double angle, double v, double g, double tEnd, int steps) {
  std::vector<Point> pts;
  for (int i = 0; i <= steps; ++i) {
    const double t = tEnd * i / steps;
    pts.push_back({from.x + v * t * std::cos(angle), from.y + v * t * std::sin(angle) + g * t * t});
  }
  return pts;
}

// ---------------------------------------------------------------------------------------

// Round peony: rings of glowing stars, yellow at the heart, red at the rim.
void Peony(Painter& p) {
  Layer layer;
  const struct { double r; int n; double size; Rgb c; } rings[] = {
      {34, 8, 6, kYellow}, {62, 14, 7, kOrange}, {90, 20, 7.5, kOrange}, {118, 26, 8, kRed}};
  for (int ring = 0; ring < 4; ++ring) {
    const auto& g = rings[ring];
    for (int i = 0; i < g.n; ++i) {
      const double a = 2 * kPi * (i + (ring % 2) * 0.5) / g.n;
      Ray(layer, a, g.r - 20, g.r - 3, 1.5, g.size, g.c);
      layer.Dot(Polar(g.r, a), g.size, g.c);
    }
  }
  layer.Dot({kCentre, kCentre}, 14, kYellow);
  layer.Paint(p);
  // Hot white-yellow centres on the outer stars.
  for (int i = 0; i < 26; ++i) {
    const Point c = Polar(118, 2 * kPi * (i + 0.5) / 26);
    p.FillEllipse(c.x, c.y, 3, 3, kYellow);
  }
  p.FillEllipse(kCentre, kCentre, 7, 7, kPaleYellow);
}

// Ring: a tilted hoop of blue stars with a small violet heart.
void Ring(Painter& p) {
  Layer layer;
  const double tilt = -0.35;
  auto onRing = [tilt](double a, double rx, double ry) {
    const double x = rx * std::cos(a), y = ry * std::sin(a);
    return Point{kCentre + x * std::cos(tilt) - y * std::sin(tilt),
                 kCentre + x * std::sin(tilt) + y * std::cos(tilt)};
  };
  for (int i = 0; i < 36; ++i) {
    const double a = 2 * kPi * i / 36;
    const Point outer = onRing(a, 132, 84);
    const Point inner = onRing(a, 116, 72);
    layer.Trail({inner, outer}, 2, 7, kCyan);
    layer.Dot(outer, 6.5, i % 3 == 0 ? kBlue : kCyan);
  }
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * kPi * i / 12 + 0.2;
    Ray(layer, a, 4, 30, 2, 4.5, kViolet);
    layer.Dot(Polar(34, a), 4.5, kMagenta);
  }
  layer.Dot({kCentre, kCentre}, 8, kMagenta);
  layer.Paint(p);
  for (int i = 0; i < 36; i += 3) {
    const Point c = onRing(2 * kPi * i / 36, 132, 84);
    p.FillEllipse(c.x, c.y, 2.5, 2.5, kCyan);
  }
}

// Willow: golden trails that rise, spread like an umbrella and droop toward the ground.
void Willow(Painter& p) {
  Layer layer;
  const Point top{kCentre, 80};
  for (int i = 0; i < 20; ++i) {
    const double a = -kPi / 2 + 2 * kPi * (i + 0.5) / 20;
    const double floor = 258 + 14 * std::sin(i * 2.3);  // trails end at uneven heights
    std::vector<Point> path;
    for (const Point& q : Arc(top, a, 76, 40, 1.75, 24)) {
      if (q.y > floor) break;
      path.push_back(q);
    }
    layer.Trail(path, 6, 2, i % 2 == 0 ? kGold : kAmber);
    layer.Dot(path.back(), 3.5, kYellow);
    const Point& last = path.back();
    layer.Dot({last.x, last.y + 10}, 2.5, kGold);  // a falling ember below each trail
  }
  for (int i = 0; i < 8; ++i) Ray(layer, 2 * kPi * i / 8, 2, 22, 5, 2, kYellow, top);
  layer.Dot(top, 9, kYellow);
  layer.Paint(p);
  p.FillEllipse(top.x, top.y, 4, 4, kPaleYellow);
}

// Star: a five-pointed star of violet sparks with pink rays to its points.
void StarBurst(Painter& p) {
  Layer layer;
  std::vector<Point> corners;
  for (int i = 0; i < 10; ++i)
    corners.push_back(Polar(i % 2 == 0 ? 136 : 58, -kPi / 2 + kPi * i / 5));
  for (int i = 0; i < 10; ++i) {
    const Point a = corners[i], b = corners[(i + 1) % 10];
    for (int j = 0; j < 5; ++j) {
      const double t = j / 5.0;
      const Point d{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
      layer.Dot(d, j == 0 ? 8 : 5.5, j == 0 && i % 2 == 0 ? kMagenta : kViolet);
    }
  }
  for (int i = 0; i < 5; ++i) {
    const double a = -kPi / 2 + 2 * kPi * i / 5;
    Ray(layer, a, 12, 112, 3, 8, kPink);
    Ray(layer, a + kPi / 5, 12, 44, 2, 5, kMagenta);
  }
  for (int i = 0; i < 10; ++i) layer.Dot(Polar(30, -kPi / 2 + kPi * (i + 0.5) / 5), 3, kPink);
  layer.Dot({kCentre, kCentre}, 12, kPink);
  layer.Paint(p);
  for (int i = 0; i < 5; ++i) {
    const Point c = corners[i * 2];
    p.FillEllipse(c.x, c.y, 3, 3, kPink);
  }
  p.FillEllipse(kCentre, kCentre, 5, 5, kPaleYellow);
  // Golden twinkles in the bays between the points.
  Layer twinkles;
  for (int i = 0; i < 5; ++i)
    twinkles.Shape(Twinkle(Polar(112, -kPi / 2 + kPi * (2 * i + 1) / 5), 10), kYellow);
  twinkles.Paint(p);
}

// Points spaced evenly along a closed curve, sampled densely from its parameter.
template <typename Curve>
std::vector<Point> EvenlySpaced(Curve curve, int count) {
  constexpr int kSteps = 2000;
  std::vector<Point> dense;
  std::vector<double> length{0};
  for (int i = 0; i <= kSteps; ++i) {
    dense.push_back(curve(2 * kPi * i / kSteps));
    if (i > 0) length.push_back(length.back() + std::hypot(dense[i].x - dense[i - 1].x, dense[i].y - dense[i - 1].y));
  }
  std::vector<Point> out;
  std::size_t j = 0;
  for (int k = 0; k < count; ++k) {
    const double want = length.back() * k / count;
    while (j + 1 < length.size() && length[j + 1] < want) ++j;
    out.push_back(dense[j]);
  }
  return out;
}

// Heart: two nested hearts of red and pink sparks with twinkles around.
void HeartBurst(Painter& p) {
  Layer layer;
  const Point mid{kCentre, kCentre - 6};
  auto heart = [mid](double s) {
    return [mid, s](double t) {
      const double x = 16 * std::pow(std::sin(t), 3);
      const double y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
      return Point{mid.x + s * x, mid.y - s * y};
    };
  };
  // Each outer spark trails in toward the middle, except at the dip and the point, where
  // the trails would bunch up.
  constexpr int kRimSparks = 44;
  const auto rim = EvenlySpaced(heart(8.2), kRimSparks);
  for (int i = 0; i < kRimSparks; ++i) {
    const Point& q = rim[i];
    if (i > 1 && i < kRimSparks - 1 && std::abs(i - kRimSparks / 2) > 1) {
      const double dx = q.x - mid.x, dy = q.y - mid.y, len = std::hypot(dx, dy);
      layer.Trail({{q.x - dx / len * 15, q.y - dy / len * 15}, q}, 2, 8, kRed);
    }
    layer.Dot(q, 6, kRed);
  }
  for (const Point& q : EvenlySpaced(heart(5.0), 28)) layer.Dot(q, 4.5, kPink);
  std::vector<Point> core;
  for (int i = 0; i < 60; ++i) core.push_back(heart(2.4)(2 * kPi * i / 60));
  layer.Shape(core, kMagenta);
  layer.Paint(p);
  p.FillEllipse(mid.x - 14, mid.y - 18, 5, 4, kPink);  // a glint on the solid heart
  Layer twinkles;
  Scatter rng(0x4EA27u);
  for (int i = 0; i < 7; ++i) {
    const double a = 2 * kPi * i / 7 + rng.Between(-0.2, 0.2);
    twinkles.Shape(Twinkle(Polar(rng.Between(134, 144), a, mid), rng.Between(9, 13)), kYellow);
  }
  twinkles.Paint(p);
}

// Palm: a rising trunk of sparks and a few thick fronds that bend down like palm leaves.
void Palm(Painter& p) {
  Layer layer;
  const Point top{kCentre, 112};
  // The trunk: the shell's climbing tail, sparks that shrink toward the ground.
  for (int i = 0; i < 11; ++i) {
    const double y = top.y + 26 + i * 14.5;
    layer.Dot({top.x + 3 * std::sin(i * 1.3), y}, 5.5 - i * 0.35, i % 2 == 0 ? kGold : kOrange);
  }
  // Fronds fan out to both sides; none goes straight up, where it would fall back on itself.
  constexpr int kFronds = 6;
  auto frondAngle = [](int i) {
    constexpr double kSpread[kFronds] = {-1.5, -1.0, -0.45, 0.45, 1.0, 1.5};
    return -kPi / 2 + kSpread[i];
  };
  for (int i = 0; i < kFronds; ++i) {
    const auto frond = Arc(top, frondAngle(i), 125, 85, 1.05, 18);
    layer.Trail(frond, 15, 4, kGreen);
    const Point& tip = frond.back();
    layer.Dot(tip, 5, kLime);
    layer.Dot({tip.x, tip.y + 14}, 3, kLime);
    layer.Dot({tip.x, tip.y + 24}, 2, kGreen);
  }
  layer.Dot(top, 16, kLime);
  layer.Paint(p);
  // A bright vein down each frond.
  for (int i = 0; i < kFronds; ++i)
    p.StrokePolyline(Arc(top, frondAngle(i), 125, 85, 0.8, 14), 3.5, kLime);
  p.FillEllipse(top.x, top.y, 8, 8, kYellow);
}

// Chrysanthemum: dense rays in six colours, sparkles scattered around.
void Chrysanthemum(Painter& p) {
  Layer layer;
  const Rgb colours[] = {kRed, kOrange, kYellow, kGreen, kCyan, kViolet};
  for (int i = 0; i < 48; ++i) {
    const double a = 2 * kPi * i / 48;
    const double len = i % 2 == 0 ? 118 : 96;
    const Rgb c = colours[(i / 2) % 6];
    Ray(layer, a, 16, len, 2, 6, c);
    layer.Dot(Polar(len + 5, a), 4.5, c);
  }
  layer.Dot({kCentre, kCentre}, 16, kYellow);
  layer.Paint(p);
  p.FillEllipse(kCentre, kCentre, 8, 8, kPaleYellow);
  // Sparkles on top, in the gaps around the rim.
  Layer sparkles;
  Scatter rng(0xC4A15u);
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * kPi * (i + rng.Between(0.2, 0.8)) / 12;
    const double r = rng.Between(100, 136);
    sparkles.Shape(Twinkle(Polar(r, a), rng.Between(7, 11)), i % 2 ? kPink : kYellow);
  }
  sparkles.Paint(p);
}

}  // namespace

Painter DrawFirework(int k) {
  Painter p(kSize, kSize);
  switch (k) {
    case 1: Peony(p); break;
    case 2: Ring(p); break;
    case 3: Willow(p); break;
    case 4: StarBurst(p); break;
    case 5: HeartBurst(p); break;
    case 6: Palm(p); break;
    case 7: Chrysanthemum(p); break;
    default: return p;
  }
  return Centred(p);
}

}  // namespace velmora::art
