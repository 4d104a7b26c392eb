#pragma once
// Decoded pictures (stamp GIFs, bitmaps) held under handles.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "common/bytes.h"
#include "tools/tool_state.h"

namespace velmora {

enum class PictureKind : std::int32_t { None = 0, Jpeg = 1, Bitmap = 2, Icon = 3, Cursor = 4, Gif = 5, Pcx8 = 6, Pcx1 = 7 };

// The kind named by the first bytes, or None.
PictureKind RecogniseKind(ByteView bytes);

struct Picture {
  PictureKind kind = PictureKind::None;
  std::int32_t width = 0;   // the logical screen for GIFs
  std::int32_t height = 0;
  // Gif: palette of (blue, green, red, 0) entries and one index per pixel of the first image,
  // rows from the top down, each padded to a multiple of 4 bytes.
  std::array<std::uint32_t, 256> palette{};  // as 0x00RRGGBB pixels
  std::int32_t imageWidth = 0;
  std::int32_t imageHeight = 0;
  std::int32_t rowBytes = 0;
  std::vector<std::uint8_t> indices;
  // Bitmap: 24-bit blue, green, red, bottom row first, rows of width × 3 bytes.
  std::vector<std::uint8_t> bgr;
};

std::optional<Picture> DecodeGif(ByteView bytes);
std::optional<Picture> DecodePicture(ByteView bytes);

class PictureTable {
 public:
  PictureHandle LoadPicture(ByteView bytes);  // 0 on failure
  void ReleasePicture(PictureHandle handle);
  const Picture* FindPicture(PictureHandle handle) const;
  std::size_t LiveCount() const { return entries_.size(); }

 private:
  struct Entry {
    PictureHandle handle;
    std::unique_ptr<Picture> picture;
  };
  std::vector<Entry> entries_;
  PictureHandle nextHandle_ = 1;
};

}  // namespace velmora
