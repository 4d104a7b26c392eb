// Decoding pictures by kind, and the table of live pictures named by handles.

#include "canvas/picture_table.h"

#include <algorithm>
#include <limits>

#include "canvas/bitmap_file.h"

namespace velmora {
namespace {

// A decoded bitmap in the picture table's 24-bit form: blue, green, red, the bottom row first.
Picture PictureFromImage(const Image& image) {
  Picture picture;
  picture.kind = PictureKind::Bitmap;
  picture.width = image.width;
  picture.height = image.height;
  const std::size_t w = static_cast<std::size_t>(image.width);
  picture.bgr.resize(w * static_cast<std::size_t>(image.height) * 3);
  std::uint8_t* out = picture.bgr.data();
  for (std::int32_t y = image.height - 1; y >= 0; --y) {
    const Pixel* row = image.Row(y);
    for (std::size_t x = 0; x < w; ++x) {
      *out++ = BlueOf(row[x]);
      *out++ = GreenOf(row[x]);
      *out++ = RedOf(row[x]);
    }
  }
  return picture;
}

}  // namespace

std::optional<Picture> DecodePicture(ByteView bytes) {
  switch (RecogniseKind(bytes)) {
    case PictureKind::Gif: return DecodeGif(bytes);
    case PictureKind::Bitmap: {
      auto image = DecodeBitmap(bytes);
      if (!image || image->width <= 0 || image->height <= 0) return std::nullopt;
      return PictureFromImage(*image);
    }
    default: return std::nullopt;  // the program never loads the other kinds
  }
}

PictureHandle PictureTable::LoadPicture(ByteView bytes) {
  if (bytes.empty()) return 0;
  auto decoded = DecodePicture(bytes);
  if (!decoded) return 0;

  // Handles count up and wrap; 0, −1 and any handle still live are skipped. The table is
  // tiny, so the search for a free value always ends quickly.
  PictureHandle handle = nextHandle_;
  while (handle == 0 || handle == kNoPicture || FindPicture(handle) != nullptr) {
    handle = handle == std::numeric_limits<PictureHandle>::max() ? std::numeric_limits<PictureHandle>::min()
                                                                 : handle + 1;
  }
  nextHandle_ = handle == std::numeric_limits<PictureHandle>::max() ? 1 : handle + 1;

  entries_.push_back({handle, std::make_unique<Picture>(std::move(*decoded))});
  return handle;
}

void PictureTable::ReleasePicture(PictureHandle handle) {
  if (handle == 0 || handle == kNoPicture) return;
  auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.handle == handle; });
  if (it != entries_.end()) entries_.erase(it);
}

const Picture* PictureTable::FindPicture(PictureHandle handle) const {
  if (handle == 0 || handle == kNoPicture) return nullptr;
  for (const Entry& e : entries_)
    if (e.handle == handle) return e.picture.get();
  return nullptr;
}

}  // namespace velmora
