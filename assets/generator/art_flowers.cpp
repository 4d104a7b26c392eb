// The flower series: five flowers, each at its own size, on pure white.
#include <cmath>
#include <numbers>

#include "art.h"
#include "figure.h"

namespace velmora::art {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr Rgb kStem{70, 150, 70};
constexpr Rgb kLeaf{96, 186, 84};
constexpr Rgb kLeafVein{60, 130, 60};
constexpr Rgb kYellow{252, 206, 40};
constexpr Rgb kYellowShade{236, 160, 30};

// A leaf: a pointed shape along a slightly bent centre line, with its vein.
void Leaf(Figure& f, Point base, Point tip, double width, double bend, Rgb colour = kLeaf) {
  const double mx = (base.x + tip.x) / 2, my = (base.y + tip.y) / 2;
  const double dx = tip.x - base.x, dy = tip.y - base.y, n = std::hypot(dx, dy);
  const Point mid{mx - dy / n * bend, my + dx / n * bend};
  std::vector<Point> line;
  for (int i = 0; i <= 12; ++i) {
    const double t = i / 12.0;
    line.push_back({(1 - t) * (1 - t) * base.x + 2 * t * (1 - t) * mid.x + t * t * tip.x,
                    (1 - t) * (1 - t) * base.y + 2 * t * (1 - t) * mid.y + t * t * tip.y});
  }
  // Widest at the middle: a taper out and a taper back in, joined.
  std::vector<Point> left, right;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const Point a = line[i > 0 ? i - 1 : 0], b = line[i + 1 < line.size() ? i + 1 : i];
    double ux = b.x - a.x, uy = b.y - a.y;
    const double len = std::hypot(ux, uy);
    ux /= len;
    uy /= len;
    const double t = static_cast<double>(i) / (line.size() - 1);
    const double half = width / 2 * std::sin(kPi * t);
    left.push_back({line[i].x - uy * half, line[i].y + ux * half});
    right.push_back({line[i].x + uy * half, line[i].y - ux * half});
  }
  left.insert(left.end(), right.rbegin() + 1, right.rend() - 1);
  f.Polygon(left, colour);
  std::vector<Point> vein(line.begin() + 1, line.end() - 3);
  f.Polyline(vein, 1.6, kLeafVein);
}

// Petals round a centre, each an ellipse pointing outward.
void PetalRing(Figure& f, double cx, double cy, int count, double distance, double rx, double ry, double turn, Rgb c) {
  for (int i = 0; i < count; ++i) {
    const double deg = turn + 360.0 * i / count;
    const double a = deg * kPi / 180;
    f.TurnedEllipse(cx + distance * std::cos(a), cy + distance * std::sin(a), rx, ry, deg, c);
  }
}

// Flower 1, 100 × 77: a sprig of cherry blossom.
Painter CherrySprig() {
  Painter p(100, 77);
  Figure f(p, 0, 0, 0, 0, 1, false);
  f.set_outline(2.2);
  const Rgb bark{132, 86, 62}, petal{250, 180, 204}, heart{236, 90, 130};
  f.Taper({{5, 66}, {28, 56}, {52, 46}, {76, 36}, {95, 28}}, 8, 3, bark);
  f.Taper({{56, 45}, {64, 34}, {68, 22}}, 4.5, 2.2, bark);
  Leaf(f, {60, 42}, {80, 56}, 11, -3);
  Leaf(f, {22, 58}, {14, 42}, 10, 3);
  auto blossom = [&](double x, double y, double r, double turn) {
    PetalRing(f, x, y, 5, r * 0.62, r * 0.55, r * 0.46, turn, petal);
    f.Ellipse(x, y, r * 0.3, r * 0.3, heart);
    for (int i = 0; i < 5; ++i) {
      const double a = (turn + 36 + 72 * i) * kPi / 180;
      f.FlatEllipse(x + r * 0.5 * std::cos(a), y + r * 0.5 * std::sin(a), 1.6, 1.6, kYellowShade);
    }
  };
  blossom(36, 32, 21, -90);
  blossom(75, 50, 16, -60);
  f.Ellipse(69, 18, 6, 7, petal);
  f.Ellipse(92, 24, 4.5, 5.5, petal);
  f.Line({66, 20}, {72, 16}, 1.6, heart);
  return p;
}

