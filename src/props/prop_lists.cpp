// LLProp and LProp: lists stored in property arrays and arrays.
#include "props/prop_lists.h"

#include <algorithm>
#include <type_traits>

#include "base/console.h"
#include "containers/list_size.h"

namespace lumo {
namespace {

// Element buffer of an array property whose elements are at least 4 bytes
// wide (int, float or double), so reading or writing len 4-byte elements stays
// inside it.
void* element_buffer(const IDProperty* array) {
  if (!array || array->type != IDP_ARRAY || !array->data.pointer || array->len < 1) return nullptr;
  const char subtype = array->subtype;
  if (subtype != IDP_INT && subtype != IDP_FLOAT && subtype != IDP_DOUBLE) return nullptr;
  return array->data.pointer;
}

IDProperty* property_array_items(const IDProperty* property) {
  if (!property || property->type != IDP_IDPARRAY || !property->data.pointer) return nullptr;
  return static_cast<IDProperty*>(property->data.pointer);
}

// The stored kind follows the list's element type: ints as ints, texts as
// bytes, everything else as 32-bit floats.
template <class T>
using Stored = std::conditional_t<std::is_same_v<T, int>, std::int32_t,
                                  std::conditional_t<std::is_same_v<T, char>, char, float>>;

template <class T>
int write_elements(const std::vector<T>& list, IDProperty* array) {
  void* buffer = element_buffer(array);
  if (!buffer) return 0;
  // len stores of at most 4 bytes fit in a buffer of len elements of 4 or 8.
  const int count = std::min(static_cast<int>(list.size()), array->len);
  auto* elements = static_cast<Stored<T>*>(buffer);
  for (int i = 0; i < count; ++i) elements[i] = static_cast<Stored<T>>(list[i]);
  return count;
}

IDProperty* target_of(const char* name, IDProperty* property) {
  return name ? prop_group(name, &property) : property;
}

}  // namespace

bool 读LLProp(const char* name, PropHolder holder, std::vector<std::vector<int>>& out) {
  if (!holder || !*holder) {
    con_printf("★!!!! idp 二二 ψ0  %d\n", __LINE__);
    return false;
  }
  IDProperty* target = name ? prop_group(name, holder) : *holder;
  if (!target || target->type != IDP_IDPARRAY) return false;
  IDProperty* items = property_array_items(target);
  const int count = items ? target->len : 0;
  out.clear();
  ResizeLL(count, out);
  for (int i = 0; i < static_cast<int>(out.size()); ++i) {
    const auto* elements = static_cast<const std::int32_t*>(element_buffer(&items[i]));
    if (!elements) continue;
    out[i].assign(elements, elements + items[i].len);
  }
  return true;
}

int 写LLProp(const char* name, const std::vector<std::vector<int>>& lists, IDProperty* property) {
  if (!property) {
    con_printf("★!!!! idp__ 二二 ψ0  %d\n", __LINE__);
    return 0;
  }
  IDProperty* target = target_of(name, property);
  IDProperty* items = property_array_items(target);
  if (!items) return 0;
  const int count = std::min(static_cast<int>(lists.size()), target->len);
  for (int i = 0; i < count; ++i) write_elements(lists[i], &items[i]);
  return count;
}

int 写LProp(const char* name, const std::vector<float>& list, IDProperty* property) {
  if (!property) {
    con_printf("★!!!! idp__ 二二 ψ0  %d\n", __LINE__);
    return 0;
  }
  return write_elements(list, target_of(name, property));
}

}  // namespace lumo
