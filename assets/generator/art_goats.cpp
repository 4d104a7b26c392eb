// The goat series: fourteen cartoon goats and sheep, 256 × 256, on pure white.
// Each picture is one parametric animal (coat, horns, pose, hat, neckwear) or a portrait.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "art.h"
#include "figure.h"

namespace velmora::art {
namespace {

constexpr int kSize = 256;

enum class Coat { Wool, Fur };
enum class Horns { None, Short, Long, Curled };
enum class Pose { Standing, Walking, Jumping, Lying };
enum class Hat { None, Party, TopHat, Beanie, Straw, Nightcap };
enum class Neck { None, Scarf, Bell, BowTie };
enum class Eyes { Open, Happy, Closed };

struct Look {
  Coat coat = Coat::Wool;
  Rgb body{244, 244, 238};
  Rgb bodyShade{222, 222, 212};
  Rgb face{250, 226, 200};
  Rgb legs{250, 226, 200};
  Rgb hoof{96, 72, 60};
  Rgb horn{236, 214, 160};
  Rgb innerEar{244, 166, 170};
  Horns horns = Horns::None;
  Pose pose = Pose::Standing;
  bool mirrored = false;
  double scale = 1.0;
  double headScale = 1.15;
  bool beard = false;
  Eyes eyes = Eyes::Open;
  Hat hat = Hat::None;
  Rgb hatColour{220, 50, 60};
  Rgb hatTrim{252, 208, 40};
  Neck neck = Neck::None;
  Rgb neckColour{220, 50, 60};
  Rgb neckTrim{244, 244, 238};
  bool bow = false;          // a ribbon bow on the head
  Rgb bowColour{240, 110, 170};
  bool earFlower = false;    // a daisy tucked behind the ear
  bool glasses = false;
  bool spots = false;        // patches on a fur coat
  Rgb spotColour{150, 96, 60};
  bool balloon = false;
  Rgb balloonColour{230, 50, 70};
  bool rock = false;         // stands on a rock
  bool sleepy = false;       // "z z" above the head
};

Rgb Darker(Rgb c, int by) {
  auto d = [by](std::uint8_t v) { return static_cast<std::uint8_t>(v > by ? v - by : 0); };
  return {d(c.r), d(c.g), d(c.b)};
}

constexpr Rgb kCheek{246, 150, 160};
constexpr Rgb kMouth{170, 60, 70};
constexpr Rgb kGold{250, 196, 40};
constexpr Rgb kGoldShade{214, 150, 30};
constexpr Rgb kGrass{110, 190, 80};
constexpr Rgb kRock{150, 150, 160};
constexpr Rgb kRockShade{118, 118, 130};
constexpr Rgb kLens{200, 230, 250};

// ---- Head, drawn in head-local coordinates: the head's centre at (0, 0), facing right. ----

// A horn's centre line from its root on the head, sweeping back: `reach` sets the length.
std::vector<Point> HornLine(double x, double y, double reach) {
  std::vector<Point> pts;
  for (int i = 0; i <= 12; ++i) {
    const double t = i / 12.0;
    const double a = (-80 - 80 * t) * std::numbers::pi / 180;
    pts.push_back({x - reach * 0.5 * t + reach * 0.35 * std::cos(a) * t, y + reach * std::sin(a) * t * 0.9});
  }
  return pts;
}

void DrawHorns(Figure& h, const Look& look, bool far) {
  const double shift = far ? -8 : 0;
  const Rgb colour = far ? Darker(look.horn, 24) : look.horn;
  switch (look.horns) {
    case Horns::None:
      break;
    case Horns::Short:
      h.Taper(HornLine(-4 + shift, -16, 34), 13, 3, colour);
      break;
    case Horns::Long: {
      const std::vector<Point> line = HornLine(-2 + shift, -16, 58);
      h.Taper(line, 16, 4, colour);
      for (int i = 2; i < 9; i += 2) {
        const Point a = line[i], b = line[i + 1];
        const double dx = b.x - a.x, dy = b.y - a.y, n = std::hypot(dx, dy), w = 5.5 - i * 0.4;
        h.Line({a.x - dy / n * w, a.y + dx / n * w}, {a.x + dy / n * w, a.y - dx / n * w}, 2, Darker(colour, 40));
      }
      break;
    }
    case Horns::Curled:
      if (far) h.Limb({{-4, -20}, {-18, -28}}, 12, colour);
      break;
  }
}

void DrawCurledHorn(Figure& h, const Look& look) {
  // A spiral round the side of the head: from the crown back, down and in again.
  std::vector<Point> spiral;
  const double cx = -14, cy = -2;
  for (int i = 0; i <= 40; ++i) {
    const double t = i / 40.0;
    const double a = (-100 - 300 * t) * std::numbers::pi / 180;
    const double r = 24 - 15 * t;
    spiral.push_back({cx + r * std::cos(a) * 1.05, cy + r * std::sin(a)});
  }
  h.Limb(spiral, 12, look.horn);
  // Ridges across the horn.
  for (int i = 4; i < 36; i += 6) {
    const Point a = spiral[i], b = spiral[i + 1];
    const double dx = b.x - a.x, dy = b.y - a.y, n = std::hypot(dx, dy);
    const double ux = -dy / n * 5.5, uy = dx / n * 5.5;
    h.Line({a.x + ux, a.y + uy}, {a.x - ux, a.y - uy}, 1.6, Rgb{190, 160, 110});
  }
}

void DrawEye(Figure& h, const Look& look, double x, double y) {
  if (look.eyes == Eyes::Open) {
    h.set_outline(2.5);
    h.Ellipse(x, y, 7, 8.5, kOffWhite);
    h.FlatEllipse(x + 2, y + 1, 4.2, 5.4, kOutline);
    h.FlatEllipse(x + 3.2, y - 1.2, 1.6, 1.8, kOffWhite);
    h.set_outline(3);
  } else if (look.eyes == Eyes::Happy) {
    h.Polyline(ArcPoints(x, y + 3, 7, 6, 200, 340, 12), 3, kOutline);
  } else {
    h.Polyline(ArcPoints(x, y - 3, 7, 5, 20, 160, 12), 3, kOutline);
  }
}

void DrawHat(Figure& h, const Look& look) {
  switch (look.hat) {
    case Hat::None:
      break;
    case Hat::Party:
      h.Polygon({{-20, -16}, {14, -22}, {-8, -66}}, look.hatColour);
      h.FlatPolygon({{-14.5, -27}, {8.5, -31}, {4.2, -39.5}, {-11.4, -36.6}}, look.hatTrim);
      h.FlatPolygon({{-7.6, -47}, {1.8, -49}, {-1.2, -55}, {-5.6, -54.4}}, look.hatTrim);
      h.Ellipse(-8, -68, 6, 6, look.hatTrim);
      break;
    case Hat::TopHat:
      h.RoundRect(-22, -64, 8, -22, 3, look.hatColour);
      h.FlatPolygon({{-20.5, -34}, {6.5, -34}, {6.5, -26}, {-20.5, -26}}, look.hatTrim);
      h.Ellipse(-7, -21, 24, 5, look.hatColour);
      break;
    case Hat::Beanie:
      h.Polygon(ArcPoints(-6, -16, 22, 22, 180, 360, 24), look.hatColour);
      h.RoundRect(-30, -22, 18, -12, 4, look.hatTrim);
      h.Ellipse(-6, -40, 7, 7, look.hatTrim);
      break;
    case Hat::Straw: {
      h.Ellipse(-4, -20, 38, 8, look.hatColour);
      std::vector<Point> crown = ArcPoints(-4, -22, 20, 20, 180, 360, 24);
      h.Polygon(crown, look.hatColour);
      h.FlatPolygon({{-23, -27}, {15, -27}, {15.5, -22}, {-23.5, -22}}, look.hatTrim);
      h.Ellipse(12, -26, 5, 5, Rgb{240, 90, 120});
      break;
    }
    case Hat::Nightcap:
      h.Polygon({{-26, -12}, {18, -18}, {6, -44}, {-18, -60}, {-40, -56}, {-20, -40}}, look.hatColour);
      h.RoundRect(-28, -20, 20, -10, 4, look.hatTrim);
      h.Ellipse(-42, -54, 7, 7, look.hatTrim);
      break;
  }
}

void DrawBow(Figure& h, const Look& look) {
  h.Polygon({{-14, -24}, {-30, -36}, {-32, -16}}, look.bowColour);
  h.Polygon({{-14, -24}, {2, -38}, {6, -18}}, look.bowColour);
  h.Ellipse(-14, -24, 5, 5, look.bowColour);
}

void DrawDaisy(Figure& h, double x, double y) {
  h.set_outline(2);
  for (int i = 0; i < 6; ++i) {
    const double a = i * 60 * std::numbers::pi / 180;
    h.TurnedEllipse(x + 7 * std::cos(a), y + 7 * std::sin(a), 6, 3.6, i * 60, kOffWhite);
  }
  h.Ellipse(x, y, 4.5, 4.5, kGold);
  h.set_outline(3);
}

void DrawHead(Figure& h, const Look& look) {
  const bool wool = look.coat == Coat::Wool;
  // Behind the head: the far horn and the far ear.
  DrawHorns(h, look, true);
  h.TurnedEllipse(-20, -14, 16, 7, 25, look.face);
  // The head itself, its muzzle toward the bottom right.
  h.TurnedEllipse(0, 0, 31, 23, 32, look.face);
  if (look.coat == Coat::Fur && look.spots) h.FlatTurnedEllipse(-8, -8, 12, 9, 20, look.spotColour);
  // The near ear, hanging back and down.
  h.TurnedEllipse(-22, 4, 17, 7.5, -28, look.face);
  h.FlatTurnedEllipse(-22, 4, 11, 3.5, -28, look.innerEar);
  if (wool) {
    h.Blob({{-14, -18, 10}, {-2, -23, 10}, {10, -21, 8.5}, {-20, -8, 8}}, look.body);
  }
  DrawHorns(h, look, false);
  if (look.horns == Horns::Curled) DrawCurledHorn(h, look);
  DrawEye(h, look, 6, -6);
  if (look.glasses) {
    h.Polyline(EllipsePolygon(7, -6, 11, 10, 0, 32), 3, kOutline);
    h.Line({-4, -8}, {-18, -12}, 3, kOutline);
  }
  // Nostril, mouth and cheek.
  h.FlatTurnedEllipse(24, 8, 2.6, 1.8, 40, kOutline);
  h.Polyline(ArcPoints(15, 11, 7, 6, 30, 140, 12), 2.6, kOutline);
  h.FlatEllipse(6, 9, 5.5, 3.5, kCheek);
  if (look.beard) h.Polygon({{2, 17}, {16, 20}, {12, 30}, {6, 40}, {2, 30}}, Darker(look.face, 22));
  if (look.earFlower) DrawDaisy(h, -20, -22);
  DrawHat(h, look);
  if (look.bow) DrawBow(h, look);
}

// ---- Body, drawn in picture coordinates facing right (then scaled and mirrored). ----

struct Leg { Point hip, foot; };

std::vector<Leg> LegsFor(Pose pose) {
  switch (pose) {
    case Pose::Walking:
      return {{{82, 150}, {66, 222}}, {{150, 150}, {170, 222}}, {{96, 150}, {104, 222}}, {{136, 150}, {134, 222}}};
    case Pose::Jumping:
      return {{{80, 132}, {36, 168}}, {{150, 132}, {196, 160}}, {{94, 132}, {58, 182}}, {{136, 132}, {178, 176}}};
    case Pose::Lying:
      return {};
    case Pose::Standing:
    default:
      return {{{80, 150}, {80, 222}}, {{146, 150}, {146, 222}}, {{96, 150}, {98, 222}}, {{130, 150}, {128, 222}}};
  }
}

void DrawLeg(Figure& f, const Look& look, const Leg& leg, Rgb colour) {
  f.Limb({leg.hip, leg.foot}, 14, colour);
  const double dx = leg.foot.x - leg.hip.x, dy = leg.foot.y - leg.hip.y, n = std::hypot(dx, dy);
  const Point hoofTop{leg.foot.x - dx / n * 9, leg.foot.y - dy / n * 9};
  f.Line(hoofTop, leg.foot, 14, look.hoof);
  f.Line({hoofTop.x - dy / n * 7, hoofTop.y + dx / n * 7}, {hoofTop.x + dy / n * 7, hoofTop.y - dx / n * 7}, 2.4, kOutline);
}

void DrawBody(Figure& f, const Look& look, double lift) {
  const double cx = 112, cy = 136 + lift;
  if (look.coat == Coat::Wool) {
    std::vector<Circle> wool;
    for (int i = 0; i < 12; ++i) {
      const double a = i * 30 * std::numbers::pi / 180;
      wool.push_back({cx + 58 * std::cos(a), cy + 30 * std::sin(a), 21});
    }
    wool.push_back({cx, cy, 40});
    wool.push_back({cx - 30, cy, 30});
    wool.push_back({cx + 30, cy, 30});
    f.Blob(wool, look.body);
    // Curls in the wool.
    const Point curls[] = {{cx - 30, cy - 14}, {cx + 8, cy - 20}, {cx + 36, cy - 4}, {cx - 10, cy + 14}, {cx - 44, cy + 12},
                           {cx + 20, cy + 20}};
    for (const Point& c : curls) f.Polyline(ArcPoints(c.x, c.y, 8, 6, 200, 340, 10), 2.6, look.bodyShade);
  } else {
    f.Ellipse(cx, cy, 64, 36, look.body);
    if (look.spots) {
      f.FlatTurnedEllipse(cx - 30, cy - 8, 18, 13, 20, look.spotColour);
      f.FlatTurnedEllipse(cx + 22, cy + 10, 14, 10, -15, look.spotColour);
      f.FlatEllipse(cx - 4, cy - 22, 9, 6, look.spotColour);
    }
    f.FlatPolygon(ArcPoints(cx - 4, cy + 4, 48, 29, 25, 155, 24), look.bodyShade);
  }
}

void DrawTail(Figure& f, const Look& look, double lift) {
  if (look.coat == Coat::Wool) {
    f.Blob({{50, 118 + lift, 12}, {44, 126 + lift, 9}}, look.body);
  } else {
    f.Limb({{54, 124 + lift}, {44, 112 + lift}, {40, 100 + lift}}, 8, look.body);
  }
}

void DrawNeckwear(Figure& f, const Look& look, double lift) {
  switch (look.neck) {
    case Neck::None:
      break;
    case Neck::Scarf:
      // Wrapped round the neck under the head, one end hanging down the chest.
      f.Limb({{138, 100 + lift}, {150, 120 + lift}, {170, 130 + lift}, {188, 126 + lift}}, 15, look.neckColour);
      f.Polygon({{150, 118 + lift}, {136, 158 + lift}, {151, 162 + lift}, {162, 124 + lift}}, look.neckColour);
      f.Line({143.5, 146 + lift}, {154.5, 148 + lift}, 4, look.neckTrim);
      f.Line({147, 135 + lift}, {158, 137 + lift}, 4, look.neckTrim);
      f.Line({160, 124 + lift}, {163, 136 + lift}, 4, look.neckTrim);
      f.Line({176, 122 + lift}, {176, 134 + lift}, 4, look.neckTrim);
      break;
    case Neck::Bell:
      f.Limb({{150, 100 + lift}, {164, 114 + lift}, {178, 116 + lift}}, 8, look.neckColour);
      f.Polygon({{160, 118 + lift}, {174, 118 + lift}, {178, 138 + lift}, {156, 138 + lift}}, kGold);
      f.Ellipse(167, 118 + lift, 5, 4, kGold);
      f.Ellipse(167, 140 + lift, 4, 4, kGoldShade);
      f.Line({161, 132 + lift}, {174, 132 + lift}, 2.4, kGoldShade);
      break;
    case Neck::BowTie:
      f.Polygon({{166, 118 + lift}, {152, 108 + lift}, {154, 130 + lift}}, look.neckColour);
      f.Polygon({{166, 118 + lift}, {180, 106 + lift}, {182, 128 + lift}}, look.neckColour);
      f.Ellipse(166, 118 + lift, 5, 5, look.neckTrim);
      break;
  }
}

void DrawBalloon(Figure& f, const Look& look) {
  f.Polyline({{150, 112}, {160, 80}, {150, 50}, {158, 30}}, 2, kOutline);
  f.TurnedEllipse(160, 6, 26, 30, 0, look.balloonColour);
  f.FlatTurnedEllipse(150, -4, 5, 9, 25, kOffWhite);
  f.Polygon({{156, 36}, {164, 36}, {160, 30}}, look.balloonColour);
}

void DrawRock(Figure& f) {
  f.Polygon({{20, 250}, {36, 214}, {70, 200}, {130, 198}, {190, 206}, {228, 220}, {240, 250}}, kRock);
  f.FlatPolygon({{150, 214}, {196, 220}, {216, 244}, {170, 244}}, kRockShade);
  f.Polyline({{60, 222}, {84, 232}, {92, 248}}, 2.6, kOutline);
}

// Draws the animal with design point (ox, oy) at (dx, dy), `scale` times its design size.
void DrawAnimal(Painter& p, const Look& look, double ox, double oy, double dx, double dy, double scale) {
  const double lift = look.pose == Pose::Jumping ? -26 : (look.pose == Pose::Lying ? 44 : 0);
  Figure f(p, ox, oy, dx, dy, scale, look.mirrored);
  if (look.rock) DrawRock(f);
  if (look.pose == Pose::Jumping) {
    // A shadow on the ground and motion lines behind.
    f.FlatEllipse(118, 228, 60, 7, Rgb{200, 200, 196});
    f.Line({20, 150}, {44, 150}, 3, kOutline);
    f.Line({14, 166}, {36, 166}, 3, kOutline);
  }
  if (look.pose == Pose::Lying) f.FlatEllipse(118, 226, 96, 8, kGrass);
  if (look.balloon) DrawBalloon(f, look);
  const std::vector<Leg> legs = LegsFor(look.pose);
  // The far pair of legs is a shade darker and behind the body.
  for (std::size_t i = 2; i < legs.size(); ++i) DrawLeg(f, look, legs[i], Darker(look.legs, 30));
  DrawTail(f, look, lift);
  for (std::size_t i = 0; i < 2 && i < legs.size(); ++i) DrawLeg(f, look, legs[i], look.legs);
  // Fur coats have a neck reaching up to the head.
  const Point head = look.pose == Pose::Lying ? Point{192, 142} : Point{182, 92 + lift};
  if (look.coat == Coat::Fur) {
    f.Polygon({{132, 116 + lift}, {164, 138 + lift}, {head.x + 6, head.y + 10}, {head.x - 16, head.y - 8}}, look.body);
  }
  DrawBody(f, look, lift);
  if (look.pose == Pose::Lying) {
    // Folded front legs peeking out under the chest.
    f.Ellipse(146, 222, 13, 7, look.hoof);
    f.Ellipse(172, 220, 13, 7, look.hoof);
  }
  DrawNeckwear(f, look, lift);
  const Point at = f.At(head);
  Figure h(p, 0, 0, at.x, at.y, scale * look.headScale, look.mirrored);
  DrawHead(h, look);
  if (look.sleepy) {
    for (int i = 0; i < 2; ++i) {
      const double x = 218 + i * 22, y = 100 - i * 28, s = 6 + i * 3;
      f.Polyline({{x - s, y - s}, {x + s, y - s}, {x - s, y + s}, {x + s, y + s}}, 3.4, Rgb{90, 110, 200});
    }
  }
}

// Draws the animal as large as fits the picture with a margin all round: a first drawing on a
// big scratch picture measures it, the second is made at the size that fits.
void DrawAnimalFitted(Painter& p, const Look& look) {
  constexpr int kScratch = 512;
  constexpr double kMargin = 9, kMostGrowth = 1.2;
  Painter scratch(kScratch, kScratch);
  DrawAnimal(scratch, look, 128, 128, 256, 256, look.scale);
  int x0 = kScratch, y0 = kScratch, x1 = -1, y1 = -1;
  for (int y = 0; y < kScratch; ++y)
    for (int x = 0; x < kScratch; ++x)
      if (!(scratch.at(x, y) == kWhite)) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x + 1);
        y1 = std::max(y1, y + 1);
      }
  if (x1 < 0) return;
  const double grow = std::min({(kSize - 2 * kMargin) / (x1 - x0), (kSize - 2 * kMargin) / (y1 - y0), kMostGrowth});
  const double cx = (x0 + x1) / 2.0, cy = (y0 + y1) / 2.0;
  // The design point that landed on scratch point (cx, cy) goes to the middle of the picture.
  const double ox = 128 + (look.mirrored ? 256 - cx : cx - 256) / look.scale;
  const double oy = 128 + (cy - 256) / look.scale;
  DrawAnimal(p, look, ox, oy, kSize / 2.0, kSize / 2.0, look.scale * grow);
}