// Flower 2, 125 × 135: a red and a yellow tulip.
void Tulip(Figure& f, double x, double y, double size, Rgb petal, Rgb shade) {
  const double s = size;
  // Back petals, then the front petal with its two pointed tips.
  f.Polygon({{x - 0.9 * s, y - 0.2 * s}, {x - 0.55 * s, y - 1.0 * s}, {x - 0.05 * s, y - 0.35 * s}, {x, y + 0.8 * s}}, shade);
  f.Polygon({{x + 0.9 * s, y - 0.2 * s}, {x + 0.55 * s, y - 1.0 * s}, {x + 0.05 * s, y - 0.35 * s}, {x, y + 0.8 * s}}, shade);
  std::vector<Point> cup = ArcPoints(x, y - 0.1 * s, 0.82 * s, 0.9 * s, 0, 180, 20);
  cup.push_back({x - 0.82 * s, y - 0.5 * s});
  cup.push_back({x - 0.4 * s, y - 0.25 * s});
  cup.push_back({x, y - 0.85 * s});
  cup.push_back({x + 0.4 * s, y - 0.25 * s});
  cup.push_back({x + 0.82 * s, y - 0.5 * s});
  f.Polygon(cup, petal);
  f.Polyline(ArcPoints(x - 0.3 * s, y + 0.05 * s, 0.28 * s, 0.5 * s, 120, 200, 8), 2.2, shade);
}

Painter TulipPair() {
  Painter p(125, 135);
  Figure f(p, 0, 0, 0, 0, 1, false);
  f.set_outline(2.6);
  f.Limb({{44, 46}, {50, 90}, {60, 128}}, 5, kStem);
  f.Limb({{86, 56}, {80, 96}, {66, 128}}, 5, kStem);
  Leaf(f, {58, 128}, {18, 70}, 20, -6);
  Leaf(f, {66, 128}, {108, 86}, 18, 6);
  Leaf(f, {62, 128}, {64, 84}, 13, 4, Rgb{80, 170, 76});
  Tulip(f, 44, 34, 26, Rgb{232, 52, 64}, Rgb{186, 32, 52});
  Tulip(f, 88, 46, 22, kYellow, kYellowShade);
  return p;
}

// Flower 3, 147 × 90: three daisies tied with a ribbon.
Painter DaisyBunch() {
  Painter p(147, 90);
  Figure f(p, 0, 0, 0, 0, 1, false);
  f.set_outline(2.2);
  const Point tie{74, 72};
  f.Limb({{34, 34}, {56, 58}, tie, {70, 86}}, 4, kStem);
  f.Limb({{114, 36}, {92, 58}, tie, {78, 86}}, 4, kStem);
  f.Limb({{74, 24}, {74, 86}}, 4, kStem);
  Leaf(f, {60, 64}, {30, 70}, 10, 3);
  Leaf(f, {88, 64}, {118, 72}, 10, -3);
  struct D { double x, y, r; Rgb petal, heart; } daisies[] = {
      {34, 34, 24, kOffWhite, kYellow}, {114, 36, 24, {250, 186, 210}, kYellow}, {74, 24, 22, {200, 178, 246}, {250, 170, 40}}};
  for (const D& d : daisies) {
    PetalRing(f, d.x, d.y, 10, d.r * 0.62, d.r * 0.4, d.r * 0.17, 9, d.petal);
    f.Ellipse(d.x, d.y, d.r * 0.34, d.r * 0.34, d.heart);
    f.FlatEllipse(d.x - d.r * 0.1, d.y - d.r * 0.1, d.r * 0.1, d.r * 0.1, Rgb{254, 236, 150});
  }
  // The ribbon: two loops and two tails.
  const Rgb ribbon{60, 120, 220};
  f.Polygon({{74, 72}, {56, 62}, {54, 78}}, ribbon);
  f.Polygon({{74, 72}, {92, 62}, {94, 78}}, ribbon);
  f.Polygon({{72, 74}, {62, 88}, {68, 89}, {74, 78}}, ribbon);
  f.Polygon({{76, 74}, {86, 88}, {80, 89}, {74, 78}}, ribbon);
  f.Ellipse(74, 72, 5, 5, ribbon);
  return p;
}

