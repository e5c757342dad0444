// Window classes, windows, device contexts, bitmaps and brushes of the
// platform stand-in.
#include <gtest/gtest.h>

#include <string>

#include "platform/bitmaps.h"
#include "platform/drawing.h"
#include "platform/readback.h"
#include "platform/window_system.h"

namespace lumo::platform {
namespace {

class PlatformWindows : public ::testing::Test {
 protected:
  void SetUp() override { lumo_platform_reset(); }

  static WindowClassRecord class_record(const char* name, Handle background = nullptr) {
    WindowClassRecord record{};
    record.size = sizeof(WindowClassRecord);
    record.instance = module_handle();
    record.class_name = name;
    record.background = background;
    return record;
  }

  static Handle window_of(const char* class_name, std::int32_t width, std::int32_t height, Handle parent = nullptr,
                          std::uint32_t style = 0) {
    return create_window(0, class_name, "caption", style, 10, 20, width, height, parent, nullptr, module_handle());
  }
};

Handle garbage() { return reinterpret_cast<Handle>(std::uintptr_t{0xDEADBEE0}); }

TEST_F(PlatformWindows, RegisteringRefusesBadRecordsAndDuplicates) {
  const std::string long_name(kMaxClassNameBytes + 1, 'c');
  struct Case {
    const char* label;
    WindowClassRecord record;
    std::uint32_t error;
  };
  WindowClassRecord wrong_size = class_record("A");
  wrong_size.size = 48;
  const Case cases[] = {
      {"wrong size", wrong_size, kErrorInvalidParameter},
      {"no name", class_record(nullptr), kErrorInvalidParameter},
      {"empty name", class_record(""), kErrorInvalidParameter},
      {"name too long", class_record(long_name.c_str()), kErrorInvalidParameter},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    set_last_error(0);
    EXPECT_EQ(register_class(&c.record), 0);
    EXPECT_EQ(last_error(), c.error);
  }
  EXPECT_EQ(register_class(nullptr), 0);

  const WindowClassRecord record = class_record("Known");
  EXPECT_NE(register_class(&record), 0);
  EXPECT_EQ(register_class(&record), 0);
  EXPECT_EQ(last_error(), kErrorClassExists);
  WindowClassRecord other_instance = record;
  other_instance.instance = garbage();
  EXPECT_NE(register_class(&other_instance), 0) << "classes are per instance";
}

TEST_F(PlatformWindows, CreatingNeedsAKnownClassAndAValidParent) {
  const WindowClassRecord record = class_record("Frame");
  ASSERT_NE(register_class(&record), 0);

  EXPECT_EQ(window_of("Missing", 10, 10), nullptr);
  EXPECT_EQ(last_error(), kErrorClassNotFound);
  EXPECT_EQ(create_window(0, "Frame", "c", 0, 0, 0, 5, 5, nullptr, nullptr, garbage()), nullptr)
      << "the class belongs to another instance";
  EXPECT_EQ(window_of("Frame", 10, 10, garbage()), nullptr);
  EXPECT_EQ(last_error(), kErrorInvalidWindowHandle);
  EXPECT_EQ(window_of("Frame", 10, 10, nullptr, kWindowChild), nullptr);
  EXPECT_EQ(last_error(), kErrorChildWithoutParent);

  Handle parent = window_of("Frame", 10, 10);
  ASSERT_NE(parent, nullptr);
  Handle child = window_of("Frame", 4, 4, parent, kWindowChild);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(lumo_platform_window_parent(child), parent);
  char caption[16];
  EXPECT_EQ(lumo_platform_window_caption(child, caption, sizeof caption), 7);
  EXPECT_STREQ(caption, "caption");
  char class_name[3];
  EXPECT_EQ(lumo_platform_window_class_name(child, class_name, sizeof class_name), 5) << "full length reported";
  EXPECT_STREQ(class_name, "Fr") << "copy cut to the buffer";

  EXPECT_TRUE(destroy_window(parent));
  EXPECT_FALSE(is_window(child)) << "children go with their parent";
}

TEST_F(PlatformWindows, WindowSizesAreKeptWithinTheSurfaceLimits) {
  const WindowClassRecord record = class_record("Sized");
  ASSERT_NE(register_class(&record), 0);
  struct Case {
    std::int32_t width, height;
    std::int32_t expected_width, expected_height;
  };
  const Case cases[] = {
      {3, 2, 3, 2},
      {-5, 7, 0, 7},
      {100000, 1, kMaxSurfaceSide, 1},
      {kUseDefault, kUseDefault, 640, 480},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    Handle window = window_of("Sized", c.width, c.height);
    ASSERT_NE(window, nullptr);
    std::int32_t geometry[4] = {};
    ASSERT_EQ(lumo_platform_window_geometry(window, geometry), 1);
    EXPECT_EQ(geometry[2], c.expected_width);
    EXPECT_EQ(geometry[3], c.expected_height);
    const std::int32_t last_x = c.expected_width - 1, last_y = c.expected_height - 1;
    if (c.expected_width > 0 && c.expected_height > 0) {
      EXPECT_EQ(lumo_platform_window_pixel(window, last_x, last_y), 0u);
    }
    EXPECT_EQ(lumo_platform_window_pixel(window, c.expected_width, 0), 0xFFFFFFFFu);
  }
}

TEST_F(PlatformWindows, UpdatingPaintsTheClassBackground) {
  const WindowClassRecord pink = class_record("Pink", create_solid_brush(rgb(255, 155, 155)));
  const WindowClassRecord hollow = class_record("Hollow", stock_object(kStockHollowBrush));
  ASSERT_NE(register_class(&pink), 0);
  ASSERT_NE(register_class(&hollow), 0);
  Handle pink_window = window_of("Pink", 3, 3);
  Handle hollow_window = window_of("Hollow", 3, 3);

  EXPECT_FALSE(show_window(pink_window, 5));
  EXPECT_TRUE(show_window(pink_window, 1)) << "visible before the second call";
  EXPECT_EQ(lumo_platform_window_show_command(pink_window), 1);
  EXPECT_TRUE(update_window(pink_window));
  EXPECT_TRUE(update_window(hollow_window));
  EXPECT_EQ(lumo_platform_window_updated(pink_window), 1);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(lumo_platform_window_pixel(pink_window, x, y), 10198015u);
      EXPECT_EQ(lumo_platform_window_pixel(hollow_window, x, y), 0u);
    }
  EXPECT_EQ(lumo_platform_object_count(2), 0) << "the paint pass releases its context";
}

TEST_F(PlatformWindows, StockObjectsExistForTheirNumbersOnly) {
  for (int index = -1; index <= 21; ++index) {
    SCOPED_TRACE(index);
    const bool exists = index >= 0 && index <= 19 && index != 9;
    Handle object = stock_object(index);
    EXPECT_EQ(object != nullptr, exists);
    if (exists) {
      EXPECT_EQ(lumo_platform_stock_index(object), index);
      EXPECT_TRUE(delete_object(object));
      EXPECT_EQ(stock_object(index), object) << "deleting a stock object does nothing";
    }
  }
  EXPECT_EQ(lumo_platform_brush_style(stock_object(kStockHollowBrush)), 3);
  EXPECT_EQ(lumo_platform_brush_colour(stock_object(kStockLightGreyBrush)), rgb(192, 192, 192));
  EXPECT_EQ(lumo_platform_brush_style(stock_object(kStockBlackPen)), 0) << "pens are no brushes";
}

TEST_F(PlatformWindows, BitmapsDescribeThemselvesAndRefuseBadSizes) {
  EXPECT_EQ(create_bitmap(0, 5, nullptr), nullptr);
  EXPECT_EQ(create_bitmap(5, -1, nullptr), nullptr);
  EXPECT_EQ(create_bitmap(kMaxBitmapPixels, 2, nullptr), nullptr);
  EXPECT_EQ(last_error(), kErrorInvalidParameter);

  const std::uint32_t pixels[] = {1, 2, 3, 4, 5, 6};
  Handle bitmap = create_bitmap(3, 2, pixels);
  BitmapInfo info{};
  ASSERT_TRUE(get_bitmap_info(bitmap, &info));
  EXPECT_EQ(info.type, 0);
  EXPECT_EQ(info.width, 3);
  EXPECT_EQ(info.height, 2);
  EXPECT_EQ(info.width_bytes, 12);
  EXPECT_EQ(info.planes, 1);
  EXPECT_EQ(info.bits_per_pixel, 32);
  EXPECT_EQ(info.bits, nullptr);
  EXPECT_EQ(lumo_platform_bitmap_pixel(bitmap, 2, 1), 6u);
  EXPECT_FALSE(get_bitmap_info(bitmap, nullptr));
  EXPECT_FALSE(get_bitmap_info(create_solid_brush(0), &info));
}

TEST_F(PlatformWindows, ASelectedBitmapStaysUntilItsContextGoes) {
  Handle bitmap = create_bitmap(2, 2, nullptr);
  Handle first = create_compatible_dc(nullptr);
  Handle second = create_compatible_dc(first);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);

