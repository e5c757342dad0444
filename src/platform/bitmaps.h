// Bitmaps, brushes, stock objects and device contexts of the stand-in.
//
// A bitmap is a 32-bit pixel surface (0x00BBGGRR values, top row first).  A
// device context draws either into a window's surface (get_window_dc) or into
// the bitmap selected into it (create_compatible_dc, select_object); a memory
// context starts with a shared 1 × 1 stock bitmap selected.  Pattern brushes
// copy their bitmap, so the bitmap may be deleted afterwards.  A bitmap that
// is selected into a context cannot be deleted; stock objects ignore deletion.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi_common.h"

namespace lumo::platform {

// Shaped like the system's bitmap description (32 bytes).
struct BitmapInfo {
  std::int32_t type;  // 0
  std::int32_t width;
  std::int32_t height;
  std::int32_t width_bytes;  // bytes per row
  std::uint16_t planes;
  std::uint16_t bits_per_pixel;
  void* bits;  // null: the pixels are not reachable by the caller
};
static_assert(sizeof(BitmapInfo) == 32);
static_assert(offsetof(BitmapInfo, bits) == 24);

// Stock object numbers 0…19 (9 does not exist).
enum StockIndex : int {
  kStockWhiteBrush = 0,
  kStockLightGreyBrush = 1,
  kStockGreyBrush = 2,
  kStockDarkGreyBrush = 3,
  kStockBlackBrush = 4,
  kStockHollowBrush = 5,
  kStockWhitePen = 6,
  kStockBlackPen = 7,
  kStockHollowPen = 8,
  kStockOemFixedFont = 10,
  kStockDefaultPalette = 15,
  kStockDefaultGuiFont = 17,
  kStockDcBrush = 18,
  kStockDcPen = 19,
};

constexpr std::int32_t kMaxBitmapPixels = 1 << 25;

// A bitmap of width × height pixels copied from pixels (top row first), or
// black when pixels is null.  Null with kErrorInvalidParameter for sizes below
// 1 or above kMaxBitmapPixels pixels.
LUMO_PLATFORM_API Handle create_bitmap(std::int32_t width, std::int32_t height, const std::uint32_t* pixels);
// Fills *out for a bitmap; false for a null out or a handle that is no bitmap.
LUMO_PLATFORM_API bool get_bitmap_info(Handle bitmap, BitmapInfo* out);

LUMO_PLATFORM_API Handle create_solid_brush(std::uint32_t colour);
// Null (kErrorInvalidHandle) when bitmap is not a bitmap.
LUMO_PLATFORM_API Handle create_pattern_brush(Handle bitmap);
// Null for a number that names no stock object.
LUMO_PLATFORM_API Handle stock_object(int index);

// A context drawing into the window's surface; null when window is no window.
LUMO_PLATFORM_API Handle get_window_dc(Handle window);
LUMO_PLATFORM_API bool release_dc(Handle window, Handle dc);
// A memory context; dc may be null (compatible with the screen).  Null when
// dc is given but is no context.
LUMO_PLATFORM_API Handle create_compatible_dc(Handle dc);
LUMO_PLATFORM_API bool delete_dc(Handle dc);

// Selects a bitmap (memory contexts only) or a brush; returns the object
// selected before, or null on failure.
LUMO_PLATFORM_API Handle select_object(Handle dc, Handle object);
LUMO_PLATFORM_API bool delete_object(Handle object);

}  // namespace lumo::platform
