#include "art.h"
namespace velmora::art {
Painter DrawGoat(int k) { Painter p(256, 256); p.OutlinedEllipse(128, 128, 40 + k * 5, 60, Rgb{200, 100, 50}); return p; }
}
