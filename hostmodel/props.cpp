// Custom properties of the model host.
#include <cstring>

#include "hostmodel_props.h"
#include "model.h"

using namespace hostmodel;

namespace {

bool valid_name(const char* name) { return name && std::strlen(name) < static_cast<size_t>(kNameBytes); }

IDProperty* new_group(ModelMain* model, IDProperty* record) {
  record->type = IDP_GROUP;
  register_owner(record, model);
  return record;
}

// A new child of a model-host group, appended last; null when it cannot be.
IDProperty* add_child(IDProperty* parent, const char* name, char type) {
  ModelMain* model = owner_of(parent);
  if (!model || parent->type != IDP_GROUP || !valid_name(name)) return nullptr;
  auto* child = model->make<IDProperty>();
  child->type = type;
  copy_name(child->name, name, kNameBytes);
  list_append(parent->data.group, child);
  register_owner(child, model);
  return child;
}

template <class T>
IDProperty* add_array(IDProperty* parent, const char* name, char subtype, const T* values, int count) {
  if (count < 0) return nullptr;
  IDProperty* array = add_child(parent, name, IDP_ARRAY);
  if (!array) return nullptr;
  T* elements = owner_of(parent)->make_array<T>(static_cast<size_t>(count));
  if (values) std::memcpy(elements, values, sizeof(T) * static_cast<size_t>(count));
  array->subtype = subtype;
  array->data.pointer = elements;
  array->len = array->totallen = count;
  return array;
}

IDProperty* add_items(IDProperty* parent, const char* name, int count) {
  if (count < 0) return nullptr;
  IDProperty* list = add_child(parent, name, IDP_IDPARRAY);
  if (!list) return nullptr;
  list->data.pointer = owner_of(parent)->make_array<IDProperty>(static_cast<size_t>(count));
  list->len = list->totallen = count;
  return list;
}

// A property array of count arrays, item i holding lengths[i] elements taken
// in order from values.
template <class T>
IDProperty* add_lists(IDProperty* parent, const char* name, char subtype, int count, const int* lengths,
                      const T* values) {
  if (count > 0 && !lengths) return nullptr;
  for (int i = 0; i < count; ++i)
    if (lengths[i] < 0) return nullptr;
  IDProperty* list = add_items(parent, name, count);
  if (!list) return nullptr;
  ModelMain* model = owner_of(parent);
  auto* items = static_cast<IDProperty*>(list->data.pointer);
  for (int i = 0; i < count; ++i) {
    T* elements = model->make_array<T>(static_cast<size_t>(lengths[i]));
    if (values) {
      std::memcpy(elements, values, sizeof(T) * static_cast<size_t>(lengths[i]));
      values += lengths[i];
    }
    items[i].type = IDP_ARRAY;
    items[i].subtype = subtype;
    items[i].data.pointer = elements;
    items[i].len = items[i].totallen = lengths[i];
    register_owner(&items[i], model);
  }
  return list;
}

template <class T>
int get_elements(const IDProperty* array, char subtype, T* out, int capacity) {
  if (!array || array->type != IDP_ARRAY || array->subtype != subtype) return -1;
  const auto* elements = static_cast<const T*>(array->data.pointer);
  for (int i = 0; out && elements && i < array->len && i < capacity; ++i) out[i] = elements[i];
  return array->len;
}

}  // namespace

HM_API IDProperty* hm_prop_root_of_channel(Main* main, bPoseChannel* channel) {
  ModelMain* model = model_of(main);
  if (!channel || !model) return nullptr;
  if (!channel->prop) channel->prop = new_group(model, model->make<IDProperty>());
  return channel->prop;
}

HM_API IDProperty* hm_prop_root_of_id(Main* main, ID* id) {
  ModelMain* model = model_of(main);
  if (!id || !model) return nullptr;
  if (!id->properties) id->properties = new_group(model, model->make<IDProperty>());
  return id->properties;
}

HM_API IDProperty** hm_prop_holder_of_channel(bPoseChannel* channel) { return channel ? &channel->prop : nullptr; }

HM_API IDProperty** hm_prop_holder_of_id(ID* id) { return id ? &id->properties : nullptr; }

HM_API IDProperty* hm_prop_add_group(IDProperty* parent, const char* name) {
  return add_child(parent, name, IDP_GROUP);
}

HM_API IDProperty* hm_prop_add_int(IDProperty* parent, const char* name, int value) {
  IDProperty* property = add_child(parent, name, IDP_INT);
  if (property) property->data.val.i = value;
  return property;
}

