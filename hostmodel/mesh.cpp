// Mesh objects of the model host: geometry, UV layer, shape keys, vertex
// groups with weights, modifiers.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "hostmodel_mesh.h"
#include "model.h"

using namespace hostmodel;

namespace {

struct MeshOwner {
  Mesh* mesh;
  ModelMain* model;
};

MeshOwner mesh_owner(Object* object) {
  if (!object || object->type != OB_MESH || !object->data) return {nullptr, nullptr};
  ModelMain* model = owner_of(object);
  return {model ? static_cast<Mesh*>(object->data) : nullptr, model};
}

std::uint64_t edge_key(unsigned a, unsigned b) {
  if (a > b) std::swap(a, b);
  return (std::uint64_t(a) << 32) | b;
}

}  // namespace

HM_API Mesh* hm_object_mesh(Object* object) { return mesh_owner(object).mesh; }

HM_API int hm_mesh_set_geometry(Object* object, int vert_count, const float* coords, int poly_count,
                                const int* poly_sizes, const int* corner_verts, int edge_count,
                                const int* edge_pairs) {
  auto [mesh, model] = mesh_owner(object);
  if (!mesh || vert_count < 0 || poly_count < 0 || edge_count < 0) return 0;
  if ((vert_count && !coords) || (poly_count && !poly_sizes) || (edge_count && !edge_pairs)) return 0;
  long long loop_count = 0;
  for (int p = 0; p < poly_count; ++p) {
    if (poly_sizes[p] < 1) return 0;
    loop_count += poly_sizes[p];
  }
  if (loop_count && !corner_verts) return 0;
  for (long long l = 0; l < loop_count; ++l)
    if (corner_verts[l] < 0 || corner_verts[l] >= vert_count) return 0;
  for (int e = 0; e < 2 * edge_count; ++e)
    if (edge_pairs[e] < 0 || edge_pairs[e] >= vert_count) return 0;

  MVert* verts = model->make_array<MVert>(vert_count);
  for (int v = 0; v < vert_count; ++v) std::memcpy(verts[v].co, coords + 3 * v, sizeof verts[v].co);

  std::vector<MEdge> edges;
  std::unordered_map<std::uint64_t, unsigned> edge_of;
  edges.reserve(static_cast<size_t>(edge_count + loop_count));
  auto add_edge = [&](unsigned a, unsigned b) {
    auto [found, added] = edge_of.emplace(edge_key(a, b), static_cast<unsigned>(edges.size()));
    if (added) edges.push_back(MEdge{a, b, 0, 0, 0});
    return found->second;
  };
  for (int e = 0; e < edge_count; ++e) add_edge(edge_pairs[2 * e], edge_pairs[2 * e + 1]);

  MPoly* polys = model->make_array<MPoly>(poly_count);
  MLoop* loops = model->make_array<MLoop>(static_cast<size_t>(loop_count));
  int loop = 0;
  for (int p = 0; p < poly_count; ++p) {
    const int n = poly_sizes[p];
    polys[p].loopstart = loop;
    polys[p].totloop = n;
    for (int k = 0; k < n; ++k) {
      const unsigned a = static_cast<unsigned>(corner_verts[loop + k]);
      const unsigned b = static_cast<unsigned>(corner_verts[loop + (k + 1) % n]);
      loops[loop + k] = MLoop{a, add_edge(a, b)};
    }
    loop += n;
  }
  MEdge* edge_array = model->make_array<MEdge>(edges.size());
  std::copy(edges.begin(), edges.end(), edge_array);

  mesh->mvert = verts;
  mesh->medge = edge_array;
  mesh->mpoly = polys;
  mesh->mloop = loops;
  mesh->mloopuv = nullptr;
  mesh->dvert = nullptr;
  mesh->mface = nullptr;
  mesh->key = nullptr;
  mesh->totvert = vert_count;
  mesh->totedge = static_cast<int>(edges.size());
  mesh->totpoly = poly_count;
  mesh->totloop = static_cast<int>(loop_count);
  mesh->totface = 0;
  object->shapenr = 0;
  return 1;
}

HM_API int hm_mesh_set_uv(Object* object, const float* uvs, const int* flags) {
  auto [mesh, model] = mesh_owner(object);
  if (!mesh || (mesh->totloop && !uvs)) return 0;
  MLoopUV* layer = model->make_array<MLoopUV>(mesh->totloop);
  for (int l = 0; l < mesh->totloop; ++l) layer[l] = MLoopUV{{uvs[2 * l], uvs[2 * l + 1]}, flags ? flags[l] : 0};
  mesh->mloopuv = layer;
  return 1;
}

