// Object, base and armature access.
#pragma once

#include "host/host_types.h"

namespace lumo::host {

// The first object among the bases of the scene's default view layer whose ID
// name is "OB" followed by exactly `name`.
Object* object_by_name(const char* name, const Scene* scene);

// The object's base in the scene's default view layer.  When absent and a
// current context exists, the current main is refreshed from it and every
// other scene of the main is searched the same way, in list order.
Base* base_of_object(const Object* object, const Scene* scene);

// The base of the object among one view layer's bases.
Base* base_in_view_layer(const Object* object, const ViewLayer* layer);

// The object's name without its two type characters, in the ANSI code page,
// for messages.  A null object prints "★★o=ψ0\n" and yields nullptr.  The text
// lives in the conversion scratch buffer until the next conversion.
const char* object_message_name(const Object* object);

// True for an armature object.  Otherwise reports the object's name with the
// given condition text ("o->type!=OB_ARMATURE" and its variants) and the
// calling operation's name, and returns false.
bool require_armature(const Object* object, const char* condition, const char* function);

// Number of pose channels of an armature; the type check and 0 otherwise.
int i骨数(const Object* object);

// The armature object's pose channels in list order (empty without a pose).
ListBase* pose_channel_list(const Object* object);

bool bone_is_selected(const Bone* bone);   // bit 0 of the bone flag
bool bone_is_connected(const Bone* bone);  // bit 4 of the bone flag

// Asks the host to redraw the main regions of the 3D views of the context's
// screen.  Returns the number of regions tagged.
int request_view3d_redraw(const bContext* C);

}  // namespace lumo::host