HM_API IDProperty* hm_prop_add_float(IDProperty* parent, const char* name, float value) {
  IDProperty* property = add_child(parent, name, IDP_FLOAT);
  if (property) property->data.val.f = value;
  return property;
}

HM_API IDProperty* hm_prop_add_double(IDProperty* parent, const char* name, double value) {
  IDProperty* property = add_child(parent, name, IDP_DOUBLE);
  if (property) property->data.val.d = value;
  return property;
}

HM_API IDProperty* hm_prop_add_string(IDProperty* parent, const char* name, const char* text) {
  IDProperty* property = add_child(parent, name, IDP_STRING);
  if (!property) return nullptr;
  const size_t bytes = std::strlen(text ? text : "") + 1;
  char* copy = owner_of(parent)->make_array<char>(bytes);
  std::memcpy(copy, text ? text : "", bytes);
  property->data.pointer = copy;
  property->len = property->totallen = static_cast<int>(bytes);
  return property;
}

HM_API IDProperty* hm_prop_add_int_array(IDProperty* parent, const char* name, const int* values, int count) {
  return add_array(parent, name, IDP_INT, values, count);
}

HM_API IDProperty* hm_prop_add_float_array(IDProperty* parent, const char* name, const float* values, int count) {
  return add_array(parent, name, IDP_FLOAT, values, count);
}

HM_API IDProperty* hm_prop_add_double_array(IDProperty* parent, const char* name, const double* values,
                                            int count) {
  return add_array(parent, name, IDP_DOUBLE, values, count);
}

HM_API IDProperty* hm_prop_add_collection(IDProperty* parent, const char* name, int count) {
  IDProperty* collection = add_items(parent, name, count);
  if (!collection) return nullptr;
  ModelMain* model = owner_of(parent);
  auto* items = static_cast<IDProperty*>(collection->data.pointer);
  for (int i = 0; i < count; ++i) new_group(model, &items[i]);
  return collection;
}

HM_API IDProperty* hm_prop_add_int_lists(IDProperty* parent, const char* name, int count, const int* lengths,
                                         const int* values) {
  return add_lists(parent, name, IDP_INT, count, lengths, values);
}

HM_API IDProperty* hm_prop_add_float_lists(IDProperty* parent, const char* name, int count, const int* lengths,
                                           const float* values) {
  return add_lists(parent, name, IDP_FLOAT, count, lengths, values);
}

HM_API IDProperty* hm_prop_item(IDProperty* property_array, int index) {
  if (!property_array || property_array->type != IDP_IDPARRAY || index < 0 || index >= property_array->len)
    return nullptr;
  return static_cast<IDProperty*>(property_array->data.pointer) + index;
}

HM_API IDProperty* hm_prop_child(IDProperty* group, const char* name) {
  if (!group || group->type != IDP_GROUP || !name) return nullptr;
  for (auto* child = static_cast<IDProperty*>(group->data.group.first); child; child = child->next)
    if (std::strncmp(child->name, name, kNameBytes) == 0 && std::strlen(name) < static_cast<size_t>(kNameBytes))
      return child;
  return nullptr;
}

HM_API int hm_prop_type(const IDProperty* property) { return property ? property->type : -1; }
HM_API int hm_prop_subtype(const IDProperty* property) { return property ? property->subtype : -1; }
HM_API int hm_prop_len(const IDProperty* property) { return property ? property->len : 0; }
HM_API int hm_prop_get_int(const IDProperty* property) { return property ? property->data.val.i : 0; }
HM_API float hm_prop_get_float(const IDProperty* property) { return property ? property->data.val.f : 0.0f; }
HM_API double hm_prop_get_double(const IDProperty* property) { return property ? property->data.val.d : 0.0; }

HM_API const char* hm_prop_get_string(const IDProperty* property) {
  return property && property->type == IDP_STRING ? static_cast<const char*>(property->data.pointer) : nullptr;
}

HM_API int hm_prop_get_ints(const IDProperty* array, int* out, int capacity) {
  return get_elements(array, IDP_INT, out, capacity);
}

HM_API int hm_prop_get_floats(const IDProperty* array, float* out, int capacity) {
  return get_elements(array, IDP_FLOAT, out, capacity);
}

HM_API int hm_prop_get_doubles(const IDProperty* array, double* out, int capacity) {
  return get_elements(array, IDP_DOUBLE, out, capacity);
}

HM_API void hm_prop_set_int(IDProperty* property, int value) {
  if (property) property->data.val.i = value;
}

HM_API void hm_prop_set_float(IDProperty* property, float value) {
  if (property) property->data.val.f = value;
}

HM_API void hm_prop_set_double(IDProperty* property, double value) {
  if (property) property->data.val.d = value;
}
