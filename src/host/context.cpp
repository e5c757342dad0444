#include "host/context.h"

#include <cstring>

#include "base/console.h"
#include "base/report.h"
#include "host/current.h"
#include "host/list_iter.h"

namespace lumo::host {
namespace {

// A found answer (1) wins over "known but empty" (-1), which wins over 0.
int combine_answers(int so_far, int answer) {
  if (so_far == 1 || answer == 1) return 1;
  if (so_far == -1 || answer == -1) return -1;
  return 0;
}

}  // namespace

int ctx_data_get(bContext* C, const char* member, bContextDataResult* result) {
  if (!C) {
    LUMO_REPORT("__", "C 二二 0", "ctx_data_get");
    return 0;
  }
  if (!member) member = "";
  con_printf("《《《\t%s ,member=%s,C->data.recursion=%d\n", "ctx_data_get", member, C->data.recursion);
  const int remembered = C->data.recursion;
  bContextDataResult scratch;
  if (!result) result = &scratch;
  std::memset(result, 0, sizeof *result);

  int done = 0;
  bool finished = false;
  if (remembered < 1 && C->wm.store) {
    con_printf("1");
    C->data.recursion = 1;
    int index = 0;
    int found_index = -1;
    bContextStoreEntry* found = nullptr;
    for (auto* entry : list_items<bContextStoreEntry>(C->wm.store->entries)) {
      if (std::strcmp(entry->name, member) == 0) {
        found = entry;  // the last match wins: entries are searched from the last
        found_index = index;
      }
      ++index;
    }
    con_printf("entry= %d\n", found_index);
    if (found) {
      result->ptr = found->ptr;
      result->type = found->type;
      done = 1;
      finished = true;
    }
  }
  if (!finished && remembered < 2 && C->wm.region) {
    con_printf("2,");
    C->data.recursion = 2;
    if (C->wm.region->type && C->wm.region->type->context) done = C->wm.region->type->context(C, member, result);
    con_printf("2__,");
    finished = done == 1;
  }
  if (!finished && remembered < 3 && C->wm.area) {
    con_printf("3,");
    C->data.recursion = 3;
    if (C->wm.area->type && C->wm.area->type->context)
      done = combine_answers(done, C->wm.area->type->context(C, member, result));
    con_printf("3__,");
  }
  if (!finished && done != 1 && remembered < 4 && C->wm.screen) {
    con_printf("4,");
    C->data.recursion = 4;
    if (C->wm.screen->context) done = combine_answers(done, C->wm.screen->context(C, member, result));
    con_printf("4__,");
  }
  C->data.recursion = remembered;
  con_printf(" 》》 %s ,member=%s,C->data.recursion=%d,done=%d\n", "ctx_data_get", member, C->data.recursion, done);
  return done;
}

void* CTX_data_pointer_get(bContext* C, const char* member) {
  bContextDataResult result;
  if (ctx_data_get(C, member, &result) != 1) return nullptr;
  if (result.type != CTX_DATA_TYPE_POINTER) host_assert_line("context_MY", 273, "result_.type == CTX_DATA_TYPE_POINTER");
  return result.ptr.data;
}

EditBone* CTX_data_active_bone(bContext* C) { return static_cast<EditBone*>(CTX_data_pointer_get(C, "active_bone")); }

bPoseChannel* CTX_data_active_pose_bone(bContext* C) {
  return static_cast<bPoseChannel*>(CTX_data_pointer_get(C, "active_pose_bone"));
}

Main* CTX_data_main(const bContext* C) { return C ? C->data.main : nullptr; }
Scene* CTX_data_scene(const bContext* C) { return C ? C->data.scene : nullptr; }
wmWindow* CTX_wm_window(const bContext* C) { return C ? C->wm.window : nullptr; }
bScreen* CTX_wm_screen(const bContext* C) { return C ? C->wm.screen : nullptr; }
ScrArea* CTX_wm_area(const bContext* C) { return C ? C->wm.area : nullptr; }
ARegion* CTX_wm_region(const bContext* C) { return C ? C->wm.region : nullptr; }

ViewLayer* BKE_view_layer_find(const Scene* scene, const char* name) {
  if (!scene || !name) return nullptr;
  for (auto* layer : list_items<ViewLayer>(scene->view_layers))
    if (std::strcmp(layer->name, name) == 0) return layer;
  return nullptr;
}

ViewLayer* BKE_view_layer_default_view(const Scene* scene) {
  if (!scene) return nullptr;
  for (auto* layer : list_items<ViewLayer>(scene->view_layers))
    if (!(layer->flag & VIEW_LAYER_RENDER)) return layer;
  if (!scene->view_layers.first) {
    host_assert_line("context0", 87, "scene->view_layers.first");
    return nullptr;
  }
  return static_cast<ViewLayer*>(scene->view_layers.first);
}

ViewLayer* CTX_data_view_layer(const bContext* C) {
  const Scene* scene = CTX_data_scene(C);
  if (!scene) return nullptr;
  if (const wmWindow* window = CTX_wm_window(C))
    if (ViewLayer* layer = BKE_view_layer_find(scene, window->view_layer_name)) return layer;
  return BKE_view_layer_default_view(scene);
}

Object* active_object(bContext* C, ViewLayer* view_layer) {
  if (!view_layer) {
    if (!current.view_layer) current.view_layer = CTX_data_view_layer(C);
    view_layer = current.view_layer;
  }
  if (!view_layer || !view_layer->basact) return nullptr;
  return view_layer->basact->object;
}

}  // namespace lumo::host