  Handle previous = select_object(first, bitmap);
  EXPECT_EQ(lumo_platform_stock_index(previous), -1);
  EXPECT_EQ(lumo_platform_object_kind(previous), 3) << "the default 1 x 1 bitmap";
  EXPECT_EQ(select_object(second, bitmap), nullptr) << "a bitmap lives in one context";
  EXPECT_FALSE(delete_object(bitmap));
  EXPECT_TRUE(delete_dc(first));
  EXPECT_TRUE(delete_object(bitmap));
  EXPECT_EQ(lumo_platform_object_kind(bitmap), 0);
  EXPECT_FALSE(delete_dc(first)) << "a context is deleted once";
}

TEST_F(PlatformWindows, WindowContextsTakeNoBitmapAndAreReleasedByTheirWindow) {
  const WindowClassRecord record = class_record("Frame");
  ASSERT_NE(register_class(&record), 0);
  Handle window = window_of("Frame", 2, 2);
  Handle other = window_of("Frame", 2, 2);
  Handle dc = get_window_dc(window);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(select_object(dc, create_bitmap(1, 1, nullptr)), nullptr);
  EXPECT_FALSE(release_dc(other, dc));
  EXPECT_TRUE(release_dc(window, dc));
  EXPECT_EQ(lumo_platform_object_kind(dc), 0);
}

