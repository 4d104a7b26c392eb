// assets/generator/art_cars.cpp — the car stamps: fifteen cartoon vehicles seen from the
// side, facing right, drawn with flat colours and dark outlines on a 128 × 128 picture.
//
// Every vehicle is drawn on a shared ground line and then moved so that its bounding box
// sits in the middle of the picture: stamps print centred on the pointer.
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "art.h"

namespace velmora::art {
namespace {

constexpr int kSize = 128;

// Colours shared by many vehicles.
constexpr Rgb kGlass{140, 200, 238};
constexpr Rgb kGlassShine{200, 232, 250};
constexpr Rgb kTyre{66, 66, 76};
constexpr Rgb kRim{186, 190, 200};
constexpr Rgb kChrome{160, 166, 178};
constexpr Rgb kHeadlight{255, 224, 96};
constexpr Rgb kTailLight{232, 56, 48};
constexpr Rgb kIndicator{255, 150, 30};
constexpr Rgb kDarkGrey{92, 94, 104};
constexpr Rgb kSeat{120, 72, 50};

struct Box { int x0, y0, x1, y1; };

Box BoundsOf(const std::vector<Point>& pts) {
  double x0 = pts[0].x, y0 = pts[0].y, x1 = x0, y1 = y0;
  for (const Point& p : pts) {
    x0 = std::min(x0, p.x); y0 = std::min(y0, p.y);
    x1 = std::max(x1, p.x); y1 = std::max(y1, p.y);
  }
  return {static_cast<int>(std::floor(x0)) - 1, static_cast<int>(std::floor(y0)) - 1,
          static_cast<int>(std::ceil(x1)) + 1, static_cast<int>(std::ceil(y1)) + 1};
}

// Repaints the pixels of colour `from` inside `box` that satisfy `where`: a way to add
// stripes or shine to a shape that was just filled, without leaving its outline.
void Recolor(Painter& p, Box box, Rgb from, Rgb to, const std::function<bool(int, int)>& where) {
  for (int y = box.y0; y <= box.y1; ++y)
    for (int x = box.x0; x <= box.x1; ++x)
      if (p.at(x, y) == from && where(x, y)) p.Set(x, y, to);
}

// A window pane with a diagonal glint near its left edge.
void Glass(Painter& p, const std::vector<Point>& pts, double outline = 2.5) {
  p.FillPolygon(pts, kGlass);
  const Box b = BoundsOf(pts);
  const int s = b.x0 + b.y0 + 8;
  Recolor(p, b, kGlass, kGlassShine, [s](int x, int y) {
    const int d = x + y - s;
    return (d >= 0 && d < 4) || (d >= 6 && d < 8);
  });
  p.StrokePolyline(pts, outline, kOutline, true);
}

void GlassRect(Painter& p, double x0, double y0, double x1, double y1, double outline = 2.5) {
  Glass(p, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, outline);
}

// A tyre with a light rim and a dark hub.
void Wheel(Painter& p, double cx, double cy, double r, Rgb rim = kRim) {
  p.OutlinedEllipse(cx, cy, r, r, kTyre, 3);
  p.OutlinedEllipse(cx, cy, r * 0.52, r * 0.52, rim, 2);
  p.FillEllipse(cx, cy, r * 0.17 + 0.6, r * 0.17 + 0.6, kOutline);
}

// The dark wheel well cut into a body before its wheel is drawn.
void Arch(Painter& p, double cx, double cy, double r) {
  p.FillEllipse(cx, cy, r + 3.5, r + 3.5, kOutline);
}

void WheelInArch(Painter& p, double cx, double cy, double r, Rgb rim = kRim) {
  Arch(p, cx, cy, r);
  Wheel(p, cx, cy, r, rim);
}

void Headlight(Painter& p, double cx, double cy, double rx = 3.5, double ry = 3.5) {
  p.OutlinedEllipse(cx, cy, rx, ry, kHeadlight, 2);
}

void TailLight(Painter& p, double x0, double y0, double x1, double y1) {
  p.OutlinedRoundRect(x0, y0, x1, y1, 1.5, kTailLight, 2);
}

void Bumper(Painter& p, double x0, double y0, double x1, double y1) {
  p.OutlinedRoundRect(x0, y0, x1, y1, 3, kChrome, 2);
}

void Handle(Painter& p, double x, double y) {
  p.FillRoundRect(x, y, x + 8, y + 3, 1.5, kOutline);
}

void Seam(Painter& p, Point a, Point b) { p.StrokeLine(a, b, 2, kOutline); }

// A five-pointed star centred on (cx, cy).
std::vector<Point> Star(double cx, double cy, double outer, double inner) {
  std::vector<Point> pts;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? outer : inner;
    const double a = -std::numbers::pi / 2 + std::numbers::pi * i / 5;
    pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return pts;
}

// ---------------------------------------------------------------------------------------
// The vehicles. Ground line y = 112; wheels of radius 12 sit at y = 100.

void RedHatchback(Painter& p) {
  const Rgb red{222, 48, 48};
  const Rgb rack{92, 94, 104};
  // A short, tall city car with a roof rack.
  p.StrokeLine({34, 30}, {74, 30}, 5, kOutline);
  p.StrokeLine({34, 30}, {74, 30}, 2, rack);
  p.StrokeLine({40, 30}, {40, 36}, 3, kOutline);
  p.StrokeLine({68, 30}, {68, 36}, 3, kOutline);
  p.OutlinedPolygon({{16, 100}, {15, 64}, {20, 46}, {28, 38}, {40, 35}, {70, 35}, {78, 39},
                     {92, 58}, {106, 62}, {113, 70}, {113, 100}},
                    red);
  Glass(p, {{22, 60}, {25, 48}, {31, 41}, {42, 40}, {42, 60}});
  Glass(p, {{48, 40}, {68, 40}, {74, 43}, {86, 60}, {48, 60}});
  p.StrokeLine({18, 76}, {111, 76}, 4, kOffWhite);  // racing stripe
  p.StrokeLine({18, 73.5}, {111, 73.5}, 1.5, kOutline);
  p.StrokeLine({18, 78.5}, {111, 78.5}, 1.5, kOutline);
  Seam(p, {45, 62}, {45, 94});
  Seam(p, {88, 62}, {88, 90});
  Handle(p, 50, 65);
  Headlight(p, 109, 68, 3.5, 3.5);
  TailLight(p, 14, 62, 20, 70);
  Bumper(p, 102, 88, 117, 95);
  Bumper(p, 11, 88, 25, 95);
  p.OutlinedPolygon({{82, 50}, {88, 50}, {88, 56}, {84, 56}}, red, 2);  // wing mirror
  WheelInArch(p, 34, 100, 12);
  WheelInArch(p, 93, 100, 12);
}

void BlueSedan(Painter& p) {
  const Rgb blue{44, 96, 214};
  const Rgb light{120, 168, 244};
  p.OutlinedPolygon({{5, 100}, {5, 72}, {10, 66}, {30, 63}, {40, 46}, {50, 41}, {80, 41}, {88, 45},
                     {101, 63}, {116, 67}, {123, 75}, {123, 100}},
                    blue);
  Glass(p, {{37, 62}, {45, 49}, {52, 47}, {62, 47}, {62, 62}});
  Glass(p, {{67, 47}, {80, 47}, {86, 50}, {96, 62}, {67, 62}});
  p.StrokeLine({9, 80}, {119, 80}, 3, light);  // side trim
  Seam(p, {64.5, 64}, {64.5, 96});
  Seam(p, {33, 66}, {33, 92});
  Seam(p, {97, 66}, {97, 92});
  Handle(p, 52, 68);
  Handle(p, 71, 68);
  Headlight(p, 118, 74, 4, 3);
  TailLight(p, 4, 70, 10, 78);
  Bumper(p, 108, 89, 126, 96);
  Bumper(p, 2, 89, 20, 96);
  WheelInArch(p, 28, 100, 12);
  WheelInArch(p, 100, 100, 12);
}

// Block capitals for the few words painted on vehicles: each letter is a set of strokes in a
// 4 × 6 cell.
void Letter(Painter& p, char ch, double x, double y, double w, double h, double pen, Rgb c) {
  auto L = [&](double ax, double ay, double bx, double by) {
    p.StrokeLine({x + ax * w, y + ay * h}, {x + bx * w, y + by * h}, pen, c);
  };
  switch (ch) {
    case 'T': L(0, 0, 1, 0); L(0.5, 0, 0.5, 1); break;
    case 'A': L(0, 1, 0.5, 0); L(0.5, 0, 1, 1); L(0.25, 0.6, 0.75, 0.6); break;
    case 'X': L(0, 0, 1, 1); L(1, 0, 0, 1); break;
    case 'I': L(0.1, 0, 0.9, 0); L(0.5, 0, 0.5, 1); L(0.1, 1, 0.9, 1); break;
    case 'S': L(1, 0, 0, 0); L(0, 0, 0, 0.5); L(0, 0.5, 1, 0.5); L(1, 0.5, 1, 1); L(1, 1, 0, 1); break;
    case 'C': L(1, 0, 0, 0); L(0, 0, 0, 1); L(0, 1, 1, 1); break;
    case 'O': L(0, 0, 1, 0); L(1, 0, 1, 1); L(1, 1, 0, 1); L(0, 1, 0, 0); break;
    case 'L': L(0, 0, 0, 1); L(0, 1, 1, 1); break;
    case 'H': L(0, 0, 0, 1); L(1, 0, 1, 1); L(0, 0.5, 1, 0.5); break;
    case 'B': L(0, 0, 0, 1); L(0, 0, 0.8, 0); L(0.8, 0, 0.8, 0.45); L(0, 0.5, 1, 0.5);
              L(1, 0.5, 1, 1); L(1, 1, 0, 1); break;
    case 'U': L(0, 0, 0, 1); L(0, 1, 1, 1); L(1, 1, 1, 0); break;
    case '7': L(0, 0, 1, 0); L(1, 0, 0.35, 1); break;
    default: break;
  }
}

void Word(Painter& p, const char* text, double x, double y, double w, double h, double gap,
          double pen, Rgb c) {
  for (const char* ch = text; *ch; ++ch, x += w + gap) Letter(p, *ch, x, y, w, h, pen, c);
}

void YellowTaxi(Painter& p) {
  const Rgb yellow{250, 198, 28};
  // Roof sign first so that the roof line covers its foot.
  p.OutlinedRoundRect(46, 24, 80, 38, 3, kOffWhite, 2.5);
  Word(p, "TAXI", 51, 27.5, 4.6, 7, 2.2, 1.8, kOutline);
  p.OutlinedPolygon({{7, 100}, {7, 70}, {13, 64}, {28, 62}, {38, 44}, {46, 39}, {79, 39}, {87, 43},
                     {99, 62}, {114, 66}, {121, 74}, {121, 100}},
                    yellow);
  Glass(p, {{36, 60}, {43, 47}, {49, 45}, {60, 45}, {60, 60}});
  Glass(p, {{65, 45}, {79, 45}, {84, 48}, {94, 60}, {65, 60}});
  // Chequered band along the doors.
  const Box band{10, 74, 118, 82};
  Recolor(p, band, yellow, kOutline, [](int x, int y) {
    return ((x - 10) / 5 + (y - 74) / 4) % 2 == 0;
  });
  p.StrokeLine({9, 73}, {119, 73}, 1.5, kOutline);
  p.StrokeLine({9, 82.5}, {119, 82.5}, 1.5, kOutline);
  Seam(p, {62.5, 62}, {62.5, 96});
  Handle(p, 48, 65);
  Handle(p, 68, 65);
  Headlight(p, 116, 72, 4, 3);
  TailLight(p, 6, 67, 12, 76);
  Bumper(p, 106, 88, 124, 95);
  Bumper(p, 3, 88, 20, 95);
  WheelInArch(p, 29, 100, 12);
  WheelInArch(p, 99, 100, 12);
}

void SchoolBus(Painter& p) {
  const Rgb yellow{246, 172, 20};
  p.OutlinedPolygon({{96, 62}, {114, 66}, {121, 73}, {121, 100}, {96, 100}}, yellow);  // bonnet
  p.OutlinedRoundRect(4, 30, 100, 100, 7, yellow);
  for (int i = 0; i < 4; ++i) {
    const double x = 9 + i * 17;
    GlassRect(p, x, 38, x + 13, 56);
  }
  // Door with two tall panes, then the windscreen.
  p.OutlinedRoundRect(78, 38, 94, 94, 1.5, yellow, 2.5);
  GlassRect(p, 80.5, 41, 86, 90, 2);
  GlassRect(p, 86, 41, 91.5, 90, 2);
  GlassRect(p, 94, 40, 99, 58, 2.5);
  p.StrokeLine({6, 64}, {77, 64}, 3, kOutline);
  p.StrokeLine({6, 76}, {77, 76}, 3, kOutline);
  p.StrokeLine({96, 76}, {120, 76}, 3, kOutline);
  Word(p, "SCHOOL", 14, 67.5, 5, 5.5, 3, 1.8, kOutline);
  p.OutlinedEllipse(12, 33, 3, 2.5, kTailLight, 2);   // warning lamps on the roof corners
  p.OutlinedEllipse(90, 33, 3, 2.5, kIndicator, 2);
  Headlight(p, 117, 80, 3.5, 3.5);
  Bumper(p, 108, 90, 125, 96);
  Bumper(p, 1, 90, 16, 96);
  // A folding stop arm under the driver's window.
  p.OutlinedPolygon({{70, 82}, {74, 80}, {76, 82}, {76, 86}, {74, 88}, {70, 88}}, kTailLight, 1.5);
  WheelInArch(p, 26, 100, 12);
  WheelInArch(p, 106, 100, 12);
}

void FireEngine(Painter& p) {
  const Rgb red{214, 32, 34};
  const Rgb darkRed{156, 20, 28};
  const Rgb beacon{60, 130, 255};
  p.OutlinedRoundRect(4, 52, 88, 100, 3, red);
  // Equipment lockers with handles.
  for (int i = 0; i < 3; ++i) {
    const double x = 9 + i * 26;
    p.OutlinedRoundRect(x, 58, x + 22, 82, 2, darkRed, 2);
    p.FillRect(x + 8, 68, x + 14, 71, kChrome);
  }
  p.FillRect(5, 86, 87, 91, kOffWhite);
  p.StrokeLine({5, 85}, {87, 85}, 1.5, kOutline);
  p.StrokeLine({5, 91.5}, {87, 91.5}, 1.5, kOutline);
  // Cab.
  p.OutlinedPolygon({{84, 36}, {104, 36}, {112, 54}, {121, 62}, {121, 100}, {84, 100}}, red);
  Glass(p, {{89, 42}, {102, 42}, {108, 56}, {89, 56}});
  p.FillRect(85, 86, 120, 91, kOffWhite);
  p.StrokeLine({85, 85}, {120, 85}, 1.5, kOutline);
  p.StrokeLine({85, 91.5}, {120, 91.5}, 1.5, kOutline);
  Handle(p, 90, 62);
  p.OutlinedRoundRect(90, 28, 100, 37, 3, beacon, 2.5);
  Headlight(p, 117, 72, 3.5, 3.5);
  Bumper(p, 108, 92, 125, 97);
  // Ladder on the roof: two rails and rungs, resting on short posts.
  p.OutlinedRoundRect(20, 44, 25, 53, 1, kDarkGrey, 1.5);
  p.OutlinedRoundRect(68, 44, 73, 53, 1, kDarkGrey, 1.5);
  for (double x = 8; x <= 80; x += 9) p.StrokeLine({x, 33}, {x, 45}, 5, kOutline);
  p.StrokeLine({3, 33}, {84, 33}, 6.5, kOutline);
  p.StrokeLine({3, 45}, {84, 45}, 6.5, kOutline);
  for (double x = 8; x <= 80; x += 9) p.StrokeLine({x, 33}, {x, 45}, 2, kChrome);
  p.StrokeLine({3, 33}, {84, 33}, 3, kChrome);
  p.StrokeLine({3, 45}, {84, 45}, 3, kChrome);
  WheelInArch(p, 26, 100, 12);
  WheelInArch(p, 102, 100, 12);
}

void PoliceCar(Painter& p) {
  const Rgb navy{34, 52, 122};
  const Rgb red{232, 40, 40};
  const Rgb blue{40, 110, 240};
  const Rgb gold{246, 192, 40};
  // Light bar.
  p.FillRect(60, 34, 66, 39, kDarkGrey);
  p.OutlinedRoundRect(44, 27, 82, 36, 3, red, 2.5);
  p.FillRect(63, 29, 81, 35, blue);
  p.StrokeLine({63, 28}, {63, 35}, 2, kOutline);
  std::vector<Point> body{{6, 100}, {6, 71}, {11, 65}, {28, 63}, {39, 45}, {48, 40}, {78, 40},
                          {86, 44}, {99, 63}, {115, 67}, {122, 75}, {122, 100}};
  p.FillPolygon(body, navy);
  // White doors between the wheel arches.
  Recolor(p, BoundsOf(body), navy, kOffWhite, [](int x, int y) { return y >= 62 && x >= 36 && x < 92; });
  p.StrokePolyline(body, 3, kOutline, true);
  p.StrokeLine({36, 63}, {36, 97}, 2, kOutline);
  p.StrokeLine({91.5, 63}, {91.5, 97}, 2, kOutline);
  Glass(p, {{37, 61}, {44, 48}, {51, 46}, {61, 46}, {61, 61}});
  Glass(p, {{66, 46}, {78, 46}, {84, 49}, {94, 61}, {66, 61}});
  Seam(p, {63.5, 63}, {63.5, 96});
  p.OutlinedPolygon(Star(50, 77, 8, 3.6), gold, 2);
  p.StrokeLine({70, 77}, {88, 77}, 4, blue);
  Handle(p, 68, 66);
  Headlight(p, 117, 74, 4, 3);
  TailLight(p, 5, 70, 11, 78);
  Bumper(p, 108, 89, 125, 96);
  Bumper(p, 3, 89, 20, 96);
  WheelInArch(p, 28, 100, 12);
  WheelInArch(p, 101, 100, 12);
}

void GreenPickup(Painter& p) {
  const Rgb green{56, 164, 72};
  const Rgb darkGreen{34, 110, 50};
  const Rgb crate{206, 146, 78};
  const Rgb crateDark{150, 96, 48};
  // Crates in the load bed, behind its side wall.
  p.OutlinedRoundRect(12, 44, 32, 66, 1.5, crate, 2.5);
  p.StrokeLine({14, 46}, {30, 64}, 2, crateDark);
  p.StrokeLine({30, 46}, {14, 64}, 2, crateDark);
  p.OutlinedRoundRect(32, 52, 48, 66, 1.5, crate, 2.5);
  p.StrokeLine({34, 54}, {46, 64}, 2, crateDark);
  p.StrokeLine({46, 54}, {34, 64}, 2, crateDark);
  p.OutlinedPolygon({{5, 100}, {5, 62}, {54, 62}, {54, 42}, {60, 37}, {77, 37}, {83, 41}, {96, 62},
                     {113, 66}, {121, 74}, {121, 100}},
                    green);
  p.OutlinedRoundRect(3, 59, 56, 65, 2, darkGreen, 2.5);  // bed rim
  Glass(p, {{59, 60}, {59, 45}, {62, 43}, {76, 43}, {80, 46}, {89, 60}});
  Seam(p, {92, 66}, {92, 92});
  Seam(p, {55, 66}, {55, 94});
  Handle(p, 61, 66);
  Headlight(p, 116, 73, 4, 3.5);
  TailLight(p, 4, 68, 10, 78);
  Bumper(p, 106, 89, 125, 96);
  Bumper(p, 1, 89, 16, 96);
  WheelInArch(p, 28, 99, 13);
  WheelInArch(p, 99, 99, 13);
}

void DeliveryTruck(Painter& p) {
  const Rgb orange{246, 136, 38};
  const Rgb slate{62, 96, 140};
  const Rgb card{208, 152, 92};
  const Rgb tape{238, 206, 150};
  p.OutlinedRoundRect(4, 26, 86, 94, 4, orange);
  p.FillRect(4, 93, 90, 101, kOutline);  // chassis under the box
  // A parcel painted on the box.
  p.OutlinedRoundRect(28, 42, 62, 76, 2, card, 2.5);
  p.FillRect(41, 43, 49, 76, tape);
  p.StrokeLine({41, 43}, {41, 75}, 1.5, kOutline);
  p.StrokeLine({49, 43}, {49, 75}, 1.5, kOutline);
  p.OutlinedPolygon({{45, 31}, {53, 38}, {49, 38}, {49, 41}, {41, 41}, {41, 38}, {37, 38}}, slate, 1.5);
  // Cab.
  p.OutlinedPolygon({{86, 46}, {104, 46}, {112, 60}, {121, 66}, {121, 100}, {86, 100}}, slate);
  Glass(p, {{90, 51}, {102, 51}, {108, 62}, {90, 62}});
  Handle(p, 91, 68);
  Headlight(p, 117, 76, 3.5, 3.5);
  Bumper(p, 108, 91, 125, 97);
  Bumper(p, 1, 90, 14, 96);
  WheelInArch(p, 26, 100, 12);
  WheelInArch(p, 52, 100, 12);
  WheelInArch(p, 103, 100, 12);
}

void RacingCar(Painter& p) {
  const Rgb teal{0, 172, 204};
  const Rgb stripe{255, 214, 40};
  const Rgb helmet{236, 54, 54};
  // Rear wing on a strut.
  p.StrokeLine({16, 60}, {22, 78}, 6, kOutline);
  p.StrokeLine({16, 60}, {22, 78}, 2.5, kDarkGrey);
  p.OutlinedPolygon({{4, 50}, {30, 50}, {30, 59}, {4, 59}}, teal);
  p.FillRect(5.5, 53, 28.5, 56, stripe);
  // Driver's helmet above the cockpit.
  p.OutlinedEllipse(62, 62, 9, 9, helmet);
  p.OutlinedPolygon({{62, 58}, {71, 58}, {71, 64}, {64, 64}}, kOutline, 1);
  p.FillRect(64, 59.5, 70, 62, kGlass);
  std::vector<Point> body{{12, 96}, {12, 76}, {40, 71}, {50, 66}, {74, 66}, {84, 73},
                          {116, 80}, {124, 86}, {120, 93}, {12, 97}};
  p.FillPolygon(body, teal);
  Recolor(p, BoundsOf(body), teal, stripe, [](int x, int y) { return y >= 84 - x / 40 && y < 88 - x / 40; });
  p.StrokePolyline(body, 3, kOutline, true);
  // Race number in a roundel.
  p.OutlinedEllipse(44, 82, 9, 9, kOffWhite, 2.5);
  Letter(p, '7', 40.5, 77.5, 7, 9, 2.6, kOutline);
  p.OutlinedPolygon({{104, 92}, {124, 92}, {126, 97}, {104, 97}}, kDarkGrey, 2);  // front wing
  Wheel(p, 28, 96, 15, stripe);
  Wheel(p, 100, 98, 13, stripe);
}

void Jeep(Painter& p) {
  const Rgb olive{124, 136, 58};
  const Rgb darkOlive{84, 94, 38};
  // Spare tyre on the tailgate, roll bar and seats: all behind the body side.
  Wheel(p, 14, 74, 11);
  p.StrokePolyline({{30, 62}, {34, 38}, {62, 38}, {66, 62}}, 8, kOutline);
  p.StrokePolyline({{30, 62}, {34, 38}, {62, 38}, {66, 62}}, 4, darkOlive);
  p.OutlinedRoundRect(38, 48, 48, 64, 3, kSeat, 2.5);
  p.OutlinedRoundRect(66, 50, 76, 64, 3, kSeat, 2.5);
  // Windscreen frame.
  p.OutlinedPolygon({{80, 62}, {86, 36}, {92, 36}, {88, 62}}, darkOlive);
  Glass(p, {{83.5, 56}, {87.5, 40}, {89, 40}, {85.5, 56}}, 1);
  p.OutlinedPolygon({{16, 99}, {16, 60}, {88, 60}, {115, 62}, {122, 68}, {122, 99}}, olive);
  // Grille slots and a round lamp at the front.
  for (int i = 0; i < 3; ++i) p.StrokeLine({114.0 + i * 2.5, 71}, {114.0 + i * 2.5, 80}, 1.5, kOutline);
  Headlight(p, 116, 65.5, 3, 2.5);
  Handle(p, 68, 66);
  Seam(p, {62, 62}, {62, 80});
  Seam(p, {18, 64}, {120, 64});
  // Flat-topped fenders over chunky tyres.
  for (double cx : {40.0, 99.0}) {
    p.FillRect(cx - 18, 80, cx + 18, 100, kOutline);
    p.OutlinedPolygon({{cx - 23, 84}, {cx - 17, 75}, {cx + 17, 75}, {cx + 23, 84}}, darkOlive, 2.5);
  }
  for (double cx : {40.0, 99.0}) {
    Wheel(p, cx, 97, 15);
    for (int i = 0; i < 12; ++i) {  // tread blocks
      const double a = std::numbers::pi * i / 6;
      p.StrokeLine({cx + 12.5 * std::cos(a), 97 + 12.5 * std::sin(a)},
                   {cx + 15.5 * std::cos(a), 97 + 15.5 * std::sin(a)}, 3, kOutline);
    }
  }
}

void Convertible(Painter& p) {
  const Rgb pink{236, 78, 160};
  const Rgb cream{250, 222, 170};
  const Rgb skin{246, 196, 150};
  const Rgb hair{120, 70, 40};
  const Rgb scarf{60, 190, 220};
  const Rgb shirt{240, 96, 60};
  p.OutlinedRoundRect(30, 52, 41, 70, 4, cream, 2.5);  // back seat
  p.OutlinedRoundRect(46, 48, 55, 70, 3, cream, 2.5);  // driver's seat
  // The driver, in sunglasses and a scarf that flies out behind.
  p.OutlinedPolygon({{56, 53}, {46, 49}, {38, 51}, {30, 46}, {33, 55}, {44, 57}, {56, 58}}, scarf, 2);
  p.OutlinedRoundRect(53, 56, 66, 72, 4, shirt, 2.5);
  p.OutlinedEllipse(61, 45, 7, 7.5, skin, 2.5);
  Recolor(p, {52, 36, 70, 54}, skin, hair, [](int x, int y) { return y < 42 || (x < 58 && y < 47); });
  p.FillRoundRect(61, 43, 68, 47, 1.5, kOutline);
  p.StrokeLine({63, 50.5}, {66, 50.5}, 1.2, kOutline);
  p.OutlinedRoundRect(55, 53, 66, 57, 2, scarf, 2);
  p.StrokeLine({72, 58}, {77, 66}, 3.5, kOutline);      // steering column
  p.OutlinedEllipse(72, 57, 2.5, 5, kDarkGrey, 2);      // steering wheel
  p.StrokeLine({66, 62}, {71, 58}, 3, kOutline);        // arm to the wheel
  p.StrokeLine({66, 62}, {71, 58}, 1.2, skin);
  p.OutlinedPolygon({{78, 68}, {86, 46}, {91, 46}, {85, 68}}, kChrome);
  Glass(p, {{81.5, 64}, {87.5, 49}, {89, 49}, {83.5, 64}}, 1);
  std::vector<Point> body{{4, 97}, {5, 76}, {9, 68}, {20, 64}, {34, 66}, {86, 66}, {108, 70},
                          {120, 76}, {124, 86}, {122, 97}};
  p.OutlinedPolygon(body, pink);
  p.StrokePolyline({{8, 78}, {60, 76}, {120, 82}}, 3, cream);  // swoosh along the side
  Seam(p, {64, 70}, {64, 94});
  Handle(p, 52, 80);
  Headlight(p, 119, 79, 3.5, 3);
  TailLight(p, 4, 72, 10, 80);
  Bumper(p, 108, 90, 126, 96);
  Bumper(p, 1, 90, 18, 96);
  WheelInArch(p, 27, 100, 12);
  WheelInArch(p, 100, 100, 12);
}

void IceCreamVan(Painter& p) {
  const Rgb mint{132, 214, 186};
  const Rgb pink{246, 120, 170};
  const Rgb cone{222, 160, 80};
  const Rgb coneDark{170, 110, 50};
  const Rgb cherry{214, 30, 50};
  // Giant cone on the roof.
  p.OutlinedPolygon({{31, 18}, {53, 18}, {42, 40}}, cone);
  p.StrokeLine({35, 22}, {46, 34}, 1.5, coneDark);
  p.StrokeLine({41, 20}, {48, 27}, 1.5, coneDark);
  p.StrokeLine({49, 22}, {38, 34}, 1.5, coneDark);
  p.StrokeLine({43, 20}, {36, 27}, 1.5, coneDark);
  p.OutlinedEllipse(42, 14, 13, 10, pink);
  p.FillEllipse(37, 10, 3.5, 2.5, Rgb{252, 190, 214});
  p.OutlinedEllipse(44, 3.5, 3.5, 3.5, cherry, 2);
  std::vector<Point> body{{5, 100}, {5, 36}, {86, 36}, {98, 48}, {112, 60}, {121, 68}, {121, 100}};
  p.OutlinedPolygon(body, mint);
  // Serving hatch under a striped awning with a scalloped edge.
  GlassRect(p, 16, 52, 64, 74);
  p.FillRect(28, 70, 52, 74, pink);
  p.StrokeLine({16, 69.5}, {64, 69.5}, 1.5, kOutline);
  std::vector<Point> awning{{12, 41}, {68, 41}, {72, 50}, {8, 50}};
  p.FillPolygon(awning, pink);
  Recolor(p, BoundsOf(awning), pink, kOffWhite, [](int x, int) { return ((x - 8) / 8) % 2 == 1; });
  for (int i = 0; i < 8; ++i) {
    const Rgb c = i % 2 == 0 ? pink : kOffWhite;
    p.FillEllipse(12 + i * 8, 50, 4, 3.5, c);
    p.StrokeEllipse(12 + i * 8, 50, 4, 3.5, 2, kOutline);
  }
  p.FillPolygon(awning, pink);
  Recolor(p, BoundsOf(awning), pink, kOffWhite, [](int x, int) { return ((x - 8) / 8) % 2 == 1; });
  p.StrokePolyline(awning, 2.5, kOutline, true);
  Glass(p, {{90, 44}, {97, 50}, {108, 62}, {90, 62}});
  p.FillRect(6, 84, 120, 90, pink);
  p.StrokeLine({6, 83.5}, {120, 83.5}, 1.5, kOutline);
  p.StrokeLine({6, 90.5}, {120, 90.5}, 1.5, kOutline);
  Seam(p, {86, 64}, {86, 96});
  Handle(p, 90, 68);
  Headlight(p, 117, 74, 3.5, 3.5);
  Bumper(p, 108, 91, 125, 97);
  Bumper(p, 1, 91, 16, 97);
  WheelInArch(p, 26, 100, 12);
  WheelInArch(p, 100, 100, 12);
}

void Tractor(Painter& p) {
  const Rgb lime{136, 194, 42};
  const Rgb darkLime{86, 138, 26};
  const Rgb hub{250, 204, 40};
  // Cab frame over the big rear wheel.
  Glass(p, {{22, 24}, {62, 24}, {62, 62}, {22, 62}}, 1);
  p.StrokeLine({22, 24}, {22, 64}, 7, kOutline);
  p.StrokeLine({62, 24}, {64, 64}, 7, kOutline);
  p.StrokeLine({22, 24}, {22, 64}, 3.5, darkLime);
  p.StrokeLine({62, 24}, {64, 64}, 3.5, darkLime);
  p.OutlinedRoundRect(14, 16, 70, 24, 3, lime);
  p.OutlinedRoundRect(30, 44, 42, 66, 3, kSeat, 2.5);
  p.StrokeLine({52, 56}, {58, 66}, 3, kOutline);
  p.OutlinedEllipse(52, 55, 2.5, 5, kDarkGrey, 2);
  // Exhaust stack.
  p.OutlinedRoundRect(86, 36, 91, 64, 1.5, kDarkGrey, 2.5);
  p.OutlinedRoundRect(84.5, 32, 92.5, 37, 1.5, kOutline, 1);
  // Bonnet and body.
  p.OutlinedPolygon({{14, 86}, {14, 62}, {66, 62}, {70, 58}, {114, 60}, {120, 66}, {120, 94}, {66, 94}},
                    lime);
  for (int i = 0; i < 4; ++i) p.StrokeLine({76.0 + i * 8, 66}, {76.0 + i * 8, 80}, 2.5, darkLime);
  Headlight(p, 116, 66, 2.5, 3);
  // Mudguard over the rear wheel.
  Wheel(p, 98, 98, 14, hub);
  p.OutlinedEllipse(36, 86, 27, 27, kTyre, 3);
  for (int i = 0; i < 16; ++i) {  // tread lugs
    const double a = std::numbers::pi * i / 8;
    p.StrokeLine({36 + 22 * std::cos(a), 86 + 22 * std::sin(a)},
                 {36 + 27 * std::cos(a), 86 + 27 * std::sin(a)}, 4, kOutline);
  }
  p.OutlinedEllipse(36, 86, 13, 13, hub, 2.5);
  p.OutlinedEllipse(36, 86, 5, 5, darkLime, 2);
  p.StrokePolyline({{6, 80}, {10, 64}, {22, 55}, {36, 52}, {50, 55}, {62, 64}, {66, 80}}, 8, kOutline);
  p.StrokePolyline({{6, 80}, {10, 64}, {22, 55}, {36, 52}, {50, 55}, {62, 64}, {66, 80}}, 3.5, lime);
}

void CamperVan(Painter& p) {
  const Rgb orange{242, 132, 40};
  const Rgb brown{150, 84, 44};
  const Rgb curtain{250, 200, 80};
  std::vector<Point> body{{5, 100}, {5, 30}, {96, 30}, {104, 36}, {104, 48}, {98, 50}, {110, 60},
                          {121, 68}, {121, 100}};
  p.FillPolygon(body, kOffWhite);
  // Two swooping stripes along the side.
  Recolor(p, BoundsOf(body), kOffWhite, orange, [](int x, int y) {
    const double c = 74 + 6 * std::sin(x / 18.0);
    return y >= c && y < c + 5;
  });
  Recolor(p, BoundsOf(body), kOffWhite, brown, [](int x, int y) {
    const double c = 80 + 6 * std::sin(x / 18.0);
    return y >= c && y < c + 4;
  });
  p.StrokePolyline(body, 3, kOutline, true);
  p.StrokeLine({6, 50.5}, {98, 50.5}, 2, kOutline);  // the over-cab bed's lower edge
  // Side windows with curtains.
  for (double x : {12.0, 50.0}) {
    GlassRect(p, x, 56, x + 22, 70);
    p.OutlinedPolygon({{x + 1, 57}, {x + 8, 57}, {x + 1, 68}}, curtain, 1.5);
    p.OutlinedPolygon({{x + 21, 57}, {x + 14, 57}, {x + 21, 68}}, curtain, 1.5);
  }
  GlassRect(p, 30, 36, 64, 45);  // bed window
  p.OutlinedRoundRect(77, 54, 91, 96, 2, kOffWhite, 2.5);  // door
  GlassRect(p, 80, 58, 88, 68, 2);
  p.FillEllipse(88, 78, 1.5, 1.5, kOutline);
  Glass(p, {{96, 54}, {100, 54}, {110, 64}, {96, 64}});
  Headlight(p, 117, 76, 3.5, 3.5);
  TailLight(p, 4, 60, 10, 70);
  Bumper(p, 108, 91, 125, 97);
  Bumper(p, 1, 91, 16, 97);
  WheelInArch(p, 28, 100, 12);
  WheelInArch(p, 102, 100, 12);
}

void CementMixer(Painter& p) {
  const Rgb yellow{250, 202, 36};
  const Rgb drum{158, 168, 184};
  const Rgb drumStripe{238, 96, 40};
  p.FillRect(4, 86, 90, 96, kDarkGrey);
  p.StrokePolyline({{4, 86}, {90, 86}, {90, 96}, {4, 96}}, 2.5, kOutline, true);
  // Drum: an ellipse tilted upward toward the rear, with a spiral band painted on.
  std::vector<Point> shape;
  const double tilt = -0.26, cx = 46, cy = 58;
  for (int i = 0; i < 64; ++i) {
    const double a = 2 * std::numbers::pi * i / 64;
    // Egg shape: wider toward the cab.
    const double rx = 40, ry = 23 + 4 * std::cos(a);
    const double ex = rx * std::cos(a), ey = ry * std::sin(a);
    shape.push_back({cx + ex * std::cos(tilt) - ey * std::sin(tilt), cy + ex * std::sin(tilt) + ey * std::cos(tilt)});
  }
  p.OutlinedPolygon({{30, 86}, {36, 70}, {44, 70}, {40, 86}}, kDarkGrey, 2.5);   // stands
  p.OutlinedPolygon({{66, 86}, {64, 72}, {72, 72}, {76, 86}}, kDarkGrey, 2.5);
  p.FillPolygon(shape, drum);
  Recolor(p, BoundsOf(shape), drum, drumStripe, [](int x, int y) {
    const int d = (x * 3 + y * 2) % 30;
    return d >= 0 && d < 11;
  });
  p.StrokePolyline(shape, 3, kOutline, true);
  p.OutlinedEllipse(10, 64, 5, 9, kOutline, 1);  // the mouth at the back
  p.OutlinedPolygon({{8, 74}, {2, 86}, {8, 86}, {14, 76}}, kDarkGrey, 2.5);  // chute
  // Cab.
  p.OutlinedPolygon({{88, 40}, {106, 40}, {113, 56}, {121, 62}, {121, 100}, {88, 100}}, yellow);
  Glass(p, {{92, 45}, {104, 45}, {109, 58}, {92, 58}});
  Handle(p, 93, 64);
  Headlight(p, 117, 72, 3.5, 3.5);
  Bumper(p, 108, 91, 125, 97);
  p.FillRect(88, 80, 121, 84, kDarkGrey);
  WheelInArch(p, 22, 100, 12);
  WheelInArch(p, 48, 100, 12);
  WheelInArch(p, 104, 100, 12);
}

}  // namespace

Painter DrawCar(int k) {
  Painter p(kSize, kSize);
  switch (k) {
    case 1: RedHatchback(p); break;
    case 2: BlueSedan(p); break;
    case 3: YellowTaxi(p); break;
    case 4: SchoolBus(p); break;
    case 5: FireEngine(p); break;
    case 6: PoliceCar(p); break;
    case 7: GreenPickup(p); break;
    case 8: DeliveryTruck(p); break;
    case 9: RacingCar(p); break;
    case 10: Jeep(p); break;
    case 11: Convertible(p); break;
    case 12: IceCreamVan(p); break;
    case 13: Tractor(p); break;
    case 14: CamperVan(p); break;
    case 15: CementMixer(p); break;
    default: return p;
  }
  return Centred(p);
}

}  // namespace velmora::art
