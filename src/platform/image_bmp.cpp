// BMP decoding.  Every read goes through Bytes, which checks the range first.
#include <bit>
#include <climits>

#include "platform/bitmaps.h"
#include "platform/image_files.h"

namespace lumo::platform {
namespace {

constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionBitFields = 3;
constexpr std::uint32_t kCompressionAlphaBitFields = 6;
constexpr std::uint32_t kOpaque = 0xFF000000u;

struct Bytes {
  const std::uint8_t* data;
  std::size_t size;

  bool has(std::uint64_t offset, std::uint64_t count) const { return offset <= size && count <= size - offset; }
  std::uint32_t u8(std::size_t at) const { return data[at]; }
  std::uint32_t u16(std::size_t at) const { return data[at] | (data[at + 1] << 8); }
  std::uint32_t u32(std::size_t at) const { return u16(at) | (u16(at + 2) << 16); }
  std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
};

// One channel described by a bit mask, scaled to 0…255.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint64_t max = 0;

  explicit Channel(std::uint32_t m = 0) : mask(m) {
    if (!mask) return;
    shift = std::countr_zero(mask);
    max = (std::uint64_t{1} << std::bit_width(mask >> shift)) - 1;
  }
  std::uint32_t read(std::uint32_t pixel, std::uint32_t absent) const {
    if (!mask) return absent;
    return static_cast<std::uint32_t>((((pixel & mask) >> shift) * 255 + max / 2) / max);
  }
};

struct Layout {
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: top row first
  std::uint32_t bits = 0;
  std::uint32_t compression = kCompressionNone;
  std::uint32_t colours_used = 0;
  std::size_t palette_at = 0;
  std::size_t palette_entry = 4;
  Channel red, green, blue, alpha;
};

std::optional<Layout> read_layout(const Bytes& file) {
  if (!file.has(0, 18) || file.u8(0) != 'B' || file.u8(1) != 'M') return std::nullopt;
  const std::uint32_t header = file.u32(14);
  Layout layout;
  if (header == 12) {
    if (!file.has(14, 12)) return std::nullopt;
    layout.width = static_cast<std::int32_t>(file.u16(18));
    layout.height = static_cast<std::int16_t>(file.u16(20));
    layout.bits = file.u16(24);
    layout.palette_at = 26;
    layout.palette_entry = 3;
    return layout;
  }
  if (header < 40 || !file.has(14, header)) return std::nullopt;
  layout.width = file.i32(18);
  layout.height = file.i32(22);
  layout.bits = file.u16(28);
  layout.compression = file.u32(30);
  layout.colours_used = file.u32(46);
  layout.palette_at = 14 + header;
  if (layout.compression == kCompressionBitFields || layout.compression == kCompressionAlphaBitFields) {
    const bool with_alpha = layout.compression == kCompressionAlphaBitFields || header >= 56;
    std::size_t masks = 54;
    if (header < 52) {  // the masks follow the header
      const std::size_t count = layout.compression == kCompressionAlphaBitFields ? 16 : 12;
      if (!file.has(layout.palette_at, count)) return std::nullopt;
      masks = layout.palette_at;
      layout.palette_at += count;
    } else if (with_alpha && header < 56 && !file.has(66, 4)) {
      return std::nullopt;
    }
    layout.red = Channel(file.u32(masks));
    layout.green = Channel(file.u32(masks + 4));
    layout.blue = Channel(file.u32(masks + 8));
    if (with_alpha) layout.alpha = Channel(file.u32(masks + 12));
  } else if (layout.compression != kCompressionNone) {
    return std::nullopt;  // run-length and embedded formats are not supported
  }
  return layout;
}

}  // namespace

std::optional<Image> decode_bmp(const std::uint8_t* data, std::size_t size) {
  if (!data) return std::nullopt;
  const Bytes file{data, size};
  std::optional<Layout> read = read_layout(file);
  if (!read) return std::nullopt;
  Layout& layout = *read;
  if (layout.width < 1 || layout.height == 0 || layout.height == INT32_MIN) return std::nullopt;
  const bool top_down = layout.height < 0;
  const std::int32_t height = top_down ? -layout.height : layout.height;
  if (static_cast<std::int64_t>(layout.width) * height > kMaxBitmapPixels) return std::nullopt;

  const std::uint32_t bits = layout.bits;
  const bool masked = layout.compression != kCompressionNone;
  if (masked ? (bits != 16 && bits != 32) : (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
    return std::nullopt;
  if (!masked && bits == 16) {
    layout.red = Channel(0x7C00);
    layout.green = Channel(0x03E0);
    layout.blue = Channel(0x001F);
  }

  std::vector<std::uint32_t> palette;
  if (bits <= 8) {
    const std::uint32_t full = 1u << bits;
    const std::uint32_t count = layout.colours_used && layout.colours_used < full ? layout.colours_used : full;
    if (!file.has(layout.palette_at, std::uint64_t{count} * layout.palette_entry)) return std::nullopt;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::size_t at = layout.palette_at + i * layout.palette_entry;
      palette.push_back(kOpaque | (file.u8(at + 2) << 16) | (file.u8(at + 1) << 8) | file.u8(at));
    }
  }

  const std::uint64_t stride = (std::uint64_t{static_cast<std::uint32_t>(layout.width)} * bits + 31) / 32 * 4;
  const std::uint32_t pixels_at = file.u32(10);
  if (!file.has(pixels_at, stride * static_cast<std::uint64_t>(height))) return std::nullopt;

  Image image;
  image.width = layout.width;
  image.height = height;
  image.argb.resize(static_cast<std::size_t>(layout.width) * height);
  for (std::int32_t row = 0; row < height; ++row) {
    const std::size_t source_row = top_down ? row : height - 1 - row;
    const std::size_t line = pixels_at + source_row * stride;
    std::uint32_t* out = &image.argb[static_cast<std::size_t>(row) * layout.width];
    for (std::int32_t x = 0; x < layout.width; ++x) {
      std::uint32_t colour = kOpaque;
      if (bits <= 8) {
        const std::size_t bit = static_cast<std::size_t>(x) * bits;
        const std::uint32_t index = (file.u8(line + bit / 8) >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        colour = index < palette.size() ? palette[index] : kOpaque;
      } else if (bits == 24) {
        const std::size_t at = line + static_cast<std::size_t>(x) * 3;
        colour = kOpaque | (file.u8(at + 2) << 16) | (file.u8(at + 1) << 8) | file.u8(at);
      } else if (bits == 32 && !masked) {
        const std::size_t at = line + static_cast<std::size_t>(x) * 4;
        colour = kOpaque | (file.u8(at + 2) << 16) | (file.u8(at + 1) << 8) | file.u8(at);
      } else {
        const std::uint32_t pixel = bits == 16 ? file.u16(line + static_cast<std::size_t>(x) * 2)
                                               : file.u32(line + static_cast<std::size_t>(x) * 4);
        colour = (layout.alpha.read(pixel, 255) << 24) | (layout.red.read(pixel, 0) << 16) |
                 (layout.green.read(pixel, 0) << 8) | layout.blue.read(pixel, 0);
      }
      out[x] = colour;
    }
  }
  return image;
}

}  // namespace lumo::platform
