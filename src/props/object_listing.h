// Listing the objects of a type, optionally only those carrying a property.
#pragma once

#include <vector>

#include "host/host_types.h"

namespace lumo {

// Clears and refills the process-wide object list with every object of
// `type` among the bases of the default view layer of the current scene
// (current_scene_only) or of every scene of the current main, in base order.
// With a property name, only objects whose custom-property root has a child of
// that name.  Sets the current scene and main from the context first.  A type
// of -1 prints "i类型 o=  %d!!\n".  The list is shared by every caller.
std::vector<Object*>& Lo巜type(int type, bContext* C, const char* property_name, bool current_scene_only);

}  // namespace lumo
