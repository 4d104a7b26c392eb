#pragma once
// Windows bitmap files: the 24-bit writer used for the screen copy and for saved pictures,
// and the reader for uncompressed 1, 4, 8, 24 and 32 bits per pixel.

#include <cstdint>
#include <optional>

#include "canvas/image.h"
#include "common/bytes.h"

namespace velmora {

constexpr std::uint32_t kBitmapHeadersSize = 54;  // 14-byte file header + 40-byte information header

// Bytes per stored 24-bit row: 3 × width rounded up to a multiple of 4. Nothing for widths
// whose row would not fit in 32 bits.
std::optional<std::uint32_t> BitmapStride24(std::int64_t width);

// Resolves one side of a requested size against the natural size: 0 keeps it, a positive value
// is taken as it is, −p is p % of it (at least 10 %), rounded half away from zero.
std::int64_t ResolveRequestedSide(std::int32_t requested, std::int32_t natural);

// Stretches to width × height, averaging the source pixels that fall into each target pixel.
Image StretchAveraging(const Image& source, std::int32_t width, std::int32_t height);

// The whole file, or an empty buffer when the size resolves to nothing or cannot be stored.
ByteBuffer EncodeBitmap(const Image& image, std::int32_t requestedWidth, std::int32_t requestedHeight);

// A decoded bitmap, converted to the image type (top row first).
std::optional<Image> DecodeBitmap(ByteView bytes);

}  // namespace velmora
