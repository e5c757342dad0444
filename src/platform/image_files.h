// Image files: decoding BMP and PNG files into pixels, and loading a file
// into a bitmap.
//
// Decoders take the whole file in memory and never read outside it: a
// truncated, malformed or unsupported file yields no image.  Supported BMP
// files: core and info headers (12, 40, 52, 56, 108, 124 bytes), 1/4/8-bit
// palettes, 16/24/32-bit pixels, uncompressed or with bit-field masks, bottom-up
// or top-down.  PNG files: everything libpng reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gdi_common.h"

namespace lumo::platform {

struct Image {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> argb;  // 0xAARRGGBB, top row first
};

constexpr std::size_t kMaxImageFileBytes = std::size_t{256} << 20;

LUMO_PLATFORM_API std::optional<Image> decode_bmp(const std::uint8_t* data, std::size_t size);
LUMO_PLATFORM_API std::optional<Image> decode_png(const std::uint8_t* data, std::size_t size);
// By the file's signature.
LUMO_PLATFORM_API std::optional<Image> decode_image(const std::uint8_t* data, std::size_t size);

// Reads and decodes a file (UTF-8 path).  Fails with kErrorFileNotFound or
// kErrorInvalidData.
LUMO_PLATFORM_API std::optional<Image> read_image_file(const char* path);

// A bitmap holding the image of a file (wide path), translucent pixels
// composed over background (0x00BBGGRR).  Null on failure, with last_error().
LUMO_PLATFORM_API Handle load_image_bitmap(const wchar_t* path, std::uint32_t background);

}  // namespace lumo::platform
