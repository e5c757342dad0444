// The records of a mesh topology (卍Mesh, mesh_topology.h): vertex, face,
// edge, link and per-bone weight records.  Indices are the host mesh's own
// vertex and polygon indices, or positions in the 卍Mesh lists.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "containers/index_pair.h"
#include "host/host_types.h"
#include "math/vector.h"

namespace lumo {

// 卍另点: the other point of an edge, seen from one vertex.
struct 卍另点 {
  std::uint8_t state = 255;       // not used by the topology builders
  std::int32_t partner = -1;      // the neighbour this link points to
  void* reserved[2] = {nullptr, nullptr};
  卍2ξ faces;                     // polygons on this side of the edge (links in L另点G)
  卍2ξ triangles;                 // fan triangles sharing the edge (links in L另点3)
  卍2ξ opposite;                  // the third vertex of each of those triangles
  std::int32_t mark = 128;        // not used by the topology builders
  float inverse_rest_length = 0;  // 1 / rest_length; 0 for a zero-length edge
  float rest_length = 0;          // edge length when the link was made
};

// A bone that weights a vertex: the pose channel's name text and the weight.
struct BoneWeight {
  const char* bone = nullptr;
  float weight = 0;
};

// 卍网点: one host vertex and what the builders derive for it.
struct 卍网点 {
  std::int32_t ξ = -1;         // own index, once bound
  std::int32_t ξ权找 = -1;     // scratch of the collider's weight lookup
  MVert* host_vertex = nullptr;
  float* position = nullptr;   // live: the active shape-key row, else the host coordinates
  std::vector<std::int32_t> L面ξ;        // polygons using the vertex, one entry per corner
  std::vector<std::int32_t> L面3ξ;       // fan triangles using the vertex, one entry per corner
  std::vector<std::int32_t> L点连点;     // neighbours through host edges
  std::vector<std::int32_t> L面3点连点;  // neighbours through fan triangles (with diagonals)
  std::vector<std::int32_t> L面点连点;   // every other vertex of the polygons using it
  std::vector<std::int32_t> L二环点;     // the vertex and all up to two edges away (cloth)
  std::vector<std::int32_t> L边ξ;        // indices into L卍边G
  std::vector<std::int32_t> L边3ξ;       // indices into L卍边3
  std::vector<卍另点> L另点3;            // one link per triangle neighbour
  std::vector<卍另点> L另点G;            // one link per polygon-side neighbour
  std::vector<std::int32_t> L合并面点;   // ordered ring around the vertex, at most 4
  float 合并面丄[3] = {0, 0, 0};         // unit normal of the ring, zero when undefined
  std::vector<std::pair<std::int32_t, std::int32_t>> L弯对;  // (centre, opposite): bending triples (cloth)
  std::vector<BoneWeight> L骨权;         // each bone once
};

// The vertex's current position (read through its live pointer).
inline 卍Vector position_of(const 卍网点& v) { return {v.position[0], v.position[1], v.position[2]}; }

// 卍面: a polygon or a fan triangle.
struct 卍面 {
  MPoly* host_polygon = nullptr;  // polygons only, filled by 集面丅丄
  float 丅[3] = {0, 0, 0};        // centre
  float 丄[3] = {0, 0, 0};        // unit normal
  std::vector<std::int32_t> corners;  // vertex indices in corner order
  std::vector<std::int32_t> sides;    // edge index of side k (corner k to k+1)
  std::vector<MLoopUV> uv;            // one (u, v, flags) per corner
};

// 卍边: an edge met on a face side.
struct 卍边 {
  std::int32_t tag = -1;
  float* position[2] = {nullptr, nullptr};  // the two vertices' live positions
  std::int32_t vertex[2] = {-1, -1};        // in the order the edge was first met
  float length = 0;
};

// 卍ξf权: one vertex weighted by a bone.
struct 卍ξf权 {
  std::int32_t vertex = -1;
  float weight = 0;
};

// 卍点权: the weights one bone owns on the mesh.
struct 卍点权 {
  const char* bone = nullptr;  // the pose channel's name text
  std::vector<卍ξf权> L卍ξf权;
};

}  // namespace lumo
