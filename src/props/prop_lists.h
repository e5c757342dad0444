// The list formats stored in custom properties.
//
//  * LLProp: a property array whose items are int arrays, read into and written
//    from a list of int lists ("RELATED" of a collider).
//  * LProp: one float array written from a float list (a baked frame).
//
// The target is the child named `name` of the group held by the holder (or of
// the group `property`), or, with no name, the held / given property itself.
// Writers never resize the host's arrays: the scripts create every item with
// its final length first, and only as many lists and elements as the host
// items hold are written.  Targets and items of another kind are skipped, so
// nothing is ever read or written past a host buffer.
#pragma once

#include <vector>

#include "props/prop_store.h"

namespace lumo {

// Fills out from the target property array: one inner list per item, each
// with the item's elements read as ints.  A holder holding nothing prints
// "★!!!! idp 二二 ψ0  %d\n"; a missing target leaves out untouched (false); 0
// items print ResizeLL's "★★Resize  无 LL iSize ＜ 1, iSize=%d" and leave it
// empty.
bool 读LLProp(const char* name, PropHolder holder, std::vector<std::vector<int>>& out);

// Writes list i into item i of the target property array, as ints.  A null
// property prints "★!!!! idp__ 二二 ψ0  %d\n".  Returns the number of items
// written to.
int 写LLProp(const char* name, const std::vector<std::vector<int>>& lists, IDProperty* property);

// Writes the list into the target float array, as 32-bit floats.  Same null
// message.  Returns the number of elements written.
int 写LProp(const char* name, const std::vector<float>& list, IDProperty* property);

}  // namespace lumo
