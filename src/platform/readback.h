/* Inspection of the stand-in window system, for tests and scripts.
 *
 * Plain C functions exported from liblumo_platform.so: they read what the
 * window and image helpers left behind (classes, windows and their pixels
 * and text runs, brushes, bitmaps) without going through the library.  Every
 * function accepts any handle value; one that names no object of the asked
 * kind gives the documented "none" result.  Colours are 0x00BBGGRR. */
#ifndef LUMO_PLATFORM_INSPECTION_H
#define LUMO_PLATFORM_INSPECTION_H

#include <stdint.h>

#include "platform/platform_api.h"

#ifdef __cplusplus
#define LUMO_INSPECT extern "C" LUMO_PLATFORM_API
#else
#define LUMO_INSPECT LUMO_PLATFORM_API
#endif

/* Destroys every window, context, bitmap, brush and icon and forgets every
 * class; stock objects are rebuilt.  Handles handed out before stay invalid. */
LUMO_INSPECT void lumo_platform_reset(void);
LUMO_INSPECT uint32_t lumo_platform_last_error(void);
LUMO_INSPECT void* lumo_platform_module_handle(void);

/* Object kinds: 0 none, 1 window, 2 device context, 3 bitmap, 4 brush, 5 icon,
 * 6 other stock object. */
LUMO_INSPECT int lumo_platform_object_kind(void* handle);
/* Live objects of a kind, stock objects excluded. */
LUMO_INSPECT int lumo_platform_object_count(int kind);

/* Classes, by (instance, name).  0 / null when no such class. */
LUMO_INSPECT int lumo_platform_class_exists(void* instance, const char* name);
LUMO_INSPECT uint32_t lumo_platform_class_style(void* instance, const char* name);
LUMO_INSPECT void* lumo_platform_class_background(void* instance, const char* name);
LUMO_INSPECT void* lumo_platform_class_icon(void* instance, const char* name, int small_icon);
/* The menu name pointer's value (a resource number when below 65536). */
LUMO_INSPECT uintptr_t lumo_platform_class_menu(void* instance, const char* name);

/* Windows.  Texts: the length, copying at most size-1 bytes and a terminator
 * into out (when given); -1 when window is no window. */
LUMO_INSPECT int lumo_platform_window_caption(void* window, char* out, int size);
LUMO_INSPECT int lumo_platform_window_class_name(void* window, char* out, int size);
/* x, y, width, height; 0 when window is no window. */
LUMO_INSPECT int lumo_platform_window_geometry(void* window, int32_t out[4]);
LUMO_INSPECT uint32_t lumo_platform_window_style(void* window);
LUMO_INSPECT void* lumo_platform_window_parent(void* window);
LUMO_INSPECT void* lumo_platform_window_instance(void* window);
/* The last show command; -1 when never shown or no window. */
LUMO_INSPECT int lumo_platform_window_show_command(void* window);
LUMO_INSPECT int lumo_platform_window_updated(void* window);
/* A pixel of the window's surface; 0xFFFFFFFF outside it or for no window. */
LUMO_INSPECT uint32_t lumo_platform_window_pixel(void* window, int32_t x, int32_t y);
/* Text runs written on the window, oldest first. */
LUMO_INSPECT int lumo_platform_window_text_count(void* window);
/* Run index: its text as above; position (x, y), colours (text, background)
 * and background mode when the arrays are given.  -1 for no such run. */
LUMO_INSPECT int lumo_platform_window_text(void* window, int index, char* out, int size, int32_t position[2],
                                           uint32_t colours[2], int32_t* mode);

/* Brushes: style 0 no brush, 1 solid, 2 pattern, 3 hollow. */
LUMO_INSPECT int lumo_platform_brush_style(void* brush);
LUMO_INSPECT uint32_t lumo_platform_brush_colour(void* brush);
/* A pattern brush's pixel (tiled); 0xFFFFFFFF for no pattern brush. */
LUMO_INSPECT uint32_t lumo_platform_brush_pattern_pixel(void* brush, int32_t x, int32_t y);
/* The stock number of an object, -1 when it is no stock object. */
LUMO_INSPECT int lumo_platform_stock_index(void* object);

/* Bitmaps: width and height (0 for no bitmap), pixels as for windows. */
LUMO_INSPECT int lumo_platform_bitmap_size(void* bitmap, int32_t out[2]);
LUMO_INSPECT uint32_t lumo_platform_bitmap_pixel(void* bitmap, int32_t x, int32_t y);

/* Icons: the resource number, 0 for no icon. */
LUMO_INSPECT unsigned lumo_platform_icon_resource(void* icon);

#endif
