// Image files: BMP and PNG decoding, reading files, loading them into
// bitmaps.  The test files are written here, byte by byte.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/bitmaps.h"
#include "platform/image_files.h"
#include "platform/readback.h"

namespace lumo::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void put32(Bytes& b, std::uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}
void put32_big(Bytes& b, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) b.push_back((v >> shift) & 0xFF);
}

// A BMP file: header of header_size bytes (12 core, else 40/108/124 info),
// optional masks after a 40-byte header, palette (BGRX or BGR), rows as given
// (already padded, in file order).
struct BmpLayout {
  std::uint32_t header_size = 40;
  std::int32_t width = 0, height = 0;
  std::uint16_t bits = 24;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> masks;    // r, g, b(, a)
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::uint32_t colours_used = 0;
  Bytes rows;
};

Bytes encode_bmp(const BmpLayout& layout) {
  Bytes header;
  put32(header, layout.header_size);
  if (layout.header_size == 12) {
    put16(header, layout.width);
    put16(header, static_cast<std::uint16_t>(layout.height));
    put16(header, 1);
    put16(header, layout.bits);
  } else {
    put32(header, layout.width);
    put32(header, static_cast<std::uint32_t>(layout.height));
    put16(header, 1);
    put16(header, layout.bits);
    put32(header, layout.compression);
    put32(header, static_cast<std::uint32_t>(layout.rows.size()));
    put32(header, 2835);
    put32(header, 2835);
    put32(header, layout.colours_used);
    put32(header, 0);
    if (layout.header_size > 40) {
      for (std::size_t i = 0; i < 4; ++i) put32(header, i < layout.masks.size() ? layout.masks[i] : 0);
      while (header.size() < layout.header_size) header.push_back(0);
    } else {
      for (std::uint32_t mask : layout.masks) put32(header, mask);
    }
  }
  for (std::uint32_t colour : layout.palette) {
    header.push_back(colour & 0xFF);
    header.push_back((colour >> 8) & 0xFF);
    header.push_back((colour >> 16) & 0xFF);
    if (layout.header_size != 12) header.push_back(0);
  }
  Bytes file{'B', 'M'};
  const std::uint32_t offset = 14 + static_cast<std::uint32_t>(header.size());
  put32(file, offset + static_cast<std::uint32_t>(layout.rows.size()));
  put32(file, 0);
  put32(file, offset);
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), layout.rows.begin(), layout.rows.end());
  return file;
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void put_chunk(Bytes& png, const char* type, const Bytes& data) {
  put32_big(png, static_cast<std::uint32_t>(data.size()));
  Bytes body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  png.insert(png.end(), body.begin(), body.end());
  put32_big(png, crc32(body.data(), body.size()));
}

// An 8-bit PNG (colour type 6 RGBA or 0 grey) from raw scanlines, stored
// uncompressed in its zlib stream.
Bytes encode_png(std::uint32_t width, std::uint32_t height, std::uint8_t colour_type, const Bytes& pixels) {
  const std::size_t channels = colour_type == 6 ? 4 : 1;
  Bytes raw;
  for (std::uint32_t y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y * width * channels);
    raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(width * channels));
  }
  Bytes zlib{0x78, 0x01, 0x01};  // one final stored block
  put16(zlib, static_cast<std::uint32_t>(raw.size()));
  put16(zlib, static_cast<std::uint32_t>(~raw.size() & 0xFFFF));
  zlib.insert(zlib.end(), raw.begin(), raw.end());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) a = (a + byte) % 65521, b = (b + a) % 65521;
  put32_big(zlib, (b << 16) | a);

  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  put32_big(header, width);
  put32_big(header, height);
  header.insert(header.end(), {8, colour_type, 0, 0, 0});
  put_chunk(png, "IHDR", header);
  put_chunk(png, "IDAT", zlib);
  put_chunk(png, "IEND", {});
  return png;
}

constexpr std::uint32_t kOpaque = 0xFF000000u;

