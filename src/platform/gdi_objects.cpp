#include "platform/gdi_objects.h"

#include "platform/bitmaps.h"

namespace lumo::platform {
namespace detail {
namespace {

constexpr int kStockCount = 20;

Handle add_to(State& s, Object object) {
  const std::uintptr_t value = s.next_handle;
  s.next_handle += 4;
  s.objects.emplace(value, std::move(object));
  return reinterpret_cast<Handle>(value);
}

BrushObject stock_brush(int index, BrushStyle style, std::uint32_t colour) {
  BrushObject brush;
  brush.style = style;
  brush.colour = colour;
  brush.stock_index = index;
  return brush;
}

void add_stock_objects(State& s) {
  s.stock.assign(kStockCount, nullptr);
  auto put = [&](int index, Object object) {
    s.stock[index] = add_to(s, std::move(object));
  };
  put(kStockWhiteBrush, stock_brush(kStockWhiteBrush, BrushStyle::solid, rgb(255, 255, 255)));
  put(kStockLightGreyBrush, stock_brush(kStockLightGreyBrush, BrushStyle::solid, rgb(192, 192, 192)));
  put(kStockGreyBrush, stock_brush(kStockGreyBrush, BrushStyle::solid, rgb(128, 128, 128)));
  put(kStockDarkGreyBrush, stock_brush(kStockDarkGreyBrush, BrushStyle::solid, rgb(64, 64, 64)));
  put(kStockBlackBrush, stock_brush(kStockBlackBrush, BrushStyle::solid, rgb(0, 0, 0)));
  put(kStockHollowBrush, stock_brush(kStockHollowBrush, BrushStyle::hollow, 0));
  put(kStockDcBrush, stock_brush(kStockDcBrush, BrushStyle::solid, rgb(255, 255, 255)));
  for (int index : {6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 19}) put(index, StockOther{index});

  BitmapObject default_bitmap;
  default_bitmap.surface.reset(1, 1, 0);
  default_bitmap.stock = true;
  s.default_bitmap = add_to(s, std::move(default_bitmap));
}

}  // namespace

void Surface::reset(std::int32_t new_width, std::int32_t new_height, std::uint32_t fill) {
  width = new_width;
  height = new_height;
  pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
  text.clear();
}

State& state() {
  // Built on first use and never destroyed: handles may be used from static
  // destructors of the processes that load this library.
  static State* instance = [] {
    auto* s = new State;
    add_stock_objects(*s);
    return s;
  }();
  return *instance;
}

void reset_state() {
  State& s = state();
  const std::uintptr_t next = s.next_handle;
  s.objects.clear();
  s.classes.clear();
  s.icons.clear();
  s.last_error = 0;
  s.next_handle = next;  // handles stay unique across resets
  add_stock_objects(s);
}

Handle add_object(Object object) { return add_to(state(), std::move(object)); }

bool erase_object(Handle handle) { return state().objects.erase(reinterpret_cast<std::uintptr_t>(handle)) > 0; }

Surface* target_surface(const DeviceContext& dc) {
  if (dc.window) {
    WindowObject* window = find<WindowObject>(dc.window);
    return window ? &window->surface : nullptr;
  }
  BitmapObject* bitmap = find<BitmapObject>(dc.bitmap);
  return bitmap ? &bitmap->surface : nullptr;
}

}  // namespace detail

std::uint32_t last_error() { return detail::state().last_error; }
void set_last_error(std::uint32_t code) { detail::state().last_error = code; }

}  // namespace lumo::platform
