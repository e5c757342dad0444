// Window and image helpers through their exports, read back through the
// platform's inspection functions.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "lumo_ik64.h"
#include "overlay/window_helpers.h"
#include "platform/gdi_common.h"
#include "platform/readback.h"
#include "support/capture.h"

namespace lumo {
namespace {

using testing::Capture;
using platform::rgb;

enum Kind { kNoObject = 0, kWindow = 1, kContext = 2, kBitmap = 3, kBrush = 4 };

// Writes a 24-bit bottom-up BMP file of width x height pixels (0x00BBGGRR,
// top row first).
void write_bmp(const std::string& path, int width, int height, const std::vector<std::uint32_t>& pixels) {
  std::vector<std::uint8_t> bytes;
  auto put = [&](std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back((value >> (8 * i)) & 0xFF);
  };
  const int stride = (width * 3 + 3) / 4 * 4;
  bytes.push_back('B');
  bytes.push_back('M');
  put(54 + stride * height, 4);
  put(0, 4);
  put(54, 4);
  put(40, 4);
  put(width, 4);
  put(height, 4);
  put(1, 2);
  put(24, 2);
  for (int i = 0; i < 6; ++i) put(0, 4);
  for (int row = height - 1; row >= 0; --row) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t colour = pixels[row * width + x];
      bytes.insert(bytes.end(), {std::uint8_t(colour >> 16), std::uint8_t(colour >> 8), std::uint8_t(colour)});
    }
    bytes.resize(bytes.size() + (stride - width * 3), 0);
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

class WindowHelpers : public ::testing::Test {
 protected:
  void SetUp() override {
    lumo_platform_reset();
    directory_ = std::filesystem::temp_directory_path() / ("lumo_windows_" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory_);
    image_path_ = (directory_ / "image.bmp").string();
    write_bmp(image_path_, 3, 2, image_);
    missing_path_ = (directory_ / "missing.bmp").string();
  }
  void TearDown() override {
    std::filesystem::remove_all(directory_);
    lumo_platform_reset();
  }

  // Creates a window through the export; its result.
  int create(const char* name, std::int32_t background, void** window, void* parent = nullptr, std::int32_t style = 0,
             void* instance = nullptr) {
    const std::int32_t rect[4] = {5, 6, 40, 30};
    return ::i注建窗口(reinterpret_cast<void*>(&dummy_procedure), &class_, &instance, window, &parent, rect, name, 0, 0,
                     0, background, style, 5);
  }
  static void dummy_procedure() {}

  LumoWindowClass class_{};
  std::filesystem::path directory_;
  std::string image_path_, missing_path_;
  const std::vector<std::uint32_t> image_ = {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255),
                                             rgb(10, 20, 30), rgb(255, 255, 255), rgb(0, 0, 0)};
};

TEST_F(WindowHelpers, TheClassRecordIsFilledAndTheWindowMadeShownAndPainted) {
  void* window = nullptr;
  ASSERT_EQ(create("Tool", 0, &window), 1);
  void* module = lumo_platform_module_handle();
  EXPECT_EQ(class_.size, 80u);
  EXPECT_EQ(class_.style, 3u);
  EXPECT_EQ(class_.instance, module);
  EXPECT_EQ(class_.window_proc, reinterpret_cast<void*>(&dummy_procedure));
  EXPECT_EQ(class_.cursor, nullptr);
  EXPECT_EQ(lumo_platform_icon_resource(class_.icon), 32512u) << "the standard application icon";
  EXPECT_EQ(class_.small_icon, nullptr);
  EXPECT_EQ(class_.menu_name, nullptr);
  EXPECT_STREQ(class_.class_name, "ToolCls");

  EXPECT_EQ(lumo_platform_class_exists(module, "ToolCls"), 1);
  char text[32];
  lumo_platform_window_caption(window, text, sizeof text);
  EXPECT_STREQ(text, "Tool");
  std::int32_t geometry[4];
  ASSERT_EQ(lumo_platform_window_geometry(window, geometry), 1);
  EXPECT_EQ(std::vector<std::int32_t>(geometry, geometry + 4), (std::vector<std::int32_t>{5, 6, 40, 30}));
  EXPECT_EQ(lumo_platform_window_show_command(window), 5);
  EXPECT_EQ(lumo_platform_window_updated(window), 1);
  EXPECT_EQ(lumo_platform_window_pixel(window, 39, 29), 10198015u) << "painted with the class background";
}

TEST_F(WindowHelpers, ResourcesAndTheGivenInstanceGoIntoTheClass) {
  const std::int32_t rect[4] = {0, 0, 4, 4};
  void* instance = reinterpret_cast<void*>(std::uintptr_t{0x7000});
  void* window = nullptr;
  ASSERT_EQ(::i注建窗口(nullptr, &class_, &instance, &window, nullptr, rect, "Res", 101, 102, 0x1234567, 0, 0, 1), 1);
  EXPECT_EQ(class_.instance, instance);
  EXPECT_EQ(lumo_platform_window_instance(window), instance);
  EXPECT_EQ(lumo_platform_icon_resource(class_.icon), 101u);
  EXPECT_EQ(lumo_platform_icon_resource(class_.small_icon), 102u);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(class_.menu_name), 0x4567u) << "a 16-bit resource number";
  EXPECT_EQ(lumo_platform_class_exists(instance, "ResCls"), 1);
}

