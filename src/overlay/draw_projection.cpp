#include "overlay/draw_projection.h"

#include <algorithm>

#include "base/console.h"
#include "base/report.h"
#include "base/text_convert.h"
#include "overlay/draw_buffers.h"
#include "scene/projection.h"
#include "scene/view_cache.h"

namespace lumo {
namespace {

constexpr char kFunction[] = "下上画1丅一乛";

struct Projection {
  bool missing_view_said = false;

  void project(const 卍Vector& point, float* out) {
    out[0] = out[1] = kUnprojectedPixel;
    if (!view3d_cache.region || !view3d_cache.view) {
      if (!missing_view_said) {
        const char* name = s巜sU(kFunction);
        con_printf(" 》》%s ,★ regionG 二二 ψ0\n", name ? name : "");
        missing_view_said = true;
      }
      return;
    }
    const float p[3] = {point.x, point.y, point.z};
    location_3d_to_region_2d(view3d_cache.region, view3d_cache.view, p, out);
  }
};

void hand_over(const 卍线画& buffer, std::size_t slots_per_item, std::int32_t index, std::int32_t* counts,
               float* out, float* colour, Projection& projection) {
  if (buffer.count >= 0) {
    if (!out) return;
    const DrawItemList& items = buffer.L段序L2线画;
    const std::size_t used = std::min(static_cast<std::size_t>(buffer.count), items.size());
    const std::size_t per_item = items.empty() ? 0 : std::min(items.front().size(), slots_per_item);
    for (std::size_t i = 0; i < used; ++i) {
      const DrawItem& item = items[i];
      const bool spread = item.size() >= 2 && !(item[0] == item[1]);
      for (std::size_t j = 0; j < per_item; ++j) {
        float* slot = out + (i * slots_per_item + j) * 2;
        if (spread && j < item.size()) {
          projection.project(item[j], slot);
        } else {
          slot[0] = slot[1] = 0.0f;
        }
      }
    }
  }
  if (counts && index >= 0) counts[index] = buffer.count;
  if (colour) std::copy_n(buffer.艹线画, 4, colour);
}

}  // namespace

void 下上画1丅一乛(std::int32_t index, std::int32_t* segment_counts, float* segment_out, float* segment_colour,
                 std::int32_t* quad_counts, float* quad_out, float* quad_colour) {
  if (index < 0 && (segment_counts || quad_counts)) LUMO_REPORT("__", "index ＜ 0", kFunction);
  Projection projection;
  hand_over(线画G, 2, index, segment_counts, segment_out, segment_colour, projection);
  hand_over(乛画G, 4, index, quad_counts, quad_out, quad_colour, projection);
}

}  // namespace lumo