// 2 x 2 images whose top row is red, green and bottom row blue, white.
const std::vector<std::uint32_t> kQuad = {kOpaque | 0xFF0000, kOpaque | 0x00FF00, kOpaque | 0x0000FF,
                                          kOpaque | 0xFFFFFF};

BmpLayout quad_24(bool top_down) {
  BmpLayout layout;
  layout.width = 2;
  layout.height = top_down ? -2 : 2;
  const Bytes top = {0, 0, 255, 0, 255, 0, 0, 0};          // BGR BGR + 2 padding
  const Bytes bottom = {255, 0, 0, 255, 255, 255, 0, 0};
  layout.rows = top_down ? top : bottom;
  layout.rows.insert(layout.rows.end(), (top_down ? bottom : top).begin(), (top_down ? bottom : top).end());
  return layout;
}

TEST(PlatformImages, BmpFilesOfEveryLayoutDecodeToTheSamePixels) {
  struct Case {
    const char* label;
    BmpLayout layout;
  };
  std::vector<Case> cases;
  cases.push_back({"24-bit bottom-up", quad_24(false)});
  cases.push_back({"24-bit top-down", quad_24(true)});
  {
    BmpLayout s;
    s.width = 2;
    s.height = 2;
    s.bits = 32;
    s.rows = {255, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0};  // reserved bytes ignored
    cases.push_back({"32-bit", s});
  }
  {
    BmpLayout s;
    s.width = 2;
    s.height = 2;
    s.bits = 8;
    s.palette = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    s.colours_used = 4;
    s.rows = {2, 3, 0, 0, 0, 1, 0, 0};
    cases.push_back({"8-bit palette", s});
  }
  {
    BmpLayout s;
    s.width = 2;
    s.height = 2;
    s.bits = 4;
    s.palette = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    s.colours_used = 4;
    s.rows = {0x23, 0, 0, 0, 0x01, 0, 0, 0};
    cases.push_back({"4-bit palette", s});
  }
  {
    BmpLayout s;
    s.header_size = 12;
    s.width = 2;
    s.height = 2;
    s.bits = 8;
    s.palette.resize(256, 0);
    s.palette[0] = 0xFF0000, s.palette[1] = 0x00FF00, s.palette[2] = 0x0000FF, s.palette[3] = 0xFFFFFF;
    s.rows = {2, 3, 0, 0, 0, 1, 0, 0};
    cases.push_back({"core header, 3-byte palette", s});
  }
  {
    BmpLayout s;
    s.width = 2;
    s.height = 2;
    s.bits = 16;  // 5-5-5
    s.rows = {0x1F, 0x00, 0xFF, 0x7F, 0x00, 0x7C, 0xE0, 0x03};
    cases.push_back({"16-bit 5-5-5", s});
  }
  {
    BmpLayout s;
    s.width = 2;
    s.height = 2;
    s.bits = 16;
    s.compression = 3;
    s.masks = {0xF800, 0x07E0, 0x001F};  // 5-6-5 after a 40-byte header
    s.rows = {0x1F, 0x00, 0xFF, 0xFF, 0x00, 0xF8, 0xE0, 0x07};
    cases.push_back({"16-bit 5-6-5 masks", s});
  }
  {
    BmpLayout s;
    s.header_size = 124;
    s.width = 2;
    s.height = 2;
    s.bits = 32;
    s.compression = 3;
    s.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    s.rows = {255, 0, 0, 255, 255, 255, 255, 255, 0, 0, 255, 255, 0, 255, 0, 255};
    cases.push_back({"32-bit masks, 124-byte header", s});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const Bytes file = encode_bmp(c.layout);
    const std::optional<Image> image = decode_bmp(file.data(), file.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 2);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->argb, kQuad);
  }
}

