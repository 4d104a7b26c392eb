#pragma once
// assets/generator/art.h — the stamp drawings, one function per series.
#include "paint.h"

namespace velmora::art {

// Each draws picture k (1-based) of its series at the series' size.
velmora::art::Painter DrawGoat(int k);     // 1..14, 256 × 256
velmora::art::Painter DrawFlower(int k);   // 1..5: 100×77, 125×135, 147×90, 115×115, 150×150
velmora::art::Painter DrawCar(int k);      // 1..15, 128 × 128
velmora::art::Painter DrawFirework(int k); // 1..7, 300 × 300

}  // namespace velmora::art