TEST_F(WindowHelpers, TheBackgroundNumberChoosesTheBrush) {
  struct Case {
    std::int32_t background;
    int style;  // 0 none, 1 solid, 3 hollow
    std::uint32_t colour;
    int stock_index;
    const char* printed;
  };
  const std::string image_failure = "idBackground= 150\n★载入贴图失败:,0\n";
  const Case cases[] = {
      {0, 1, 10198015, -1, ""},
      {-3, 1, 10198015, -1, ""},
      {1, 1, rgb(192, 192, 192), 1, ""},
      {5, 3, 0, 5, ""},
      {50, 0, 0, -1, ""},  // no stock object of that number
      {150, 0, 0, -1, image_failure.c_str()},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.background);
    const std::string name = "W" + std::to_string(n++);
    Capture capture;
    void* window = nullptr;
    ASSERT_EQ(create(name.c_str(), c.background, &window), 1);
    EXPECT_EQ(lumo_platform_brush_style(class_.background), c.style);
    if (c.style == 1) {
      EXPECT_EQ(lumo_platform_brush_colour(class_.background), c.colour);
    }
    EXPECT_EQ(lumo_platform_stock_index(class_.background), c.stock_index);
    EXPECT_EQ(lumo_platform_class_background(lumo_platform_module_handle(), (name + "Cls").c_str()), class_.background);
    EXPECT_EQ(capture.out(), c.printed);
  }
}

TEST_F(WindowHelpers, CaptionsDefaultAndAreCutTo255Bytes) {
  void* window = nullptr;
  ASSERT_EQ(create(nullptr, 0, &window), 1);
  EXPECT_STREQ(window_caption, "MyWind");
  EXPECT_STREQ(window_class_name, "MyWindCls");
  EXPECT_EQ(lumo_platform_class_exists(lumo_platform_module_handle(), "MyWindCls"), 1);

  const std::string longest(253, 'n');  // caption + "Cls" is the longest class name
  ASSERT_EQ(create(longest.c_str(), 0, &window), 1);
  EXPECT_EQ(lumo_platform_window_caption(window, nullptr, 0), 253);

  Capture capture;
  const std::string too_long(300, 'x');
  EXPECT_EQ(create(too_long.c_str(), 0, &window), -1) << "a 258-byte class name cannot be registered";
  EXPECT_EQ(std::string(window_caption), std::string(255, 'x'));
  EXPECT_EQ(std::string(window_class_name), std::string(255, 'x') + "Cls");
}

