#include "support/model_scene.h"

namespace lumo::testing {

ModelScene::ModelScene(const char* scene_name, const char* file_path) {
  main = hm_main_new(file_path);
  scene = hm_scene_new(main, scene_name);
  layer = hm_view_layer_new(scene, "ViewLayer", 0);
  window = hm_window_new(main, scene, "ViewLayer");
  context = hm_context_new(main, scene, window);
}

ModelScene::~ModelScene() { hm_main_free(main); }

Object* ModelScene::add_object(const char* name, int type, bool make_active) {
  Object* object = hm_object_new(main, name, type);
  Base* base = hm_view_layer_link(layer, object);
  if (make_active) hm_view_layer_set_active(layer, base);
  return object;
}

Object* ModelScene::add_armature(const char* name, std::initializer_list<BoneSpec> bones, bool make_active) {
  Object* armature = add_object(name, OB_ARMATURE, make_active);
  for (const BoneSpec& bone : bones)
    hm_armature_add_bone(armature, bone.name, bone.head, bone.tail, bone.roll, bone.parent, bone.connected ? 1 : 0);
  return armature;
}

Base* ModelScene::base_of(Object* object) const {
  for (auto* base = static_cast<Base*>(layer->object_bases.first); base; base = base->next)
    if (base->object == object) return base;
  return nullptr;
}

}  // namespace lumo::testing
