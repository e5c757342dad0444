// Exports of the object hierarchy, selection, scene values and 3D views: thin
// wrappers over src/scene.
#include "lumo_ik64.h"
#include "scene/change_detect.h"
#include "scene/hierarchy.h"
#include "scene/projection.h"
#include "scene/result_area.h"
#include "scene/scene_values.h"
#include "scene/selection.h"
#include "scene/view_cache.h"

static_assert(sizeof(LumoResultList) == sizeof(lumo::ResultArea));

namespace {
lumo::ResultArea* area_of(LumoResultList* result) { return reinterpret_cast<lumo::ResultArea*>(result); }
// The export's status value of location_3d_to_region_2d凸.
constexpr int32_t kProjected = 4;
}  // namespace

LUMO_EXPORT int32_t SetMain(bContext* context) { return lumo::SetMain(context) ? 1 : 0; }
LUMO_EXPORT int32_t iDiffMain(bContext* context) { return lumo::iDiffMain(context); }
LUMO_EXPORT int32_t iDiffScene(bContext* context) { return lumo::iDiffScene(context); }

LUMO_EXPORT int32_t 凷Base(bContext* context, uint8_t rebuild) { return lumo::凷Base(context, rebuild != 0); }
LUMO_EXPORT int32_t Δ检查重填Mo物baceG(Object* object, bContext* context) {
  return lumo::Δ检查重填Mo物baceG(object, context);
}
LUMO_EXPORT int32_t 凷o(bContext* context) { return lumo::凷o(context); }
LUMO_EXPORT int32_t 重凷o(bContext* context) { return lumo::重凷o(context); }
LUMO_EXPORT void 十1o(Object* object, bContext* context) { lumo::十1o(object, context); }
LUMO_EXPORT int32_t 一1o(Object* object, Scene* scene) { return lumo::一1o(object, scene); }
LUMO_EXPORT void 链1o(Object* object, bContext* context) { lumo::链1o(object, context); }
LUMO_EXPORT int32_t i凷空o(bContext* context, Object* object) { return lumo::i凷空o(context, object); }
LUMO_EXPORT int32_t i凷空1场o(Scene* scene, Object* object) { return lumo::i凷空1场o(scene, object); }
LUMO_EXPORT int32_t iΔ有无效物pare(Object* object) { return lumo::iΔ有无效物pare(object); }
LUMO_EXPORT void ΔΔ灬父子层级SLIB(void) { lumo::ΔΔ灬父子层级SLIB(); }
LUMO_EXPORT void* Mo父LpareG巜(void) { return &lumo::Mo父LpareG; }
LUMO_EXPORT void PTMoLpareBaseG凸(const void* table) { lumo::PTMoLpareBaseG凸(table); }

LUMO_EXPORT LumoResultList* LoPushChild(LumoResultList* result, Object* parent, uint8_t recursive) {
  lumo::fill_result_area(area_of(result), lumo::LoPushChild(parent, recursive != 0));
  return result;
}
LUMO_EXPORT LumoResultList* selected_objects(LumoResultList* result, bContext* context) {
  lumo::fill_result_area(area_of(result), lumo::selected_objects(context));
  return result;
}

LUMO_EXPORT void 显子数(Object* parent, bContext* context, int32_t, int32_t out[2]) {
  lumo::显子数(parent, context, out);
}
LUMO_EXPORT void 隐显o属性(Object* object, bContext* context, int32_t mode, uint8_t apply_self, uint8_t recursive) {
  lumo::隐显o属性(object, context, mode, apply_self != 0, recursive != 0);
}
LUMO_EXPORT void 隐显o(Object*, bContext*, int32_t, int32_t) {}
LUMO_EXPORT void LinkO(bContext* context, Object* object, Base* base) { lumo::LinkO(context, object, base); }
LUMO_EXPORT void UnlinkO(bContext* context, Object* object) { lumo::UnlinkO(context, object); }
LUMO_EXPORT int32_t oΔ另1物体指针(ID* id) { return lumo::oΔ另1物体指针(id); }
LUMO_EXPORT int32_t Θ(Object* object, bContext* context, int32_t recursive, int32_t self, uint8_t unhide,
                      uint8_t render_hidden_only, uint8_t redraw) {
  return lumo::Θ(object, context, recursive, self, unhide != 0, render_hidden_only != 0, redraw != 0);
}

LUMO_EXPORT int32_t i1属性(bContext* context) { return lumo::i1属性(context); }
LUMO_EXPORT int32_t i〇属性(bContext* context) { return lumo::i〇属性(context); }
LUMO_EXPORT int32_t i属性检测(bContext* context) { return lumo::i属性检测(context); }
LUMO_EXPORT void o_f16(Object* const* holder, float out[16]) { lumo::o_f16(holder, out); }

LUMO_EXPORT bool b凷rv3d(bContext* context, uint8_t refresh) { return lumo::b凷rv3d(context, refresh != 0); }
LUMO_EXPORT void region_2d_to_location_3d(bContext* context, const float depth[3], float out[3], float out_up[3],
                                          int32_t out_mouse[2]) {
  lumo::region_2d_to_location_3d(context, depth, out, out_up, out_mouse);
}
LUMO_EXPORT void region_2d_to_vector_3d(bContext* context, float out[3]) {
  lumo::region_2d_to_vector_3d(context, out);
}
LUMO_EXPORT int32_t location_3d_to_region_2d凸(const ARegion* region, const RegionView3D* view, const float in[3],
                                              float out[2]) {
  return lumo::location_3d_to_region_2d(region, view, in, out) ? kProjected : 0;
}
LUMO_EXPORT void Δ鼠镜位(bContext* context, const int32_t mouse[2], float out_origin[3], float out_view_inverse[16],
                         float clamp) {
  lumo::Δ鼠镜位(context, mouse, out_origin, out_view_inverse, clamp);
}
LUMO_EXPORT void Δ载入v2dUVLIB(bContext* context, uint8_t refresh) { lumo::Δ载入v2dUVLIB(context, refresh != 0); }
LUMO_EXPORT void Δ载入v2d节点LIB(bContext* context, uint8_t refresh) {
  lumo::Δ载入v2d节点LIB(context, refresh != 0);
}
