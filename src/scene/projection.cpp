#include "scene/projection.h"

#include <cmath>

#include "host/context.h"

namespace lumo {

float last_location[3] = {0, 0, 0};

namespace {

// v = (p, 1) · M with all four components; the host's matrices are rows
// X, Y, Z, translation, and the fourth column carries w.
void transform_point4(const float m[4][4], const float p[3], float v[4]) {
  for (int j = 0; j < 4; ++j) v[j] = p[0] * m[0][j] + p[1] * m[1][j] + p[2] * m[2][j] + m[3][j];
}

}  // namespace

bool location_3d_to_region_2d(const ARegion* region, const RegionView3D* view, const float point[3], float out[2]) {
  if (!out) return false;
  if (region && view && point) {
    float v[4];
    transform_point4(view->persmat, point, v);
    if (v[3] > 0.0f) {
      const float half_width = region->winx * 0.5f, half_height = region->winy * 0.5f;
      const float x = half_width + half_width * v[0] / v[3];
      const float y = half_height + half_height * v[1] / v[3];
      if (std::isfinite(x) && std::isfinite(y)) {
        out[0] = x;
        out[1] = y;
        return true;
      }
    }
  }
  out[0] = out[1] = kUnprojectedPixel;
  return false;
}

bool mouse_in_region(const bContext* C, const ARegion* region, int out[2]) {
  if (!C || !region || !out) return false;
  const wmWindow* window = host::CTX_wm_window(C);
  if (!window || !window->eventstate) return false;
  out[0] = window->eventstate->x - region->winrct.xmin;
  out[1] = window->eventstate->y - region->winrct.ymin;
  return true;
}

}  // namespace lumo
