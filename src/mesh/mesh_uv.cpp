// UV corners of a 卍Mesh's polygons or fan triangles (集UV).
#include <algorithm>

#include "containers/list_size.h"
#include "mesh/mesh_topology.h"

namespace lumo {

void 卍Mesh::集UV(const bool& triangles) {
  if (b已集UV || !host_mesh || !host_mesh->mloopuv) return;
  const MLoopUV* layer = host_mesh->mloopuv;
  const int polygons = counts_.polygons;
  if (!triangles) {
    if (static_cast<int>(L卍面G.size()) != polygons) ResizeL(polygons, L卍面G);
    for (int p = 0; p < polygons; ++p) {
      const MPoly& poly = host_mesh->mpoly[p];
      L卍面G[p].uv.assign(layer + poly.loopstart, layer + poly.loopstart + poly.totloop);
    }
  } else {
    long long count = 0;
    for (int p = 0; p < polygons; ++p) count += std::max(host_mesh->mpoly[p].totloop - 2, 0);
    if (static_cast<long long>(L卍面3.size()) != count) ResizeL(count, L卍面3);
    size_t t = 0;
    for (int p = 0; p < polygons; ++p) {
      const MLoopUV* corner = layer + host_mesh->mpoly[p].loopstart;
      for (int k = 2; k < host_mesh->mpoly[p].totloop; ++k)
        L卍面3[t++].uv.assign({corner[0], corner[k - 1], corner[k]});
    }
  }
  b已集UV = 1;
}

}  // namespace lumo
