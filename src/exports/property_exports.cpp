#include "lumo_ik64.h"
#include "props/prop_store.h"

LUMO_EXPORT int32_t 卩属性(const char* name, IDProperty* const* holder) { return lumo::卩属性(name, holder); }
