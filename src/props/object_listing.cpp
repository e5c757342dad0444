#include "props/object_listing.h"

#include "base/console.h"
#include "host/context.h"
#include "host/current.h"
#include "host/list_iter.h"
#include "props/prop_store.h"

namespace lumo {
namespace {
std::vector<Object*> g_objects;

void collect(int type, const Scene* scene, const char* property_name) {
  const ViewLayer* layer = host::BKE_view_layer_default_view(scene);
  if (!layer) return;
  for (auto* base : host::list_items<Base>(layer->object_bases)) {
    Object* object = base->object;
    if (!object || object->type != type) continue;
    if (property_name && !卩属性(property_name, &object->id.properties)) continue;
    g_objects.push_back(object);
  }
}
}  // namespace

std::vector<Object*>& Lo巜type(int type, bContext* C, const char* property_name, bool current_scene_only) {
  g_objects.clear();
  if (type == -1) con_printf("i类型 o=  %d!!\n", type);
  if (!C) return g_objects;
  if (Scene* scene = host::CTX_data_scene(C)) host::current.scene = scene;
  if (Main* main = host::CTX_data_main(C)) host::current.main = main;
  if (current_scene_only) {
    collect(type, host::current.scene, property_name);
  } else if (host::current.main) {
    for (auto* scene : host::list_items<Scene>(host::current.main->scenes)) collect(type, scene, property_name);
  }
  return g_objects;
}

}  // namespace lumo
