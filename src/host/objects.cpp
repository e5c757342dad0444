#include "host/objects.h"

#include <cstring>

#include "base/console.h"
#include "base/report.h"
#include "base/text_convert.h"
#include "base/text_util.h"
#include "host/context.h"
#include "host/current.h"
#include "host/list_iter.h"

namespace lumo::host {

Object* object_by_name(const char* name, const Scene* scene) {
  if (!name) return nullptr;
  const ViewLayer* layer = BKE_view_layer_default_view(scene);
  if (!layer) return nullptr;
  for (auto* base : list_items<Base>(layer->object_bases)) {
    const Object* object = base->object;
    if (object && object->id.name[0] == 'O' && object->id.name[1] == 'B' &&
        std::strncmp(object->id.name + 2, name, kIdNameBytes - 2) == 0)
      return base->object;
  }
  return nullptr;
}

Base* base_in_view_layer(const Object* object, const ViewLayer* layer) {
  if (!object || !layer) return nullptr;
  for (auto* base : list_items<Base>(layer->object_bases))
    if (base->object == object) return base;
  return nullptr;
}

Base* base_of_object(const Object* object, const Scene* scene) {
  if (!object) return nullptr;
  if (Base* base = base_in_view_layer(object, BKE_view_layer_default_view(scene))) return base;
  if (!current.context) return nullptr;
  current.main = CTX_data_main(current.context);
  if (!current.main) return nullptr;
  for (auto* other : list_items<Scene>(current.main->scenes)) {
    if (other == scene) continue;
    if (Base* base = base_in_view_layer(object, BKE_view_layer_default_view(other))) return base;
  }
  return nullptr;
}

const char* object_message_name(const Object* object) {
  if (!object) {
    con_printf("★★o=ψ0\n");
    return nullptr;
  }
  char name[kIdNameBytes + 1];
  std::memcpy(name, object->id.name, kIdNameBytes);
  name[kIdNameBytes] = '\0';  // a host name always ends within its field; guard it anyway
  return s巜sU(s卝(2, name, true));
}

bool require_armature(const Object* object, const char* condition, const char* function) {
  if (object && object->type == OB_ARMATURE) return true;
  const char* name = object_message_name(object);
  LUMO_REPORT(name ? name : "__", condition, function);
  return false;
}

int i骨数(const Object* object) {
  if (!require_armature(object, "o->type!=OB_ARMATURE", "i骨数")) return 0;
  int count = 0;
  if (ListBase* channels = pose_channel_list(object))
    for ([[maybe_unused]] auto* channel : list_items<bPoseChannel>(*channels)) ++count;
  return count;
}

ListBase* pose_channel_list(const Object* object) {
  if (!object || object->type != OB_ARMATURE || !object->pose) return nullptr;
  return &object->pose->chanbase;
}

bool bone_is_selected(const Bone* bone) { return bone && (bone->flag & BONE_SELECTED); }
bool bone_is_connected(const Bone* bone) { return bone && (bone->flag & BONE_CONNECTED); }

int request_view3d_redraw(const bContext* C) {
  const bScreen* screen = CTX_wm_screen(C);
  if (!screen) return 0;
  int tagged = 0;
  for (auto* area : list_items<ScrArea>(screen->areabase)) {
    if (area->spacetype != SPACE_VIEW3D) continue;
    for (auto* region : list_items<ARegion>(area->regionbase)) {
      if (region->regiontype != RGN_TYPE_WINDOW) continue;
      region->do_draw |= RGN_DRAW;
      ++tagged;
    }
  }
  return tagged;
}

}  // namespace lumo::host
