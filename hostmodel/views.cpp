// 3D views, spaces, event positions and object/base flags of the model host.
#include <cmath>
#include <cstring>

#include "host_math.h"
#include "hostmodel_views.h"
#include "model.h"

using namespace hostmodel;

namespace {

using Vec3 = double[3];

double dot(const Vec3 a, const Vec3 b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

void cross(Vec3 out, const Vec3 a, const Vec3 b) {
  const double x = a[1] * b[2] - a[2] * b[1], y = a[2] * b[0] - a[0] * b[2], z = a[0] * b[1] - a[1] * b[0];
  out[0] = x;
  out[1] = y;
  out[2] = z;
}

bool normalize(Vec3 v) {
  const double length = std::sqrt(dot(v, v));
  if (length < 1e-12) return false;
  for (int i = 0; i < 3; ++i) v[i] /= length;
  return true;
}

// General 4×4 inverse by Gauss–Jordan elimination in double precision.
bool invert4(float out[4][4], const float in[4][4]) {
  double a[4][8];
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 8; ++j) a[i][j] = j < 4 ? in[i][j] : (j - 4 == i ? 1.0 : 0.0);
  for (int column = 0; column < 4; ++column) {
    int pivot = column;
    for (int row = column + 1; row < 4; ++row)
      if (std::fabs(a[row][column]) > std::fabs(a[pivot][column])) pivot = row;
    if (std::fabs(a[pivot][column]) < 1e-15) return false;
    if (pivot != column)
      for (int j = 0; j < 8; ++j) std::swap(a[pivot][j], a[column][j]);
    const double scale = 1.0 / a[column][column];
    for (int j = 0; j < 8; ++j) a[column][j] *= scale;
    for (int row = 0; row < 4; ++row) {
      if (row == column) continue;
      const double factor = a[row][column];
      for (int j = 0; j < 8; ++j) a[row][j] -= factor * a[column][j];
    }
  }
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) out[i][j] = float(a[i][j + 4]);
  return true;
}

RegionView3D* view_of(ARegion* region) {
  ModelMain* model = owner_of(region);
  if (!model) return nullptr;
  if (!region->regiondata) region->regiondata = model->make<RegionView3D>();
  return static_cast<RegionView3D*>(region->regiondata);
}

// View inverse from eye, target and up; false when they give no frame.
bool look_at(RegionView3D* view, const float eye[3], const float target[3], const float up[3]) {
  Vec3 z = {double(eye[0]) - target[0], double(eye[1]) - target[1], double(eye[2]) - target[2]};
  Vec3 u = {up[0], up[1], up[2]};
  Vec3 x, y;
  if (!normalize(z)) return false;
  cross(x, u, z);
  if (!normalize(x)) return false;
  cross(y, z, x);
  const double* rows[3] = {x, y, z};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) view->viewinv[i][j] = float(rows[i][j]);
    view->viewinv[i][3] = 0;
  }
  for (int j = 0; j < 3; ++j) view->viewinv[3][j] = eye[j];
  view->viewinv[3][3] = 1;
  math::invert_affine(view->viewmat, view->viewinv);
  Vec3 offset = {double(eye[0]) - target[0], double(eye[1]) - target[1], double(eye[2]) - target[2]};
  view->dist = float(std::sqrt(dot(offset, offset)));
  for (int j = 0; j < 3; ++j) view->ofs[j] = -target[j];
  return true;
}

// Half extents of the near plane (perspective) or of the view (orthographic):
// `larger` spans the region's larger side.
void half_extents(const ARegion* region, double larger, double& half_x, double& half_y) {
  const double width = region->winx > 0 ? region->winx : 1, height = region->winy > 0 ? region->winy : 1;
  if (width >= height) {
    half_x = larger;
    half_y = larger * height / width;
  } else {
    half_y = larger;
    half_x = larger * width / height;
  }
}

bool finish(RegionView3D* view) {
  math::mul(view->persmat, view->viewmat, view->winmat);  // view matrix first, then the window matrix
  return invert4(view->persinv, view->persmat);
}

