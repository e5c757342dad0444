#include "overlay/window_helpers.h"

#include <climits>
#include <cstdint>
#include <cstring>

#include "base/console.h"
#include "base/report.h"
#include "base/text_convert.h"
#include "base/trace.h"
#include "platform/drawing.h"
#include "platform/image_files.h"
#include "platform/message_box.h"

namespace lumo {

char window_caption[kCaptionBytes] = "Wind2";
char window_class_name[kCaptionBytes + 4] = "Wind2Cls";
std::string background_image_path;

namespace {

constexpr std::uint32_t kYellow = 0xFFFFFF00u;  // opaque, 0xAARRGGBB
constexpr std::uint32_t kRed = 0xFFFF0000u;

Handle class_background(std::int32_t background) {
  if (background > 99) {
    con_printf("idBackground= %d\n", background);
    return platform::create_pattern_brush(hbmp图(background_image_path.c_str()));
  }
  if (background >= 1) return platform::stock_object(background);
  return platform::create_solid_brush(kPinkBackground);
}

void set_caption(const char* name) {
  const char* caption = name ? name : "MyWind";
  const std::size_t length = strnlen(caption, kCaptionBytes - 1);
  std::memcpy(window_caption, caption, length);
  window_caption[length] = '\0';
  std::memcpy(window_class_name, window_caption, length);
  std::memcpy(window_class_name + length, "Cls", 4);
}

}  // namespace

int i注建窗口(void* window_proc, platform::WindowClassRecord* record, const Handle* instance, Handle* out_window,
             const Handle* parent, const std::int32_t* rect, const char* name, std::uint32_t icon_id,
             std::uint32_t small_icon_id, std::uint32_t menu_id, std::int32_t background, std::int32_t style,
             std::int32_t show_command) {
  constexpr char kFunction[] = "i注建窗口";
  if (!record) return LUMO_REPORT("__", "wcex 二二 ψ0", kFunction), -1;
  if (!out_window) return LUMO_REPORT("__", "hwnd 二二 ψ0", kFunction), -1;
  if (!rect) return LUMO_REPORT("__", "xywh 二二 ψ0", kFunction), -1;

  Handle module = instance && *instance ? *instance : platform::module_handle();
  record->size = sizeof(platform::WindowClassRecord);
  record->style = platform::kClassHorizontalRedraw | platform::kClassVerticalRedraw;
  record->class_extra = 0;
  record->window_extra = 0;
  record->instance = module;
  record->window_proc = window_proc;
  record->cursor = nullptr;
  record->background = class_background(background);
  record->icon = icon_id ? platform::load_icon(module, icon_id) : platform::load_icon(nullptr, platform::kApplicationIcon);
  record->small_icon = small_icon_id ? platform::load_icon(module, small_icon_id) : nullptr;
  // A resource number travels in the name pointer's value.
  record->menu_name = menu_id ? reinterpret_cast<const char*>(static_cast<std::uintptr_t>(menu_id & 0xFFFFu)) : nullptr;
  set_caption(name);
  record->class_name = window_class_name;

  if (!platform::register_class(record)) {
    con_printf("★★ %s:GetLastError = %d\n", window_caption, static_cast<int>(platform::last_error()));
    platform::message_box("i注建窗口 This program requires Windows NT!", window_caption, platform::kBoxIconError);
    return -1;
  }
  Handle window = platform::create_window(platform::kWindowExLeft, window_class_name, window_caption,
                                          static_cast<std::uint32_t>(style), rect[0], rect[1], rect[2], rect[3],
                                          parent ? *parent : nullptr, nullptr, module);
  *out_window = window;
  if (!window) {
    con_printf("★★ %s:GetLastError = %d\n", window_caption, static_cast<int>(platform::last_error()));
    return -1;
  }
  platform::show_window(window, show_command);
  platform::update_window(window);
  return 1;
}

Handle hbmp图(const char* path) {
  const wchar_t* wide = path ? wide_from_ansi(path) : nullptr;
  Handle bitmap = wide ? platform::load_image_bitmap(wide, kBitmapBackground) : nullptr;
  if (!bitmap) con_printf("★载入贴图失败:%s,%d\n", path ? path : "", 0);
  return bitmap;
}

void 绘1图(const char* const* path, const std::int32_t* x, const std::int32_t* y, platform::BitmapInfo* info,
          Handle* bitmap, Handle* window_dc, Handle* memory_dc, const Handle* window) {
  constexpr char kFunction[] = "绘1图";
  if (!x || !y) return (void)LUMO_REPORT("__", "x 二二 ψ0 || y 二二 ψ0", kFunction);
  if (!info || !bitmap) return (void)LUMO_REPORT("__", "bm 二二 ψ0 || hbmp 二二 ψ0", kFunction);
  if (!window_dc || !memory_dc) return (void)LUMO_REPORT("__", "hdc 二二 ψ0 || hdcMem 二二 ψ0", kFunction);

  *bitmap = hbmp图(path ? *path : nullptr);
  trace_values("(int)hbmp位图__", "hbmp位图__", static_cast<int>(reinterpret_cast<std::intptr_t>(*bitmap)), __LINE__,
               __FILE__);
  if (!*bitmap) return;
  *window_dc = platform::get_window_dc(window ? *window : nullptr);
  *memory_dc = platform::create_compatible_dc(*window_dc);
  platform::get_bitmap_info(*bitmap, info);
  platform::select_object(*memory_dc, *bitmap);
  platform::bit_blt(*window_dc, *x, *y, info->width, info->height, *memory_dc, 0, 0, platform::kSourceCopy);
  platform::delete_dc(*memory_dc);
  platform::delete_object(*bitmap);
}

bool b图_囗(const char* path, const PaintRecord* paint, Handle* bitmap, Handle* brush) {
  constexpr char kFunction[] = "b图_囗";
  if (!bitmap) return LUMO_REPORT("__", "hbmp 二二 ψ0", kFunction), false;
  if (*bitmap) return true;
  if (!paint || !brush) return LUMO_REPORT("__", "ps 二二 ψ0 || hbrush 二二 ψ0", kFunction), false;

  *bitmap = hbmp图(path);
  if (!*bitmap) {
    platform::message_box("载入图像失败2", "My Demo", platform::kBoxIconError);
    return false;
  }
  *brush = platform::create_pattern_brush(*bitmap);
  platform::delete_object(*bitmap);
  platform::fill_rect(paint->dc, &paint->paint, *brush);
  return true;
}

int 画字(const char* text, const std::int32_t* x, const std::int32_t* y, const Handle* window, Handle* dc,
        const std::int32_t* colour, const std::int32_t* background_mode) {
  if (!x || !y || !dc) return LUMO_REPORT("__", "x 二二 ψ0 || y 二二 ψ0 || hdc 二二 ψ0", "画字"), 0;
  if (!*dc) *dc = platform::get_window_dc(window ? *window : nullptr);
  if (background_mode && *background_mode > 0) platform::set_background_mode(*dc, *background_mode);
  if (colour) platform::set_text_colour(*dc, platform::rgb(colour[0], colour[1], colour[2]));
  const std::size_t length = text ? strnlen(text, INT_MAX) : 0;
  return platform::text_out(*dc, *x, *y, text, static_cast<int>(length)) ? 1 : 0;
}

void 囗凷(const Handle* dc, const std::int32_t* rect, const std::uint32_t* colours, const float* positions,
         const std::int32_t* count) {
  if (!dc || !rect) return (void)LUMO_REPORT("__", "hdc 二二 ψ0 || rect 二二 ψ0", "囗凷");
  platform::LinearGradient gradient;
  gradient.x = rect[0];
  gradient.y = rect[1];
  gradient.width = rect[2];
  gradient.height = rect[3];
  gradient.from = kYellow;
  gradient.to = kRed;
  gradient.vertical = true;
  if (count && *count > 0 && colours) platform::set_gradient_presets(gradient, colours, positions, *count);
  platform::fill_gradient(*dc, gradient);
}

}  // namespace lumo
