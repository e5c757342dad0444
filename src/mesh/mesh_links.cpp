// Vertex links of a 卍Mesh: neighbours (集点连点), incident edges (集点连边),
// incident faces and the per-edge links (集点连面), face neighbours
// (集点连面点), and the link lookup 另点罒.
#include <algorithm>
#include <cmath>

#include "base/report.h"
#include "math/vector.h"
#include "mesh/mesh_topology.h"

namespace lumo {
namespace {

void push_unique(std::vector<std::int32_t>& list, std::int32_t value) {
  if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

void clear_reserved(std::vector<std::int32_t>& list, size_t room) {
  list.clear();
  list.reserve(room);
}

// The link to partner in links, made (with that partner) when absent.
卍另点& link_to(std::vector<卍另点>& links, int partner) {
  for (卍另点& link : links)
    if (link.partner == partner) return link;
  links.emplace_back();
  links.back().partner = partner;
  return links.back();
}

}  // namespace

卍另点& 卍Mesh::另点罒(int partner, std::vector<卍另点>& links) {
  for (卍另点& link : links)
    if (link.partner == partner) return link;
  LUMO_REPORT("__", "true", "另点罒");
  static 卍另点 missing;
  missing = 卍另点{};
  return missing;
}

void 卍Mesh::集点连点(const bool& b三角面) {
  ensure_vertices();
  for (卍网点& v : L卍网点) {
    clear_reserved(v.L点连点, 6);
    clear_reserved(v.L面3点连点, 6);
  }
  if (b三角面) {
    if (!b已集面点) 集面点(b三角面);
    for (const 卍面& triangle : L卍面3) {
      if (triangle.corners.size() != 3) continue;
      const int a = triangle.corners[0], b = triangle.corners[1], c = triangle.corners[2];
      if (!has_vertex(a) || !has_vertex(b) || !has_vertex(c)) continue;
      push_unique(L卍网点[a].L面3点连点, b);
      push_unique(L卍网点[a].L面3点连点, c);
      push_unique(L卍网点[b].L面3点连点, a);
      push_unique(L卍网点[b].L面3点连点, c);
      push_unique(L卍网点[c].L面3点连点, b);
      push_unique(L卍网点[c].L面3点连点, a);
    }
  }
  for (int e = 0; e < counts_.edges; ++e) {
    const int p = static_cast<int>(host_mesh->medge[e].v1), q = static_cast<int>(host_mesh->medge[e].v2);
    if (!has_vertex(p) || !has_vertex(q)) continue;
    push_unique(L卍网点[p].L点连点, q);
    push_unique(L卍网点[q].L点连点, p);
  }
}

void 卍Mesh::集点连边(const bool& b三角面) {
  if (!b已算面边点) 算面边点(b三角面);
  ensure_vertices();
  auto collect = [this](const std::vector<卍边>& edges, std::vector<std::int32_t> 卍网点::*list, size_t room) {
    for (卍网点& v : L卍网点) clear_reserved(v.*list, room);
    for (size_t i = 0; i < edges.size(); ++i)
      for (int end : edges[i].vertex)
        if (has_vertex(end)) (L卍网点[end].*list).push_back(static_cast<std::int32_t>(i));
  };
  collect(L卍边G, &卍网点::L边ξ, 7);
  const bool faces_missing = b三角面 ? L卍面3.empty() : static_cast<int>(L卍面G.size()) != counts_.polygons;
  if (faces_missing && !b已集面点) 集面点(b三角面);
  if (b三角面) collect(L卍边3, &卍网点::L边3ξ, 10);
}

void 卍Mesh::集点连面(const bool& b三角面, const bool& make_links) {
  ensure_vertices();
  for (卍网点& v : L卍网点) {
    clear_reserved(v.L面ξ, 4);
    clear_reserved(v.L面3ξ, 4);
    v.L另点G.clear();
    v.L另点G.reserve(4);
    if (b三角面) {
      v.L另点3.clear();
      v.L另点3.reserve(7);
    }
  }
  if (b三角面) {
    if (L卍面3.empty() && !b已集面点) 集面点(b三角面);
    for (size_t t = 0; t < L卍面3.size(); ++t)
      for (int c : L卍面3[t].corners)
        if (has_vertex(c)) L卍网点[c].L面3ξ.push_back(static_cast<std::int32_t>(t));
  } else if ((L卍面G.empty() || static_cast<int>(L卍面G.size()) != counts_.polygons) && !b已集面点) {
    集面点(b三角面);
  }

  // Polygons straight from the host arrays (corners checked at binding).
  for (int p = 0; p < counts_.polygons; ++p) {
    int n = 0;
    const MLoop* loops = corners_of(p, n);
    for (int k = 0; k < n; ++k) {
      const int y = static_cast<int>(loops[k].v);
      L卍网点[y].L面ξ.push_back(p);
      if (!make_links || k == 0) continue;
      const int x = static_cast<int>(loops[k - 1].v);
      link_to(L卍网点[x].L另点G, y).faces.十十卩(p);
      link_to(L卍网点[y].L另点G, x).faces.十十卩(p);
    }
    if (make_links && n >= 2) {
      const int first = static_cast<int>(loops[0].v), last = static_cast<int>(loops[n - 1].v);
      link_to(L卍网点[first].L另点G, last).faces.十十卩(p);
      link_to(L卍网点[last].L另点G, first).faces.十十卩(p);
    }
  }

  if (b三角面 && make_links) {
    for (size_t t = 0; t < L卍面3.size(); ++t) {
      const std::vector<std::int32_t>& s = L卍面3[t].corners;
      if (s.size() != 3 || !has_vertex(s[0]) || !has_vertex(s[1]) || !has_vertex(s[2])) continue;
      for (int k = 0; k < 3; ++k) {
        const int a = s[k], b = s[(k + 1) % 3], c = s[(k + 2) % 3];
        const float d = f3_distance(position_of(L卍网点[a]), position_of(L卍网点[b]));
        // A zero-length (or degenerate) edge stores 0, never an infinity.
        float inverse = d > 0 ? 1.0f / d : 0.0f;
        if (!std::isfinite(inverse)) inverse = 0;
        for (卍另点* link : {&link_to(L卍网点[a].L另点3, b), &link_to(L卍网点[b].L另点3, a)}) {
          link->triangles.十十卩(static_cast<std::int32_t>(t));
          link->opposite.十十卩(c);
          link->rest_length = d;
          link->inverse_rest_length = inverse;
        }
      }
    }
  }
  faces_linked_ = true;
}

void 卍Mesh::集点连面点() {
  ensure_vertices();
  if (!faces_linked_) 集点连面(false, false);
  for (size_t i = 0; i < L卍网点.size(); ++i) {
    卍网点& v = L卍网点[i];
    clear_reserved(v.L面点连点, 19);
    for (int p : v.L面ξ) {
      int n = 0;
      const MLoop* loops = corners_of(p, n);
      for (int k = 0; k < n; ++k)
        if (static_cast<size_t>(loops[k].v) != i) push_unique(v.L面点连点, static_cast<std::int32_t>(loops[k].v));
    }
  }
}

}  // namespace lumo