bool valid_clip(float clip_start, float clip_end) { return clip_end > clip_start; }

}  // namespace

HM_API RegionView3D* hm_view3d_perspective(ARegion* region, const float eye[3], const float target[3],
                                           const float up[3], float lens, float clip_start, float clip_end) {
  if (!eye || !target || !up || !(lens > 0) || !(clip_start > 0) || !valid_clip(clip_start, clip_end)) return nullptr;
  RegionView3D* view = view_of(region);
  if (!view || !look_at(view, eye, target, up)) return nullptr;
  double half_x, half_y;
  half_extents(region, clip_start * 18.0 / lens, half_x, half_y);
  const double n = clip_start, f = clip_end;
  std::memset(view->winmat, 0, sizeof view->winmat);
  view->winmat[0][0] = float(n / half_x);
  view->winmat[1][1] = float(n / half_y);
  view->winmat[2][2] = float(-(f + n) / (f - n));
  view->winmat[2][3] = -1;
  view->winmat[3][2] = float(-2 * f * n / (f - n));
  view->is_persp = 1;
  view->persp = RV3D_PERSP;
  return finish(view) ? view : nullptr;
}

HM_API RegionView3D* hm_view3d_orthographic(ARegion* region, const float eye[3], const float target[3],
                                            const float up[3], float ortho_scale, float clip_start, float clip_end) {
  if (!eye || !target || !up || !(ortho_scale > 0) || !valid_clip(clip_start, clip_end)) return nullptr;
  RegionView3D* view = view_of(region);
  if (!view || !look_at(view, eye, target, up)) return nullptr;
  double half_x, half_y;
  half_extents(region, ortho_scale * 0.5, half_x, half_y);
  const double n = clip_start, f = clip_end;
  std::memset(view->winmat, 0, sizeof view->winmat);
  view->winmat[0][0] = float(1 / half_x);
  view->winmat[1][1] = float(1 / half_y);
  view->winmat[2][2] = float(-2 / (f - n));
  view->winmat[3][2] = float(-(f + n) / (f - n));
  view->winmat[3][3] = 1;
  view->is_persp = 0;
  view->persp = RV3D_ORTHO;
  return finish(view) ? view : nullptr;
}

HM_API void hm_view3d_set_camera(RegionView3D* view, int camera) {
  if (!view) return;
  view->persp = camera ? RV3D_CAMOB : (view->is_persp ? RV3D_PERSP : RV3D_ORTHO);
}

HM_API RegionView3D* hm_region_view3d(const ARegion* region) {
  return region ? static_cast<RegionView3D*>(region->regiondata) : nullptr;
}

HM_API int hm_view3d_project(const ARegion* region, const float point[3], float out[2]) {
  const RegionView3D* view = hm_region_view3d(region);
  if (!view || !point || !out) return 0;
  double v[4];
  for (int j = 0; j < 4; ++j)
    v[j] = double(point[0]) * view->persmat[0][j] + double(point[1]) * view->persmat[1][j] +
           double(point[2]) * view->persmat[2][j] + view->persmat[3][j];
  if (v[3] <= 0) return 0;
  out[0] = float(region->winx / 2.0 * (1 + v[0] / v[3]));
  out[1] = float(region->winy / 2.0 * (1 + v[1] / v[3]));
  return 1;
}

HM_API void hm_view3d_matrices(const RegionView3D* view, float viewmat[16], float viewinv[16], float winmat[16],
                               float persmat[16], float persinv[16]) {
  if (!view) return;
  const std::pair<float*, const float(*)[4]> copies[] = {
      {viewmat, view->viewmat}, {viewinv, view->viewinv}, {winmat, view->winmat},
      {persmat, view->persmat}, {persinv, view->persinv}};
  for (const auto& [out, matrix] : copies)
    if (out) std::memcpy(out, matrix, 16 * sizeof(float));
}

HM_API void hm_region_set_rect(ARegion* region, int x, int y, int width, int height) {
  if (!region) return;
  region->winrct = {x, x + width - 1, y, y + height - 1};
  region->winx = static_cast<short>(width);
  region->winy = static_cast<short>(height);
}