// Every operation given a handle that names nothing (or the wrong kind of
// object) fails cleanly.
TEST_F(PlatformWindows, ForeignHandlesMakeOperationsFail) {
  Handle brush = create_solid_brush(0);
  Handle bitmap = create_bitmap(1, 1, nullptr);
  const Rect rect{0, 0, 1, 1};
  for (Handle bad : {garbage(), static_cast<Handle>(nullptr), brush}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(show_window(bad, 1));
    EXPECT_FALSE(update_window(bad));
    EXPECT_FALSE(destroy_window(bad));
    EXPECT_EQ(get_window_dc(bad), nullptr);
    EXPECT_FALSE(delete_dc(bad));
    EXPECT_EQ(select_object(bad, bitmap), nullptr);
    EXPECT_FALSE(bit_blt(bad, 0, 0, 1, 1, bad, 0, 0, kSourceCopy));
    EXPECT_FALSE(fill_rect(bad, &rect, brush));
    EXPECT_FALSE(text_out(bad, 0, 0, "x", 1));
    EXPECT_EQ(set_background_mode(bad, kBackgroundOpaque), 0);
    EXPECT_EQ(set_text_colour(bad, 0), kInvalidColour);
    EXPECT_EQ(create_pattern_brush(bad), nullptr);
  }
  EXPECT_FALSE(delete_object(garbage()));
  EXPECT_EQ(create_compatible_dc(garbage()), nullptr);
}

TEST_F(PlatformWindows, ResetInvalidatesEveryHandleForGood) {
  const WindowClassRecord record = class_record("Frame");
  ASSERT_NE(register_class(&record), 0);
  Handle window = window_of("Frame", 2, 2);
  Handle bitmap = create_bitmap(1, 1, nullptr);
  lumo_platform_reset();
  EXPECT_FALSE(is_window(window));
  EXPECT_EQ(lumo_platform_object_kind(bitmap), 0);
  EXPECT_EQ(lumo_platform_class_exists(module_handle(), "Frame"), 0);
  EXPECT_NE(create_bitmap(1, 1, nullptr), bitmap) << "handle values are not reused";
}

TEST_F(PlatformWindows, IconsAreNumberedResourcesOrTheStandardIcon) {
  Handle icon = load_icon(module_handle(), 101);
  EXPECT_EQ(lumo_platform_icon_resource(icon), 101u);
  EXPECT_EQ(load_icon(module_handle(), 101), icon) << "loading twice gives the same icon";
  EXPECT_EQ(lumo_platform_icon_resource(load_icon(nullptr, kApplicationIcon)), kApplicationIcon);
  EXPECT_EQ(load_icon(module_handle(), 0), nullptr);
}

}  // namespace
}  // namespace lumo::platform
