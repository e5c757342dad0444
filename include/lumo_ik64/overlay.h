/* Overlay drawing: the draw buffers the scripts copy out and draw in the
 * viewport, and the window and image helpers.
 *
 * Draw buffers.  The library keeps process-wide buffers of points, items
 * (lists of points: 2 for segments, 4 for quads, 5 for five-point items) and
 * colours.  It never draws and posts nothing into them: their counts are −1
 * ("none") or 0, and their lists hold what the define exports sized.  Copy-out
 * exports write into a record the caller allocates with the layouts below.
 * A list is three addresses (first element, end, end of storage); a point is
 * 3 floats (x, y, z); a colour 4 floats (r, g, b, a).
 *
 * Copying into a caller's record: the count, the colour (point and segment
 * records) and each list are set; an empty source list leaves the caller's
 * list unchanged; the name and capacity fields stay the caller's.  List
 * storage is allocated by the library and never freed by it.  A list that
 * still holds storage this library handed out earlier is refilled in place
 * when large enough; anything else in the record's lists (zeros, garbage) is
 * overwritten unread.  A null record: nothing is written and null returned.
 *
 * Windows and images.  Handles (windows, device contexts, bitmaps, brushes,
 * instances) are opaque addresses; arguments come by address of the caller's
 * variables.  Texts are narrow strings in the ANSI code page.  A null address
 * a helper cannot work without is reported with the "assertion failure" box
 * and the helper returns its failure value having done nothing. */
#ifndef LUMO_IK64_OVERLAY_H
#define LUMO_IK64_OVERLAY_H

#include "lumo_ik64/export.h"

/* Lists as the caller reads them: a LumoResultList (lumo_ik64/export.h). */

/* 卍点画, point buffer (80 bytes). */
typedef struct 卍点画 {
  const char* name;       /* 0: null */
  int32_t iSize点;        /* 8: capacity, the length both point lists are sized to; −1 */
  int32_t count;          /* 12: items in use, −1 for none */
  LumoResultList L点画;   /* 16: points, 3-D positions */
  LumoResultList L点画2d; /* 40: points, region positions in x, y */
  float 艹点画[4];        /* 64: colour, (0, 1, 1, 1) */
} 卍点画;

/* 卍线画, segment buffer (56 bytes); also the layout of the four-point buffer. */
typedef struct 卍线画 {
  const char* name;          /* 0: null */
  int32_t iSize线;           /* 8: capacity; −1 */
  int32_t count;             /* 12: −1 for none */
  LumoResultList L段序L2线画; /* 16: items, each a LumoResultList of points */
  float 艹线画[4];           /* 40: colour, (0, 1, 1, 1) */
} 卍线画;

/* 卍厶画 (triangles) and 卍囗画 (quads), 40 bytes. */
typedef struct 卍厶画 {
  const char* name;     /* 0 */
  int32_t capacity;     /* 8 */
  int32_t count;        /* 12 */
  LumoResultList items; /* 16: items, each a LumoResultList of points */
} 卍厶画;
typedef 卍厶画 卍囗画;

/* Shaped like the system's window-class record (80 bytes): the library fills
 * it and registers it. */
typedef struct LumoWindowClass {
  uint32_t size;
  uint32_t style;
  void* window_proc;
  int32_t class_extra;
  int32_t window_extra;
  void* instance;
  void* icon;
  void* cursor;
  void* background; /* brush */
  const char* menu_name;
  const char* class_name;
  void* small_icon;
} LumoWindowClass;

/* Shaped like the system's bitmap description (32 bytes). */
typedef struct LumoBitmapInfo {
  int32_t type;
  int32_t width;
  int32_t height;
  int32_t width_bytes;
  uint16_t planes;
  uint16_t bits_per_pixel;
  void* bits;
} LumoBitmapInfo;

/* Shaped like the record of a window's paint pass (72 bytes): the device
 * context at 0 and the rectangle to paint (left, top, right, bottom) at 12. */
typedef struct LumoPaintRecord {
  void* dc;
  int32_t erase;
  int32_t paint[4];
  int32_t restore;
  int32_t incremental;
  uint8_t reserved[32];
} LumoPaintRecord;

/* ---- Draw buffers ------------------------------------------------------- */

