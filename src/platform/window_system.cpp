#include "platform/window_system.h"

#include <algorithm>
#include <cstring>

#include "platform/bitmaps.h"
#include "platform/drawing.h"
#include "platform/gdi_objects.h"

namespace lumo::platform {
namespace {

using namespace detail;

constexpr std::int32_t kDefaultWidth = 640;
constexpr std::int32_t kDefaultHeight = 480;

std::int32_t window_side(std::int32_t value, std::int32_t fallback) {
  if (value == kUseDefault) return fallback;
  return std::clamp(value, 0, kMaxSurfaceSide);
}

}  // namespace

Handle module_handle() {
  static int host_module_marker;
  return &host_module_marker;
}

Handle load_icon(Handle instance, unsigned resource) {
  if (resource == 0) return fail<Handle>(kErrorInvalidParameter, nullptr);
  State& s = state();
  auto [it, added] = s.icons.try_emplace({instance, resource}, nullptr);
  if (added) it->second = add_object(IconObject{instance, resource});
  return it->second;
}

std::uint16_t register_class(const WindowClassRecord* record) {
  if (!record || record->size != sizeof(WindowClassRecord) || !record->class_name)
    return fail<std::uint16_t>(kErrorInvalidParameter, 0);
  const std::size_t length = strnlen(record->class_name, kMaxClassNameBytes + 1);
  if (length == 0 || length > kMaxClassNameBytes) return fail<std::uint16_t>(kErrorInvalidParameter, 0);
  State& s = state();
  std::string name(record->class_name, length);
  auto [it, added] = s.classes.try_emplace({record->instance, name});
  if (!added) return fail<std::uint16_t>(kErrorClassExists, 0);
  it->second.atom = s.next_atom++;
  it->second.record = *record;
  it->second.name = std::move(name);
  return it->second.atom;
}

Handle create_window(std::uint32_t ex_style, const char* class_name, const char* caption, std::uint32_t style,
                     std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Handle parent,
                     Handle menu, Handle instance) {
  State& s = state();
  if (!class_name) return fail<Handle>(kErrorClassNotFound, nullptr);
  auto found = s.classes.find({instance, std::string(class_name, strnlen(class_name, kMaxClassNameBytes + 1))});
  if (found == s.classes.end()) return fail<Handle>(kErrorClassNotFound, nullptr);
  if (parent && !find<WindowObject>(parent)) return fail<Handle>(kErrorInvalidWindowHandle, nullptr);
  if ((style & kWindowChild) && !parent) return fail<Handle>(kErrorChildWithoutParent, nullptr);

  WindowObject window;
  window.window_class = &found->second;
  window.caption = caption ? caption : "";
  window.style = style;
  window.ex_style = ex_style;
  window.x = x == kUseDefault ? 0 : x;
  window.y = y == kUseDefault ? 0 : y;
  window.width = window_side(width, kDefaultWidth);
  window.height = window_side(height, kDefaultHeight);
  window.parent = parent;
  window.instance = instance;
  window.surface.reset(window.width, window.height, 0);
  return add_object(std::move(window));
}

bool show_window(Handle handle, int command) {
  WindowObject* window = find<WindowObject>(handle);
  if (!window) return fail(kErrorInvalidWindowHandle, false);
  const bool was_visible = window->show_command > kShowHide;
  window->show_command = command;
  return was_visible;
}

bool update_window(Handle handle) {
  WindowObject* window = find<WindowObject>(handle);
  if (!window) return fail(kErrorInvalidWindowHandle, false);
  window->updated = true;
  Handle background = window->window_class ? window->window_class->record.background : nullptr;
  if (!background) return true;
  Handle dc = get_window_dc(handle);
  const Rect whole{0, 0, window->width, window->height};
  fill_rect(dc, &whole, background);
  release_dc(handle, dc);
  return true;
}

bool destroy_window(Handle handle) {
  if (!find<WindowObject>(handle)) return fail(kErrorInvalidWindowHandle, false);
  // Children go with their parent.
  std::vector<Handle> children;
  for (auto& [value, object] : state().objects)
    if (auto* window = std::get_if<WindowObject>(&object); window && window->parent == handle)
      children.push_back(reinterpret_cast<Handle>(value));
  for (Handle child : children) destroy_window(child);
  return erase_object(handle);
}

bool is_window(Handle handle) { return find<WindowObject>(handle) != nullptr; }

}  // namespace lumo::platform
