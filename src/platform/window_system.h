// Window classes and top-level windows of the stand-in window system.
//
// A class is registered from a caller-filled record shaped like the system's
// extended class record (80 bytes) and is keyed by (instance, name).  A window
// is an in-memory object with a caption, a rectangle, a parent, a show state
// and a pixel surface of its client size (at most kMaxSurfaceSide per side);
// drawing reaches the surface through a window device context (bitmaps.h).
// Window procedures are stored, never called: there is no message loop.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi_common.h"

namespace lumo::platform {

// Shaped like the extended window-class record, as callers fill it.
struct WindowClassRecord {
  std::uint32_t size;  // must be sizeof(WindowClassRecord)
  std::uint32_t style;
  void* window_proc;
  std::int32_t class_extra;
  std::int32_t window_extra;
  Handle instance;
  Handle icon;
  Handle cursor;
  Handle background;  // a brush, or null
  const char* menu_name;  // a text, or a resource number in the pointer's value
  const char* class_name;
  Handle small_icon;
};
static_assert(sizeof(WindowClassRecord) == 80);
static_assert(offsetof(WindowClassRecord, window_proc) == 8);
static_assert(offsetof(WindowClassRecord, instance) == 24);
static_assert(offsetof(WindowClassRecord, background) == 48);
static_assert(offsetof(WindowClassRecord, class_name) == 64);
static_assert(offsetof(WindowClassRecord, small_icon) == 72);

constexpr std::uint32_t kClassVerticalRedraw = 0x0001;
constexpr std::uint32_t kClassHorizontalRedraw = 0x0002;
constexpr std::uint32_t kWindowExLeft = 0x0000;
constexpr std::uint32_t kWindowChild = 0x40000000;
constexpr std::int32_t kUseDefault = static_cast<std::int32_t>(0x80000000u);
constexpr unsigned kApplicationIcon = 32512;
constexpr int kShowHide = 0;
constexpr std::int32_t kMaxSurfaceSide = 4096;
constexpr std::size_t kMaxClassNameBytes = 256;

// The module handle of the host process.
LUMO_PLATFORM_API Handle module_handle();

// An icon: the numbered resource of instance, or a standard icon with a null
// instance (kApplicationIcon).  Resource 0 yields null.
LUMO_PLATFORM_API Handle load_icon(Handle instance, unsigned resource);

// Registers a class; returns its non-zero atom, or 0 with last_error():
// kErrorInvalidParameter (null record, wrong size, missing or over-long name),
// kErrorClassExists (the instance already has a class of that name).
LUMO_PLATFORM_API std::uint16_t register_class(const WindowClassRecord* record);

// Creates a window of a registered class; null on failure with last_error():
// kErrorClassNotFound, kErrorInvalidWindowHandle (parent is not a window),
// kErrorChildWithoutParent.  Negative sizes count as 0, sizes above
// kMaxSurfaceSide are cut to it, kUseDefault picks 0 for a position and 640 ×
// 480 for a size.
LUMO_PLATFORM_API Handle create_window(std::uint32_t ex_style, const char* class_name, const char* caption,
                                       std::uint32_t style, std::int32_t x, std::int32_t y, std::int32_t width,
                                       std::int32_t height, Handle parent, Handle menu, Handle instance);

// Records the show command; returns whether the window was visible before.
LUMO_PLATFORM_API bool show_window(Handle window, int command);

// Paints what the default processing paints: the class background over the
// whole surface.  False for a handle that is not a window.
LUMO_PLATFORM_API bool update_window(Handle window);

LUMO_PLATFORM_API bool destroy_window(Handle window);
LUMO_PLATFORM_API bool is_window(Handle window);

}  // namespace lumo::platform
