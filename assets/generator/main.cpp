// velmora_assets OUTPUT_FOLDER [--contact-sheet FILE.ppm]
// Draws every embedded stamp picture, cursor and icon and writes them into OUTPUT_FOLDER.
// The output depends on nothing but this program: the same build writes the same bytes.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "contact_sheet.h"
#include "cursor_art.h"
#include "cursor_writer.h"
#include "gif_writer.h"
#include "stamp_forms.h"

namespace {

using velmora::art::RgbaImage;
using Bytes = std::vector<std::uint8_t>;

bool WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) std::fprintf(stderr, "velmora_assets: cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

std::string NumberedName(const char* prefix, int k) {
  char name[64];
  std::snprintf(name, sizeof name, "%s%02d.gif", prefix, k);
  return name;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder, sheetPath;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--contact-sheet" && i + 1 < argc) {
      sheetPath = argv[++i];
    } else if (folder.empty() && !arg.starts_with("--")) {
      folder = arg;
    } else {
      folder.clear();
      break;
    }
  }
  if (folder.empty()) {
    std::fprintf(stderr, "usage: velmora_assets OUTPUT_FOLDER [--contact-sheet FILE.ppm]\n");
    return 2;
  }

  bool ok = true;
  velmora::art::ContactSheetInput sheet;
  for (const velmora::art::StampSeriesInfo& series : velmora::art::StampSeriesList()) {
    if (!series.draw) {
      std::fprintf(stderr, "velmora_assets: the %s series is not built in; skipped\n", series.filePrefix);
      continue;
    }
    sheet.stampRows.emplace_back();
    for (int k = 1; k <= series.count; ++k) {
      if (k == 8 && std::string(series.filePrefix) == "goat") sheet.stampRows.emplace_back();  // two rows of seven
      velmora::art::Painter picture = series.draw(k);
      const auto gif = velmora::art::WriteGif(picture, velmora::art::StampGifForm(series.filePrefix, k));
      const std::string name = NumberedName(series.filePrefix, k);
      if (!gif) {
        std::fprintf(stderr, "velmora_assets: %s has more than 256 colours\n", name.c_str());
        ok = false;
        continue;
      }
      ok = WriteFile(folder + "/" + name, *gif) && ok;
      sheet.stampRows.back().push_back(std::move(picture));
    }
  }

  const RgbaImage pen = velmora::art::PenCursorArt();
  const RgbaImage eraser = velmora::art::EraserCursorArt();
  const RgbaImage stamp = velmora::art::StampCursorArt();
  const RgbaImage arrow = velmora::art::WindowCursorArt();
  const auto eraserDib = velmora::art::Dib8(eraser);
  const auto arrowDib = velmora::art::Dib8(arrow);
  if (!eraserDib || !arrowDib) {
    std::fprintf(stderr, "velmora_assets: an 8-bit cursor has too many colours\n");
    return 1;
  }
  ok = WriteFile(folder + "/pen.cur", velmora::art::CursorFile(pen, velmora::art::Dib32(pen), 0, 0)) && ok;
  ok = WriteFile(folder + "/eraser.cur", velmora::art::CursorFile(eraser, *eraserDib, 0, 0)) && ok;
  ok = WriteFile(folder + "/stamp.cur", velmora::art::CursorFile(stamp, velmora::art::Dib32(stamp), 0, 0)) && ok;
  ok = WriteFile(folder + "/window.cur", velmora::art::CursorFile(arrow, *arrowDib, 12, 0)) && ok;

  const std::vector<RgbaImage> icons = {velmora::art::TrayIconArt(48), velmora::art::TrayIconArt(32),
                                        velmora::art::TrayIconArt(16)};
  const Bytes iconFile = velmora::art::IconFile(icons);
  ok = WriteFile(folder + "/tray.ico", iconFile) && ok;
  ok = WriteFile(folder + "/program.ico", iconFile) && ok;  // the program file shows the same icon

  if (!sheetPath.empty()) {
    sheet.smallImages = {pen, eraser, stamp, arrow};
    sheet.smallImages.insert(sheet.smallImages.end(), icons.begin(), icons.end());
    if (!velmora::art::WriteContactSheet(sheet, sheetPath)) {
      std::fprintf(stderr, "velmora_assets: cannot write %s\n", sheetPath.c_str());
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
