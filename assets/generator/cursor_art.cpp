// Cursor and icon pictures. They are painted on a key colour that becomes transparent; every
// shape has a dark rim so it reads on light and dark screens alike.
#include "cursor_art.h"

#include <cmath>

namespace velmora::art {
namespace {

constexpr Rgb kPenBody{214, 48, 49};
constexpr Rgb kPenBand{250, 200, 60};
constexpr Rgb kWood{240, 200, 140};
constexpr Rgb kSilver{190, 196, 206};
constexpr Rgb kEraserPink{244, 128, 150};
constexpr Rgb kEraserSleeve{66, 120, 214};
constexpr Rgb kStampHandle{170, 98, 50};
constexpr Rgb kStampKnob{214, 140, 80};
constexpr Rgb kStampBase{60, 64, 78};
constexpr Rgb kStampRubber{220, 40, 60};
constexpr Rgb kPureWhite{255, 255, 255};

Painter Blank(int size) {
  Painter p(size, size);
  p.FillRect(0, 0, size, size, kClearKey);
  return p;
}

// A point t along the diagonal from (ox, oy) towards the bottom right and s across it.
Point Along(double ox, double oy, double t, double s) {
  const double k = std::sqrt(0.5);
  return {ox + (t - s) * k, oy + (t + s) * k};
}

// A band across a diagonal shape from t0 to t1, half as wide as `half`.
std::vector<Point> DiagonalBand(double ox, double oy, double t0, double t1, double half) {
  return {Along(ox, oy, t0, -half), Along(ox, oy, t1, -half), Along(ox, oy, t1, half), Along(ox, oy, t0, half)};
}

}  // namespace

RgbaImage PenCursorArt() {
  Painter p = Blank(32);
  const double ox = 0.1, oy = 0.1;
  // Outline first (one pixel bigger all round), then the parts.
  p.FillPolygon({Along(ox, oy, -1.2, 0), Along(ox, oy, 9, -4.6), Along(ox, oy, 36, -4.6), Along(ox, oy, 38.5, -2.5),
                 Along(ox, oy, 38.5, 2.5), Along(ox, oy, 36, 4.6), Along(ox, oy, 9, 4.6)},
                kOutline);
  p.FillPolygon({Along(ox, oy, 3.6, -1.3), Along(ox, oy, 9.3, -3.3), Along(ox, oy, 9.3, 3.3), Along(ox, oy, 3.6, 1.3)},
                kWood);
  p.FillPolygon(DiagonalBand(ox, oy, 10.6, 27, 3.3), kPenBody);
  p.FillPolygon(DiagonalBand(ox, oy, 27.6, 30.4, 3.3), kPenBand);
  p.FillPolygon(DiagonalBand(ox, oy, 31, 36.4, 3.3), kPenBody);
  p.StrokeLine(Along(ox, oy, 13, -1.4), Along(ox, oy, 25, -1.4), 1.0, Rgb{248, 130, 120});
  p.Set(0, 0, kOutline);  // the tip is the hot spot
  p.Set(1, 1, kOutline);
  return KeyOut(p);
}

RgbaImage EraserCursorArt() {
  Painter p = Blank(32);
  // The cross marks the middle of the square the eraser clears (the hot spot's corner).
  p.FillRect(0, 2, 7, 5, kPureWhite);
  p.FillRect(2, 0, 5, 7, kPureWhite);
  p.FillRect(0, 3, 7, 4, kOutline);
  p.FillRect(3, 0, 4, 7, kOutline);
  // A tilted eraser: pink rubber tip toward the cross, blue paper sleeve behind it.
  const double ox = 8.5, oy = 8.5;
  p.FillPolygon(DiagonalBand(ox, oy, -1, 24.2, 6.2), kOutline);
  p.FillPolygon(DiagonalBand(ox, oy, 0.3, 8, 5), kEraserPink);
  p.FillPolygon(DiagonalBand(ox, oy, 9.2, 23, 5), kEraserSleeve);
  p.StrokeLine(Along(ox, oy, 10.5, -2.6), Along(ox, oy, 21.5, -2.6), 1.0, Rgb{140, 180, 240});
  p.StrokeLine(Along(ox, oy, 1.5, -2.6), Along(ox, oy, 6.5, -2.6), 1.0, Rgb{250, 180, 196});
  return KeyOut(p);
}

RgbaImage StampCursorArt() {
  Painter p = Blank(32);
  // Knob and stem.
  p.FillEllipse(21, 10.5, 5.5, 4.5, kOutline);
  p.FillEllipse(21, 10.5, 4.2, 3.2, kStampKnob);
  p.FillRect(20.5 - 2.5, 13, 20.5 + 3.5, 20, kOutline);
  p.FillRect(19, 13, 23, 20, kStampHandle);
  p.Set(20, 9, Rgb{240, 190, 140});
  p.Set(19, 10, Rgb{240, 190, 140});
  // Block and rubber.
  p.FillRect(11, 19, 31, 27, kOutline);
  p.FillRect(12, 20, 30, 26, kStampBase);
  p.FillRect(13, 21, 29, 22, Rgb{100, 106, 124});
  p.FillRect(12, 27, 30, 31, kOutline);
  p.FillRect(13, 27, 29, 30, kStampRubber);
  return KeyOut(p);
}

RgbaImage WindowCursorArt() {
  Painter p = Blank(32);
  const double x = 12.5, y = 0;  // the rim's left edge falls on column 12, the hot spot
  // Outer rim, then the white arrow inside it.
  const std::vector<Point> outer = {{x - 0.5, y - 0.5}, {x + 14.5, y + 14.6}, {x + 8.4, y + 14.6}, {x + 12.3, y + 22.6},
                                    {x + 8.8, y + 24.4}, {x + 4.9, y + 16.2}, {x - 0.5, y + 21.8}};
  const std::vector<Point> inner = {{x + 1, y + 2.4}, {x + 11.2, y + 13}, {x + 6.2, y + 13}, {x + 10.3, y + 21.8},
                                    {x + 9.4, y + 22.3}, {x + 5.3, y + 13.8}, {x + 1, y + 18.2}};
  p.FillPolygon(outer, kOutline);
  p.FillPolygon(inner, kPureWhite);
  p.Set(12, 0, kOutline);
  return KeyOut(p);
}

namespace {

// The 16 × 16 icon, pixel by pixel: at this size shapes are placed by hand.
RgbaImage TrayIcon16() {
  static const char* const kRows[16] = {
      "..............kk",
      ".............kwk",
      "............kwk.",
      "....kkkkkk.kwk..",
      "...kktttttkwk...",
      ".kktyytttkwkk...",
      ".kttyyttksktkk..",
      "kttttttkpktttk..",
      "ktrrttkpkttttk..",
      "ktrrttktttbbtk..",
      "ktttkkttttbbtk..",
      "kktk..kttttttk..",
      ".ktk..ktggttk...",
      "..kkkkttggtkk...",
      "...kkkkkkkk.....",
      "................",
  };
  RgbaImage out;
  out.width = out.height = 16;
  for (int y = 0; y < 16; ++y) {
    for (const char* c = kRows[y]; *c; ++c) {
      switch (*c) {
        case 'k': out.pixels.push_back({34, 30, 38, 255}); break;
        case 't': out.pixels.push_back({236, 190, 120, 255}); break;
        case 'r': out.pixels.push_back({226, 44, 52, 255}); break;
        case 'y': out.pixels.push_back({252, 208, 40, 255}); break;
        case 'b': out.pixels.push_back({40, 110, 230, 255}); break;
        case 'g': out.pixels.push_back({60, 180, 80, 255}); break;
        case 'p': out.pixels.push_back({150, 60, 200, 255}); break;
        case 'w': out.pixels.push_back({200, 120, 60, 255}); break;
        case 's': out.pixels.push_back({200, 204, 214, 255}); break;
        default: out.pixels.push_back({0, 0, 0, 0}); break;
      }
    }
  }
  return out;
}

}  // namespace

RgbaImage TrayIconArt(int size) {
  if (size <= 16) return TrayIcon16();
  const double s = size / 48.0;
  Painter p = Blank(size);
  const Rgb tan{236, 190, 120};
  // The palette board with its thumb hole, then four paint blobs and a brush across it.
  p.FillEllipse(22 * s, 26 * s, 21.5 * s, 17.5 * s, kOutline);
  p.FillEllipse(22 * s, 26 * s, 19.5 * s, 15.5 * s, tan);
  p.FillEllipse(13 * s, 33 * s, 4.6 * s, 3.9 * s, kOutline);
  p.FillEllipse(13 * s, 33 * s, 2.9 * s, 2.3 * s, kClearKey);
  const struct { double x, y; Rgb c; } blobs[] = {
      {11, 21, {226, 44, 52}}, {20, 15.5, {252, 208, 40}}, {30.5, 16.5, {40, 110, 230}}, {35, 31, {60, 180, 80}}};
  for (const auto& b : blobs) {
    p.FillEllipse(b.x * s, b.y * s, 4.6 * s, 3.9 * s, kOutline);
    p.FillEllipse(b.x * s, b.y * s, 3.3 * s, 2.6 * s, b.c);
  }
  // Brush from the top right down to a purple tip near the middle.
  const double w = 4.2 * s;
  p.StrokeLine({45.5 * s, 4 * s}, {31 * s, 24 * s}, w + 2.4 * s, kOutline);
  p.StrokeLine({45.5 * s, 4 * s}, {31 * s, 24 * s}, w, Rgb{200, 120, 60});
  p.StrokeLine({32.5 * s, 22 * s}, {29.5 * s, 26 * s}, w, Rgb{200, 204, 214});
  p.FillPolygon({{27 * s, 24 * s}, {32 * s, 27.5 * s}, {25 * s, 34 * s}}, kOutline);
  p.FillPolygon({{27.6 * s, 25.6 * s}, {30.4 * s, 27.6 * s}, {25.8 * s, 31.6 * s}}, Rgb{150, 60, 200});
  return KeyOut(p);
}

}  // namespace velmora::art
