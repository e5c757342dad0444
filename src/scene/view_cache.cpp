#include "scene/view_cache.h"

#include <cstring>

#include "base/console.h"
#include "base/report.h"
#include "host/context.h"
#include "host/current.h"
#include "host/list_iter.h"

namespace lumo {

View3DCache view3d_cache;
EditorCache editor_cache;

namespace {

ARegion* main_region_of(const ScrArea* area) {
  for (auto* region : host::list_items<ARegion>(area->regionbase))
    if (region->regiontype == RGN_TYPE_WINDOW) return region;
  return nullptr;
}

bool editor_cache_empty() { return !editor_cache.region || !editor_cache.view; }

// A name field of the host, compared within its bounds.
bool names_equal(const char* field, const char* name) { return std::strncmp(field, name, kNameBytes) == 0; }

}  // namespace

bool b凷rv3d(bContext* C, bool refresh) {
  if (refresh && C) {
    if (wmWindow* window = host::CTX_wm_window(C)) host::current.window = window;
  }
  if (refresh || (!view3d_cache.region && !view3d_cache.view)) {
    if (const bScreen* screen = C ? host::CTX_wm_screen(C) : nullptr) {
      for (auto* area : host::list_items<ScrArea>(screen->areabase)) {
        if (area->spacetype != SPACE_VIEW3D) continue;
        if (ARegion* region = main_region_of(area)) {
          view3d_cache.region = region;
          view3d_cache.view = static_cast<RegionView3D*>(region->regiondata);
          return true;
        }
        break;  // only the first 3D view is considered
      }
    }
  }
  if (view3d_cache.region) return true;
  con_printf(" 》》%s ,★ regionG 二二 ψ0\n", "b凷rv3d");
  return false;
}

namespace {
// The screen an editor loader scans: null when the caches are kept (filled,
// no refresh) or when the context has no screen (reported).
const bScreen* screen_to_scan(bContext* C, bool refresh, const char* loader) {
  if (!refresh && !editor_cache_empty()) return nullptr;
  editor_cache.tree_of_region.clear();
  const bScreen* screen = C ? host::CTX_wm_screen(C) : nullptr;
  if (!screen) LUMO_REPORT("__", "screen 二二 ψ0", loader);
  return screen;
}
}  // namespace

void Δ载入v2dUVLIB(bContext* C, bool refresh) {
  const bScreen* screen = screen_to_scan(C, refresh, "Δ载入v2dUVLIB");
  if (!screen) return;
  for (auto* area : host::list_items<ScrArea>(screen->areabase)) {
    if (area->spacetype != SPACE_IMAGE) continue;
    const auto* space = static_cast<const SpaceImage*>(area->spacedata.first);
    if (!space || space->spacetype != SPACE_IMAGE || space->mode != SI_MODE_UV) continue;
    if (ARegion* region = main_region_of(area)) {
      editor_cache.region = region;
      editor_cache.view = &region->v2d;
    }
  }
}

void Δ载入v2d节点LIB(bContext* C, bool refresh) {
  const bScreen* screen = screen_to_scan(C, refresh, "Δ载入v2d节点LIB");
  if (!screen) return;
  for (auto* area : host::list_items<ScrArea>(screen->areabase)) {
    if (area->spacetype != SPACE_NODE) continue;
    const auto* space = static_cast<const SpaceNode*>(area->spacedata.first);
    if (!space || space->spacetype != SPACE_NODE || !names_equal(space->tree_idname, kNodeTreeType)) continue;
    bNodeTree* tree = space->nodetree;
    if (!tree || !names_equal(tree->idname, kNodeTreeType)) continue;
    ARegion* region = main_region_of(area);
    if (!region) continue;
    editor_cache.region = region;
    editor_cache.view = &region->v2d;
    editor_cache.tree = tree;
    editor_cache.node_work.clear();
    editor_cache.tree_of_region[region] = tree;
  }
}

}  // namespace lumo