TEST_F(WindowHelpers, RegisteringANameTwiceFailsWithLineAndBox) {
  void* window = nullptr;
  ASSERT_EQ(create(nullptr, 0, &window), 1);
  void* second = reinterpret_cast<void*>(std::uintptr_t{1});
  Capture capture;
  EXPECT_EQ(create(nullptr, 0, &second), -1);
  EXPECT_EQ(second, reinterpret_cast<void*>(std::uintptr_t{1})) << "no window made";
  EXPECT_EQ(capture.out(), "★★ MyWind:GetLastError = 1410\n");
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_EQ(capture.boxes()[0].title, "MyWind");
  EXPECT_EQ(capture.boxes()[0].text, "i注建窗口 This program requires Windows NT!");
  EXPECT_EQ(capture.boxes()[0].flags, 0x10u);
}

TEST_F(WindowHelpers, AWindowThatCannotBeMadeIsAFailure) {
  void* window = reinterpret_cast<void*>(std::uintptr_t{1});
  void* bogus_parent = reinterpret_cast<void*>(std::uintptr_t{0xBAD0});
  Capture capture;
  EXPECT_EQ(create("Orphan", 0, &window, bogus_parent), -1);
  EXPECT_EQ(window, nullptr);
  EXPECT_EQ(capture.out(), "★★ Orphan:GetLastError = 1400\n");
  EXPECT_TRUE(capture.boxes().empty());

  void* parent = nullptr;
  ASSERT_EQ(create("Parent", 0, &parent), 1);
  EXPECT_EQ(create("Child", 0, &window, parent, 0x40000000), 1);
  EXPECT_EQ(lumo_platform_window_parent(window), parent);
}

TEST_F(WindowHelpers, MissingAddressesAreReportedBeforeAnythingIsMade) {
  const std::int32_t rect[4] = {0, 0, 4, 4};
  void* window = nullptr;
  Capture capture;
  EXPECT_EQ(::i注建窗口(nullptr, nullptr, nullptr, &window, nullptr, rect, "A", 0, 0, 0, 0, 0, 1), -1);
  EXPECT_EQ(::i注建窗口(nullptr, &class_, nullptr, nullptr, nullptr, rect, "A", 0, 0, 0, 0, 0, 1), -1);
  EXPECT_EQ(::i注建窗口(nullptr, &class_, nullptr, &window, nullptr, nullptr, "A", 0, 0, 0, 0, 0, 1), -1);
  EXPECT_EQ(capture.boxes().size(), 3u);
  EXPECT_EQ(lumo_platform_class_exists(lumo_platform_module_handle(), "ACls"), 0);
  EXPECT_EQ(lumo_platform_object_count(kBrush), 0) << "no background brush made either";
}

TEST_F(WindowHelpers, ImageFilesLoadIntoBitmapsOrSayWhyNot) {
  void* bitmap = ::hbmp图(image_path_.c_str());
  ASSERT_NE(bitmap, nullptr);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(lumo_platform_bitmap_pixel(bitmap, x, y), image_[y * 3 + x]);

  for (const char* path : {missing_path_.c_str(), "", static_cast<const char*>(nullptr)}) {
    Capture capture;
    EXPECT_EQ(::hbmp图(path), nullptr);
    EXPECT_EQ(capture.out(), std::string("★载入贴图失败:") + (path ? path : "") + ",0\n");
  }
}