/* 巜画点 / 巜画线 / 巜画厶 / 巜画囗 — copy the point buffer 点画G, the segment
 * buffer 线画G, the triangle buffer 厶画G or the quad buffer 囗画G into dest
 * (see "Copying" above).  dest must be a record of the stated layout, zeroed
 * before its first use.  Returns dest (null for a null dest). */
LUMO_EXPORT 卍点画* 巜画点(卍点画* dest);
LUMO_EXPORT 卍线画* 巜画线(卍线画* dest);
LUMO_EXPORT 卍厶画* 巜画厶(卍厶画* dest);
LUMO_EXPORT 卍囗画* 巜画囗(卍囗画* dest);

/* 巜L段序L2一一绑彡画G — stores *value (when value is given) in a process-wide
 * int (−1 at load) and makes the library's segment-order list a copy of *src,
 * a list of item lists (when given).  A src whose addresses do not describe
 * whole elements in ascending order is reported and ignored.  Returns the
 * address of the segment-order list (a LumoResultList of item lists), which
 * the caller reads in place and must not change. */
LUMO_EXPORT LumoResultList* 巜L段序L2一一绑彡画G(const int32_t* value, const LumoResultList* src);

/* 下上画1丅一乛 — region positions of the segment buffer (2 per item, into
 * segment_out) and of the four-point buffer (4 per item, into quad_out), as
 * float pairs: item i, point j at out[(i·k + j)·2].  For each buffer whose
 * count is 0 or above: with a null output array nothing of it is written;
 * otherwise each item's points (as many as the first item has, at most k) are
 * projected with the 3D view cached by b凷rv3d when its first two points
 * differ, else written as (0, 0); a point that cannot be projected (no cached
 * view, at or behind the eye) gets (−1000000, −1000000).  Then the buffer's
 * count goes to counts[index] and its colour (4 floats) to the colour output,
 * each when given (a negative index is reported and writes no count).  The
 * point and the two pointers after index are not used.  No result. */
LUMO_EXPORT void 下上画1丅一乛(int32_t index, float* point, void* unused1, void* unused2, int32_t* segment_counts,
                             float* segment_out, float* segment_colour, int32_t* quad_counts, float* quad_out,
                             float* quad_colour);

/* 凸下上丷画 — *out = count of the pair buffer.  Returns out (null: nothing
 * written).  The second argument is not used. */
LUMO_EXPORT int32_t* 凸下上丷画(int32_t* out, void* unused);

/* py_定义弓画数 — define capacities: the four arc groups from the int32 at
 * byte offset 4 of p (point buffers), q (two-point items) and r (four-point
 * items), each left alone when null; the pair buffer and the point buffer
 * from n; the five-point buffer from m; lists are sized to their capacities
 * (capacities of 0 or below size nothing; above 1000000 are refused with a
 * console line).  Sets the print counter to 5.  No result. */
LUMO_EXPORT void py_定义弓画数(const void* p, const void* q, const void* r, int32_t n, int32_t unused1,
                              int32_t unused2, int32_t m);

/* py_定义L弓画数 — sets the print counter to 5 and returns k. */
LUMO_EXPORT int32_t py_定义L弓画数(int32_t k, int32_t unused1, int32_t unused2, int32_t unused3);

/* py_定义画数2d — stores n and prints "《《《  py_定义画数2d ,ciSize线2d__=<n>\n". */
LUMO_EXPORT void py_定义画数2d(int32_t n);

/* 凸定义画圆数 — for each of the four circles: capacity 1 for its point
 * buffer and n for its two item buffers, sized. */
LUMO_EXPORT void 凸定义画圆数(int32_t n);

/* 〇画艹dr — counts of the segment, point, pair and five-point buffers and of
 * three of the four arc groups become −1. */
LUMO_EXPORT void 〇画艹dr(void);

/* 〇画dr — prints "《 《 《 〇画dr \n". */
LUMO_EXPORT void 〇画dr(int32_t unused);

/* iΔ打印次数 — 1 while the print counter (5 at load, set back to 5 by
 * py_定义弓画数 and py_定义L弓画数) is above 0, else 0. */
LUMO_EXPORT int32_t iΔ打印次数(void);

/* No effect; any arguments are ignored.  下上圆画, 下上弓画 and 下上画bl are
 * one entry point under three names. */