// Flower 4, 115 × 115: a sunflower head.
Painter Sunflower() {
  Painter p(115, 115);
  Figure f(p, 0, 0, 0, 0, 1, false);
  f.set_outline(2.4);
  const double cx = 57.5, cy = 57.5;
  Leaf(f, {70, 86}, {104, 100}, 18, -5);
  Leaf(f, {46, 88}, {12, 102}, 16, 5);
  PetalRing(f, cx, cy, 14, 38, 15, 6.5, 12.857, kYellowShade);
  PetalRing(f, cx, cy, 14, 36, 16, 7, 0, kYellow);
  f.Ellipse(cx, cy, 24, 24, Rgb{120, 70, 40});
  f.FlatEllipse(cx, cy, 17, 17, Rgb{150, 92, 50});
  // Seeds in rings.
  for (int ring = 0; ring < 3; ++ring) {
    const double r = 6 + ring * 6.5;
    const int n = 6 + ring * 6;
    for (int i = 0; i < n; ++i) {
      const double a = (i + ring * 0.5) * 2 * kPi / n;
      f.FlatEllipse(cx + r * std::cos(a), cy + r * std::sin(a), 1.7, 1.7, Rgb{80, 46, 30});
    }
  }
  f.FlatEllipse(cx - 8, cy - 9, 3.5, 2.5, Rgb{186, 130, 80});
  return p;
}

// Flower 5, 150 × 150: a pink flower in a terracotta pot.
Painter PottedFlower() {
  Painter p(150, 150);
  Figure f(p, 0, 0, 0, 0, 1, false);
  f.set_outline(2.8);
  const Rgb pot{206, 104, 64}, potShade{170, 80, 50}, rim{222, 124, 80};
  f.Limb({{75, 104}, {72, 80}, {76, 56}}, 6, kStem);
  Leaf(f, {73, 92}, {36, 74}, 20, 6);
  Leaf(f, {74, 84}, {112, 66}, 20, -6);
  // The flower: two rings of petals and a golden heart.
  const double fx = 76, fy = 42;
  PetalRing(f, fx, fy, 8, 22, 16, 10, 22.5, Rgb{214, 70, 150});
  PetalRing(f, fx, fy, 8, 15, 12, 8, 0, Rgb{246, 130, 190});
  f.Ellipse(fx, fy, 10, 10, kYellow);
  f.FlatEllipse(fx - 3, fy - 3, 3.5, 3.5, Rgb{254, 236, 150});
  // The pot: body, darker side, rim, and soil showing.
  f.Polygon({{42, 110}, {108, 110}, {100, 146}, {50, 146}}, pot);
  f.FlatPolygon({{88, 112}, {106, 112}, {98.5, 144.5}, {84, 144.5}}, potShade);
  f.RoundRect(36, 100, 114, 114, 3, rim);
  f.FlatEllipse(75, 101, 30, 2.2, Rgb{100, 66, 46});
  f.Polyline({{60, 126}, {66, 132}, {72, 126}, {78, 132}, {84, 126}, {90, 132}}, 2.4, kOffWhite);
  return p;
}

}  // namespace

Painter DrawFlower(int k) {
  switch (k) {
    case 1: return CherrySprig();
    case 2: return TulipPair();
    case 3: return DaisyBunch();
    case 4: return Sunflower();
    default: return PottedFlower();
  }
}

}  // namespace velmora::art
