// Empties the scene module's process-wide tables, caches and the current host
// pointers, so that scene tests start from the state of a freshly loaded library.
#pragma once

#include "host/current.h"
#include "scene/hierarchy_tables.h"
#include "scene/view_cache.h"

namespace lumo::testing {

inline void reset_scene_state() {
  Mo父LpareG.clear();
  Mo物baceG.clear();
  Ms名oG.clear();
  host::current = {};
  view3d_cache = {};
}

}  // namespace lumo::testing
