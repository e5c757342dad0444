// 卍Mesh: binds one host mesh object and derives, builder by builder, the
// adjacency structures the cloth, collider and mesh-data code work on.
//
// Set(object, options...) binds the object and runs the builders its options
// ask for, in a fixed order: 集点连点, 集点连边, 集点连面 + 集点连面点,
// 点连点合并面, 集面丅丄, 集UV.  Without force, a record whose i状态 is above
// 0 refuses ("!!! Set()  init= %d\n"), and the object already bound is a
// no-op.  A builder that needs another one's result runs it when that result
// is missing; most refuse to run twice (a done flag each).
//
// Positions are read live through each vertex's `position`: the row of the
// active shape-key block when the mesh has shape keys, else the host vertex
// coordinates.  Nothing here writes to the host.  The lists keep pointers into
// the host mesh arrays: rebind with force after the host mesh changes.
//
// Invalid calls and what they do:
//  * a null object: reported ("o 二二 ψ0"), nothing bound;
//  * an object that is not a mesh object: reported ("o->type!=OB_MESH");
//  * host arrays whose indices fall outside their counts: reported, and the
//    polygons (or edges) are taken as absent;
//  * builders on an unbound record: empty results.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "host/host_types.h"
#include "mesh/mesh_records.h"

namespace lumo {

struct 卍Mesh {
  const char* name = nullptr;  // the host mesh's name (ID name), not copied
  std::int8_t i状态 = 0;       // 1 once Set collected faces, 2 once it merged rings
  std::uint8_t b已集面点 = 0, b已集UV = 0, b已集骨权 = 0;
  std::uint8_t b已算面边点 = 0, b已算面丅 = 0, b已算面丄 = 0, b已算合并点 = 0, b已算合并点丄 = 0;
  std::uint8_t b非基形 = 0;  // shape keys present and the active one is not the first block
  Mesh* host_mesh = nullptr;
  Object* host_object = nullptr;
  std::vector<卍点权> L卍点权;
  std::vector<卍网点> L卍网点;
  std::vector<卍边> L卍边G;  // unique polygon edges, in order of first appearance
  std::vector<卍边> L卍边3;  // unique fan-triangle edges
  std::vector<卍面> L卍面G;  // polygons, in host order
  std::vector<卍面> L卍面3;  // fan triangles (c0, c(k-1), c(k)), polygon by polygon

  卍Mesh* Set(Object* object, const bool& b三角面, const bool& neighbours, const bool& edges, const bool& faces,
             const bool& merged_rings, const bool& centres_normals, const bool& uv, const bool& force);

  void 集面点(const bool& b三角面);
  void 算面边点(const bool& b三角面);
  void 集点连点(const bool& b三角面);
  void 集点连边(const bool& b三角面);
  void 集点连面(const bool& b三角面, const bool& make_links);
  void 集点连面点();
  void 集面丅丄(const bool& b三角面);
  void 点连点合并面(const bool& with_normal);
  void 算合并点丄();
  void 集UV(const bool& triangles);
  void 集骨点权(Object* armature);

  // The link to `partner` in `links`; when absent, reported and a default link
  // (a scratch record, reset on every miss).
  static 卍另点& 另点罒(int partner, std::vector<卍另点>& links);

  // Host counts as bound and checked (0 for an unbound record).
  int vertex_count() const { return counts_.vertices; }
  int edge_count() const { return counts_.edges; }
  int polygon_count() const { return counts_.polygons; }

 private:
  struct Counts {
    int vertices = 0, edges = 0, polygons = 0;
  };

  void bind(Object* object);
  // Checks the host arrays and records the counts that are safe to walk.
  void check_host_arrays();
  // Sizes L卍网点 to the vertex count when it differs (positions only).
  void ensure_vertices();
  void fill_positions(bool with_identity);
  KeyBlock* active_key_block() const;
  // The host loops of a polygon (null and 0 outside the checked polygons).
  const MLoop* corners_of(int polygon, int& count) const;
  bool has_vertex(int v) const { return v >= 0 && v < static_cast<int>(L卍网点.size()); }

  Counts counts_;
  bool faces_linked_ = false;  // 集点连面 ran since binding
};

// The key block n of the object's mesh or curve: -2 the reference block,
// n >= 0 block n of the block list; none (null) for -1, a missing block, an
// object without key or of another type.  Traced on the console.
KeyBlock* getKeyBlock(Object* object, int n);

// Index of the edge to `other` among one vertex's (other vertex, edge index)
// entries, or -1.
int ξ点罒(const std::pair<std::int32_t, std::int32_t>* entries, int count, int other);

}  // namespace lumo
