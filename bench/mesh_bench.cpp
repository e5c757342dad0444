// Building the mesh topology of large quad grids made by the model host:
// Set with every option (fan triangles, neighbours, edges, faces and links,
// merged rings, centres and normals, UV), then the bone weights.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "hostmodel.h"
#include "hostmodel_mesh.h"
#include "mesh/mesh_topology.h"
#include "platform/streams.h"

namespace {

// A model-host grid of n × n unit quads with a UV layer and one vertex group
// per row of an n-bone armature.
struct Grid {
  Main* main = nullptr;
  Object* object = nullptr;
  Object* armature = nullptr;

  explicit Grid(int n) {
    main = hm_main_new("bench.blend");
    object = hm_object_new(main, "Grid", OB_MESH);
    const int side = n + 1;
    std::vector<float> coords, uvs;
    coords.reserve(3u * side * side);
    for (int j = 0; j < side; ++j)
      for (int i = 0; i < side; ++i) coords.insert(coords.end(), {float(i), float(j), float((i * j) % 3)});
    std::vector<int> sizes(static_cast<size_t>(n) * n, 4), corners;
    corners.reserve(4u * n * n);
    for (int j = 0; j < n; ++j)
      for (int i = 0; i < n; ++i) {
        const int v = j * side + i;
        corners.insert(corners.end(), {v, v + 1, v + side + 1, v + side});
      }
    hm_mesh_set_geometry(object, side * side, coords.data(), n * n, sizes.data(), corners.data(), 0, nullptr);
    for (int corner : corners) uvs.insert(uvs.end(), {coords[3 * corner] / n, coords[3 * corner + 1] / n});
    hm_mesh_set_uv(object, uvs.data(), nullptr);

    armature = hm_object_new(main, "Rig", OB_ARMATURE);
    const int bones = 8;
    for (int b = 0; b < bones; ++b) {
      const std::string name = "Bone" + std::to_string(b);
      const float head[3] = {0, float(b), 0}, tail[3] = {0, float(b) + 1, 0};
      hm_armature_add_bone(armature, name.c_str(), head, tail, 0, nullptr, 0);
      hm_object_add_vertex_group(object, name.c_str());
    }
    for (int v = 0; v < side * side; ++v) hm_mesh_set_weight(object, v, (v / side) % bones, 1.0f);
  }
  ~Grid() { hm_main_free(main); }
};

// The builders trace to the console; the benchmark keeps it quiet.
struct Quiet {
  Quiet() {
    lumo::platform::set_stream_sink([](lumo::platform::Stream, std::string_view, void*) {}, nullptr);
  }
  ~Quiet() { lumo::platform::set_stream_sink(nullptr, nullptr); }
};

void BM_SetEveryOption(benchmark::State& state) {
  Grid grid(static_cast<int>(state.range(0)));
  Quiet quiet;
  for (auto _ : state) {
    lumo::卍Mesh mesh;
    mesh.Set(grid.object, true, true, true, true, true, true, true, true);
    mesh.算合并点丄();
    mesh.集骨点权(grid.armature);
    benchmark::DoNotOptimize(mesh.L卍边3.size());
  }
  state.counters["quads"] = static_cast<double>(state.range(0) * state.range(0));
}
BENCHMARK(BM_SetEveryOption)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
