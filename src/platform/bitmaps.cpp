#include "platform/bitmaps.h"

#include <algorithm>

#include "platform/gdi_objects.h"

namespace lumo::platform {
namespace {

using namespace detail;

bool is_stock(Handle handle) {
  const auto& stock = state().stock;
  return handle && (std::find(stock.begin(), stock.end(), handle) != stock.end() || handle == state().default_bitmap);
}

}  // namespace

Handle create_bitmap(std::int32_t width, std::int32_t height, const std::uint32_t* pixels) {
  if (width < 1 || height < 1 || static_cast<std::int64_t>(width) * height > kMaxBitmapPixels)
    return fail<Handle>(kErrorInvalidParameter, nullptr);
  BitmapObject bitmap;
  bitmap.surface.reset(width, height, 0);
  if (pixels) std::copy_n(pixels, bitmap.surface.pixels.size(), bitmap.surface.pixels.begin());
  return add_object(std::move(bitmap));
}

bool get_bitmap_info(Handle handle, BitmapInfo* out) {
  const BitmapObject* bitmap = find<BitmapObject>(handle);
  if (!bitmap || !out) return fail(kErrorInvalidHandle, false);
  *out = BitmapInfo{0, bitmap->surface.width, bitmap->surface.height, bitmap->surface.width * 4, 1, 32, nullptr};
  return true;
}

Handle create_solid_brush(std::uint32_t colour) {
  BrushObject brush;
  brush.style = BrushStyle::solid;
  brush.colour = colour & 0xFFFFFFu;
  return add_object(std::move(brush));
}

Handle create_pattern_brush(Handle bitmap_handle) {
  const BitmapObject* bitmap = find<BitmapObject>(bitmap_handle);
  if (!bitmap) return fail<Handle>(kErrorInvalidHandle, nullptr);
  BrushObject brush;
  brush.style = BrushStyle::pattern;
  brush.pattern = bitmap->surface;
  brush.pattern.text.clear();
  return add_object(std::move(brush));
}

Handle stock_object(int index) {
  const auto& stock = state().stock;
  if (index < 0 || index >= static_cast<int>(stock.size()) || !stock[index])
    return fail<Handle>(kErrorInvalidParameter, nullptr);
  return stock[index];
}

Handle get_window_dc(Handle window) {
  if (!find<WindowObject>(window)) return fail<Handle>(kErrorInvalidWindowHandle, nullptr);
  DeviceContext dc;
  dc.window = window;
  return add_object(dc);
}

bool release_dc(Handle window, Handle dc_handle) {
  const DeviceContext* dc = find<DeviceContext>(dc_handle);
  if (!dc || !dc->window || dc->window != window) return fail(kErrorInvalidHandle, false);
  return erase_object(dc_handle);
}

Handle create_compatible_dc(Handle other) {
  if (other && !find<DeviceContext>(other)) return fail<Handle>(kErrorInvalidHandle, nullptr);
  DeviceContext dc;
  dc.bitmap = state().default_bitmap;
  return add_object(dc);
}

bool delete_dc(Handle dc_handle) {
  const DeviceContext* dc = find<DeviceContext>(dc_handle);
  if (!dc) return fail(kErrorInvalidHandle, false);
  if (BitmapObject* bitmap = find<BitmapObject>(dc->bitmap); bitmap && bitmap->selected_into == dc_handle)
    bitmap->selected_into = nullptr;
  return erase_object(dc_handle);
}

Handle select_object(Handle dc_handle, Handle object) {
  DeviceContext* dc = find<DeviceContext>(dc_handle);
  if (!dc) return fail<Handle>(kErrorInvalidHandle, nullptr);
  if (BitmapObject* bitmap = find<BitmapObject>(object)) {
    if (dc->window) return fail<Handle>(kErrorInvalidParameter, nullptr);
    if (bitmap->selected_into && bitmap->selected_into != dc_handle && !bitmap->stock)
      return fail<Handle>(kErrorInvalidParameter, nullptr);
    Handle previous = dc->bitmap;
    if (BitmapObject* old = find<BitmapObject>(previous); old && old->selected_into == dc_handle)
      old->selected_into = nullptr;
    if (!bitmap->stock) bitmap->selected_into = dc_handle;
    dc->bitmap = object;
    return previous;
  }
  if (find<BrushObject>(object)) {
    Handle previous = dc->brush ? dc->brush : state().stock[kStockWhiteBrush];
    dc->brush = object;
    return previous;
  }
  return fail<Handle>(kErrorInvalidHandle, nullptr);
}

bool delete_object(Handle object) {
  if (is_stock(object)) return true;
  if (const BitmapObject* bitmap = find<BitmapObject>(object)) {
    if (bitmap->selected_into) return fail(kErrorInvalidParameter, false);
    return erase_object(object);
  }
  if (find<BrushObject>(object) || find<IconObject>(object)) {
    // Forget the brush in contexts still holding it.
    for (auto& [value, entry] : state().objects)
      if (auto* dc = std::get_if<DeviceContext>(&entry); dc && dc->brush == object) dc->brush = nullptr;
    if (find<IconObject>(object)) std::erase_if(state().icons, [&](const auto& e) { return e.second == object; });
    return erase_object(object);
  }
  return fail(kErrorInvalidHandle, false);
}

}  // namespace lumo::platform
