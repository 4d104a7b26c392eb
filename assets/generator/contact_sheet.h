#pragma once
// One big picture of every stamp as it prints (white see-through on mid grey) and of every
// cursor and icon image enlarged, for looking the art over.
#include <string>
#include <vector>

#include "paint.h"
#include "rgba_image.h"

namespace velmora::art {

struct ContactSheetInput {
  std::vector<std::vector<Painter>> stampRows;  // one row per series
  std::vector<RgbaImage> smallImages;           // cursors and icon images, enlarged 4 times
};

// Writes the sheet as a binary PPM file; false when the file cannot be written.
bool WriteContactSheet(const ContactSheetInput& input, const std::string& path);

}  // namespace velmora::art
