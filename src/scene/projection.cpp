#include "scene/projection.h"

#include <cmath>

#include "base/console.h"
#include "host/context.h"
#include "math/vector.h"
#include "scene/view_cache.h"

namespace lumo {

float last_location[3] = {0, 0, 0};

namespace {

// v = (p, 1) · M with all four components; the host's matrices are rows
// X, Y, Z, translation, and the fourth column carries w.
void transform_point4(const float m[4][4], const float p[3], float v[4]) {
  for (int j = 0; j < 4; ++j) v[j] = p[0] * m[0][j] + p[1] * m[1][j] + p[2] * m[2][j] + m[3][j];
}

卍Vector row_of(const float (&row)[4]) { return {row[0], row[1], row[2]}; }

void store(const 卍Vector& v, float* out) { out[0] = v.x, out[1] = v.y, out[2] = v.z; }

bool has_size(const ARegion* region) { return region->winx > 0 && region->winy > 0; }

// The pixel in normalised device coordinates, -1 … 1 across the region.
float ndc(int pixel, short size) { return 2.0f * pixel / size - 1.0f; }

void say_missing(const char* function, const char* what) { con_printf(" 》》%s ,★ %s\n", function, what); }

// The cached 3D view when it can be used for a projection; else says why.
bool cached_view_usable(const char* function) {
  if (!view3d_cache.region) {
    say_missing(function, "regionG 二二 ψ0");
    return false;
  }
  if (!view3d_cache.view) {
    say_missing(function, "rv3dG 二二 ψ0");
    return false;
  }
  if (!has_size(view3d_cache.region)) {
    say_missing(function, "region->winx ＜ 1");
    return false;
  }
  return true;
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

bool view_vector(const ARegion* region, const RegionView3D* view, int x, int y, float out[3]) {
  if (!out) return false;
  out[0] = out[1] = out[2] = 0;
  if (!region || !view || !has_size(region)) return false;
  卍Vector direction;
  if (view->is_persp) {
    const float s[3] = {ndc(x, region->winx), ndc(y, region->winy), -0.5f};
    float v[4];
    transform_point4(view->persinv, s, v);
    if (v[3] == 0.0f) return false;
    direction = 卍Vector(v[0] / v[3], v[1] / v[3], v[2] / v[3]) - row_of(view->viewinv[3]);
  } else {
    direction = -row_of(view->viewinv[2]);
  }
  f3_normalize(direction);
  store(direction, out);
  return !f3_is_zero(direction);
}

bool ray_origin(const ARegion* region, const RegionView3D* view, int x, int y, float clamp, float out[3]) {
  if (!out || !region || !view || !has_size(region)) return false;
  卍Vector origin;
  if (view->is_persp) {
    origin = row_of(view->viewinv[3]);
  } else {
    const auto& p = view->persinv;
    origin = row_of(p[0]) * ndc(x, region->winx) + row_of(p[1]) * ndc(y, region->winy) + row_of(p[3]);
    if (clamp != 0.0f && view->persp != RV3D_CAMOB) {
      卍Vector offset = row_of(p[2]);
      if (clamp < 0.0f) {
        offset = -offset;
        clamp = -clamp;
      }
      f3_shrink_to(clamp, offset);
      origin -= offset;
    }
  }
  store(origin, out);
  return true;
}

void region_2d_to_location_3d(bContext* C, const float depth[3], float out[3], float out_up[3], int out_mouse[2]) {
  constexpr const char* kName = "region_2d_to_location_3d";
  if (!depth) {
    say_missing(kName, "depth 二二 ψ0");
    return;
  }
  int mouse[2];
  const bool have_mouse = mouse_in_region(C, view3d_cache.region, mouse);
  if (have_mouse && out_mouse) out_mouse[0] = mouse[0], out_mouse[1] = mouse[1];
  if (!have_mouse) say_missing(kName, "win 二二 ψ0");
  const 卍Vector point(depth[0], depth[1], depth[2]);
  卍Vector location = point;
  float direction[3], origin[3];
  if (have_mouse && cached_view_usable(kName) &&
      view_vector(view3d_cache.region, view3d_cache.view, mouse[0], mouse[1], direction) &&
      ray_origin(view3d_cache.region, view3d_cache.view, mouse[0], mouse[1], 0.0f, origin)) {
    const RegionView3D* view = view3d_cache.view;
    const 卍Vector d(direction), o(origin);
    // Perspective: along the ray to the view plane through depth.  A ray
    // parallel to that plane (never for a pixel of the region) falls back to
    // the point of the ray nearest to depth, as the orthographic view uses.
    const 卍Vector normal = row_of(view->viewinv[2]);
    const float across = f3_dot(d, normal);
    if (view->is_persp && across != 0.0f)
      location = o + d * (f3_dot(point - o, normal) / across);
    else
      location = o + d * f3_dot(point - o, d);
  }
  location.copy_to(last_location);
  if (out) store(location, out);
  if (out_up && view3d_cache.view) store(row_of(view3d_cache.view->viewinv[1]), out_up);
}

void region_2d_to_vector_3d(bContext* C, float out[3]) {
  if (!out) return;
  const ARegion* region = view3d_cache.region;
  const RegionView3D* view = view3d_cache.view;
  // The context's own region when it is a 3D view's main region; any other
  // region's data is not a 3D view record.
  const ScrArea* area = host::CTX_wm_area(C);
  const ARegion* own = host::CTX_wm_region(C);
  if (area && own && area->spacetype == SPACE_VIEW3D && own->regiontype == RGN_TYPE_WINDOW && own->regiondata) {
    region = own;
    view = static_cast<const RegionView3D*>(own->regiondata);
  }
  int mouse[2] = {0, 0};
  if (!mouse_in_region(C, view3d_cache.region, mouse)) {
    out[0] = out[1] = out[2] = 0;
    say_missing("region_2d_to_vector_3d", "win 二二 ψ0");
    return;
  }
  if (!view_vector(region, view, mouse[0], mouse[1], out)) say_missing("region_2d_to_vector_3d", "rv3d 二二 ψ0");
}

void Δ鼠镜位(bContext* C, const int mouse[2], float out_origin[3], float out_view_inverse[16], float clamp) {
  int position[2];
  if (mouse) {
    position[0] = mouse[0], position[1] = mouse[1];
  } else if (!mouse_in_region(C, view3d_cache.region, position)) {
    say_missing("Δ鼠镜位", "win 二二 ψ0");
    return;
  }
  if (!cached_view_usable("Δ鼠镜位")) return;
  if (out_origin) ray_origin(view3d_cache.region, view3d_cache.view, position[0], position[1], clamp, out_origin);
  if (out_view_inverse)
    for (int i = 0; i < 16; ++i) out_view_inverse[i] = view3d_cache.view->viewinv[i / 4][i % 4];
}

}  // namespace lumo
