#include "stamp_forms.h"

#include "art.h"

namespace velmora::art {
namespace {

constexpr Rgb kBlack{0, 0, 0};

// Goats, cars and fireworks: white background at 0, white transparent colour at 216.
GifForm FullColourForm() {
  GifForm form;
  form.colourResolution = 8;
  form.backgroundIndex = 0;
  form.transparencyFlag = true;
  form.transparentIndex = 216;
  form.fixed = {{216, kWhite}, {0, kWhite}};
  return form;
}

// The flowers were saved by different programs, each with its own header values.
GifForm FlowerForm(int k) {
  GifForm form;
  form.colourResolution = 1;
  form.disposal = 1;
  form.delay = 10;
  form.transparentIndex = 255;
  switch (k) {
    case 1:
      form.backgroundIndex = 190;
      form.transparencyFlag = false;
      form.fixed = {{190, kWhite}};
      break;
    case 2:
      form.backgroundIndex = 125;
      form.transparencyFlag = true;
      form.fixed = {{125, kWhite}, {255, kBlack}};
      break;
    case 3:
      form.backgroundIndex = 0;
      form.transparencyFlag = false;
      form.fixed = {{0, kWhite}};
      break;
    case 4:
      form.colourResolution = 8;
      form.backgroundIndex = 255;
      form.transparencyFlag = true;
      form.disposal = 0;
      form.delay = 0;
      form.fixed = {{255, kWhite}};
      form.afterTrailer = {0x0D, 0x0A};
      break;
    default:
      form.backgroundIndex = 96;
      form.transparencyFlag = true;
      form.fixed = {{96, kWhite}, {255, kBlack}};
      break;
  }
  return form;
}

}  // namespace

std::vector<StampSeriesInfo> StampSeriesList() {
#if defined(VELMORA_HAVE_CARS)
  Painter (*cars)(int) = DrawCar;
#else
  Painter (*cars)(int) = nullptr;
#endif
#if defined(VELMORA_HAVE_FIREWORKS)
  Painter (*fireworks)(int) = DrawFirework;
#else
  Painter (*fireworks)(int) = nullptr;
#endif
  return {{"goat", 14, DrawGoat}, {"car", 15, cars}, {"flower", 5, DrawFlower}, {"firework", 7, fireworks}};
}

GifForm StampGifForm(const std::string& filePrefix, int k) {
  return filePrefix == "flower" ? FlowerForm(k) : FullColourForm();
}

}  // namespace velmora::art
