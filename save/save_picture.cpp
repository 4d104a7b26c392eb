#include "save/save_picture.h"

#include "app/message_box.h"
#include "app/texts.h"
#include "save/time_stamp.h"

namespace velmora {

NativeText DirectoryOfModulePath(const NativeText& modulePath) {
  const auto cut = modulePath.find_last_of(u'\\');
  if (cut == NativeText::npos) return {};
  return modulePath.substr(0, cut);
}

NativeText PicturePath(const NativeText& directory, const NativeText& name) {
  return directory + u"\\" + name + u".bmp";
}

bool SavePicture(Desktop& desktop, const Canvas& canvas) {
  // The moment is read before the export, so the name says when the picture was taken.
  const NativeText path = PicturePath(desktop.ProgramDirectory(), desktop.FromGbk(DateTimeToText(desktop.LocalTime())));
  const ByteBuffer bytes = canvas.ExportCanvas(canvas.Width(), canvas.Height());
  // An export that gives nothing is a failure too: an empty file would be no picture.
  if (bytes.empty() || !desktop.WriteFileReplacing(path, bytes)) return false;
  ShowMessageBox(desktop, desktop.FromGbk(texts::kSavedPrefix) + path, kInformationBoxStyle,
                 desktop.FromGbk(texts::kSavedTitle));
  return true;
}

}  // namespace velmora
