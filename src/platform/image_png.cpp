// PNG decoding through libpng's simplified reader, which keeps its error
// handling inside the library (nothing unwinds through our frames).
#include <png.h>

#include "platform/bitmaps.h"
#include "platform/image_files.h"

namespace lumo::platform {

std::optional<Image> decode_png(const std::uint8_t* data, std::size_t size) {
  if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0) return std::nullopt;
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, data, size)) return std::nullopt;
  if (png.width == 0 || png.height == 0 ||
      static_cast<std::uint64_t>(png.width) * png.height > static_cast<std::uint64_t>(kMaxBitmapPixels)) {
    png_image_free(&png);
    return std::nullopt;
  }
  png.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> bytes(PNG_IMAGE_SIZE(png));
  // finish_read releases the reader whether it succeeds or not.
  if (!png_image_finish_read(&png, nullptr, bytes.data(), 0, nullptr)) return std::nullopt;

  Image image;
  image.width = static_cast<std::int32_t>(png.width);
  image.height = static_cast<std::int32_t>(png.height);
  image.argb.resize(static_cast<std::size_t>(png.width) * png.height);
  for (std::size_t i = 0; i < image.argb.size(); ++i) {
    const std::uint8_t* p = &bytes[i * 4];
    image.argb[i] = (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
  }
  return image;
}

}  // namespace lumo::platform