LUMO_EXPORT void py_定义画数(void);
LUMO_EXPORT void 〇画(void);
LUMO_EXPORT void 下上圆画(void);
LUMO_EXPORT void 下上弓画(void);
LUMO_EXPORT void 下上画bl(void);
LUMO_EXPORT void 下上字画(void);
LUMO_EXPORT void 下上线画2d(void);

/* ---- Windows and images ------------------------------------------------- */

/* i注建窗口 — fills *window_class (size 80, horizontal and vertical redraw
 * style, the instance — *instance, or the host process's module when that is
 * null —, window_proc, no cursor; background: above 99 a pattern brush of the
 * background image (printing "idBackground= <n>\n"), 1…99 that stock object,
 * below 1 a solid brush of colour 10198015; icon resource icon_id or the
 * standard application icon; small icon and menu resources when non-zero),
 * sets the caption to name ("MyWind" for null, at most 255 bytes) and the
 * class name to caption + "Cls", registers the class and creates the window
 * (rect: x, y, width, height; parent: *parent when given), storing it in
 * *out_window, then shows it with show_command and updates it.
 * Returns 1; −1 when the class cannot be registered (prints
 * "★★ <caption>:GetLastError = <code>\n" and shows "i注建窗口 This program
 * requires Windows NT!" titled with the caption), when the window cannot be
 * created (the same console line; *out_window null), or when window_class,
 * out_window or rect is null (reported).  Registering a name twice fails. */
LUMO_EXPORT int32_t i注建窗口(void* window_proc, LumoWindowClass* window_class, void* const* instance,
                            void** out_window, void* const* parent, const int32_t* rect, const char* name,
                            uint32_t icon_id, uint32_t small_icon_id, uint32_t menu_id, int32_t background,
                            int32_t style, int32_t show_command);

/* hbmp图 — a bitmap holding the image file at path (BMP or PNG; translucent
 * pixels over white), or null after printing "★载入贴图失败:<path>,0\n".  The
 * caller deletes the bitmap. */
LUMO_EXPORT void* hbmp图(const char* path);

/* 绘1图 — loads *path into *bitmap and traces the handle
 * ("(int)hbmp位图__ 〔 hbmp位图__ =<value>〕 …"); when it loaded, takes the
 * window's device context into *window_dc (released by the caller), makes a
 * memory context in *memory_dc, writes the bitmap's description to *info,
 * copies the bitmap to (*x, *y) of the window at its own size, and deletes
 * the memory context and the bitmap (their handles stay in the variables but
 * name nothing).  x, y, info, bitmap, window_dc and memory_dc are required.
 * No result. */
LUMO_EXPORT void 绘1图(const char* const* path, const int32_t* x, const int32_t* y, LumoBitmapInfo* info,
                      void** bitmap, void** window_dc, void** memory_dc, void* const* window);

/* b图_囗 — with *bitmap null: loads path, makes *brush a pattern brush of it,
 * deletes the bitmap (*bitmap keeps its value, a marker that the work is
 * done) and fills paint's rectangle on paint's context; true.  Nothing loads:
 * shows "载入图像失败2" titled "My Demo" and returns false.  With *bitmap
 * already set: does nothing and returns true. */
LUMO_EXPORT bool b图_囗(const char* path, const LumoPaintRecord* paint, void** bitmap, void** brush);

/* 画字 — when *dc is null takes the window's device context into it (released
 * by the caller); when *background_mode is above 0 sets it (1 transparent,
 * 2 opaque); sets the text colour from colour (red, green, blue; the low byte
 * of each); writes text at (*x, *y).  Returns the text output's result: 1, or
 * 0 when the context is unusable or x, y or dc is null. */
LUMO_EXPORT int32_t 画字(const char* text, const int32_t* x, const int32_t* y, void* const* window, void** dc,
                        const int32_t* colour, const int32_t* background_mode);

/* 囗凷 — fills rect (x, y, width, height) on *dc with a vertical gradient from
 * opaque yellow (top) to opaque red (bottom); when *count is above 0 and
 * colours are given, through count preset colours (0xAARRGGBB) at the preset
 * positions (first 0, last 1; otherwise the presets are ignored).  No result. */
LUMO_EXPORT void 囗凷(void* const* dc, const int32_t* rect, const uint32_t* colours, const float* positions,
                     const int32_t* count);

#endif
