#pragma once
// Byte buffers and bounds-checked little-endian reads shared by every file format.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velmora {

using ByteBuffer = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// Reads return nothing when the value would reach past the end of the data,
// so a parser can never index outside its buffer by trusting a field.
inline std::optional<std::uint16_t> ReadU16(ByteView data, std::size_t offset) {
  if (offset > data.size() || data.size() - offset < 2) return std::nullopt;
  return static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8));
}

inline std::optional<std::uint32_t> ReadU32(ByteView data, std::size_t offset) {
  if (offset > data.size() || data.size() - offset < 4) return std::nullopt;
  return static_cast<std::uint32_t>(data[offset]) | (static_cast<std::uint32_t>(data[offset + 1]) << 8) |
         (static_cast<std::uint32_t>(data[offset + 2]) << 16) | (static_cast<std::uint32_t>(data[offset + 3]) << 24);
}

inline std::optional<std::int32_t> ReadI32(ByteView data, std::size_t offset) {
  auto v = ReadU32(data, offset);
  if (!v) return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

inline void AppendU16(ByteBuffer& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void AppendU32(ByteBuffer& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace velmora
