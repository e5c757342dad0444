#include "scene/change_detect.h"

#include "host/context.h"
#include "host/current.h"
#include "props/prop_store.h"
#include "scene/hierarchy_tables.h"
#include "scene/view_cache.h"

namespace lumo {

namespace {

template <class T>
void take(T*& current, T* value) {
  if (value) current = value;
}

}  // namespace

namespace {
// The main database the tables and view caches were filled from.  Kept apart
// from the current main because other lookups (the object listing, the base
// search) may switch the current main on their own.
Main* g_tables_main = nullptr;
}  // namespace

void take_main(Main* main) {
  if (!main) return;
  if (main != g_tables_main) {
    Mo父LpareG.clear();
    Mo物baceG.clear();
    Ms名oG.clear();
    view3d_cache = {};
    editor_cache = {};
    g_tables_main = main;
  }
  host::current.main = main;
}

void take_scene_window_layer(bContext* C) {
  take(host::current.scene, host::CTX_data_scene(C));
  take(host::current.window, host::CTX_wm_window(C));
  take(host::current.view_layer, host::CTX_data_view_layer(C));
}

bool SetMain(bContext* C) {
  if (!C) return false;
  host::current.context = C;
  take_main(host::CTX_data_main(C));
  take_scene_window_layer(C);
  return b凷rv3d(C, true);
}

int iDiffMain(bContext* C) {
  if (!C) return 0;
  host::current.context = C;
  Main* main = host::CTX_data_main(C);
  if (!main) return 0;
  if (main == host::current.main) {
    take_main(main);  // the current main may have been switched without the tables
    return 0;
  }
  clear_current_groups();
  take_main(main);
  take_scene_window_layer(C);
  b凷rv3d(C, true);
  return 1;
}

int iDiffScene(bContext* C) {
  if (!C) return 0;
  host::current.context = C;
  Scene* scene = host::CTX_data_scene(C);
  if (host::current.scene) {
    if (!scene || scene == host::current.scene) return 0;
    clear_current_groups();
    host::current.scene = scene;
    take_main(host::CTX_data_main(C));
    take(host::current.window, host::CTX_wm_window(C));
    take(host::current.view_layer, host::CTX_data_view_layer(C));
    b凷rv3d(C, true);
    return 1;
  }
  clear_current_groups();
  take(host::current.scene, scene);
  b凷rv3d(C, true);
  take_main(host::CTX_data_main(C));
  wmWindow* window = host::CTX_wm_window(C);
  if (!window) return 0;
  host::current.window = window;
  take(host::current.view_layer, host::CTX_data_view_layer(C));
  return -1;
}

}  // namespace lumo
