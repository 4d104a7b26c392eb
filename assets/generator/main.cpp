// Placeholder entry point while the writers are being built.
#include "paint.h"
int main() { velmora::art::Painter p(4, 4); p.FillRect(0, 0, 2, 2, velmora::art::kOutline); return 0; }
