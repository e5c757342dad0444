/* Model host: custom properties (ID-properties).
 *
 * Builds property trees the way the add-on's scripts leave them in the host:
 * a root group on a pose channel (bPoseChannel::prop) or a data block
 * (ID::properties, for objects and scenes), created when absent, with children
 * appended in order: groups, ints, floats, doubles, strings, int/float/double
 * arrays, and property arrays of whole items (collections of groups, and
 * lists of int or float arrays such as the LLProp format).  Every record is
 * owned by the main it was created for and freed with it.  Children can be
 * added to any group made here, including the group items of a collection.
 *
 * Adders return the new property, or null when the parent is not a group of
 * the model host, the name is null or longer than 63 bytes, or a count is
 * negative.  Readers accept null and then return 0 / -1 / null. */
#ifndef LUMO_HOSTMODEL_PROPS_H
#define LUMO_HOSTMODEL_PROPS_H

#include "hostmodel.h"

#if !defined(__cplusplus)
typedef struct ID ID;
typedef struct IDProperty IDProperty;
#endif

/* Roots and holders --------------------------------------------------------- */
/* The root group, created (owned by main) when absent. */
HM_API IDProperty* hm_prop_root_of_channel(Main* main, bPoseChannel* channel);
HM_API IDProperty* hm_prop_root_of_id(Main* main, ID* id);
/* Holder addresses as the library takes them: &channel->prop, &id->properties. */
HM_API IDProperty** hm_prop_holder_of_channel(bPoseChannel* channel);
HM_API IDProperty** hm_prop_holder_of_id(ID* id);

/* Children, appended to a group ---------------------------------------------- */
HM_API IDProperty* hm_prop_add_group(IDProperty* parent, const char* name);
HM_API IDProperty* hm_prop_add_int(IDProperty* parent, const char* name, int value);
HM_API IDProperty* hm_prop_add_float(IDProperty* parent, const char* name, float value);
HM_API IDProperty* hm_prop_add_double(IDProperty* parent, const char* name, double value);
HM_API IDProperty* hm_prop_add_string(IDProperty* parent, const char* name, const char* text);
/* Arrays of count elements; null values: all 0. */
HM_API IDProperty* hm_prop_add_int_array(IDProperty* parent, const char* name, const int* values, int count);
HM_API IDProperty* hm_prop_add_float_array(IDProperty* parent, const char* name, const float* values, int count);
HM_API IDProperty* hm_prop_add_double_array(IDProperty* parent, const char* name, const double* values, int count);
/* A collection: a property array of count empty groups (unnamed items). */
HM_API IDProperty* hm_prop_add_collection(IDProperty* parent, const char* name, int count);
/* A property array of count int (float) arrays, item i with lengths[i]
 * elements taken in order from values (null: all 0). */
HM_API IDProperty* hm_prop_add_int_lists(IDProperty* parent, const char* name, int count, const int* lengths,
                                         const int* values);
HM_API IDProperty* hm_prop_add_float_lists(IDProperty* parent, const char* name, int count, const int* lengths,
                                           const float* values);
/* Item index of a property array, or null when out of range. */
HM_API IDProperty* hm_prop_item(IDProperty* property_array, int index);

/* Reading back and editing -------------------------------------------------- */
/* The first child of that name (byte-wise), or null. */
HM_API IDProperty* hm_prop_child(IDProperty* group, const char* name);
HM_API int hm_prop_type(const IDProperty* property);    /* IDP_*; -1 for null */
HM_API int hm_prop_subtype(const IDProperty* property); /* element kind of an array; -1 for null */
HM_API int hm_prop_len(const IDProperty* property);     /* elements, items, or text bytes with terminator */
HM_API int hm_prop_get_int(const IDProperty* property);
HM_API float hm_prop_get_float(const IDProperty* property);
HM_API double hm_prop_get_double(const IDProperty* property);
HM_API const char* hm_prop_get_string(const IDProperty* property);
/* Copies up to capacity elements of an array of that kind; returns its length
 * (-1 when it is no such array). */
HM_API int hm_prop_get_ints(const IDProperty* array, int* out, int capacity);
HM_API int hm_prop_get_floats(const IDProperty* array, float* out, int capacity);
HM_API int hm_prop_get_doubles(const IDProperty* array, double* out, int capacity);
HM_API void hm_prop_set_int(IDProperty* property, int value);
HM_API void hm_prop_set_float(IDProperty* property, float value);
HM_API void hm_prop_set_double(IDProperty* property, double value);

#endif
