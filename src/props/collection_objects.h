// Reading a collection of object names (a property array of groups, each with
// a "name" text) into a list of objects.
#pragma once

#include <vector>

#include "props/prop_store.h"

namespace lumo {

// Walks the items of the collection `name` in the group held by holder, in
// order.  An item whose "name" names an object of the scene's default view
// layer appends that object to out.  Any other item gets "bp要删除" := 1 and
// the trace "!!!有待删除物"◆ 〔 name =…〕; then, when the holding group has
// "bp有待删除", that is set to 1 and needs_cleanup is raised.  Returns false,
// touching nothing, when the collection is missing or there is no scene (no
// item can then be judged).
bool 列表_Lo(const char* name, PropHolder holder, const Scene* scene, std::vector<Object*>& out,
            bool& needs_cleanup);

}  // namespace lumo
