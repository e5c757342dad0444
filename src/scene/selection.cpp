#include "scene/selection.h"

#include "base/console.h"
#include "base/report.h"
#include "host/context.h"
#include "host/current.h"
#include "host/list_iter.h"
#include "host/objects.h"
#include "props/property_names.h"
#include "props/prop_store.h"
#include "scene/change_detect.h"
#include "scene/hierarchy.h"

namespace lumo {

std::uint8_t last_selected = 0;

namespace {

constexpr char kHiddenViewportAndSelect = OB_RESTRICT_VIEWPORT | OB_RESTRICT_SELECT;

Main* current_main(bContext* C) {
  take_main(host::CTX_data_main(C));
  return host::current.main;
}

}  // namespace

bool 卩ΘS(Object* object, bContext* C) {
  Scene* scene = host::CTX_data_scene(C);
  ViewLayer* layer = host::CTX_data_view_layer(C);
  Base* base = nullptr;
  if (object && scene) {
    if (scene == host::current.scene && layer == host::current.view_layer) {
      if (!Mo物baceG.count(scene)) 凷Base(C, false);
      const BaseMap& bases = Mo物baceG[scene];
      if (auto found = bases.find(object); found != bases.end()) base = found->second;
    } else {
      BaseMap& bases = Mo物baceG[scene];
      bases.clear();
      if (layer)
        for (auto* candidate : host::list_items<Base>(layer->object_bases)) {
          if (!candidate->object) continue;
          bases[candidate->object] = candidate;
          if (candidate->object == object) base = candidate;
        }
      host::current.scene = scene;
      if (layer) host::current.view_layer = layer;
    }
  }
  last_selected = base && (base->flag & BASE_SELECTED) ? 1 : 0;
  return last_selected != 0;
}

std::vector<Object*> selected_objects(bContext* C) {
  std::vector<Object*> selected;
  if (!C) return selected;
  current_main(C);
  iDiffScene(C);
  if (wmWindow* window = host::CTX_wm_window(C)) host::current.window = window;
  ViewLayer* layer = host::CTX_data_view_layer(C);
  if (!layer) return selected;
  host::current.view_layer = layer;
  for (auto* base : host::list_items<Base>(layer->object_bases))
    if (base->object && 卩ΘS(base->object, C)) selected.push_back(base->object);
  return selected;
}

void 显子数(Object* parent, bContext* C, std::int32_t out[2]) {
  if (!parent) {
    LUMO_REPORT("__", "o父 二二 ψ0", "显子数");
    return;
  }
  if (!C) {
    LUMO_REPORT("__", "C 二二 ψ0", "显子数");
    return;
  }
  if (!out) {
    LUMO_REPORT("__", "out 二二 ψ0", "显子数");
    return;
  }
  iDiffScene(C);
  if (ViewLayer* layer = host::CTX_data_view_layer(C)) host::current.view_layer = layer;
  out[0] = out[1] = 0;
  Main* main = current_main(C);
  if (!main) return;
  for (auto* scene : host::list_items<Scene>(main->scenes)) {
    const ViewLayer* layer = scene == host::current.scene && host::current.view_layer
                                 ? host::current.view_layer
                                 : host::BKE_view_layer_default_view(scene);
    if (!layer) continue;
    for (auto* base : host::list_items<Base>(layer->object_bases)) {
      const Object* child = base->object;
      if (!child || child->parent != parent) continue;
      ++out[0];
      if (!(child->restrictflag & OB_RESTRICT_VIEWPORT)) ++out[1];
    }
  }
}

namespace {

// 显1o属性
void show_by_property(Object* object) {
  IDProperty* const* holder = &object->id.properties;
  std::int32_t* hidden = prop_int(prop_name::ip隐显o, holder);
  if (*hidden == 0) return;
  *hidden = 0;
  if (卩属性(prop_name::ip仌, holder)) *prop_int(prop_name::ip仌, holder) = 1;
}

// 隐1o属性: a missing "ip仌" is not created; that write lands in the shared
// fallback cell.
void hide_by_property(Object* object) {
  IDProperty* const* holder = &object->id.properties;
  std::int32_t* hidden = prop_int(prop_name::ip隐显o, holder);
  if (*hidden == 1) return;
  *hidden = 1;
  *prop_int(prop_name::ip仌, holder) = 1;
}

}  // namespace

void 隐显o属性(Object* object, bContext* C, int mode, bool apply_self, bool recursive) {
  if (!object) {
    LUMO_REPORT("__", "o 二二 ψ0", "隐显o属性");
    return;
  }
  auto apply = [mode](Object* target) {
    if (object_is_invalid(target)) return;
    if (mode == 1)
      show_by_property(target);
    else
      hide_by_property(target);
  };
  if (apply_self) apply(object);
  if (!recursive) return;
  i凷空o(C, object);
  const Lpare* list = child_list_of(object);
  if (!list || list->empty() || list->front().oP != object) return;
  walk_descendants(*list, [&](const pare& entry) {
    apply(entry.oSelf);
    return true;
  });
}

namespace {

enum class ThetaAction { unhide, select, unhide_render_hidden };

// One object's part of Θ.  The clearing actions OR the base's flags into the
// object's second flag word.
void theta_on(Object* object, Scene* scene, ThetaAction action) {
  if (object_is_invalid(object)) return;
  Base* base = table_base_of(object, scene);
  if (!base) return;
  switch (action) {
    case ThetaAction::select:
      if (!(object->restrictflag & OB_RESTRICT_SELECT)) base->flag |= BASE_SELECTED;
      object->base_flag = base->flag;
      return;
    case ThetaAction::unhide_render_hidden:
      if (!(object->restrictflag & OB_RESTRICT_RENDER)) return;
      [[fallthrough]];
    case ThetaAction::unhide:
      object->restrictflag &= ~kHiddenViewportAndSelect;
      object->flag |= base->flag;
      return;
  }
}

}  // namespace

int Θ(Object* object, bContext* C, int recursive, int self, bool unhide, bool render_hidden_only, bool redraw) {
  if (!object) {
    LUMO_REPORT("__", "o 二二 ψ0", "Θ");
    return 0;
  }
  if (!C) {
    LUMO_REPORT("__", "C 二二 ψ0", "Θ");
    return 0;
  }
  if (render_hidden_only) unhide = false;
  const ThetaAction action = unhide ? ThetaAction::unhide
                             : render_hidden_only ? ThetaAction::unhide_render_hidden
                                                  : ThetaAction::select;
  // Direct children without recursion get unhide or select only.
  const ThetaAction child_action = unhide ? ThetaAction::unhide : ThetaAction::select;
  Scene* scene = host::CTX_data_scene(C);
  if (self) theta_on(object, scene, action);
  if (recursive || self) {
    i凷空o(C, object);
    if (const Lpare* list = child_list_of(object)) {
      con_printf("Lpare父第一层旧_.size()= %zd\n", list->size());
      if (recursive) {
        walk_descendants(*list, [&](const pare& entry) {
          theta_on(entry.oSelf, scene, action);
          return true;
        });
      } else {
        for (const pare& entry : *list) theta_on(entry.oSelf, scene, child_action);
      }
    }
  }
  return redraw ? host::request_view3d_redraw(C) : 0;
}

void LinkO(bContext* C, Object* object, Base*) {
  if (!object) {
    LUMO_REPORT("__", "o 二二 ψ0", "LinkO");
    return;
  }
  host::request_view3d_redraw(C);
}

void UnlinkO(bContext* C, Object*) {
  if (Scene* scene = host::CTX_data_scene(C)) {
    if (auto* first = static_cast<Base*>(scene->base.first)) {
      scene->base.first = first->next;
      if (first->next)
        first->next->prev = nullptr;
      else
        scene->base.last = nullptr;
      first->next = first->prev = nullptr;
    }
  }
  host::request_view3d_redraw(C);
}

}  // namespace lumo
