#include "app/tray_icon_choice.h"

#include "canvas/cursor_file.h"

namespace velmora {
namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;

}  // namespace

std::optional<TrayIconImage> ChooseTrayIconImage(ByteView file, TrayIconPass pass) {
  const auto reserved = ReadU16(file, 0);
  const auto type = ReadU16(file, 2);
  const auto count = ReadU16(file, 4);
  if (!reserved || !type || !count || *reserved != 0 || (*type != 1 && *type != 2) || *count == 0)
    return std::nullopt;
  // count is at most 65535, so the directory size cannot overflow.
  const std::size_t directoryEnd = kDirectorySize + kEntrySize * static_cast<std::size_t>(*count);
  if (directoryEnd > file.size()) return std::nullopt;

  const std::uint8_t wantedWidth = pass == TrayIconPass::Small ? 16 : 32;
  std::size_t chosen = *count - 1u;
  for (std::size_t i = 0; i < *count; ++i) {
    const std::size_t entry = kDirectorySize + kEntrySize * i;
    if (file[entry] == wantedWidth && file[entry + 2] >= 16) {
      chosen = i;
      break;
    }
  }

  const std::size_t entry = kDirectorySize + kEntrySize * chosen;
  const std::uint32_t length = *ReadU32(file, entry + 8);
  const std::uint32_t offset = *ReadU32(file, entry + 12);
  // The image lies after the directory and wholly inside the file, and its header is sound.
  if (offset < directoryEnd || offset > file.size() || length > file.size() - offset) return std::nullopt;
  const ByteView image = file.subspan(offset, length);
  if (!IconImageHeaderIsSound(image)) return std::nullopt;

  const std::int32_t width = *ReadI32(image, 4);
  const std::int32_t height = *ReadI32(image, 8) / 2;
  if (height <= 0) return std::nullopt;
  return TrayIconImage{image, width, height, *ReadU16(image, 14)};
}

}  // namespace velmora