TEST_F(WindowHelpers, DrawingAnImageBlitsItAndCleansUp) {
  void* window = nullptr;
  ASSERT_EQ(create("Pic", 0, &window), 1);
  const char* path = image_path_.c_str();
  const std::int32_t x = 4, y = 7;
  LumoBitmapInfo info{};
  void *bitmap = nullptr, *window_dc = nullptr, *memory_dc = nullptr;
  Capture capture;
  ::绘1图(&path, &x, &y, &info, &bitmap, &window_dc, &memory_dc, &window);

  EXPECT_EQ(info.width, 3);
  EXPECT_EQ(info.height, 2);
  EXPECT_EQ(info.bits_per_pixel, 32);
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 3; ++column)
      EXPECT_EQ(lumo_platform_window_pixel(window, x + column, y + row), image_[row * 3 + column]);
  EXPECT_EQ(lumo_platform_window_pixel(window, x + 3, y), 10198015u);
  EXPECT_EQ(lumo_platform_object_kind(bitmap), kNoObject) << "the bitmap is deleted";
  EXPECT_EQ(lumo_platform_object_kind(memory_dc), kNoObject) << "the memory context is deleted";
  EXPECT_EQ(lumo_platform_object_kind(window_dc), kContext) << "the window context stays with the caller";
  EXPECT_EQ(capture.out().rfind("(int)hbmp位图__ 〔 hbmp位图__ =" + std::to_string(reinterpret_cast<std::intptr_t>(bitmap)) +
                                    "〕 ----------------行:",
                                0),
            0u)
      << capture.out();
}

TEST_F(WindowHelpers, DrawingAMissingImageOnlyTracesIt) {
  void* window = nullptr;
  ASSERT_EQ(create("Pic", 0, &window), 1);
  const char* path = missing_path_.c_str();
  const std::int32_t x = 0, y = 0;
  LumoBitmapInfo info{};
  void* marker = reinterpret_cast<void*>(std::uintptr_t{3});
  void *bitmap = marker, *window_dc = marker, *memory_dc = marker;
  Capture capture;
  ::绘1图(&path, &x, &y, &info, &bitmap, &window_dc, &memory_dc, &window);
  EXPECT_EQ(bitmap, nullptr);
  EXPECT_EQ(window_dc, marker);
  EXPECT_EQ(memory_dc, marker);
  EXPECT_NE(capture.out().find("(int)hbmp位图__ 〔 hbmp位图__ =0〕"), std::string::npos) << capture.out();

  capture.clear();
  ::绘1图(&path, nullptr, &y, &info, &bitmap, &window_dc, &memory_dc, &window);
  EXPECT_EQ(capture.boxes().size(), 1u);
  EXPECT_EQ(capture.out(), "") << "nothing loaded without a position";
}

TEST_F(WindowHelpers, FillingWithAnImageLoadsItOnce) {
  void* window = nullptr;
  ASSERT_EQ(create("Fill", 0, &window), 1);
  void* dc = nullptr;
  const std::int32_t origin = 0;
  ::画字("", &origin, &origin, &window, &dc, nullptr, nullptr);  // takes the window's context
  LumoPaintRecord paint{};
  paint.dc = dc;
  paint.paint[0] = 1, paint.paint[1] = 1, paint.paint[2] = 8, paint.paint[3] = 5;
  void *bitmap = nullptr, *brush = nullptr;

  EXPECT_TRUE(::b图_囗(image_path_.c_str(), &paint, &bitmap, &brush));
  EXPECT_EQ(lumo_platform_brush_style(brush), 2);
  EXPECT_EQ(lumo_platform_object_kind(bitmap), kNoObject) << "deleted after making the brush";
  EXPECT_EQ(lumo_platform_window_pixel(window, 0, 0), 10198015u) << "outside the paint rectangle";
  for (int y = 1; y < 5; ++y)
    for (int x = 1; x < 8; ++x) EXPECT_EQ(lumo_platform_window_pixel(window, x, y), image_[(y % 2) * 3 + x % 3]);

  void* used_brush = brush;
  EXPECT_TRUE(::b图_囗(missing_path_.c_str(), &paint, &bitmap, &brush)) << "*bitmap set: nothing to do";
  EXPECT_EQ(brush, used_brush);
}

TEST_F(WindowHelpers, FillingWithAMissingImageShowsItsBox) {
  LumoPaintRecord paint{};
  void *bitmap = nullptr, *brush = nullptr;
  Capture capture;
  EXPECT_FALSE(::b图_囗(missing_path_.c_str(), &paint, &bitmap, &brush));
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_EQ(capture.boxes()[0].title, "My Demo");
  EXPECT_EQ(capture.boxes()[0].text, "载入图像失败2");
  EXPECT_EQ(capture.boxes()[0].flags, 0x10u);
  EXPECT_EQ(brush, nullptr);

  capture.clear();
  EXPECT_FALSE(::b图_囗(missing_path_.c_str(), &paint, nullptr, &brush));
  EXPECT_EQ(capture.boxes().size(), 1u);
  EXPECT_EQ(capture.boxes()[0].title, "assertion failure");
}

