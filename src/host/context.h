// Context queries: the host's member lookup and the queries built on it.
#pragma once

#include "host/host_types.h"

namespace lumo::host {

// The host's member lookup in its own priority order: the context store, the
// region's, the area's and the screen's context callbacks.  Returns 1 when the
// member was found (result filled), otherwise the combined callback answer
// (-1 known but empty, 0 unknown).  Traces its entry and exit.
int ctx_data_get(bContext* C, const char* member, bContextDataResult* result);

// The pointer of a member, or nullptr when ctx_data_get does not find it.  A
// member that is not a pointer writes the standard-error assertion line and
// still yields its pointer.
void* CTX_data_pointer_get(bContext* C, const char* member);

EditBone* CTX_data_active_bone(bContext* C);           // member "active_bone"
bPoseChannel* CTX_data_active_pose_bone(bContext* C);  // member "active_pose_bone"

Main* CTX_data_main(const bContext* C);
Scene* CTX_data_scene(const bContext* C);
wmWindow* CTX_wm_window(const bContext* C);
bScreen* CTX_wm_screen(const bContext* C);
ScrArea* CTX_wm_area(const bContext* C);
ARegion* CTX_wm_region(const bContext* C);

// The scene's view layer named by the window, else the scene's default one.
ViewLayer* CTX_data_view_layer(const bContext* C);
ViewLayer* BKE_view_layer_find(const Scene* scene, const char* name);
// First view layer without the render flag; the first of all when every layer
// carries it; nullptr (with the standard-error assertion) when there is none.
ViewLayer* BKE_view_layer_default_view(const Scene* scene);

// The object of the view layer's active base.  Without a layer the current
// view layer is used, filled from the context once when still null.
Object* active_object(bContext* C, ViewLayer* view_layer = nullptr);

}  // namespace lumo::host
