// Centres and normals of a 卍Mesh: face centres and normals (集面丅丄), the
// merged ring around each vertex (点连点合并面) and its normal (算合并点丄).
#include <algorithm>

#include "base/console.h"
#include "base/report.h"
#include "base/text_convert.h"
#include "mesh/mesh_topology.h"

namespace lumo {
namespace {

// Normal through n points: 3 points use consecutive differences, 4 or more the
// diagonals (P0 - P2) × (P1 - P3); fewer points, a zero difference or a cross
// product shorter than 1e-6 give zero.
卍Vector normal_of(const 卍Vector* p, size_t n) {
  if (n < 3) return {};
  const 卍Vector d1 = n == 3 ? p[0] - p[1] : p[0] - p[2];
  const 卍Vector d2 = n == 3 ? p[1] - p[2] : p[1] - p[3];
  卍Vector normal;
  if (!f3_cross_safe(d1, d2, normal)) return {};
  f3_normalize(normal);
  return normal;
}

void erase_first(std::vector<std::int32_t>& list, std::int32_t value) {
  auto found = std::find(list.begin(), list.end(), value);
  if (found != list.end()) list.erase(found);
}

const 卍另点* find_link(const std::vector<卍另点>& links, int partner) {
  for (const 卍另点& link : links)
    if (link.partner == partner) return &link;
  return nullptr;
}

}  // namespace

void 卍Mesh::集面丅丄(const bool& b三角面) {
  if (b已算面丅 || b已算面丄) {
    con_printf("!!!b已算面丅= %d,b已算面丄= %d\n", b已算面丅, b已算面丄);
    return;
  }
  if (!b已集面点) 集面点(b三角面);
  ensure_vertices();

  std::vector<卍Vector> points;
  points.reserve(8);
  auto process = [&](std::vector<卍面>& faces, bool polygons) {
    for (size_t i = 0; i < faces.size(); ++i) {
      卍面& face = faces[i];
      if (polygons && !face.host_polygon && static_cast<int>(i) < counts_.polygons)
        face.host_polygon = &host_mesh->mpoly[i];
      if (face.corners.empty()) continue;  // keeps its previous centre
      if (!std::all_of(face.corners.begin(), face.corners.end(), [this](int c) { return has_vertex(c); })) continue;
      points.clear();
      卍Vector sum;
      for (int c : face.corners) {
        points.push_back(position_of(L卍网点[c]));
        sum += points.back();
      }
      f3_divide(sum, static_cast<float>(points.size())).copy_to(face.丅);
      normal_of(points.data(), points.size()).copy_to(face.丄);
    }
  };
  process(L卍面G, true);
  if (b三角面) process(L卍面3, false);

  b已算面丅 = b已算面丄 = 1;
  con_printf(" 》》%s ,ii面数总=%d\n", s巜sU("集面丅丄"), static_cast<int>((b三角面 ? L卍面3 : L卍面G).size()));
}

void 卍Mesh::点连点合并面(const bool& with_normal) {
  if (!b已集面点 || b已算合并点) return;
  ensure_vertices();
  for (卍网点& v : L卍网点) v.L合并面点.clear();

  std::vector<std::int32_t> rest;  // V's edge neighbours not yet in its ring
  rest.reserve(16);
  for (size_t index = 0; index < L卍网点.size(); ++index) {
    const int V = static_cast<int>(index);
    卍网点& vertex = L卍网点[index];
    // A vertex without polygon links (or without a link to its first
    // neighbour) ends the whole pass: the rings stay unfinished.
    if (vertex.L点连点.empty() || vertex.L另点G.empty()) return;
    const 卍另点* link = find_link(vertex.L另点G, vertex.L点连点[0]);
    if (!link) return;
    const int F = link->faces.first;
    if (F < 0 || F >= static_cast<int>(L卍面G.size())) return;
    const std::vector<std::int32_t>& corners = L卍面G[F].corners;
    const auto at = std::find(corners.begin(), corners.end(), V);
    if (at == corners.end()) return;
    const size_t n = corners.size(), j = static_cast<size_t>(at - corners.begin());
    const int next = corners[(j + 1) % n], prev = corners[(j + n - 1) % n];

    std::vector<std::int32_t>& ring = vertex.L合并面点;
    ring.reserve(4);
    ring.push_back(next);
    ring.push_back(prev);
    rest = vertex.L点连点;
    erase_first(rest, next);
    if (rest.size() == 1) {
      ring.push_back(V);
    } else {
      erase_first(rest, prev);
      if (vertex.L点连点.size() == 3) {
        ring.push_back(rest.empty() ? 0 : rest.front());
      } else {
        int current = prev, face = F;
        while (ring.size() < 4) {
          const 卍另点* side = find_link(vertex.L另点G, current);
          if (!side || side->faces.count() < 2) break;
          const int G = side->faces.first == face ? side->faces.second : side->faces.first;
          if (G < 0 || G >= static_cast<int>(L卍面G.size())) break;
          const std::vector<std::int32_t>& around = L卍面G[G].corners;
          auto found = std::find_if(around.begin(), around.end(), [&](int c) {
            return c != current && std::find(rest.begin(), rest.end(), c) != rest.end();
          });
          if (found == around.end()) break;
          ring.push_back(*found);
          erase_first(rest, *found);
          current = *found;
          face = G;
        }
      }
    }
    if (ring.size() < 3) ring.push_back(V);

    if (with_normal) {
      卍Vector points[4];
      size_t count = 0;
      for (int r : ring)
        if (has_vertex(r) && count < 4) points[count++] = position_of(L卍网点[r]);
      (count == ring.size() ? normal_of(points, count) : 卍Vector{}).copy_to(vertex.合并面丄);
    }
  }
  if (with_normal) b已算合并点丄 = 1;
  b已算合并点 = 1;
}

void 卍Mesh::算合并点丄() {
  if (!b已算合并点) {
    LUMO_REPORT("__", "b已算合并点 二二 false", "算合并点丄");
    return;
  }
  if (b已算合并点丄) return;
  std::vector<卍Vector> points;
  points.reserve(4);
  for (卍网点& vertex : L卍网点) {
    points.clear();
    for (int r : vertex.L合并面点)
      if (r >= 0 && has_vertex(r)) points.push_back(position_of(L卍网点[r]));
    normal_of(points.data(), points.size()).copy_to(vertex.合并面丄);
  }
  b已算合并点丄 = 1;
}

}  // namespace lumo