TEST(PlatformImages, OneBitRowsReadTheirBitsFromTheHighEnd) {
  BmpLayout s;
  s.width = 10;
  s.height = 1;
  s.bits = 1;
  s.palette = {0x000000, 0xFFFFFF};
  s.rows = {0b10100000, 0b01000000, 0, 0};
  const Bytes file = encode_bmp(s);
  const std::optional<Image> image = decode_bmp(file.data(), file.size());
  ASSERT_TRUE(image);
  const std::uint32_t w = kOpaque | 0xFFFFFF, k = kOpaque;
  EXPECT_EQ(image->argb, (std::vector<std::uint32_t>{w, k, w, k, k, k, k, k, k, w}));
}

TEST(PlatformImages, TranslucentMasksKeepTheirAlpha) {
  BmpLayout s;
  s.header_size = 108;
  s.width = 1;
  s.height = 1;
  s.bits = 32;
  s.compression = 3;
  s.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
  s.rows = {0x30, 0x20, 0x10, 0x80};
  const Bytes file = encode_bmp(s);
  const std::optional<Image> image = decode_bmp(file.data(), file.size());
  ASSERT_TRUE(image);
  EXPECT_EQ(image->argb[0], 0x80102030u);
}

TEST(PlatformImages, MalformedBmpFilesDecodeToNothing) {
  auto broken = [](auto change) {
    BmpLayout layout = quad_24(false);
    change(layout);
    return encode_bmp(layout);
  };
  struct Case {
    const char* label;
    Bytes file;
  };
  Bytes bad_offset = encode_bmp(quad_24(false));
  bad_offset[10] = 0xFF;  // pixels beyond the end
  Bytes bad_signature = encode_bmp(quad_24(false));
  bad_signature[1] = 'N';
  const Case cases[] = {
      {"zero width", broken([](BmpLayout& s) { s.width = 0; })},
      {"zero height", broken([](BmpLayout& s) { s.height = 0; })},
      {"smallest height", broken([](BmpLayout& s) { s.height = INT32_MIN; })},
      {"more pixels than allowed", broken([](BmpLayout& s) { s.width = s.height = 1 << 14; })},
      {"7 bits per pixel", broken([](BmpLayout& s) { s.bits = 7; })},
      {"run-length compression", broken([](BmpLayout& s) { s.compression = 1; })},
      {"masks on 24 bits", broken([](BmpLayout& s) { s.compression = 3, s.masks = {1, 2, 4}; })},
      {"header size 20", broken([](BmpLayout& s) { s.header_size = 20; })},
      {"palette past the end", broken([](BmpLayout& s) { s.bits = 8, s.rows.resize(8); })},
      {"pixel offset past the end", bad_offset},
      {"no signature", bad_signature},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_FALSE(decode_bmp(c.file.data(), c.file.size()));
  }
  EXPECT_FALSE(decode_bmp(nullptr, 10));
}

// Every prefix of a valid file that cuts into its pixels is refused without
// reading past it (the sanitizer build checks the reads).  A PNG file whose
// pixels are complete decodes without its end chunk.
TEST(PlatformImages, TruncatedFilesAreRefused) {
  BmpLayout masked;
  masked.header_size = 40;
  masked.width = 2;
  masked.height = 2;
  masked.bits = 16;
  masked.compression = 3;
  masked.masks = {0xF800, 0x07E0, 0x001F};
  masked.rows.assign(8, 0x11);
  BmpLayout paletted;
  paletted.width = 3;
  paletted.height = 2;
  paletted.bits = 4;
  paletted.palette.assign(16, 0x123456);
  paletted.rows.assign(8, 0x12);
  const std::vector<std::uint8_t> rgba(4 * 3 * 2, 0x7F);
  constexpr std::size_t kPngEndChunk = 12;
  const struct {
    Bytes file;
    std::size_t optional_tail;
  } files[] = {{encode_bmp(quad_24(false)), 0},
               {encode_bmp(masked), 0},
               {encode_bmp(paletted), 0},
               {encode_png(3, 2, 6, rgba), kPngEndChunk}};
  for (const auto& [file, optional_tail] : files) {
    for (std::size_t size = 0; size < file.size() - optional_tail; ++size) {
      const Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
      EXPECT_FALSE(decode_image(prefix.data(), prefix.size())) << "prefix of " << size << " bytes";
    }
    EXPECT_TRUE(decode_image(file.data(), file.size()));
  }
}

