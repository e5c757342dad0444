// Conversions between region pixels and 3D positions in the host's 3D view.
//
// A view record (RegionView3D) gives the view matrix and its inverse, the
// perspective matrix (window matrix × view matrix, applied to a point as the
// 4-component row vector (p, 1) · M) and its inverse, and the perspective flag.
// The mouse position in region pixels is the window's last event position minus
// the region's lower-left window position (integers).
//
// Functions taking a context use the 3D view cached by b凷rv3d unless stated
// otherwise; when nothing usable is cached they leave a defined result (below)
// rather than reading a missing record.
#pragma once

#include "host/host_types.h"

namespace lumo {

// Written to a projection's output when the point cannot be projected: far
// outside any region, so drawing code clips it instead of mirroring it.
inline constexpr float kUnprojectedPixel = -1000000.0f;

// The 3D point in region pixels: v = (point, 1) · perspective matrix;
// out = (width/2 + width/2 · v.x/v.w, height/2 + height/2 · v.y/v.w).  A point
// at or behind the eye plane (v.w ≤ 0) or a non-finite result cannot be
// projected: out = (kUnprojectedPixel, kUnprojectedPixel) and false.  Null
// arguments give false (out untouched when it is the null one).
bool location_3d_to_region_2d(const ARegion* region, const RegionView3D* view, const float point[3], float out[2]);

// The region-relative mouse position from the context's window; false (out
// untouched) without window, event state or region.
bool mouse_in_region(const bContext* C, const ARegion* region, int out[2]);

// Direction of the view ray through pixel (x, y), normalised (world space).
// Perspective: through the unprojected pixel from the eye; orthographic: the
// negated third axis of the view inverse.  False (out zero) for a region
// without size or a degenerate perspective inverse.
bool view_vector(const ARegion* region, const RegionView3D* view, int x, int y, float out[3]);

// Origin of the view ray through pixel (x, y).  Perspective: the eye.
// Orthographic: the unprojected pixel at mid-depth, pulled back along the
// view's third axis by at most |clamp| when clamp ≠ 0 and the view is not a
// camera view.
bool ray_origin(const ARegion* region, const RegionView3D* view, int x, int y, float clamp, float out[3]);

// The last result of region_2d_to_location_3d.
extern float last_location[3];

// The world point under the mouse at the depth of `depth`: on the view plane
// through depth (perspective) or the point of the view ray nearest to depth
// (orthographic).  Writes the mouse position to out_mouse, the location to out
// and last_location, and the view's up direction to out_up (each when given).
// Without a cached view, a window or a sized region the location is depth
// itself (a drag then does not move) and a console line says why.
void region_2d_to_location_3d(bContext* C, const float depth[3], float out[3], float out_up[3], int out_mouse[2]);

// The view ray direction under the mouse, computed with the context's own
// region and view when the context is in a 3D view's main region, else with the
// cached ones.  Zero when there is no view.
void region_2d_to_vector_3d(bContext* C, float out[3]);

// Ray origin under `mouse` (or the context's mouse when null) with the given
// clamp, and the view inverse (16 floats), each written when its output is given.
void Δ鼠镜位(bContext* C, const int mouse[2], float out_origin[3], float out_view_inverse[16], float clamp);

}  // namespace lumo
