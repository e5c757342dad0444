#include <cstddef>

#include "base/console.h"
#include "base/text_convert.h"
#include "lumo_ik64.h"
#include "overlay/draw_buffers.h"
#include "overlay/draw_copy.h"
#include "overlay/draw_projection.h"
#include "overlay/window_helpers.h"

// The caller's records in the public header are the library's own views of them.
static_assert(sizeof(::卍点画) == sizeof(lumo::CallerPointRecord));
static_assert(offsetof(::卍点画, count) == offsetof(lumo::CallerPointRecord, count));
static_assert(offsetof(::卍点画, L点画) == offsetof(lumo::CallerPointRecord, points));
static_assert(offsetof(::卍点画, L点画2d) == offsetof(lumo::CallerPointRecord, points_2d));
static_assert(offsetof(::卍点画, 艹点画) == offsetof(lumo::CallerPointRecord, colour));
static_assert(sizeof(::卍线画) == sizeof(lumo::CallerSegmentRecord));
static_assert(offsetof(::卍线画, L段序L2线画) == offsetof(lumo::CallerSegmentRecord, items));
static_assert(offsetof(::卍线画, 艹线画) == offsetof(lumo::CallerSegmentRecord, colour));
static_assert(sizeof(::卍厶画) == sizeof(lumo::CallerItemRecord));
static_assert(offsetof(::卍厶画, items) == offsetof(lumo::CallerItemRecord, items));
static_assert(sizeof(LumoResultList) == sizeof(lumo::CallerList));
static_assert(sizeof(LumoWindowClass) == sizeof(lumo::platform::WindowClassRecord));
static_assert(offsetof(LumoWindowClass, background) == offsetof(lumo::platform::WindowClassRecord, background));
static_assert(offsetof(LumoWindowClass, class_name) == offsetof(lumo::platform::WindowClassRecord, class_name));
static_assert(sizeof(LumoBitmapInfo) == sizeof(lumo::platform::BitmapInfo));
static_assert(offsetof(LumoBitmapInfo, bits) == offsetof(lumo::platform::BitmapInfo, bits));
static_assert(sizeof(LumoPaintRecord) == sizeof(lumo::PaintRecord));
static_assert(offsetof(LumoPaintRecord, paint) == offsetof(lumo::PaintRecord, paint));

// ---- Draw buffers -----------------------------------------------------------

LUMO_EXPORT 卍点画* 巜画点(卍点画* dest) {
  lumo::copy_into(lumo::点画G, reinterpret_cast<lumo::CallerPointRecord*>(dest));
  return dest;
}

LUMO_EXPORT 卍线画* 巜画线(卍线画* dest) {
  lumo::copy_into(lumo::线画G, reinterpret_cast<lumo::CallerSegmentRecord*>(dest));
  return dest;
}

LUMO_EXPORT 卍厶画* 巜画厶(卍厶画* dest) {
  lumo::copy_into(lumo::厶画G, reinterpret_cast<lumo::CallerItemRecord*>(dest));
  return dest;
}

LUMO_EXPORT 卍囗画* 巜画囗(卍囗画* dest) {
  lumo::copy_into(lumo::囗画G, reinterpret_cast<lumo::CallerItemRecord*>(dest));
  return dest;
}

LUMO_EXPORT LumoResultList* 巜L段序L2一一绑彡画G(const int32_t* value, const LumoResultList* src) {
  return reinterpret_cast<LumoResultList*>(
      lumo::巜L段序L2一一绑彡画G(value, reinterpret_cast<const lumo::CallerList*>(src)));
}

LUMO_EXPORT void 下上画1丅一乛(int32_t index, float*, void*, void*, int32_t* segment_counts, float* segment_out,
                             float* segment_colour, int32_t* quad_counts, float* quad_out, float* quad_colour) {
  lumo::下上画1丅一乛(index, segment_counts, segment_out, segment_colour, quad_counts, quad_out, quad_colour);
}

LUMO_EXPORT int32_t* 凸下上丷画(int32_t* out, void*) {
  if (out) *out = lumo::丷画G.count;
  return out;
}

LUMO_EXPORT void py_定义弓画数(const void* p, const void* q, const void* r, int32_t n, int32_t, int32_t, int32_t m) {
  lumo::py_定义弓画数(p, q, r, n, m);
}

LUMO_EXPORT int32_t py_定义L弓画数(int32_t k, int32_t, int32_t, int32_t) {
  lumo::iΔ打印次数 = 5;
  return k;
}

LUMO_EXPORT void py_定义画数2d(int32_t n) { lumo::py_定义画数2d(n); }

LUMO_EXPORT void 凸定义画圆数(int32_t n) { lumo::凸定义画圆数(n); }

LUMO_EXPORT void 〇画艹dr(void) { lumo::〇画艹dr(); }

LUMO_EXPORT void 〇画dr(int32_t) {
  const char* name = lumo::s巜sU("〇画dr");
  lumo::con_printf("《 《 《 %s \n", name ? name : "");
}

LUMO_EXPORT int32_t iΔ打印次数(void) { return lumo::iΔ打印次数 > 0 ? 1 : 0; }

LUMO_EXPORT void py_定义画数(void) {}
LUMO_EXPORT void 〇画(void) {}
LUMO_EXPORT void 下上圆画(void) {}
LUMO_EXPORT void 下上弓画(void) __attribute__((alias("下上圆画")));
LUMO_EXPORT void 下上画bl(void) __attribute__((alias("下上圆画")));
LUMO_EXPORT void 下上字画(void) {}
LUMO_EXPORT void 下上线画2d(void) {}

// ---- Windows and images -----------------------------------------------------

LUMO_EXPORT int32_t i注建窗口(void* window_proc, LumoWindowClass* window_class, void* const* instance,
                            void** out_window, void* const* parent, const int32_t* rect, const char* name,
                            uint32_t icon_id, uint32_t small_icon_id, uint32_t menu_id, int32_t background,
                            int32_t style, int32_t show_command) {
  return lumo::i注建窗口(window_proc, reinterpret_cast<lumo::platform::WindowClassRecord*>(window_class), instance,
                       out_window, parent, rect, name, icon_id, small_icon_id, menu_id, background, style,
                       show_command);
}

LUMO_EXPORT void* hbmp图(const char* path) { return lumo::hbmp图(path); }

LUMO_EXPORT void 绘1图(const char* const* path, const int32_t* x, const int32_t* y, LumoBitmapInfo* info,
                      void** bitmap, void** window_dc, void** memory_dc, void* const* window) {
  lumo::绘1图(path, x, y, reinterpret_cast<lumo::platform::BitmapInfo*>(info), bitmap, window_dc, memory_dc, window);
}

LUMO_EXPORT bool b图_囗(const char* path, const LumoPaintRecord* paint, void** bitmap, void** brush) {
  return lumo::b图_囗(path, reinterpret_cast<const lumo::PaintRecord*>(paint), bitmap, brush);
}

LUMO_EXPORT int32_t 画字(const char* text, const int32_t* x, const int32_t* y, void* const* window, void** dc,
                        const int32_t* colour, const int32_t* background_mode) {
  return lumo::画字(text, x, y, window, dc, colour, background_mode);
}

LUMO_EXPORT void 囗凷(void* const* dc, const int32_t* rect, const uint32_t* colours, const float* positions,
                     const int32_t* count) {
  lumo::囗凷(dc, rect, colours, positions, count);
}
