// Window and image helpers for the scripts: create a top-level window, load
// an image file into a bitmap, blit it, fill with it or with a gradient, and
// write text, over the platform's window system.
//
// They keep no state beyond the caption buffer and the class-name text; every
// handle they make is returned to, or drawn through, the caller's variables,
// and the caller releases window contexts.  Arguments come by address; a null
// address the helper cannot work without is reported ("… 二二 ψ0") and the
// helper returns its failure value having written nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/bitmaps.h"
#include "platform/window_system.h"

namespace lumo {

using platform::Handle;

// Shaped like the record a window's paint pass receives: its device context
// and the rectangle to paint.
struct PaintRecord {
  Handle dc;
  std::int32_t erase;
  platform::Rect paint;
  std::int32_t restore;
  std::int32_t incremental;
  std::uint8_t reserved[32];
};
static_assert(sizeof(PaintRecord) == 72);
static_assert(offsetof(PaintRecord, paint) == 12);

inline constexpr std::size_t kCaptionBytes = 256;
inline constexpr std::uint32_t kPinkBackground = 10198015;  // red 255, green 155, blue 155
inline constexpr std::uint32_t kBitmapBackground = 0xFFFFFF;  // translucent pixels over white

extern char window_caption[kCaptionBytes];                 // "Wind2" at load
extern char window_class_name[kCaptionBytes + 4];          // caption + "Cls"
extern std::string background_image_path;                 // nothing sets it: empty

// Fills the class record, registers it and creates, shows and updates the
// window, storing it in *out_window.  1; −1 when the class cannot be
// registered ("★★ <caption>:GetLastError = <code>\n" and the box "i注建窗口
// This program requires Windows NT!") or the window cannot be created (the
// same console line), or when record, out_window or rect is null.
int i注建窗口(void* window_proc, platform::WindowClassRecord* record, const Handle* instance, Handle* out_window,
             const Handle* parent, const std::int32_t* rect, const char* name, std::uint32_t icon_id,
             std::uint32_t small_icon_id, std::uint32_t menu_id, std::int32_t background, std::int32_t style,
             std::int32_t show_command);

// The image file as a bitmap (translucent pixels over white); null after
// printing "★载入贴图失败:<path>,0\n".
Handle hbmp图(const char* path);

// Loads *path into *bitmap and traces it; when loaded, blits it at (x, y) of
// the window's context (*window_dc, left to the caller) through a memory
// context (*memory_dc), writes its description to *info, and deletes the
// memory context and the bitmap.
void 绘1图(const char* const* path, const std::int32_t* x, const std::int32_t* y, platform::BitmapInfo* info,
          Handle* bitmap, Handle* window_dc, Handle* memory_dc, const Handle* window);

// With *bitmap null: loads it, makes *brush a pattern brush of it, deletes the
// bitmap and fills the paint rectangle; false with the box "载入图像失败2"
// (title "My Demo") when nothing loads.  With *bitmap set: true, nothing done.
bool b图_囗(const char* path, const PaintRecord* paint, Handle* bitmap, Handle* brush);

// Writes the text at (x, y) in the colour (red, green, blue; low bytes),
// taking the window's context into *dc when it is null and setting the
// background mode when above 0.  The text output's result (1 or 0).
int 画字(const char* text, const std::int32_t* x, const std::int32_t* y, const Handle* window, Handle* dc,
        const std::int32_t* colour, const std::int32_t* background_mode);

// Fills (x, y, width, height) with a vertical gradient from opaque yellow to
// opaque red, or through the preset colours (0xAARRGGBB) at their positions
// when the count is above 0 and colours are given (invalid presets keep the
// two colours).
void 囗凷(const Handle* dc, const std::int32_t* rect, const std::uint32_t* colours, const float* positions,
         const std::int32_t* count);

}  // namespace lumo
