// Windows, screens, areas, regions and contexts of the model host.
#include <cstring>

#include "hostmodel.h"
#include "model.h"

using namespace hostmodel;

namespace {

ViewLayer* window_view_layer(const bContext* C) {
  const Scene* scene = C->data.scene;
  if (!scene) return nullptr;
  const wmWindow* window = C->wm.window;
  for (auto* layer = static_cast<ViewLayer*>(scene->view_layers.first); layer; layer = layer->next)
    if (window && std::strcmp(layer->name, window->view_layer_name) == 0) return layer;
  return static_cast<ViewLayer*>(scene->view_layers.first);
}

int answer_pointer(bContextDataResult* result, ID* owner, void* data) {
  if (!data) return -1;  // a member the host knows, currently empty
  result->ptr.owner_id = owner;
  result->ptr.data = data;
  result->type = CTX_DATA_TYPE_POINTER;
  return 1;
}

bPoseChannel* channel_of_bone(Object* object, const Bone* bone) {
  if (!object || !object->pose || !bone) return nullptr;
  for (auto* channel = static_cast<bPoseChannel*>(object->pose->chanbase.first); channel; channel = channel->next)
    if (channel->bone == bone) return channel;
  return nullptr;
}

// The screen's context callback: the members the add-on asks the host for.
int screen_context(const bContext* C, const char* member, bContextDataResult* result) {
  ViewLayer* layer = window_view_layer(C);
  Object* active = layer && layer->basact ? layer->basact->object : nullptr;
  ID* active_id = active ? &active->id : nullptr;
  auto* armature = active && active->type == OB_ARMATURE ? static_cast<bArmature*>(active->data) : nullptr;

  if (std::strcmp(member, "scene") == 0) return answer_pointer(result, nullptr, C->data.scene);
  if (std::strcmp(member, "view_layer") == 0) return answer_pointer(result, nullptr, layer);
  if (std::strcmp(member, "active_object") == 0 || std::strcmp(member, "object") == 0)
    return answer_pointer(result, active_id, active);
  if (std::strcmp(member, "active_base") == 0) return answer_pointer(result, nullptr, layer ? layer->basact : nullptr);
  if (std::strcmp(member, "active_pose_bone") == 0)
    return answer_pointer(result, active_id, armature ? channel_of_bone(active, armature->act_bone) : nullptr);
  if (std::strcmp(member, "active_bone") == 0) {
    void* bone = nullptr;
    if (armature) bone = armature->edbo ? static_cast<void*>(armature->act_edbone) : static_cast<void*>(armature->act_bone);
    return answer_pointer(result, active_id, bone);
  }
  return 0;
}

// The 3D view's own member answers: none beyond the screen's.
int view3d_context(const bContext*, const char*, bContextDataResult*) { return 0; }

SpaceType g_view3d_type{SPACE_VIEW3D, view3d_context};
SpaceType g_other_space_type{SPACE_EMPTY, nullptr};
ARegionType g_region_type{RGN_TYPE_WINDOW, nullptr};

}  // namespace

HM_API wmWindow* hm_window_new(Main* main, Scene* scene, const char* view_layer_name) {
  ModelMain* model = model_of(main);
  if (!model) return nullptr;
  auto* window = model->make<wmWindow>();
  window->scene = scene;
  copy_name(window->view_layer_name, view_layer_name, kNameBytes);
  window->sizex = 1920;
  window->sizey = 1080;
  window->eventstate = model->make<wmEvent>();
  auto* screen = model->make<bScreen>();
  set_id_name(screen->id, "SR", "Layout");
  screen->id.us = 1;
  screen->context = screen_context;
  list_append(main->screens, screen);
  register_owner(screen, model);
  window->screen = screen;
  if (!main->wm.first) {
    auto* manager = model->make<wmWindowManager>();
    set_id_name(manager->id, "WM", "WinMan");
    list_append(main->wm, manager);
  }
  list_append(static_cast<wmWindowManager*>(main->wm.first)->windows, window);
  return window;
}

HM_API bScreen* hm_window_screen(wmWindow* window) { return window ? window->screen : nullptr; }

HM_API ScrArea* hm_area_new(bScreen* screen, int space_type) {
  ModelMain* model = owner_of(screen);
  if (!model) return nullptr;
  auto* area = model->make<ScrArea>();
  area->spacetype = static_cast<char>(space_type);
  area->type = space_type == SPACE_VIEW3D ? &g_view3d_type : &g_other_space_type;
  list_append(screen->areabase, area);
  register_owner(area, model);
  return area;
}

HM_API ARegion* hm_region_new(ScrArea* area, int region_type, int x, int y, int width, int height) {
  ModelMain* model = owner_of(area);
  if (!model) return nullptr;
  auto* region = model->make<ARegion>();
  region->regiontype = static_cast<short>(region_type);
  region->type = &g_region_type;
  region->winrct = {x, x + width - 1, y, y + height - 1};
  region->winx = static_cast<short>(width);
  region->winy = static_cast<short>(height);
  list_append(area->regionbase, region);
  register_owner(region, model);
  return region;
}

HM_API void hm_draw(Main* main) {
  ModelMain* model = model_of(main);
  if (!model) return;
  for (auto* screen = static_cast<bScreen*>(main->screens.first); screen; screen = static_cast<bScreen*>(screen->id.next))
    for (auto* area = static_cast<ScrArea*>(screen->areabase.first); area; area = area->next)
      for (auto* region = static_cast<ARegion*>(area->regionbase.first); region; region = region->next)
        if (region->do_draw & RGN_DRAW) {
          region->do_draw &= ~RGN_DRAW;
          ++model->redraw_counts[region];
        }
}

HM_API int hm_region_redraw_count(const ARegion* region) {
  ModelMain* model = owner_of(region);
  if (!model) return 0;
  auto found = model->redraw_counts.find(region);
  return found == model->redraw_counts.end() ? 0 : found->second;
}

HM_API bContext* hm_context_new(Main* main, Scene* scene, wmWindow* window) {
  ModelMain* model = model_of(main);
  if (!model) return nullptr;
  auto* C = model->make<bContext>();
  C->data.main = main;
  C->data.scene = scene;
  C->wm.manager = static_cast<wmWindowManager*>(main->wm.first);
  C->wm.window = window;
  C->wm.screen = window ? window->screen : nullptr;
  register_owner(C, model);
  return C;
}

HM_API void hm_context_set_area(bContext* C, ScrArea* area, ARegion* region) {
  if (!C) return;
  C->wm.area = area;
  C->wm.region = region;
}

HM_API void hm_context_store_set(bContext* C, const char* member, void* pointer, int type) {
  ModelMain* model = owner_of(C);
  if (!model || !member) return;
  if (!C->wm.store) C->wm.store = model->make<bContextStore>();
  auto* entry = model->make<bContextStoreEntry>();
  copy_name(entry->name, member, sizeof entry->name);
  entry->ptr.data = pointer;
  entry->type = static_cast<short>(type);
  list_append(C->wm.store->entries, entry);
}