// ---- Portraits: a big face seen from the front. ----

struct Portrait {
  bool wool;
  Rgb face, muzzle, coat, horn;
  Horns horns;
  bool bell, glasses, bowTie, beard;
  Rgb accent;
};

void DrawPortrait(Painter& p, const Portrait& look) {
  Figure f(p, 0, 0, 0, 0, 1, false);
  f.set_outline(3.5);
  // Neck and chest.
  if (look.wool) {
    f.Blob({{72, 236, 26}, {104, 226, 26}, {128, 222, 26}, {152, 226, 26}, {184, 236, 26}, {128, 246, 30}}, look.coat);
  } else {
    f.Polygon({{94, 168}, {162, 168}, {178, 256}, {78, 256}}, look.coat);
    f.Polygon({{104, 214}, {128, 256}, {152, 214}, {128, 236}}, Darker(look.coat, 26));
  }
  if (look.horns == Horns::Long) {
    f.Taper({{106, 66}, {96, 42}, {80, 24}, {60, 14}, {42, 14}}, 20, 5, look.horn);
    f.Taper({{150, 66}, {160, 42}, {176, 24}, {196, 14}, {214, 14}}, 20, 5, look.horn);
  }
  // Ears stand out sideways.
  f.TurnedEllipse(58, 104, 30, 12, 18, look.face);
  f.FlatTurnedEllipse(60, 104, 20, 6, 18, kCheek);
  f.TurnedEllipse(198, 104, 30, 12, -18, look.face);
  f.FlatTurnedEllipse(196, 104, 20, 6, -18, kCheek);
  f.Ellipse(128, 112, 54, 60, look.face);
  f.Ellipse(128, 162, 38, 28, look.muzzle);
  if (look.wool) f.Blob({{96, 60, 20}, {122, 48, 22}, {150, 54, 20}, {170, 68, 15}, {84, 76, 14}, {128, 66, 18}}, look.coat);
  if (look.horns == Horns::Curled) {
    std::vector<Point> left, right;
    for (int i = 0; i <= 40; ++i) {
      const double t = i / 40.0, a = (-60 - 320 * t) * std::numbers::pi / 180, r = 32 - 20 * t;
      left.push_back({64 + r * std::cos(a + std::numbers::pi) * 0.9, 88 + r * std::sin(a)});
      right.push_back({192 - r * std::cos(a + std::numbers::pi) * 0.9, 88 + r * std::sin(a)});
    }
    f.Limb(left, 15, look.horn);
    f.Limb(right, 15, look.horn);
  }
  // Eyes.
  for (int side = -1; side <= 1; side += 2) {
    const double x = 128 + side * 24;
    f.set_outline(3);
    f.Ellipse(x, 116, 12, 14, kOffWhite);
    f.FlatEllipse(x + side * 2, 119, 7, 8.5, kOutline);
    f.FlatEllipse(x + side * 2 + 2.5, 115, 2.6, 2.8, kOffWhite);
    f.FlatEllipse(x + side * 18, 140, 9, 5.5, kCheek);
    if (look.glasses) f.Polyline(EllipsePolygon(x, 116, 19, 17, 0, 40), 4, look.accent);
  }
  if (look.glasses) f.Line({141, 112}, {115, 112}, 4, look.accent);
  // Nostrils and a wide smile.
  f.FlatEllipse(116, 154, 4.5, 3, kOutline);
  f.FlatEllipse(140, 154, 4.5, 3, kOutline);
  f.Polygon(ArcPoints(128, 164, 18, 16, 10, 170, 20), kMouth);
  f.FlatEllipse(128, 175, 8, 4, kCheek);
  if (look.beard) f.Polygon({{114, 186}, {142, 186}, {128, 222}}, look.muzzle);
  if (look.bell) {
    f.Limb({{84, 206}, {128, 218}, {172, 206}}, 12, look.accent);
    f.Polygon({{116, 222}, {140, 222}, {146, 248}, {110, 248}}, kGold);
    f.Ellipse(128, 222, 8, 6, kGold);
    f.Line({113, 240}, {143, 240}, 3, kGoldShade);
  }
  if (look.bowTie) {
    f.Polygon({{128, 214}, {96, 198}, {98, 236}}, look.accent);
    f.Polygon({{128, 214}, {160, 198}, {158, 236}}, look.accent);
    f.Ellipse(128, 215, 9, 9, look.accent);
  }
}