HM_API KeyBlock* hm_mesh_add_shape_key(Object* object, const char* name, const float* coords) {
  auto [mesh, model] = mesh_owner(object);
  if (!mesh) return nullptr;
  if (!mesh->key) {
    Key* key = model->make<Key>();
    set_id_name(key->id, "KE", name);
    key->id.us = 1;
    key->from = &mesh->id;
    mesh->key = key;
  }
  Key* key = mesh->key;
  auto* block = model->make<KeyBlock>();
  copy_name(block->name, name, kNameBytes);
  float* rows = model->make_array<float>(3 * static_cast<size_t>(mesh->totvert));
  for (int v = 0; v < mesh->totvert; ++v)
    std::memcpy(rows + 3 * v, coords ? coords + 3 * v : mesh->mvert[v].co, 3 * sizeof(float));
  block->data = rows;
  block->totelem = mesh->totvert;
  list_append(key->block, block);
  if (!key->refkey) key->refkey = block;
  ++key->totkey;
  object->shapenr = static_cast<short>(key->totkey);
  return block;
}

HM_API void hm_object_set_active_shape(Object* object, int shapenr) {
  if (object) object->shapenr = static_cast<short>(shapenr);
}

HM_API int hm_object_add_vertex_group(Object* object, const char* name) {
  ModelMain* model = owner_of(object);
  if (!model) return -1;
  auto* group = model->make<bDeformGroup>();
  copy_name(group->name, name, kNameBytes);
  int index = 0;
  for (auto* g = static_cast<bDeformGroup*>(object->defbase.first); g; g = g->next) ++index;
  list_append(object->defbase, group);
  return index;
}

HM_API int hm_mesh_set_weight(Object* object, int vertex, int group, float weight) {
  auto [mesh, model] = mesh_owner(object);
  if (!mesh || vertex < 0 || vertex >= mesh->totvert || group < 0) return 0;
  if (!mesh->dvert) mesh->dvert = model->make_array<MDeformVert>(mesh->totvert);
  MDeformVert& dv = mesh->dvert[vertex];
  for (int w = 0; w < dv.totweight; ++w)
    if (dv.dw[w].def_nr == static_cast<unsigned>(group)) {
      dv.dw[w].weight = weight;
      return 1;
    }
  MDeformWeight* grown = model->make_array<MDeformWeight>(dv.totweight + 1);
  std::copy(dv.dw, dv.dw + dv.totweight, grown);
  grown[dv.totweight] = MDeformWeight{static_cast<unsigned>(group), weight};
  dv.dw = grown;
  ++dv.totweight;
  return 1;
}

HM_API ModifierData* hm_object_add_modifier(Object* object, int type, const char* name, Object* armature) {
  ModelMain* model = owner_of(object);
  if (!model) return nullptr;
  ModifierData* modifier;
  if (type == eModifierType_Armature) {
    auto* data = model->make<ArmatureModifierData>();
    data->object = armature;
    modifier = &data->modifier;
  } else {
    modifier = model->make<ModifierData>();
  }
  modifier->type = type;
  copy_name(modifier->name, name, kNameBytes);
  list_append(object->modifiers, modifier);
  return modifier;
}

HM_API int hm_mesh_counts(Object* object, int* verts, int* edges, int* polys, int* loops) {
  const Mesh* mesh = mesh_owner(object).mesh;
  if (!mesh) return 0;
  if (verts) *verts = mesh->totvert;
  if (edges) *edges = mesh->totedge;
  if (polys) *polys = mesh->totpoly;
  if (loops) *loops = mesh->totloop;
  return 1;
}

HM_API int hm_mesh_read_vertices(Object* object, float* out, int capacity) {
  Mesh* mesh = mesh_owner(object).mesh;
  if (!mesh) return 0;
  if (!out) return mesh->totvert;
  for (int v = 0; v < std::min(capacity, mesh->totvert); ++v) std::memcpy(out + 3 * v, mesh->mvert[v].co, 3 * sizeof(float));
  return mesh->totvert;
}

HM_API int hm_shape_key_read(const KeyBlock* block, float* out, int capacity) {
  if (!block) return 0;
  const auto* rows = static_cast<const float*>(block->data);
  if (rows && out) std::memcpy(out, rows, 3 * sizeof(float) * static_cast<size_t>(std::max(0, std::min(capacity, block->totelem))));
  return block->totelem;
}
