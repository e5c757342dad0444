#include "platform/image_files.h"

#include <cstdio>
#include <memory>
#include <string>

#include "platform/bitmaps.h"
#include "platform/code_pages.h"

namespace lumo::platform {
namespace {

std::optional<std::vector<std::uint8_t>> read_file(const char* path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), &std::fclose);
  if (!file) {
    set_last_error(kErrorFileNotFound);
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[1 << 16];
  for (;;) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
    if (bytes.size() + got > kMaxImageFileBytes) break;
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (got < sizeof chunk) {
      if (std::ferror(file.get())) break;  // a directory, or a read failure
      return bytes;
    }
  }
  set_last_error(kErrorInvalidData);
  return std::nullopt;
}

unsigned over(unsigned top, unsigned bottom, unsigned alpha) {
  return (top * alpha + bottom * (255 - alpha) + 127) / 255;
}

}  // namespace

std::optional<Image> decode_image(const std::uint8_t* data, std::size_t size) {
  if (data && size >= 2 && data[0] == 'B' && data[1] == 'M') return decode_bmp(data, size);
  return decode_png(data, size);
}

std::optional<Image> read_image_file(const char* path) {
  if (!path || !*path) {
    set_last_error(kErrorFileNotFound);
    return std::nullopt;
  }
  std::optional<std::vector<std::uint8_t>> bytes = read_file(path);
  if (!bytes) return std::nullopt;
  std::optional<Image> image = decode_image(bytes->data(), bytes->size());
  if (!image) set_last_error(kErrorInvalidData);
  return image;
}

Handle load_image_bitmap(const wchar_t* path, std::uint32_t background) {
  if (!path) {
    set_last_error(kErrorInvalidParameter);
    return nullptr;
  }
  const int bytes = narrow_from_wide(CodePage::utf8, path, nullptr, 0);
  std::string narrow(static_cast<std::size_t>(bytes > 0 ? bytes : 1), '\0');
  if (bytes <= 0 || narrow_from_wide(CodePage::utf8, path, narrow.data(), bytes) != bytes) {
    set_last_error(kErrorInvalidParameter);
    return nullptr;
  }
  std::optional<Image> image = read_image_file(narrow.c_str());
  if (!image) return nullptr;
  std::vector<std::uint32_t> pixels(image->argb.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t argb = image->argb[i];
    const unsigned alpha = argb >> 24;
    pixels[i] = rgb(over((argb >> 16) & 0xFF, red_of(background), alpha),
                    over((argb >> 8) & 0xFF, green_of(background), alpha), over(argb & 0xFF, blue_of(background), alpha));
  }
  return create_bitmap(image->width, image->height, pixels.data());
}

}  // namespace lumo::platform
