/* Model host: mesh objects.
 *
 * Fills the empty mesh that hm_object_new(main, name, 1) gives a mesh object:
 * vertices, polygons given as corner lists (edges derived from their sides,
 * or given explicitly), a UV layer, shape keys, vertex groups with deform
 * weights and Armature modifiers.  The mesh's main owns every array.  Every
 * function returns 0 (or null) and changes nothing when its object is not a
 * mesh object of the model host or an index is out of range. */
#ifndef LUMO_HOSTMODEL_MESH_H
#define LUMO_HOSTMODEL_MESH_H

#include "hostmodel.h"

#if !defined(__cplusplus)
typedef struct Mesh Mesh;
typedef struct KeyBlock KeyBlock;
typedef struct ModifierData ModifierData;
#endif

/* The object's mesh, or null. */
HM_API Mesh* hm_object_mesh(Object* object);

/* Replaces the geometry.  coords: 3 floats per vertex.  Polygon i has
 * poly_sizes[i] corners, taken in order from corner_verts.  edge_pairs (2 ints
 * per edge, may be null) come first in the edge array; every polygon side not
 * among them is appended in order of first appearance, and each loop refers
 * to its side's edge.  Drops the UV layer, shape keys and deform weights.
 * Returns 1, or 0 on a bad index. */
HM_API int hm_mesh_set_geometry(Object* object, int vert_count, const float* coords, int poly_count,
                                const int* poly_sizes, const int* corner_verts, int edge_count,
                                const int* edge_pairs);

/* The active UV layer: 2 floats per loop (flags may be null: all 0). */
HM_API int hm_mesh_set_uv(Object* object, const float* uvs, const int* flags);

/* Appends a shape key with 3 floats per vertex (null: a copy of the vertex
 * coordinates).  The first one becomes the key's reference block.  The new
 * key becomes the active one (shapenr = its 1-based number). */
HM_API KeyBlock* hm_mesh_add_shape_key(Object* object, const char* name, const float* coords);
HM_API void hm_object_set_active_shape(Object* object, int shapenr);

/* Appends a vertex group; returns its index, or -1. */
HM_API int hm_object_add_vertex_group(Object* object, const char* name);
/* Sets (or adds) the weight of a vertex in a group. */
HM_API int hm_mesh_set_weight(Object* object, int vertex, int group, float weight);

/* Appends a modifier of the given type (8: Armature, which gets the armature
 * object) to the object's modifier stack. */
HM_API ModifierData* hm_object_add_modifier(Object* object, int type, const char* name, Object* armature);

/* Writes the vertex, edge, polygon and loop counts (null outputs skipped);
 * returns 0 for an object that is not a model mesh object. */
HM_API int hm_mesh_counts(Object* object, int* verts, int* edges, int* polys, int* loops);

/* Copies up to capacity vertex positions (3 floats each) of the mesh, or of a
 * shape key; returns the vertex count. */
HM_API int hm_mesh_read_vertices(Object* object, float* out, int capacity);
HM_API int hm_shape_key_read(const KeyBlock* block, float* out, int capacity);

#endif
