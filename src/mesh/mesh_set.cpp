// Binding a 卍Mesh to a host mesh object: Set, the shape-key block lookup and
// the per-vertex position rule.
#include "base/console.h"
#include "base/report.h"
#include "containers/list_size.h"
#include "host/objects.h"
#include "mesh/mesh_topology.h"

namespace lumo {

KeyBlock* getKeyBlock(Object* object, int n) {
  if (!object) {
    LUMO_REPORT("__", "o 二二 ψ0", "getKeyBlock");
    return nullptr;
  }
  con_printf("《《《 getKeyBlock,o=%s ,ξ激活=%d\n", host::object_message_name(object), n);
  KeyBlock* found = nullptr;
  Key* key = nullptr;
  bool keyed_type = true;
  if (object->type == OB_MESH) {
    if (object->data) key = static_cast<Mesh*>(object->data)->key;
  } else if (object->type == OB_CURVE) {
    if (object->data) key = static_cast<Curve*>(object->data)->key;
  } else {
    con_printf("error type   %d \n", object->type);
    keyed_type = false;
  }
  if (keyed_type) {
    if (n == -1) {
      con_printf("  ★ 》》  ξ激活==-1  %s\n", "getKeyBlock");
    } else if (!key) {
      con_printf("!!! o 没有key= %s\n", host::object_message_name(object));
    } else if (n == -2) {
      found = key->refkey;
    } else if (n >= 0) {
      found = static_cast<KeyBlock*>(key->block.first);
      for (int i = 0; i < n && found; ++i) found = found->next;
    }
  }
  con_printf("  》》%s ,  kbA=%d \n", host::object_message_name(object), found ? 1 : 0);
  return found;
}

void 卍Mesh::check_host_arrays() {
  counts_ = {};
  const Mesh* mesh = host_mesh;
  if (!mesh) return;
  counts_.vertices = mesh->mvert && mesh->totvert > 0 ? mesh->totvert : 0;
  const unsigned vertices = static_cast<unsigned>(counts_.vertices);

  if (mesh->medge && mesh->totedge > 0) {
    counts_.edges = mesh->totedge;
    for (int e = 0; e < mesh->totedge; ++e)
      if (mesh->medge[e].v1 >= vertices || mesh->medge[e].v2 >= vertices) {
        LUMO_REPORT(name, "medge[e].v ＜ totvert", "卍Mesh::Set");
        counts_.edges = 0;
        break;
      }
  }

  if (mesh->mpoly && mesh->mloop && mesh->totpoly > 0) {
    counts_.polygons = mesh->totpoly;
    for (int p = 0; p < mesh->totpoly && counts_.polygons; ++p) {
      const MPoly& poly = mesh->mpoly[p];
      bool ok = poly.loopstart >= 0 && poly.totloop >= 0 &&
                static_cast<long long>(poly.loopstart) + poly.totloop <= mesh->totloop;
      for (int l = 0; ok && l < poly.totloop; ++l) ok = mesh->mloop[poly.loopstart + l].v < vertices;
      if (!ok) {
        LUMO_REPORT(name, "mpoly[p] 在 mloop, mloop.v ＜ totvert", "卍Mesh::Set");
        counts_.polygons = 0;
      }
    }
  }
}

const MLoop* 卍Mesh::corners_of(int polygon, int& count) const {
  if (polygon < 0 || polygon >= counts_.polygons) {
    count = 0;
    return nullptr;
  }
  const MPoly& poly = host_mesh->mpoly[polygon];
  count = poly.totloop;
  return host_mesh->mloop + poly.loopstart;
}

KeyBlock* 卍Mesh::active_key_block() const {
  if (!host_mesh || !host_mesh->key) return nullptr;
  return getKeyBlock(host_object, host_object->shapenr - 1);
}

void 卍Mesh::fill_positions(bool with_identity) {
  const KeyBlock* block = active_key_block();
  float* rows = block ? static_cast<float*>(block->data) : nullptr;
  // A block shorter than the mesh leaves its missing rows to the host coordinates.
  const int row_count = rows ? block->totelem : 0;
  const bool keyed = host_mesh && host_mesh->key;
  for (int i = 0; i < static_cast<int>(L卍网点.size()); ++i) {
    卍网点& v = L卍网点[i];
    v.position = i < row_count ? rows + 3 * i : host_mesh->mvert[i].co;
    if (with_identity) {
      v.ξ = i;
      v.host_vertex = &host_mesh->mvert[i];
    } else if (!keyed) {
      v.host_vertex = &host_mesh->mvert[i];
    }
  }
}

void 卍Mesh::ensure_vertices() {
  if (!host_mesh) return;
  const int live = host_mesh->mvert && host_mesh->totvert > 0 ? host_mesh->totvert : 0;
  if (static_cast<int>(L卍网点.size()) == live && live == counts_.vertices) return;
  check_host_arrays();  // the host mesh may have changed since binding
  if (static_cast<int>(L卍网点.size()) == counts_.vertices) return;
  ResizeL(counts_.vertices, L卍网点);
  fill_positions(false);
  faces_linked_ = false;  // the vertex records lost their face lists
}

void 卍Mesh::bind(Object* object) {
  host_object = object;
  host_mesh = static_cast<Mesh*>(object->data);
  name = host_mesh->id.name + 2;
  i状态 = 0;
  b已集面点 = b已集UV = b已集骨权 = 0;
  b已算面边点 = b已算面丅 = b已算面丄 = b已算合并点 = b已算合并点丄 = 0;
  b非基形 = 0;
  faces_linked_ = false;
  // Nothing derived from a previously bound mesh may survive the rebinding.
  L卍点权.clear();
  L卍边G.clear();
  L卍边3.clear();
  L卍面G.clear();
  L卍面3.clear();
  L卍网点.clear();

  check_host_arrays();
  if (host_mesh->key && object->shapenr != 1) b非基形 = 1;
  ResizeL(counts_.vertices, L卍网点);
  fill_positions(true);
}

卍Mesh* 卍Mesh::Set(Object* object, const bool& b三角面, const bool& neighbours, const bool& edges,
                   const bool& faces, const bool& merged_rings, const bool& centres_normals, const bool& uv,
                   const bool& force) {
  if (!force) {
    if (i状态 > 0) {
      con_printf("!!! Set()  init= %d\n", i状态);
      return this;
    }
    if (object && object == host_object) return this;
  }
  if (!object) {
    LUMO_REPORT("__", "o_ 二二 ψ0", "卍Mesh::Set");
    return this;
  }
  if (object->type != OB_MESH || !object->data) {
    const char* object_name = host::object_message_name(object);
    LUMO_REPORT(object_name ? object_name : "__", "o->type!=OB_MESH", "卍Mesh::Set");
    return this;
  }
  bind(object);

  if (neighbours) 集点连点(b三角面);
  if (edges) 集点连边(b三角面);
  if (faces) {
    集点连面(b三角面, true);
    集点连面点();
  }
  if (b已集面点) i状态 = 1;
  if (merged_rings) {
    点连点合并面(false);
    i状态 = 2;
  }
  if (centres_normals) 集面丅丄(b三角面);
  if (uv) 集UV(false);
  return this;
}

}  // namespace lumo
