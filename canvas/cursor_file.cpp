#include "canvas/cursor_file.h"

namespace velmora {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kFirstEntryEnd = 22;  // directory + one 16-byte entry

}  // namespace

bool IconImageHeaderIsSound(ByteView image) {
  const auto headerSize = ReadU32(image, 0);
  const auto width = ReadI32(image, 4);
  const auto height = ReadI32(image, 8);
  const auto planes = ReadU16(image, 12);
  const auto bits = ReadU16(image, 14);
  if (!headerSize || !width || !height || !planes || !bits) return false;
  if (*headerSize < 40 || *headerSize > image.size()) return false;
  if (*width <= 0 || *width > 256 || *height <= 0 || *height > 512 || *planes != 1) return false;
  if (*bits != 1 && *bits != 4 && *bits != 8 && *bits != 16 && *bits != 24 && *bits != 32) return false;
  const std::uint64_t rows = static_cast<std::uint64_t>(*height) / 2;
  const std::uint64_t colourRow = ((static_cast<std::uint64_t>(*bits) * *width + 31) / 32) * 4;
  const std::uint64_t maskRow = ((static_cast<std::uint64_t>(*width) + 31) / 32) * 4;
  const std::uint64_t palette = *bits <= 8 ? (4ull << *bits) : 0;
  const std::uint64_t needed = *headerSize + palette + rows * (colourRow + maskRow);
  return needed <= image.size();
}

std::optional<CursorImage> ParseCursorFile(ByteView file) {
  if (file.size() <= kFirstEntryEnd) return std::nullopt;
  if (*ReadU16(file, 0) != 0 || *ReadU16(file, 2) != 2 || *ReadU16(file, 4) == 0) return std::nullopt;
  const std::uint32_t length = *ReadU32(file, 14);
  const std::uint32_t offset = *ReadU32(file, 18);
  // The image must lie wholly inside the file, after the first directory entry; the sum is
  // taken in 64 bits so that an offset and a length near 2^32 cannot wrap around.
  if (offset < kFirstEntryEnd || static_cast<std::uint64_t>(offset) + length > file.size()) return std::nullopt;
  if (file.size() - kFirstEntryEnd < length) return std::nullopt;
  const ByteView image = file.subspan(offset, length);
  if (!IconImageHeaderIsSound(image)) return std::nullopt;
  CursorImage cursor;
  cursor.image = image;
  cursor.width = file[kDirectorySize];
  cursor.height = file[kDirectorySize + 1];
  if (cursor.width == 0) cursor.width = 256;  // a size byte of 0 means 256
  if (cursor.height == 0) cursor.height = 256;
  cursor.hotX = *ReadU16(file, 10);
  cursor.hotY = *ReadU16(file, 12);
  return cursor;
}

}  // namespace velmora
