#include "scene/hierarchy.h"

#include <cstdint>
#include <set>

#include "base/console.h"
#include "base/report.h"
#include "base/trace.h"
#include "host/context.h"
#include "host/current.h"
#include "host/list_iter.h"
#include "scene/change_detect.h"

namespace lumo {

namespace {

// An object the tables may hold as a child: valid, with a valid parent.
bool linkable_child(const Object* object) {
  return object && object->parent && !object_is_invalid(object) && !object_is_invalid(object->parent);
}

Main* current_main(bContext* C) {
  if (!host::current.main) take_main(host::CTX_data_main(C));
  return host::current.main;
}

template <class Visit>
void for_each_base(const ViewLayer* layer, Visit&& visit) {
  if (!layer) return;
  for (auto* base : host::list_items<Base>(layer->object_bases))
    if (base->object) visit(base);
}

pare* entry_of_child(Lpare& list, const Object* child, const Object* parent) {
  for (pare& entry : list)
    if (entry.oSelf == child && entry.oP == parent) return &entry;
  return nullptr;
}

bool register_children(Object* object, Scene* scene, std::set<const Object*>& on_path) {
  std::vector<Object*> children = Qo父罒子(object, scene);
  if (children.empty()) return false;
  Ms名oG[table_name_of(object)] = object;
  Lpare& list = Mo父LpareG[object];  // node-based: stays put while children register
  list.assign(children.size(), pare{});
  on_path.insert(object);
  for (size_t i = 0; i < children.size(); ++i) {
    Object* child = children[i];
    list[i] = {child, child->parent, table_base_of(child, scene), nullptr};
    if (!on_path.count(child)) register_children(child, scene, on_path);
    list[i].ψLpare = child_list_of(child);
  }
  on_path.erase(object);
  return true;
}

}  // namespace

int 凷Base(bContext* C, bool rebuild) {
  if (rebuild) {
    Mo物baceG.clear();
    Ms名oG.clear();
  }
  iDiffScene(C);
  Main* main = current_main(C);
  if (main) {
    for (auto* scene : host::list_items<Scene>(main->scenes)) {
      const ViewLayer* layer = scene == host::current.scene && host::current.view_layer
                                   ? host::current.view_layer
                                   : host::BKE_view_layer_default_view(scene);
      BaseMap& bases = Mo物baceG[scene];
      for_each_base(layer, [&](Base* base) {
        if (rebuild) {
          bases[base->object] = base;
          Ms名oG[table_name_of(base->object)] = base->object;
        } else {
          bases.emplace(base->object, base);
          Ms名oG.emplace(table_name_of(base->object), base->object);
        }
      });
    }
  }
  SetMain(C);
  return main ? 1 : 0;
}

int Δ检查重填Mo物baceG(Object* object, bContext* C) {
  Scene* scene = host::CTX_data_scene(C);
  if (!object || !scene) return 0;
  auto holds = [&] {
    auto found = Mo物baceG.find(scene);
    return found != Mo物baceG.end() && found->second.count(object) != 0;
  };
  if (holds()) return 1;
  凷Base(C, true);
  return holds() ? 1 : 0;
}

std::vector<Object*> Qo父罒子(Object* object, Scene* scene) {
  std::vector<Object*> children;
  if (!scene) {
    LUMO_REPORT("__", "scene 二二 ψ0", "Qo父罒子");
    return children;
  }
  if (!object) return children;
  for_each_base(host::BKE_view_layer_default_view(scene), [&](Base* base) {
    if (base->object->parent == object && !object_is_invalid(base->object)) children.push_back(base->object);
  });
  return children;
}

bool b十1子α(Object* object, Scene* scene) {
  std::set<const Object*> on_path;
  return register_children(object, scene, on_path);
}

void Δ向上链接1层(Object* object, Scene* scene, Lpare* list) {
  if (!linkable_child(object)) return;
  Object* parent = object->parent;
  const bool created = !Mo父LpareG.count(parent);
  Lpare& parent_list = Mo父LpareG[parent];
  if (pare* entry = entry_of_child(parent_list, object, parent)) {
    entry->ψLpare = list;
  } else {
    parent_list.push_back({object, parent, table_base_of(object, scene), list});
  }
  if (created) Ms名oG[table_name_of(object)] = object;
}

bool bΔ向下上层追加链接(Object* object, Scene* scene) {
  if (!scene) {
    LUMO_REPORT("__", "scene 二二 ψ0", "bΔ向下上层追加链接");
    return false;
  }
  if (!linkable_child(object)) return false;
  auto scene_tables = Mo物baceG.find(scene);
  Base* base = nullptr;
  if (scene_tables != Mo物baceG.end())
    if (auto found = scene_tables->second.find(object); found != scene_tables->second.end()) base = found->second;
  if (!base) {
    // Not in this scene's table yet: look it up; an object with a base is then
    // added on its own (an object without base in any scene is not linked).
    if (scene_tables == Mo物baceG.end() || table_base_of(object, scene)) add_object_to_scene(object, scene);
    return false;
  }
  Object* parent = object->parent;
  Lpare& parent_list = Mo父LpareG[parent];
  Lpare* own = child_list_of(object);
  if (pare* entry = entry_of_child(parent_list, object, parent))
    entry->ψLpare = own;
  else
    parent_list.push_back({object, parent, base, own});
  Δ向上链接1层(parent, scene, &parent_list);
  return true;
}

void fill_scene_tables(Scene* scene) {
  if (!scene) return;
  BaseMap& bases = Mo物baceG[scene];
  const ViewLayer* layer = host::BKE_view_layer_default_view(scene);
  for_each_base(layer, [&](Base* base) { bases.emplace(base->object, base); });
  for_each_base(layer, [&](Base* base) {
    if (base->object->parent) bΔ向下上层追加链接(base->object, scene);
  });
}

void add_object_to_scene(Object* object, Scene* scene) {
  if (!object || !scene) return;
  if (!Mo物baceG.count(scene)) fill_scene_tables(scene);
  if (child_list_of(object)) {
    bΔ向下上层追加链接(object, scene);
  } else {
    b十1子α(object, scene);
    Δ向上链接1层(object, scene, child_list_of(object));
  }
}

int 凷o(bContext* C) {
  if (!C) return 0;
  if (iDiffMain(C)) Mo父LpareG.clear();
  if (Mo父LpareG.empty()) 凷Base(C, true);
  take_scene_window_layer(C);
  Main* main = current_main(C);
  if (!main) return 0;
  for (auto* scene : host::list_items<Scene>(main->scenes)) {
    for_each_base(host::BKE_view_layer_default_view(scene), [&](Base* base) {
      Object* object = base->object;
      if (!linkable_child(object) || Mo父LpareG.count(object->parent)) return;
      Mo父LpareG[object->parent].push_back({object, object->parent, base, child_list_of(object)});
    });
  }
  // Every object is linked, also after one that had to be added on its own.
  for (auto* scene : host::list_items<Scene>(main->scenes))
    for_each_base(host::BKE_view_layer_default_view(scene), [&](Base* base) {
      if (base->object->parent) bΔ向下上层追加链接(base->object, scene);
    });
  return 0;
}

int 重凷o(bContext* C) {
  Mo父LpareG.clear();
  凷Base(C, true);
  凷o(C);
  return 0;
}

void 十1o(Object* object, bContext* C) {
  if (!object) return;
  if (Mo父LpareG.empty()) {
    凷o(C);
    return;
  }
  Scene* scene = host::CTX_data_scene(C);
  b十1子α(object, scene);
  Δ向上链接1层(object, scene, child_list_of(object));
}

int 一1o(Object* object, Scene* scene) {
  if (!object || !object->parent || Mo父LpareG.empty()) return 0;
  if (Lpare* parent_list = child_list_of(object->parent)) {
    for (auto it = parent_list->begin(); it != parent_list->end(); ++it)
      if (it->oSelf == object && it->oP == object->parent) {
        parent_list->erase(it);
        break;
      }
  }
  return erase_child_list(object) ? 1 : 0;
}

void 链1o(Object* object, bContext* C) {
  if (!object || !object->parent) return;
  if (Mo父LpareG.empty()) 凷o(C);
  bΔ向下上层追加链接(object, host::CTX_data_scene(C));
}

bool has_stale_entry(const Lpare& list) {
  bool stale = false;
  walk_descendants(list, [&](const pare& entry) {
    stale = object_is_invalid(entry.oSelf);
    return !stale;
  });
  return stale;
}

int iΔ有无效物pare(Object* object) {
  if (Mo父LpareG.empty()) return 0;
  const Lpare* list = child_list_of(object);
  return list && has_stale_entry(*list) ? 1 : 0;
}

namespace {
void trace_refill(bool stale) {
  LUMO_TRACE("要RefillChild·◆", "b有无效物", static_cast<std::uint8_t>(stale));
}

// The check shared by i凷空o and i凷空1场o: whether the object's subtree holds
// a stale entry; an object without a child list is added instead.
template <class Add>
bool stale_or_added(Object* object, Add&& add) {
  if (const Lpare* list = child_list_of(object)) return has_stale_entry(*list);
  add();
  return false;
}
}  // namespace

int i凷空o(bContext* C, Object* object) {
  if (!C) return 0;
  if (Mo父LpareG.empty()) {
    凷o(C);
    return 0;
  }
  const bool stale = object && stale_or_added(object, [&] { 十1o(object, C); });
  if (object && !stale) return 2;
  trace_refill(stale);
  重凷o(C);
  return -1;
}

void drop_invalid_entries() {
  std::vector<Object*> dead_parents;
  for (auto& [parent, list] : Mo父LpareG) {
    std::erase_if(list, [](const pare& entry) { return object_is_invalid(entry.oSelf); });
    if (object_is_invalid(parent)) dead_parents.push_back(parent);
  }
  for (Object* parent : dead_parents) erase_child_list(parent);
}

int i凷空1场o(Scene* scene, Object* object) {
  if (!scene) return 0;
  if (!Mo物baceG.count(scene)) {
    fill_scene_tables(scene);
    return 0;
  }
  const bool stale = object && stale_or_added(object, [&] { add_object_to_scene(object, scene); });
  if (object && !stale) return 2;
  trace_refill(stale);
  // Stale entries go first, so the re-added ones are the only pointers left.
  drop_invalid_entries();
  for_each_base(host::BKE_view_layer_default_view(scene), [&](Base* base) {
    Object* child = base->object;
    if (linkable_child(child) && !Mo父LpareG.count(child->parent)) bΔ向下上层追加链接(child, scene);
  });
  return -1;
}

void ΔΔ灬父子层级SLIB() {
  con_printf("ΔΔ灬父子层级SLIB  size=%zd  \n", Mo父LpareG.size());
  Mo父LpareG.clear();
  Mo物baceG.clear();
  Ms名oG.clear();
}

std::vector<Object*> LoPushChild(Object* parent, bool recursive) {
  std::vector<Object*> children;
  const Lpare* list = parent ? child_list_of(parent) : nullptr;
  if (!list) return children;
  if (recursive) {
    walk_descendants(*list, [&](const pare& entry) {
      children.push_back(entry.oSelf);
      return true;
    });
  } else {
    for (const pare& entry : *list) children.push_back(entry.oSelf);
  }
  return children;
}

}  // namespace lumo