Look Sheep() { return Look{}; }

Look Goat(Rgb coat, Rgb shade) {
  Look g;
  g.coat = Coat::Fur;
  g.body = coat;
  g.bodyShade = shade;
  g.face = coat;
  g.legs = coat;
  g.horns = Horns::Short;
  g.beard = true;
  return g;
}

}  // namespace

Painter DrawGoat(int k) {
  Painter p(kSize, kSize);
  Look a;
  switch (k) {
    case 1:  // a white sheep with a red striped scarf
      a = Sheep();
      a.neck = Neck::Scarf;
      break;
    case 2:  // a brown goat with a bell
      a = Goat({176, 116, 72}, {140, 88, 52});
      a.neck = Neck::Bell;
      a.neckColour = {40, 120, 200};
      break;
    case 3:  // a cream lamb jumping, a pink bow on its head
      a = Sheep();
      a.body = {250, 240, 214};
      a.bodyShade = {230, 214, 180};
      a.pose = Pose::Jumping;
      a.scale = 0.8;
      a.headScale = 1.4;
      a.bow = true;
      a.eyes = Eyes::Happy;
      break;
    case 4:  // a grey ram with curled horns, facing left
      a = Sheep();
      a.body = {196, 198, 206};
      a.bodyShade = {160, 162, 176};
      a.face = {120, 110, 116};
      a.legs = {120, 110, 116};
      a.horns = Horns::Curled;
      a.horn = {226, 196, 140};
      a.innerEar = {200, 120, 130};
      a.mirrored = true;
      break;
    case 5:  // a black sheep walking, in a knitted beanie
      a = Sheep();
      a.body = {84, 80, 100};
      a.bodyShade = {120, 116, 140};
      a.face = {60, 56, 66};
      a.legs = {60, 56, 66};
      a.innerEar = {180, 110, 120};
      a.pose = Pose::Walking;
      a.hat = Hat::Beanie;
      a.hatColour = {60, 170, 120};
      a.hatTrim = {244, 244, 238};
      break;
    case 6:  // a white goat jumping in a party hat, facing left
      a = Goat(kOffWhite, {214, 214, 204});
      a.face = kOffWhite;
      a.pose = Pose::Jumping;
      a.hat = Hat::Party;
      a.hatColour = {120, 80, 210};
      a.eyes = Eyes::Happy;
      a.mirrored = true;
      break;
    case 7:  // a sheep asleep on the grass in a nightcap
      a = Sheep();
      a.pose = Pose::Lying;
      a.eyes = Eyes::Closed;
      a.hat = Hat::Nightcap;
      a.hatColour = {70, 110, 210};
      a.hatTrim = {252, 208, 40};
      a.sleepy = true;
      break;
    case 8: {  // a goat's face with long horns and a bell
      DrawPortrait(p, {false, {196, 150, 100}, {236, 206, 170}, {196, 150, 100}, {220, 200, 160}, Horns::Long, true, false,
                       false, true, {210, 50, 60}});
      return p;
    }
    case 9: {  // a woolly sheep's face with round glasses and a bow tie
      DrawPortrait(p, {true, {250, 222, 196}, {255, 236, 220}, kOffWhite, {0, 0, 0}, Horns::None, false, true, true,
                       false, {40, 110, 210}});
      return p;
    }
    case 10:  // a spotted goat walking, a daisy behind its ear
      a = Goat({240, 224, 196}, {210, 190, 160});
      a.spots = true;
      a.pose = Pose::Walking;
      a.earFlower = true;
      a.mirrored = true;
      break;
    case 11:  // a dapper sheep in a top hat and bow tie, facing left
      a = Sheep();
      a.face = {236, 200, 170};
      a.legs = {236, 200, 170};
      a.hat = Hat::TopHat;
      a.hatColour = {54, 50, 70};
      a.hatTrim = {210, 40, 60};
      a.neck = Neck::BowTie;
      a.neckColour = {210, 40, 60};
      a.neckTrim = {210, 40, 60};
      a.mirrored = true;
      break;
    case 12:  // a golden-brown sheep in a straw hat
      a = Sheep();
      a.body = {236, 206, 150};
      a.bodyShade = {206, 170, 110};
      a.face = {130, 90, 70};
      a.legs = {130, 90, 70};
      a.hat = Hat::Straw;
      a.hatColour = {246, 214, 110};
      a.hatTrim = {220, 70, 80};
      a.eyes = Eyes::Happy;
      break;
    case 13:  // a mountain goat with long horns on a rock
      a = Goat({228, 228, 220}, {196, 196, 186});
      a.horns = Horns::Long;
      a.horn = {120, 110, 100};
      a.hoof = {60, 56, 66};
      a.rock = true;
      a.scale = 0.9;
      break;
    default:  // a little goat kid with a balloon, facing left
      a = Goat({150, 110, 80}, {120, 84, 60});
      a.face = {150, 110, 80};
      a.horns = Horns::None;
      a.beard = false;
      a.scale = 0.8;
      a.headScale = 1.4;
      a.balloon = true;
      a.balloonColour = {240, 80, 60};
      a.neck = Neck::Scarf;
      a.neckColour = {252, 200, 40};
      a.neckTrim = {230, 90, 60};
      a.mirrored = true;
      break;
  }
  DrawAnimalFitted(p, a);
  return p;
}

}  // namespace velmora::art