TEST(PlatformImages, PngFilesDecodeWithTheirAlpha) {
  const Bytes rgba = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 255, 255, 255, 255};
  const Bytes file = encode_png(2, 2, 6, rgba);
  const std::optional<Image> image = decode_png(file.data(), file.size());
  ASSERT_TRUE(image);
  EXPECT_EQ(image->argb, (std::vector<std::uint32_t>{0xFFFF0000u, 0x8000FF00u, 0x000000FFu, 0xFFFFFFFFu}));

  const Bytes grey = encode_png(2, 1, 0, {0, 200});
  const std::optional<Image> grey_image = decode_image(grey.data(), grey.size());
  ASSERT_TRUE(grey_image);
  EXPECT_EQ(grey_image->argb, (std::vector<std::uint32_t>{0xFF000000u, 0xFFC8C8C8u}));

  Bytes corrupt = file;
  corrupt[29] ^= 0xFF;  // the header chunk's checksum
  EXPECT_FALSE(decode_png(corrupt.data(), corrupt.size()));
}

class PlatformImageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    lumo_platform_reset();
    directory_ = std::filesystem::temp_directory_path() / ("lumo_images_" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory_);
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }

  std::string write(const char* name, const Bytes& bytes) {
    const std::string path = (directory_ / name).string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
  }

  std::filesystem::path directory_;
};

TEST_F(PlatformImageFiles, ReadingFailsWithTheReason) {
  struct Case {
    const char* label;
    std::string path;
    std::uint32_t error;
  };
  const Case cases[] = {
      {"missing file", (directory_ / "missing.bmp").string(), kErrorFileNotFound},
      {"empty path", "", kErrorFileNotFound},
      {"a directory", directory_.string(), kErrorInvalidData},
      {"not an image", write("note.txt", {'h', 'i'}), kErrorInvalidData},
      {"empty file", write("empty.png", {}), kErrorInvalidData},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    set_last_error(0);
    EXPECT_FALSE(read_image_file(c.path.c_str()));
    EXPECT_EQ(last_error(), c.error);
  }
  EXPECT_FALSE(read_image_file(nullptr));
}

TEST_F(PlatformImageFiles, LoadedBitmapsComposeTranslucentPixelsOverTheBackground) {
  const Bytes rgba = {255, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 128};
  write("pixels é.png", encode_png(3, 1, 6, rgba));
  const std::wstring name = (directory_ / "pixels ").wstring() + L"\u00E9.png";

  Handle bitmap = load_image_bitmap(name.c_str(), rgb(255, 255, 255));
  ASSERT_NE(bitmap, nullptr) << "a UTF-8 file name is found";
  std::int32_t size[2] = {};
  ASSERT_EQ(lumo_platform_bitmap_size(bitmap, size), 1);
  EXPECT_EQ(size[0], 3);
  EXPECT_EQ(size[1], 1);
  EXPECT_EQ(lumo_platform_bitmap_pixel(bitmap, 0, 0), rgb(255, 0, 0));
  EXPECT_EQ(lumo_platform_bitmap_pixel(bitmap, 1, 0), rgb(255, 255, 255)) << "transparent: the background";
  EXPECT_EQ(lumo_platform_bitmap_pixel(bitmap, 2, 0), rgb(127, 255, 127));

  EXPECT_EQ(load_image_bitmap((directory_ / "none.png").wstring().c_str(), 0), nullptr);
  EXPECT_EQ(last_error(), kErrorFileNotFound);
  EXPECT_EQ(load_image_bitmap(nullptr, 0), nullptr);
}

}  // namespace
}  // namespace lumo::platform
