// Faces and edges of a 卍Mesh: polygon corners and fan triangles (集面点), and
// the unique edges of their sides (算面边点).
#include <algorithm>

#include "base/console.h"
#include "base/text_convert.h"
#include "containers/list_size.h"
#include "mesh/mesh_topology.h"

namespace lumo {
namespace {

// Per-vertex (other vertex, edge index) entries of one edge pass, stored flat:
// a vertex meets at most two sides per corner occurrence, so its room is known
// before the pass and no lookup allocates.
class EdgeMap {
 public:
  EdgeMap(const std::vector<卍面>& faces, size_t vertex_count) : start_(vertex_count + 1, 0), used_(vertex_count, 0) {
    for (const 卍面& face : faces)
      for (int c : face.corners)
        if (c >= 0 && static_cast<size_t>(c) < vertex_count) start_[static_cast<size_t>(c) + 1] += 2;
    for (size_t v = 0; v < vertex_count; ++v) start_[v + 1] += start_[v];
    entries_.resize(start_[vertex_count]);
  }
  int find(int a, int b) const { return ξ点罒(entries_.data() + start_[a], used_[a], b); }
  void add(int a, int b, int edge) { entries_[start_[a] + used_[a]++] = {b, edge}; }

 private:
  std::vector<size_t> start_;
  std::vector<int> used_;
  std::vector<std::pair<std::int32_t, std::int32_t>> entries_;
};

}  // namespace

int ξ点罒(const std::pair<std::int32_t, std::int32_t>* entries, int count, int other) {
  for (int i = 0; i < count; ++i)
    if (entries[i].first == other) return entries[i].second;
  return -1;
}

void 卍Mesh::集面点(const bool& b三角面) {
  if (b已集面点) {
    con_printf("!!!b已集面点= %d\n", b已集面点);
    return;
  }
  ensure_vertices();
  const int polygons = counts_.polygons;
  if (b三角面) {
    long long triangles = 0;
    for (int p = 0; p < polygons; ++p) triangles += std::max(host_mesh->mpoly[p].totloop - 2, 0);
    ResizeL(triangles, L卍面3);
  }
  ResizeL(polygons, L卍面G);
  size_t t = 0;
  for (int p = 0; p < polygons; ++p) {
    int n = 0;
    const MLoop* loops = corners_of(p, n);
    卍面& face = L卍面G[p];
    face.corners.resize(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) face.corners[k] = static_cast<std::int32_t>(loops[k].v);
    if (!b三角面) continue;
    for (int k = 2; k < n; ++k) {
      卍面& triangle = L卍面3[t++];
      triangle.corners.assign({face.corners[0], face.corners[k - 1], face.corners[k]});
    }
  }
  b已集面点 = 1;
  con_printf(" 》》%s ,L卍面3.size()=%zd\n", s巜sU("集面点"), L卍面3.size());
}

void 卍Mesh::算面边点(const bool& b三角面) {
  if (b已算面边点) {
    con_printf("!!!b已算面边点= %d\n", b已算面边点);
    return;
  }
  if (L卍面G.empty() && !b已集面点) 集面点(b三角面);
  ensure_vertices();

  auto pass = [this](std::vector<卍面>& faces, std::vector<卍边>& edges) {
    edges.clear();
    edges.reserve(static_cast<size_t>(static_cast<size_t>(faces.size() * 1.2) * 1.2));
    // Faces whose corners name no vertex (host mesh changed under the record) get no sides.
    auto usable = [this](const 卍面& face) {
      return std::all_of(face.corners.begin(), face.corners.end(), [this](int c) { return has_vertex(c); });
    };
    for (卍面& face : faces) {
      face.sides.clear();
      face.sides.reserve(4);
    }
    EdgeMap map(faces, L卍网点.size());
    for (卍面& face : faces) {
      if (!usable(face)) continue;
      const size_t n = face.corners.size();
      for (size_t k = 0; k < n; ++k) {
        const int a = face.corners[k];
        const int b = face.corners[(k + 1) % n];
        int edge = map.find(a, b);
        if (edge < 0) {
          edge = static_cast<int>(edges.size());
          map.add(a, b, edge);
          if (map.find(b, a) < 0) map.add(b, a, edge);
          卍边 record;
          record.position[0] = L卍网点[a].position;
          record.position[1] = L卍网点[b].position;
          record.vertex[0] = a;
          record.vertex[1] = b;
          edges.push_back(record);
        }
        face.sides.push_back(edge);
      }
    }
  };
  pass(L卍面G, L卍边G);
  if (b三角面) pass(L卍面3, L卍边3);

  b已算面边点 = 1;
  const auto& edges = b三角面 ? L卍边3 : L卍边G;
  const auto& faces = b三角面 ? L卍面3 : L卍面G;
  con_printf(" 》》%s,ψL卍边G.size()=%zd ,ψL卍面G.size()=%zd \n", s巜sU("算面边点"), edges.size(), faces.size());
}

}  // namespace lumo
