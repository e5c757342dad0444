// Scenes, view layers, bases and objects of the model host.
#include "hostmodel.h"
#include "host_math.h"
#include "model.h"

using namespace hostmodel;

HM_API Scene* hm_scene_new(Main* main, const char* name) {
  ModelMain* model = model_of(main);
  if (!model) return nullptr;
  auto* scene = model->make<Scene>();
  set_id_name(scene->id, "SC", name);
  scene->id.us = 1;
  scene->r = {1, 1, 250};
  list_append(main->scenes, scene);
  register_owner(scene, model);
  return scene;
}

HM_API void hm_scene_set_frames(Scene* scene, int start, int end, int current) {
  if (!scene) return;
  scene->r.sfra = start;
  scene->r.efra = end;
  scene->r.cfra = current;
}

HM_API ViewLayer* hm_view_layer_new(Scene* scene, const char* name, int render_flag) {
  ModelMain* model = owner_of(scene);
  if (!model) return nullptr;
  auto* layer = model->make<ViewLayer>();
  copy_name(layer->name, name, kNameBytes);
  layer->flag = render_flag ? VIEW_LAYER_RENDER : 0;
  list_append(scene->view_layers, layer);
  return layer;
}

HM_API Base* hm_view_layer_link(ViewLayer* layer, Object* object) {
  ModelMain* model = owner_of(object);
  if (!layer || !model) return nullptr;
  auto* base = model->make<Base>();
  base->object = object;
  list_append(layer->object_bases, base);
  return base;
}

HM_API void hm_view_layer_set_active(ViewLayer* layer, Base* base) {
  if (layer) layer->basact = base;
}

HM_API void hm_base_set_selected(Base* base, int selected) {
  if (!base) return;
  base->flag = selected ? (base->flag | BASE_SELECTED) : (base->flag & ~BASE_SELECTED);
  if (base->object) base->object->base_flag = base->flag;
}

HM_API Object* hm_object_new(Main* main, const char* name, int type) {
  ModelMain* model = model_of(main);
  if (!model) return nullptr;
  auto* object = model->make<Object>();
  set_id_name(object->id, "OB", name);
  object->id.us = 1;
  object->type = static_cast<short>(type);
  math::identity(object->obmat);
  math::identity(object->parentinv);
  if (type == OB_ARMATURE) {
    auto* armature = model->make<bArmature>();
    set_id_name(armature->id, "AR", name);
    armature->id.us = 1;
    list_append(main->armatures, armature);
    object->data = armature;
    object->pose = model->make<bPose>();
  } else if (type == OB_MESH) {
    auto* mesh = model->make<Mesh>();
    set_id_name(mesh->id, "ME", name);
    mesh->id.us = 1;
    list_append(main->meshes, mesh);
    register_owner(mesh, model);
    object->data = mesh;
  }
  list_append(main->objects, object);
  register_owner(object, model);
  return object;
}

HM_API void hm_object_set_parent(Object* object, Object* parent, int parent_type) {
  if (!object) return;
  object->parent = parent;
  object->partype = static_cast<short>(parent_type);
}

HM_API void hm_object_set_matrix(Object* object, const float matrix[16]) {
  if (!object || !matrix) return;
  for (int i = 0; i < 16; ++i) object->obmat[i / 4][i % 4] = matrix[i];
}

HM_API void hm_object_set_users(Object* object, int users) {
  if (object) object->id.us = users;
}

HM_API void hm_object_set_restrict(Object* object, int restrict_flags) {
  if (object) object->restrictflag = static_cast<char>(restrict_flags);
}
