/* Property store exports. */
#ifndef LUMO_IK64_PROPERTIES_H
#define LUMO_IK64_PROPERTIES_H

#include "lumo_ik64/export.h"

/* 卩属性 — whether a custom-property group has a child of a given name.
 *
 * name:   the child's name, UTF-8, compared byte for byte (case matters).
 * holder: the ADDRESS of the place holding the group's address: of a pose
 *         channel's `prop` field or of a data block's `properties` field (not
 *         the group itself).
 *
 * Returns 1 when the group held there has a child of that name, else 0.  A
 * holder holding no group, or a null name, gives 0.  A null holder prints
 * "★★★ 卩属性  idp 二二 ψ0 …" and gives 0.  Nothing is created or changed; any
 * time after the scripts created the properties. */
LUMO_EXPORT int32_t 卩属性(const char* name, IDProperty* const* holder);

#endif
