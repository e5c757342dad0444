// Block copies, brush fills, gradient fills and text output of the platform
// stand-in, drawn into memory contexts and read back pixel by pixel.
#include <gtest/gtest.h>

#include <vector>

#include "platform/bitmaps.h"
#include "platform/drawing.h"
#include "platform/readback.h"

namespace lumo::platform {
namespace {

class PlatformDrawing : public ::testing::Test {
 protected:
  void SetUp() override { lumo_platform_reset(); }

  // A memory context drawing into a new bitmap of the given size, filled with fill.
  Handle canvas(std::int32_t width, std::int32_t height, std::uint32_t fill = 0) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, fill);
    bitmap_ = create_bitmap(width, height, pixels.data());
    Handle dc = create_compatible_dc(nullptr);
    select_object(dc, bitmap_);
    return dc;
  }
  std::uint32_t pixel(std::int32_t x, std::int32_t y) const { return lumo_platform_bitmap_pixel(bitmap_, x, y); }

  Handle bitmap_ = nullptr;
};

// Source pixels carry their own coordinates: 0x00YYXX + 1.
Handle numbered_source(std::int32_t width, std::int32_t height) {
  std::vector<std::uint32_t> pixels;
  for (std::int32_t y = 0; y < height; ++y)
    for (std::int32_t x = 0; x < width; ++x) pixels.push_back(((y << 8) | x) + 1);
  Handle dc = create_compatible_dc(nullptr);
  select_object(dc, create_bitmap(width, height, pixels.data()));
  return dc;
}

TEST_F(PlatformDrawing, BlitsAreClippedToBothSurfaces) {
  struct Case {
    const char* label;
    std::int32_t x, y, width, height, src_x, src_y;
  };
  const Case cases[] = {
      {"inside", 1, 1, 2, 2, 0, 0},
      {"off the top left", -1, -2, 4, 4, 0, 0},
      {"past the bottom right", 3, 4, 9, 9, 0, 0},
      {"source offset", 0, 0, 5, 6, 2, 1},
      {"source beyond its bitmap", 0, 0, 3, 3, 3, 0},
      {"nothing", 2, 2, 0, 5, 0, 0},
  };
  Handle source = numbered_source(4, 3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Handle dc = canvas(5, 6, 0xABCDEF);
    ASSERT_TRUE(bit_blt(dc, c.x, c.y, c.width, c.height, source, c.src_x, c.src_y, kSourceCopy));
    for (std::int32_t y = 0; y < 6; ++y)
      for (std::int32_t x = 0; x < 5; ++x) {
        const std::int32_t sx = x - c.x + c.src_x, sy = y - c.y + c.src_y;
        const bool copied = x >= c.x && y >= c.y && x < c.x + c.width && y < c.y + c.height && sx >= 0 && sy >= 0 &&
                            sx < 4 && sy < 3;
        EXPECT_EQ(pixel(x, y), copied ? static_cast<std::uint32_t>(((sy << 8) | sx) + 1) : 0xABCDEFu)
            << "at " << x << ", " << y;
      }
  }
}

TEST_F(PlatformDrawing, ABlitWithinOneSurfaceReadsTheOriginalPixels) {
  std::uint32_t row[] = {1, 2, 3, 4};
  Handle dc = create_compatible_dc(nullptr);
  bitmap_ = create_bitmap(4, 1, row);
  select_object(dc, bitmap_);
  ASSERT_TRUE(bit_blt(dc, 1, 0, 3, 1, dc, 0, 0, kSourceCopy));
  EXPECT_EQ(pixel(1, 0), 1u);
  EXPECT_EQ(pixel(2, 0), 2u);
  EXPECT_EQ(pixel(3, 0), 3u);
  EXPECT_FALSE(bit_blt(dc, 0, 0, 1, 1, dc, 0, 0, 0x00EE0086)) << "only plain copies are supported";
}

