// Keeping the current host pointers (host/current.h) in step with the file and
// scene the user works in.
//
// Each records the context it is given.  A main database replacing another one
// empties the hierarchy tables and the view caches (take_main).  A null context
// changes nothing and gives 0; a context without a main database never replaces
// the current one.
#pragma once

#include "host/host_types.h"

namespace lumo {

// Sets main, scene, window and view layer from the context (each only when
// non-null); returns b凷rv3d(C, true).
bool SetMain(bContext* C);

// 1 when the context's main database differs from the current one: the
// current-group variables are cleared, main, scene, window and view layer are
// taken from the context and the 3D-view cache is refreshed.  Else 0.
int iDiffMain(bContext* C);

// With a current scene: 0 when the context has no scene or the same one; else
// as iDiffMain for a new scene and 1.  Without a current scene: takes the
// scene, refreshes the 3D-view cache, takes main and window; 0 without a
// window, else takes the view layer and gives −1.
int iDiffScene(bContext* C);

// Sets the current scene, window and view layer from the context (each when
// non-null).
void take_scene_window_layer(bContext* C);

// Makes `main` the current main database (null changes nothing).  When the
// tables and view caches were filled from another main, everything read from
// it is forgotten, since its data may be freed: the hierarchy tables are
// emptied and the view caches cleared.  This holds even when the current main
// was already switched by a lookup that does not know the tables.
void take_main(Main* main);

}  // namespace lumo
