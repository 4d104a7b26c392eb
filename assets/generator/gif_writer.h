#pragma once
// A GIF89a writer for the stamp pictures: one global 256-colour table, one graphic control
// extension, one full-screen image with variable-length LZW codes.
#include <cstdint>
#include <optional>
#include <vector>

#include "paint.h"

namespace velmora::art {

// The header and extension values that differ between the stamp pictures.
struct GifForm {
  int colourResolution = 8;   // bits, 1..8, as stored in the logical screen descriptor
  int backgroundIndex = 0;
  bool transparencyFlag = true;
  int transparentIndex = 216;
  int disposal = 0;
  int delay = 0;              // hundredths of a second
  // Palette entries fixed in advance; the first one whose colour is white is the index every
  // white pixel uses. The others are kept out of the picture's own colours.
  struct Entry { int index; Rgb colour; };
  std::vector<Entry> fixed;
  std::vector<std::uint8_t> afterTrailer;  // bytes appended after the trailer
};

struct IndexedPicture {
  int width = 0, height = 0;
  std::vector<Rgb> palette;            // always 256 entries
  std::vector<std::uint8_t> indices;   // one per pixel, top row first
};

// Maps every colour of the picture to a palette index, in order of first appearance, around the
// fixed entries. Nothing when the picture has more colours than free entries.
std::optional<IndexedPicture> IndexPicture(const Painter& picture, const GifForm& form);

// The LZW code stream (minimum code size 8) of the indices, as data sub-blocks ending with the
// block terminator.
std::vector<std::uint8_t> EncodeLzwBlocks(const std::vector<std::uint8_t>& indices);

// The whole GIF file, or nothing when the picture cannot be indexed.
std::optional<std::vector<std::uint8_t>> WriteGif(const Painter& picture, const GifForm& form);

}  // namespace velmora::art