HM_API void hm_window_set_event_position(wmWindow* window, int x, int y) {
  if (!window || !window->eventstate) return;
  window->eventstate->x = x;
  window->eventstate->y = y;
}

namespace {
// Makes a space the area's active one (the first of its space list).
void push_front_space(ScrArea* area, void* space) {
  auto* link = static_cast<Link*>(space);
  link->prev = nullptr;
  link->next = static_cast<Link*>(area->spacedata.first);
  if (link->next)
    link->next->prev = link;
  else
    area->spacedata.last = link;
  area->spacedata.first = link;
}
}  // namespace

HM_API SpaceImage* hm_image_space_new(ScrArea* area, int mode) {
  ModelMain* model = owner_of(area);
  if (!model) return nullptr;
  auto* space = model->make<SpaceImage>();
  space->spacetype = SPACE_IMAGE;
  space->mode = static_cast<char>(mode);
  push_front_space(area, space);
  return space;
}

HM_API bNodeTree* hm_node_tree_new(Main* main, const char* name, const char* tree_type) {
  ModelMain* model = model_of(main);
  if (!model) return nullptr;
  auto* tree = model->make<bNodeTree>();
  set_id_name(tree->id, "NT", name);
  tree->id.us = 1;
  copy_name(tree->idname, tree_type, kNameBytes);
  register_owner(tree, model);
  return tree;
}

HM_API SpaceNode* hm_node_space_new(ScrArea* area, const char* tree_type, bNodeTree* tree) {
  ModelMain* model = owner_of(area);
  if (!model) return nullptr;
  auto* space = model->make<SpaceNode>();
  space->spacetype = SPACE_NODE;
  copy_name(space->tree_idname, tree_type, kNameBytes);
  space->nodetree = tree;
  push_front_space(area, space);
  return space;
}

HM_API Base* hm_scene_legacy_base_new(Scene* scene, Object* object) {
  ModelMain* model = owner_of(scene);
  if (!model) return nullptr;
  auto* base = model->make<Base>();
  base->object = object;
  list_append(scene->base, base);
  return base;
}

HM_API int hm_scene_legacy_base_count(const Scene* scene) {
  int count = 0;
  if (scene)
    for (auto* base = static_cast<const Base*>(scene->base.first); base; base = base->next) ++count;
  return count;
}

HM_API void hm_base_set_flag(Base* base, int flag) {
  if (base) base->flag = static_cast<short>(flag);
}
HM_API int hm_base_flag(const Base* base) { return base ? base->flag : 0; }
HM_API int hm_object_restrict(const Object* object) {
  return object ? static_cast<unsigned char>(object->restrictflag) : 0;
}
HM_API int hm_object_base_flag(const Object* object) { return object ? object->base_flag : 0; }
HM_API void hm_object_set_flag(Object* object, int flag) {
  if (object) object->flag = static_cast<short>(flag);
}
HM_API int hm_object_flag(const Object* object) { return object ? object->flag : 0; }
HM_API void hm_object_set_mode(Object* object, int mode) {
  if (object) object->mode = mode;
}
HM_API void hm_object_set_type(Object* object, int type) {
  if (object) object->type = static_cast<short>(type);
}

HM_API void hm_object_delete(Object* object) {
  ModelMain* model = owner_of(object);
  if (!model) return;
  auto unlink_from = [object](ListBase& bases) {
    for (auto* base = static_cast<Base*>(bases.first); base;) {
      auto* next = base->next;
      if (base->object == object) list_remove(bases, base);
      base = next;
    }
  };
  for (auto* scene = static_cast<Scene*>(model->main.scenes.first); scene; scene = static_cast<Scene*>(scene->id.next)) {
    unlink_from(scene->base);
    for (auto* layer = static_cast<ViewLayer*>(scene->view_layers.first); layer; layer = layer->next) {
      if (layer->basact && layer->basact->object == object) layer->basact = nullptr;
      unlink_from(layer->object_bases);
    }
  }
  object->id.us = 0;
}
