// The process-wide current host pointers.
//
// Each is null until first set and never cleared; SetMain, iDiffMain and
// iDiffScene replace them when the scripts report a new file or scene, and a
// few lookups refresh main and scene from the context they are given.
#pragma once

#include "host/host_types.h"

namespace lumo::host {

struct CurrentHost {
  bContext* context = nullptr;
  Main* main = nullptr;
  Scene* scene = nullptr;
  wmWindow* window = nullptr;
  ViewLayer* view_layer = nullptr;  // filled once by the active-object query when still null
};

extern CurrentHost current;

}  // namespace lumo::host