TEST_F(WindowHelpers, TextIsWrittenWithTheLowBytesOfTheColour) {
  void* window = nullptr;
  ASSERT_EQ(create("Text", 0, &window), 1);
  void* dc = nullptr;
  const std::int32_t x = 3, y = 9, colour[3] = {0x1FF, 0x80, 0x1234}, transparent = 1, keep = 0;
  EXPECT_EQ(::画字("héllo", &x, &y, &window, &dc, colour, &transparent), 1);
  EXPECT_EQ(lumo_platform_object_kind(dc), kContext) << "the window's context, left with the caller";
  EXPECT_EQ(::画字("again", &y, &x, &window, &dc, colour, &keep), 1);

  ASSERT_EQ(lumo_platform_window_text_count(window), 2);
  char text[16];
  std::int32_t position[2], mode;
  std::uint32_t colours[2];
  EXPECT_EQ(lumo_platform_window_text(window, 0, text, sizeof text, position, colours, &mode), 6);
  EXPECT_STREQ(text, "héllo");
  EXPECT_EQ(position[0], 3);
  EXPECT_EQ(position[1], 9);
  EXPECT_EQ(colours[0], rgb(0xFF, 0x80, 0x34));
  EXPECT_EQ(mode, 1);
  lumo_platform_window_text(window, 1, text, sizeof text, position, colours, &mode);
  EXPECT_EQ(mode, 1) << "a mode of 0 leaves the context's mode";

  void* no_dc = nullptr;
  void* not_a_window = reinterpret_cast<void*>(std::uintptr_t{0xBAD0});
  EXPECT_EQ(::画字("x", &x, &y, &not_a_window, &no_dc, colour, &transparent), 0);
  EXPECT_EQ(no_dc, nullptr);
}

TEST_F(WindowHelpers, GradientFillsRunFromYellowToRedUnlessPresetsAreGiven) {
  void* window = nullptr;
  ASSERT_EQ(create("Grad", 5, &window), 1);  // hollow background: black surface
  void* dc = nullptr;
  const std::int32_t origin = 0;
  ::画字("", &origin, &origin, &window, &dc, nullptr, nullptr);

  const std::int32_t rect[4] = {0, 0, 2, 10};
  ::囗凷(&dc, rect, nullptr, nullptr, nullptr);
  EXPECT_EQ(lumo_platform_window_pixel(window, 0, 0), rgb(255, 242, 0));
  EXPECT_EQ(lumo_platform_window_pixel(window, 1, 9), rgb(255, 13, 0));
  EXPECT_EQ(lumo_platform_window_pixel(window, 2, 0), 0u);

  const std::uint32_t colours[2] = {0xFF0000FFu, 0xFF00FF00u};  // blue to green
  const float positions[2] = {0.0f, 1.0f};
  const std::int32_t count = 2, none = 0;
  const std::int32_t right[4] = {2, 0, 2, 10};
  ::囗凷(&dc, right, colours, positions, &count);
  EXPECT_EQ(lumo_platform_window_pixel(window, 2, 0), rgb(0, 13, 242));
  ::囗凷(&dc, right, colours, positions, &none);
  EXPECT_EQ(lumo_platform_window_pixel(window, 2, 0), rgb(255, 242, 0)) << "a count of 0 keeps yellow to red";

  void* bad = reinterpret_cast<void*>(std::uintptr_t{0xBAD0});
  ::囗凷(&bad, rect, nullptr, nullptr, nullptr);
  Capture capture;
  ::囗凷(nullptr, rect, nullptr, nullptr, nullptr);
  EXPECT_EQ(capture.boxes().size(), 1u);
}

}  // namespace
}  // namespace lumo
