// A model-host scene in a few lines: main, scene, one view layer, a window
// with a screen, and a context on them.  Everything is freed with the fixture.
#pragma once

#include <initializer_list>

#include "hostmodel.h"

namespace lumo::testing {

struct BoneSpec {
  const char* name;
  float head[3];
  float tail[3];
  float roll;
  const char* parent;
  bool connected;
};

class ModelScene {
 public:
  explicit ModelScene(const char* scene_name = "Scene", const char* file_path = "untitled.blend");
  ~ModelScene();
  ModelScene(const ModelScene&) = delete;
  ModelScene& operator=(const ModelScene&) = delete;

  // An object linked into the view layer; optionally made the active one.
  Object* add_object(const char* name, int type, bool make_active = false);
  Object* add_armature(const char* name, std::initializer_list<BoneSpec> bones, bool make_active = false);
  Base* base_of(Object* object) const;

  Main* main = nullptr;
  Scene* scene = nullptr;
  ViewLayer* layer = nullptr;
  wmWindow* window = nullptr;
  bContext* context = nullptr;
};

}  // namespace lumo::testing
