// The object table behind the stand-in's handles (internal to
// liblumo_platform.so).
//
// Objects live in a node-based map keyed by handle value; a handle is only
// ever used after a lookup of the kind the operation expects.  Handle values
// are never reused, so a stale handle stays invalid.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "platform/window_system.h"

namespace lumo::platform::detail {

struct TextRun {
  std::int32_t x = 0, y = 0;
  std::string text;
  std::uint32_t colour = 0;
  std::uint32_t background = 0;
  int mode = 0;
};

struct Surface {
  std::int32_t width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // top row first
  std::vector<TextRun> text;

  void reset(std::int32_t new_width, std::int32_t new_height, std::uint32_t fill);
  bool contains(std::int32_t x, std::int32_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  std::uint32_t& at(std::int32_t x, std::int32_t y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t at(std::int32_t x, std::int32_t y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct ClassEntry {
  std::uint16_t atom = 0;
  WindowClassRecord record{};  // pointers in it are the caller's
  std::string name;
};

struct WindowObject {
  const ClassEntry* window_class = nullptr;
  std::string caption;
  std::uint32_t style = 0, ex_style = 0;
  std::int32_t x = 0, y = 0, width = 0, height = 0;
  Handle parent = nullptr;
  Handle instance = nullptr;
  int show_command = -1;  // never shown
  bool updated = false;
  Surface surface;
};

struct DeviceContext {
  Handle window = nullptr;  // window contexts
  Handle bitmap = nullptr;  // memory contexts: the selected bitmap
  Handle brush = nullptr;
  std::uint32_t text_colour = 0;
  std::uint32_t background_colour = 0xFFFFFF;
  int background_mode = 2;
};

struct BitmapObject {
  Surface surface;
  Handle selected_into = nullptr;
  bool stock = false;
};

enum class BrushStyle { solid, pattern, hollow };

struct BrushObject {
  BrushStyle style = BrushStyle::solid;
  std::uint32_t colour = 0;
  Surface pattern;
  int stock_index = -1;
};

struct IconObject {
  Handle instance = nullptr;
  unsigned resource = 0;
};

// Stock pens, fonts and the palette: objects that only exist to be named.
struct StockOther {
  int stock_index = -1;
};

using Object = std::variant<WindowObject, DeviceContext, BitmapObject, BrushObject, IconObject, StockOther>;

struct State {
  std::unordered_map<std::uintptr_t, Object> objects;
  std::map<std::pair<Handle, std::string>, ClassEntry> classes;
  std::map<std::pair<Handle, unsigned>, Handle> icons;
  std::vector<Handle> stock;  // by stock number; null where none exists
  Handle default_bitmap = nullptr;
  std::uintptr_t next_handle = 0x10000;
  std::uint16_t next_atom = 0xC000;
  std::uint32_t last_error = 0;
};

State& state();
// Empties the table and rebuilds the stock objects.
void reset_state();

Handle add_object(Object object);

template <class T>
T* find(Handle handle) {
  auto& objects = state().objects;
  auto it = objects.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == objects.end() ? nullptr : std::get_if<T>(&it->second);
}

bool erase_object(Handle handle);

// The surface a context draws into, or null when its target is gone.
Surface* target_surface(const DeviceContext& dc);

// Fails an operation: records the code and returns the given value.
template <class T>
T fail(std::uint32_t code, T value) {
  state().last_error = code;
  return value;
}

}  // namespace lumo::platform::detail