TEST_F(PlatformDrawing, FillsPaintSolidColoursTilePatternsAndSkipHollowBrushes) {
  const std::uint32_t tile[] = {7, 8, 9, 10};  // 2 x 2
  Handle tile_bitmap = create_bitmap(2, 2, tile);
  Handle pattern = create_pattern_brush(tile_bitmap);
  ASSERT_TRUE(delete_object(tile_bitmap)) << "the brush keeps its own copy";

  Handle dc = canvas(4, 4, 1);
  const Rect solid_rect{-3, -3, 2, 1};
  ASSERT_TRUE(fill_rect(dc, &solid_rect, create_solid_brush(rgb(1, 2, 3))));
  const Rect pattern_rect{1, 1, 9, 9};
  ASSERT_TRUE(fill_rect(dc, &pattern_rect, pattern));
  const Rect everything{0, 0, 4, 4};
  ASSERT_TRUE(fill_rect(dc, &everything, stock_object(kStockHollowBrush)));
  const Rect inverted{3, 3, 0, 0};
  ASSERT_TRUE(fill_rect(dc, &inverted, stock_object(kStockBlackBrush)));

  EXPECT_EQ(pixel(0, 0), rgb(1, 2, 3));
  EXPECT_EQ(pixel(1, 0), rgb(1, 2, 3));
  EXPECT_EQ(pixel(2, 0), 1u) << "right edge excluded";
  EXPECT_EQ(pixel(0, 1), 1u) << "bottom edge excluded";
  // The pattern is aligned to the surface origin, not to the rectangle.
  EXPECT_EQ(pixel(1, 1), 10u);
  EXPECT_EQ(pixel(2, 1), 9u);
  EXPECT_EQ(pixel(1, 2), 8u);
  EXPECT_EQ(pixel(2, 2), 7u);
  EXPECT_EQ(pixel(3, 3), 10u);
  EXPECT_FALSE(fill_rect(dc, nullptr, pattern));
}

TEST_F(PlatformDrawing, TextOutputIsRecordedWithTheContextColours) {
  Handle dc = canvas(2, 2);
  EXPECT_EQ(set_text_colour(dc, rgb(9, 8, 7)), 0u);
  EXPECT_EQ(set_background_mode(dc, kBackgroundTransparent), kBackgroundOpaque);
  EXPECT_EQ(set_background_mode(dc, 7), 0) << "no such mode";
  EXPECT_TRUE(text_out(dc, 5, -6, "hello", 4));
  EXPECT_TRUE(text_out(dc, 0, 0, nullptr, 0));
  EXPECT_FALSE(text_out(dc, 0, 0, nullptr, 2));
  EXPECT_FALSE(text_out(dc, 0, 0, "x", -1));
  EXPECT_EQ(pixel(0, 0), 0u) << "text is recorded, not rasterised";
}

TEST_F(PlatformDrawing, AVerticalGradientRunsFromTheFirstColourToTheLast) {
  Handle dc = canvas(2, 10, rgb(0, 0, 255));
  LinearGradient gradient;
  gradient.width = 2;
  gradient.height = 10;
  gradient.from = 0xFFFFFF00u;  // yellow
  gradient.to = 0xFFFF0000u;    // red
  ASSERT_TRUE(fill_gradient(dc, gradient));
  for (std::int32_t y = 0; y < 10; ++y) {
    SCOPED_TRACE(y);
    const unsigned expected_green = static_cast<unsigned>(255.0f * (1.0f - (y + 0.5f) / 10.0f) + 0.5f);
    EXPECT_EQ(pixel(0, y), rgb(255, expected_green, 0));
    EXPECT_EQ(pixel(1, y), pixel(0, y));
  }
}

TEST_F(PlatformDrawing, GradientPresetsReplaceTheTwoColoursOnlyWhenValid) {
  const std::uint32_t colours[] = {0xFF000000u, 0xFFFFFFFFu, 0xFF000000u};
  const float positions[] = {0.0f, 0.5f, 1.0f};
  const float open_positions[] = {0.1f, 0.5f, 1.0f};

  LinearGradient gradient;
  EXPECT_FALSE(set_gradient_presets(gradient, colours, open_positions, 3));
  EXPECT_FALSE(set_gradient_presets(gradient, colours, nullptr, 3));
  EXPECT_FALSE(set_gradient_presets(gradient, colours, positions, 1));
  EXPECT_TRUE(gradient.preset_colours.empty());

  ASSERT_TRUE(set_gradient_presets(gradient, colours, positions, 3));
  gradient.width = 1;
  gradient.height = 4;
  Handle dc = canvas(1, 4);
  ASSERT_TRUE(fill_gradient(dc, gradient));
  // Row centres at 1/8, 3/8, 5/8, 7/8: rising to white at the middle and back.
  EXPECT_EQ(pixel(0, 0), rgb(64, 64, 64));
  EXPECT_EQ(pixel(0, 1), rgb(191, 191, 191));
  EXPECT_EQ(pixel(0, 2), rgb(191, 191, 191));
  EXPECT_EQ(pixel(0, 3), rgb(64, 64, 64));
}

TEST_F(PlatformDrawing, TranslucentGradientsBlendOverTheSurface) {
  Handle dc = canvas(1, 1, rgb(0, 0, 200));
  LinearGradient gradient;
  gradient.width = gradient.height = 1;
  gradient.from = gradient.to = 0x80FF0000u;  // half-transparent red
  ASSERT_TRUE(fill_gradient(dc, gradient));
  EXPECT_EQ(pixel(0, 0), rgb(128, 0, 100));

  gradient.width = 0;
  EXPECT_FALSE(fill_gradient(dc, gradient)) << "an empty rectangle draws nothing";
}

}  // namespace
}  // namespace lumo::platform
