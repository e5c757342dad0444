// Draw-buffer records: points, items (lists of points) and colours the
// scripts copy out and draw as viewport overlays.
//
// The byte layouts are part of the export interface.  A list is the
// library's std::vector, which with GCC's standard library is exactly the
// three-pointer record (first, end, end of storage) the caller reads; the
// assertions below pin that and every offset callers rely on.  Counts of −1
// mean "no items"; capacities of −1 mean "never sized".
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "math/vector.h"

namespace lumo {

using DrawItem = std::vector<卍Vector>;        // the points of one segment, quad, …
using DrawItemList = std::vector<DrawItem>;

static_assert(sizeof(std::vector<卍Vector>) == 24 && sizeof(DrawItemList) == 24,
              "lists are (first, end, end of storage) as the caller sees them");

// 卍点画: a point buffer.
struct 卍点画 {
  const char* name = nullptr;
  std::int32_t iSize点 = -1;  // capacity: the length both point lists are sized to
  std::int32_t count = -1;
  std::vector<卍Vector> L点画;    // 3-D positions
  std::vector<卍Vector> L点画2d;  // region positions in x, y
  float 艹点画[4] = {0, 1, 1, 1};
};

// 卍线画: an item buffer with a colour (segments of 2 points, quads of 4).
struct 卍线画 {
  const char* name = nullptr;
  std::int32_t iSize线 = -1;
  std::int32_t count = -1;
  DrawItemList L段序L2线画;
  float 艹线画[4] = {0, 1, 1, 1};
};

// The 40-byte item buffer: triangles (卍厶画), quads (卍囗画), five-point items.
struct ItemDrawBuffer {
  const char* name = nullptr;
  std::int32_t capacity = -1;
  std::int32_t count = -1;
  DrawItemList items;
};
using 卍厶画 = ItemDrawBuffer;
using 卍囗画 = ItemDrawBuffer;

// The pair buffer (丷画G): points and two-point items.
struct PairDrawBuffer {
  const char* name = nullptr;
  std::int32_t capacity = -1;
  std::int32_t count = 0;
  std::vector<卍Vector> points;
  DrawItemList pairs;
};

// 卍圆画: a circle with its own point, quad and segment buffers.
struct 卍圆画 {
  const char* name = nullptr;
  std::int32_t capacity = -1;
  卍Vector points[9];
  std::int32_t values[4] = {0, 0, 0, -1};
  std::int32_t flag = 0;
  std::vector<卍Vector> L丅圆点;
  float colour[4] = {0.2f, 0.7f, 0.8f, 1.0f};
  卍点画 point_buffer;
  卍线画 quad_buffer;     // L段序L4乛画: four-point items
  卍线画 segment_buffer;  // two-point items
};

// The layouts callers read.  (The records hold std::vector, so offsetof is
// conditionally supported; GCC supports it for these.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(sizeof(卍点画) == 80);
static_assert(offsetof(卍点画, iSize点) == 8 && offsetof(卍点画, count) == 12);
static_assert(offsetof(卍点画, L点画) == 16 && offsetof(卍点画, L点画2d) == 40 && offsetof(卍点画, 艹点画) == 64);
static_assert(sizeof(卍线画) == 56);
static_assert(offsetof(卍线画, iSize线) == 8 && offsetof(卍线画, count) == 12);
static_assert(offsetof(卍线画, L段序L2线画) == 16 && offsetof(卍线画, 艹线画) == 40);
static_assert(sizeof(ItemDrawBuffer) == 40);
static_assert(offsetof(ItemDrawBuffer, capacity) == 8 && offsetof(ItemDrawBuffer, count) == 12);
static_assert(offsetof(ItemDrawBuffer, items) == 16);
static_assert(sizeof(PairDrawBuffer) == 64);
static_assert(offsetof(PairDrawBuffer, count) == 12 && offsetof(PairDrawBuffer, points) == 16);
static_assert(offsetof(PairDrawBuffer, pairs) == 40);
static_assert(offsetof(卍圆画, points) == 12 && offsetof(卍圆画, values) == 120 && offsetof(卍圆画, flag) == 136);
static_assert(offsetof(卍圆画, L丅圆点) == 144 && offsetof(卍圆画, colour) == 168);
static_assert(offsetof(卍圆画, point_buffer) == 184 && offsetof(卍圆画, quad_buffer) == 264);
static_assert(offsetof(卍圆画, segment_buffer) == 320 && sizeof(卍圆画) == 376);
#pragma GCC diagnostic pop

// A group of arc buffers: points, two-point items and four-point items.
struct ArcGroup {
  卍点画 points;
  卍线画 segments;
  卍线画 quads;
};

}  // namespace lumo
