#include "props/collection_objects.h"

#include "base/trace.h"
#include "host/objects.h"
#include "props/property_names.h"

namespace lumo {

bool 列表_Lo(const char* name, PropHolder holder, const Scene* scene, std::vector<Object*>& out,
            bool& needs_cleanup) {
  const IDProperty* collection = prop_group(name, holder);
  if (!scene || !collection || collection->type != IDP_IDPARRAY || !collection->data.pointer) return false;
  auto* items = static_cast<IDProperty*>(collection->data.pointer);
  for (int i = 0; i < collection->len; ++i) {
    IDProperty* item = &items[i];
    const char* object_name = prop_text(prop_name::name, &item);
    if (Object* object = host::object_by_name(object_name, scene)) {
      out.push_back(object);
      continue;
    }
    *prop_int(prop_name::bp要删除, &item) = 1;
    LUMO_TRACE("\"!!!有待删除物\"◆", prop_name::name, object_name);
    if (卩属性(prop_name::bp有待删除, holder)) {
      *prop_int(prop_name::bp有待删除, holder) = 1;
      needs_cleanup = true;
    }
  }
  return true;
}

}  // namespace lumo
