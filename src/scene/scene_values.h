// Small reads and writes of scene and object values for the scripts: the
// scene's check flag "ip属性检测s", an object's world matrix, and the object
// number an ID carries in "oA".
#pragma once

#include <cstdint>

#include "host/host_types.h"

namespace lumo {

// The check flag of the context's scene (made current first).  i1属性 / i〇属性
// set it to 1 / 0 when it exists and is not negative and give 1; i属性检测
// gives its value.  A missing or negative flag gives −1 and nothing is
// created or written; a null context gives −2.
int i1属性(bContext* C);
int i〇属性(bContext* C);
int i属性检测(bContext* C);

// Copies the world matrix of the object held by `holder` (16 floats in host
// order).  Nothing for a null holder, object or out.
void o_f16(Object* const* holder, float out[16]);

// The int value of "oA" in the ID's custom properties; without it prints
// "C__oΔΔ返回物体指针没有idp找\n" and gives 0.
std::int32_t oΔ另1物体指针(ID* id);

}  // namespace lumo
