#include "art.h"
namespace velmora::art {
Painter DrawFlower(int k) {
  static const int sizes[5][2] = {{100, 77}, {125, 135}, {147, 90}, {115, 115}, {150, 150}};
  Painter p(sizes[k - 1][0], sizes[k - 1][1]); p.OutlinedEllipse(50, 38, 30, 20, Rgb{250, 50, 100}); return p; }
}
