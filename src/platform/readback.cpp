#include "platform/readback.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/gdi_objects.h"
#include "platform/window_system.h"

namespace {

using namespace lumo::platform;
using namespace lumo::platform::detail;

constexpr std::uint32_t kNoPixel = 0xFFFFFFFFu;

int copy_text(const std::string& text, char* out, int size) {
  if (out && size > 0) {
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
  }
  return static_cast<int>(text.size());
}

const ClassEntry* class_of(void* instance, const char* name) {
  if (!name) return nullptr;
  auto& classes = state().classes;
  auto it = classes.find({instance, std::string(name)});
  return it == classes.end() ? nullptr : &it->second;
}

std::uint32_t pixel_of(const Surface* surface, std::int32_t x, std::int32_t y) {
  return surface && surface->contains(x, y) ? surface->at(x, y) : kNoPixel;
}

bool is_stock_handle(void* handle) {
  const auto& stock = state().stock;
  return handle && (handle == state().default_bitmap || std::find(stock.begin(), stock.end(), handle) != stock.end());
}

int kind_of(const Object& object) {
  static_assert(std::variant_size_v<Object> == 6);
  return static_cast<int>(object.index()) + 1;  // the order of the variant is the numbering
}

}  // namespace

void lumo_platform_reset(void) { reset_state(); }
uint32_t lumo_platform_last_error(void) { return last_error(); }
void* lumo_platform_module_handle(void) { return module_handle(); }

int lumo_platform_object_kind(void* handle) {
  auto& objects = state().objects;
  auto it = objects.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == objects.end() ? 0 : kind_of(it->second);
}

int lumo_platform_object_count(int kind) {
  int count = 0;
  for (const auto& [value, object] : state().objects)
    if (kind_of(object) == kind && !is_stock_handle(reinterpret_cast<void*>(value))) ++count;
  return count;
}

int lumo_platform_class_exists(void* instance, const char* name) { return class_of(instance, name) ? 1 : 0; }

uint32_t lumo_platform_class_style(void* instance, const char* name) {
  const ClassEntry* entry = class_of(instance, name);
  return entry ? entry->record.style : 0;
}

void* lumo_platform_class_background(void* instance, const char* name) {
  const ClassEntry* entry = class_of(instance, name);
  return entry ? entry->record.background : nullptr;
}

void* lumo_platform_class_icon(void* instance, const char* name, int small_icon) {
  const ClassEntry* entry = class_of(instance, name);
  if (!entry) return nullptr;
  return small_icon ? entry->record.small_icon : entry->record.icon;
}

uintptr_t lumo_platform_class_menu(void* instance, const char* name) {
  const ClassEntry* entry = class_of(instance, name);
  return entry ? reinterpret_cast<uintptr_t>(entry->record.menu_name) : 0;
}

int lumo_platform_window_caption(void* window, char* out, int size) {
  const WindowObject* w = find<WindowObject>(window);
  return w ? copy_text(w->caption, out, size) : -1;
}

int lumo_platform_window_class_name(void* window, char* out, int size) {
  const WindowObject* w = find<WindowObject>(window);
  return w && w->window_class ? copy_text(w->window_class->name, out, size) : -1;
}

int lumo_platform_window_geometry(void* window, int32_t out[4]) {
  const WindowObject* w = find<WindowObject>(window);
  if (!w || !out) return 0;
  out[0] = w->x;
  out[1] = w->y;
  out[2] = w->width;
  out[3] = w->height;
  return 1;
}

uint32_t lumo_platform_window_style(void* window) {
  const WindowObject* w = find<WindowObject>(window);
  return w ? w->style : 0;
}

void* lumo_platform_window_parent(void* window) {
  const WindowObject* w = find<WindowObject>(window);
  return w ? w->parent : nullptr;
}

void* lumo_platform_window_instance(void* window) {
  const WindowObject* w = find<WindowObject>(window);
  return w ? w->instance : nullptr;
}

int lumo_platform_window_show_command(void* window) {
  const WindowObject* w = find<WindowObject>(window);
  return w ? w->show_command : -1;
}

int lumo_platform_window_updated(void* window) {
  const WindowObject* w = find<WindowObject>(window);
  return w && w->updated ? 1 : 0;
}

uint32_t lumo_platform_window_pixel(void* window, int32_t x, int32_t y) {
  const WindowObject* w = find<WindowObject>(window);
  return pixel_of(w ? &w->surface : nullptr, x, y);
}

int lumo_platform_window_text_count(void* window) {
  const WindowObject* w = find<WindowObject>(window);
  return w ? static_cast<int>(w->surface.text.size()) : 0;
}

int lumo_platform_window_text(void* window, int index, char* out, int size, int32_t position[2],
                              uint32_t colours[2], int32_t* mode) {
  const WindowObject* w = find<WindowObject>(window);
  if (!w || index < 0 || index >= static_cast<int>(w->surface.text.size())) return -1;
  const TextRun& run = w->surface.text[index];
  if (position) {
    position[0] = run.x;
    position[1] = run.y;
  }
  if (colours) {
    colours[0] = run.colour;
    colours[1] = run.background;
  }
  if (mode) *mode = run.mode;
  return copy_text(run.text, out, size);
}

int lumo_platform_brush_style(void* brush) {
  const BrushObject* b = find<BrushObject>(brush);
  if (!b) return 0;
  switch (b->style) {
    case BrushStyle::solid:
      return 1;
    case BrushStyle::pattern:
      return 2;
    case BrushStyle::hollow:
      return 3;
  }
  return 0;
}

uint32_t lumo_platform_brush_colour(void* brush) {
  const BrushObject* b = find<BrushObject>(brush);
  return b ? b->colour : 0;
}

uint32_t lumo_platform_brush_pattern_pixel(void* brush, int32_t x, int32_t y) {
  const BrushObject* b = find<BrushObject>(brush);
  if (!b || b->style != BrushStyle::pattern || x < 0 || y < 0) return kNoPixel;
  return pixel_of(&b->pattern, x % b->pattern.width, y % b->pattern.height);
}

int lumo_platform_stock_index(void* object) {
  const auto& stock = state().stock;
  auto it = object ? std::find(stock.begin(), stock.end(), object) : stock.end();
  return it == stock.end() ? -1 : static_cast<int>(it - stock.begin());
}

int lumo_platform_bitmap_size(void* bitmap, int32_t out[2]) {
  const BitmapObject* b = find<BitmapObject>(bitmap);
  if (!b || !out) return 0;
  out[0] = b->surface.width;
  out[1] = b->surface.height;
  return 1;
}

uint32_t lumo_platform_bitmap_pixel(void* bitmap, int32_t x, int32_t y) {
  const BitmapObject* b = find<BitmapObject>(bitmap);
  return pixel_of(b ? &b->surface : nullptr, x, y);
}

unsigned lumo_platform_icon_resource(void* icon) {
  const IconObject* i = find<IconObject>(icon);
  return i ? i->resource : 0;
}
