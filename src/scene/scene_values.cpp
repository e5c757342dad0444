#include "scene/scene_values.h"

#include "base/console.h"
#include "host/context.h"
#include "host/current.h"
#include "props/property_names.h"
#include "props/prop_store.h"

namespace lumo {

namespace {

constexpr int kNullContext = -2;
constexpr int kMissing = -1;

// The check flag's value slot in the context's scene (made current), or null
// when the flag is missing; the fallback cell is never handed on.
std::int32_t* check_flag(bContext* C) {
  Scene* scene = host::CTX_data_scene(C);
  if (!scene) return nullptr;
  host::current.scene = scene;
  std::int32_t* value = prop_int(prop_name::ip属性检测s, &scene->id.properties);
  return is_fallback_cell(value) ? nullptr : value;
}

int set_check_flag(bContext* C, std::int32_t to) {
  if (!C) return kNullContext;
  std::int32_t* value = check_flag(C);
  if (!value || *value < 0) return kMissing;
  *value = to;
  return 1;
}

}  // namespace

int i1属性(bContext* C) { return set_check_flag(C, 1); }
int i〇属性(bContext* C) { return set_check_flag(C, 0); }

int i属性检测(bContext* C) {
  if (!C) return kNullContext;
  const std::int32_t* value = check_flag(C);
  return !value || *value < 0 ? kMissing : *value;
}

void o_f16(Object* const* holder, float out[16]) {
  if (!holder || !*holder || !out) return;
  const Object* object = *holder;
  for (int i = 0; i < 16; ++i) out[i] = object->obmat[i / 4][i % 4];
}

std::int32_t oΔ另1物体指针(ID* id) {
  const std::int32_t* value = id ? prop_int(prop_name::oA, &id->properties) : nullptr;
  if (value && !is_fallback_cell(value)) return *value;
  con_printf("C__oΔΔ返回物体指针没有idp找\n");
  return 0;
}

}  // namespace lumo
