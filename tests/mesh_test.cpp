// Mesh topology record: binding, faces and edges, vertex links, merged rings.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "hostmodel_mesh.h"
#include "mesh/mesh_topology.h"
#include "support/capture.h"
#include "support/model_scene.h"

namespace lumo {
namespace {

using testing::Capture;
using testing::ModelScene;
using Ints = std::vector<std::int32_t>;

Object* add_mesh(ModelScene& scene, const char* name, const std::vector<float>& coords, const std::vector<int>& sizes,
                 const std::vector<int>& corners, const std::vector<int>& edges = {}) {
  Object* object = scene.add_object(name, OB_MESH);
  EXPECT_EQ(hm_mesh_set_geometry(object, int(coords.size() / 3), coords.data(), int(sizes.size()), sizes.data(),
                                 corners.data(), int(edges.size() / 2), edges.data()),
            1);
  return object;
}

// A grid of nx × ny unit quads in the XY plane; vertex (i, j) is j * (nx + 1) + i.
Object* add_grid(ModelScene& scene, const char* name, int nx, int ny) {
  std::vector<float> coords;
  for (int j = 0; j <= ny; ++j)
    for (int i = 0; i <= nx; ++i) coords.insert(coords.end(), {float(i), float(j), 0});
  std::vector<int> sizes, corners;
  for (int j = 0; j < ny; ++j)
    for (int i = 0; i < nx; ++i) {
      const int v = j * (nx + 1) + i;
      sizes.push_back(4);
      corners.insert(corners.end(), {v, v + 1, v + nx + 2, v + nx + 1});
    }
  return add_mesh(scene, name, coords, sizes, corners);
}

const std::vector<float> kQuad = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0};

void set_all(卍Mesh& mesh, Object* object, bool triangles = true, bool force = false) {
  mesh.Set(object, triangles, true, true, true, true, true, true, force);
}

std::vector<Ints> edge_pairs(const std::vector<卍边>& edges) {
  std::vector<Ints> pairs;
  for (const 卍边& e : edges) pairs.push_back({e.vertex[0], e.vertex[1]});
  return pairs;
}

Ints partners(const std::vector<卍另点>& links) {
  Ints out;
  for (const 卍另点& link : links) out.push_back(link.partner);
  return out;
}

const 卍另点* link_to(const std::vector<卍另点>& links, int partner) {
  for (const 卍另点& link : links)
    if (link.partner == partner) return &link;
  return nullptr;
}

// ---------------------------------------------------------------------------
// Faces, edges and neighbours

TEST(MeshTopology, SingleQuadWithEveryBuilder) {
  ModelScene scene;
  Object* quad = add_mesh(scene, "Quad", kQuad, {4}, {0, 1, 2, 3});
  卍Mesh mesh;
  Capture capture;
  set_all(mesh, quad);

  EXPECT_STREQ(mesh.name, "Quad");
  EXPECT_EQ(mesh.host_object, quad);
  EXPECT_EQ(mesh.i状态, 2);
  ASSERT_EQ(mesh.L卍网点.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(mesh.L卍网点[i].ξ, i);
    EXPECT_EQ(mesh.L卍网点[i].position, mesh.host_mesh->mvert[i].co);
  }

  ASSERT_EQ(mesh.L卍面G.size(), 1u);
  EXPECT_EQ(mesh.L卍面G[0].corners, (Ints{0, 1, 2, 3}));
  ASSERT_EQ(mesh.L卍面3.size(), 2u);
  EXPECT_EQ(mesh.L卍面3[0].corners, (Ints{0, 1, 2}));
  EXPECT_EQ(mesh.L卍面3[1].corners, (Ints{0, 2, 3}));

  EXPECT_EQ(edge_pairs(mesh.L卍边G), (std::vector<Ints>{{0, 1}, {1, 2}, {2, 3}, {3, 0}}));
  EXPECT_EQ(edge_pairs(mesh.L卍边3), (std::vector<Ints>{{0, 1}, {1, 2}, {2, 0}, {2, 3}, {3, 0}}));
  EXPECT_EQ(mesh.L卍面G[0].sides, (Ints{0, 1, 2, 3}));
  EXPECT_EQ(mesh.L卍面3[1].sides, (Ints{2, 3, 4}));
  EXPECT_EQ(mesh.L卍边3[2].position[0], mesh.L卍网点[2].position);
  EXPECT_EQ(mesh.L卍边3[2].length, 0.0f);

  EXPECT_EQ(mesh.L卍网点[0].L面3点连点, (Ints{1, 2, 3}));
  EXPECT_EQ(mesh.L卍网点[2].L面3点连点, (Ints{1, 0, 3}));
  EXPECT_EQ(mesh.L卍网点[0].L点连点, (Ints{1, 3}));  // host edges only: no diagonal
  EXPECT_EQ(mesh.L卍网点[0].L边ξ, (Ints{0, 3}));
  EXPECT_EQ(mesh.L卍网点[0].L边3ξ, (Ints{0, 2, 4}));
  EXPECT_EQ(mesh.L卍网点[0].L面ξ, (Ints{0}));
  EXPECT_EQ(mesh.L卍网点[0].L面3ξ, (Ints{0, 1}));
  EXPECT_EQ(mesh.L卍网点[1].L面3ξ, (Ints{0}));
  EXPECT_EQ(mesh.L卍网点[0].L面点连点, (Ints{1, 2, 3}));
  EXPECT_EQ(partners(mesh.L卍网点[0].L另点G), (Ints{1, 3}));
  EXPECT_EQ(partners(mesh.L卍网点[0].L另点3), (Ints{1, 2, 3}));

  // The diagonal is shared by both triangles, seen from either end.
  for (auto [from, to] : {std::pair{0, 2}, std::pair{2, 0}}) {
    const 卍另点* diagonal = link_to(mesh.L卍网点[from].L另点3, to);
    ASSERT_NE(diagonal, nullptr);
    EXPECT_EQ(diagonal->triangles, (卍2ξ(0, 1)));
    EXPECT_EQ(diagonal->opposite, (卍2ξ(1, 3)));
    EXPECT_FLOAT_EQ(diagonal->rest_length, std::sqrt(2.0f));
    EXPECT_FLOAT_EQ(diagonal->inverse_rest_length, 1 / std::sqrt(2.0f));
  }
  const 卍另点* outer = link_to(mesh.L卍网点[0].L另点3, 1);
  EXPECT_EQ(outer->triangles.count(), 1);
  EXPECT_EQ(outer->opposite.first, 2);

  // Centre and normal of the polygon and of both triangles.
  EXPECT_FLOAT_EQ(mesh.L卍面G[0].丅[0], 0.5f);
  EXPECT_FLOAT_EQ(mesh.L卍面G[0].丅[1], 0.5f);
  EXPECT_EQ(mesh.L卍面G[0].host_polygon, &mesh.host_mesh->mpoly[0]);
  for (const 卍面* face : {&mesh.L卍面G[0], &mesh.L卍面3[0], &mesh.L卍面3[1]}) EXPECT_FLOAT_EQ(face->丄[2], 1.0f);
  EXPECT_FLOAT_EQ(mesh.L卍面3[1].丅[0], 1.0f / 3);

  // Every vertex of a lone quad has two neighbours: ring (next, prev, itself).
  EXPECT_EQ(mesh.L卍网点[0].L合并面点, (Ints{1, 3, 0}));
  EXPECT_EQ(mesh.L卍网点[2].L合并面点, (Ints{3, 1, 2}));
  EXPECT_TRUE(mesh.b已算合并点);
  EXPECT_FALSE(mesh.b已算合并点丄) << "Set merges rings without normals";

  EXPECT_NE(capture.out().find(" 》》算面边点,ψL卍边G.size()=5 ,ψL卍面G.size()=2 \n"), std::string::npos);
  EXPECT_NE(capture.out().find(" 》》集面点 ,L卍面3.size()=2\n"), std::string::npos);
  EXPECT_TRUE(capture.boxes().empty());
}

TEST(MeshTopology, TwoQuadsShareOneEdge) {
  ModelScene scene;
  Object* object = add_grid(scene, "Pair", 2, 1);  // quads (0,1,4,3) and (1,2,5,4)
  卍Mesh mesh;
  set_all(mesh, object);

  ASSERT_EQ(mesh.L卍边G.size(), 7u);
  EXPECT_EQ(mesh.L卍面G[0].sides, (Ints{0, 1, 2, 3}));
  EXPECT_EQ(mesh.L卍面G[1].sides, (Ints{4, 5, 6, 1}));
  EXPECT_EQ(edge_pairs(mesh.L卍边G)[1], (Ints{1, 4}));

  for (auto [from, to] : {std::pair{1, 4}, std::pair{4, 1}})
    EXPECT_EQ(link_to(mesh.L卍网点[from].L另点G, to)->faces, (卍2ξ(0, 1))) << from;
  EXPECT_EQ(link_to(mesh.L卍网点[0].L另点G, 1)->faces.count(), 1);
  EXPECT_EQ(mesh.L卍网点[1].L面ξ, (Ints{0, 1}));
  EXPECT_EQ(mesh.L卍网点[1].L面点连点, (Ints{0, 4, 3, 2, 5}));
  EXPECT_EQ(mesh.L卍网点[1].L点连点.size(), 3u);

  // Triangles (0,1,4) (0,4,3) (1,2,5) (1,5,4): edge 1-4 joins triangles 0 and 3.
  const 卍另点* shared = link_to(mesh.L卍网点[4].L另点3, 1);
  EXPECT_EQ(shared->triangles, (卍2ξ(0, 3)));
  EXPECT_EQ(shared->opposite, (卍2ξ(0, 5)));
}

// Three triangles hinged on edge 0-1: a non-manifold edge.
Object* add_hinged_fan(ModelScene& scene) {
  return add_mesh(scene, "Fan", {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 1}, {3, 3, 3},
                  {0, 1, 2, 1, 0, 3, 0, 1, 4});
}

TEST(MeshTopology, EdgeOfThreePolygonsKeepsTheFirstTwo) {
  ModelScene scene;
  Object* fan = add_hinged_fan(scene);
  卍Mesh mesh;
  Capture capture;
  mesh.Set(fan, false, true, false, true, false, false, false, false);
  EXPECT_EQ(link_to(mesh.L卍网点[0].L另点G, 1)->faces, (卍2ξ(0, 1)));
  EXPECT_EQ(link_to(mesh.L卍网点[1].L另点G, 0)->faces, (卍2ξ(0, 1)));
  EXPECT_NE(capture.out().find("★ 卍2ξ 十十卩()  ξ_=2n"), std::string::npos);
  EXPECT_EQ(mesh.L卍网点[0].L面ξ, (Ints{0, 1, 2}));
}

TEST(MeshTopology, LinksToTheSameEdgeFromTrianglesOfANonManifoldEdge) {
  ModelScene scene;
  Object* fan = add_hinged_fan(scene);
  卍Mesh mesh;
  Capture capture;
  mesh.Set(fan, true, false, false, true, false, false, false, false);
  const 卍另点* hinge = link_to(mesh.L卍网点[0].L另点3, 1);
  EXPECT_EQ(hinge->triangles, (卍2ξ(0, 1)));
  EXPECT_EQ(hinge->opposite, (卍2ξ(2, 3)));
}

TEST(MeshTopology, ZeroLengthEdgeStoresAZeroInverseLength) {
  ModelScene scene;
  Object* sliver = add_mesh(scene, "Sliver", {0, 0, 0, 0, 0, 0, 1, 0, 0}, {3}, {0, 1, 2});
  卍Mesh mesh;
  mesh.Set(sliver, true, false, false, true, false, true, false, false);
  const 卍另点* collapsed = link_to(mesh.L卍网点[0].L另点3, 1);
  EXPECT_EQ(collapsed->rest_length, 0.0f);
  EXPECT_EQ(collapsed->inverse_rest_length, 0.0f);
  EXPECT_EQ(link_to(mesh.L卍网点[1].L另点3, 0)->inverse_rest_length, 0.0f);
  EXPECT_FLOAT_EQ(link_to(mesh.L卍网点[1].L另点3, 2)->inverse_rest_length, 1.0f);
  for (float c : mesh.L卍面3[0].丄) EXPECT_EQ(c, 0.0f) << "a zero side gives no normal";
}

TEST(MeshTopology, DegenerateFacesGetZeroNormals) {
  ModelScene scene;
  // A flat-folded quad (collinear corners) and a two-cornered polygon.
  Object* object = add_mesh(scene, "Flat", {0, 0, 0, 1, 0, 0, 2, 0, 0, 3, 0, 0}, {4, 2}, {0, 1, 2, 3, 0, 3});
  卍Mesh mesh;
  mesh.Set(object, true, false, false, false, false, true, false, false);
  ASSERT_EQ(mesh.L卍面G.size(), 2u);
  EXPECT_EQ(mesh.L卍面3.size(), 2u) << "a two-cornered polygon has no fan triangle";
  for (const 卍面& face : mesh.L卍面G)
    for (float c : face.丄) EXPECT_EQ(c, 0.0f);
  EXPECT_FLOAT_EQ(mesh.L卍面G[1].丅[0], 1.5f);
}

// ---------------------------------------------------------------------------
// Merged rings

TEST(MeshRings, GridRingsGoAroundEachVertex) {
  ModelScene scene;
  Object* grid = add_grid(scene, "Grid", 2, 2);  // 3 × 3 vertices, centre 4
  卍Mesh mesh;
  mesh.Set(grid, false, true, true, true, false, false, false, false);
  mesh.点连点合并面(true);
  ASSERT_TRUE(mesh.b已算合并点);
  EXPECT_TRUE(mesh.b已算合并点丄);

  // Centre: in its first face (0,1,4,3) next is 3 and prev 1, then around through faces 1 and 3.
  EXPECT_EQ(mesh.L卍网点[4].L合并面点, (Ints{3, 1, 5, 7}));
  // Boundary vertex with neighbours (0, 4, 2): next, prev, the remaining neighbour.
  EXPECT_EQ(mesh.L卍网点[1].L合并面点, (Ints{4, 0, 2}));
  EXPECT_EQ(mesh.L卍网点[0].L合并面点, (Ints{1, 3, 0}));
  for (int v : {0, 1, 4}) EXPECT_FLOAT_EQ(std::fabs(mesh.L卍网点[v].合并面丄[2]), 1.0f) << v;

  // Recomputing from the stored rings gives the same normals.
  mesh.b已算合并点丄 = 0;
  const float before = mesh.L卍网点[4].合并面丄[2];
  mesh.L卍网点[4].合并面丄[2] = 0;
  mesh.算合并点丄();
  EXPECT_FLOAT_EQ(mesh.L卍网点[4].合并面丄[2], before);
}

TEST(MeshRings, LooseVertexStopsThePass) {
  ModelScene scene;
  // Quad 0-3, vertex 4 in no polygon, quad 5-8.
  std::vector<float> coords = kQuad;
  coords.insert(coords.end(), {5, 5, 5});
  for (int i = 0; i < 4; ++i) coords.insert(coords.end(), {kQuad[3 * i] + 10, kQuad[3 * i + 1], 0});
  Object* object = add_mesh(scene, "Loose", coords, {4, 4}, {0, 1, 2, 3, 5, 6, 7, 8});
  卍Mesh mesh;
  mesh.Set(object, true, true, true, true, true, false, false, false);

  EXPECT_EQ(mesh.i状态, 2);
  for (int v = 0; v < 4; ++v) EXPECT_EQ(mesh.L卍网点[v].L合并面点.size(), 3u) << v;
  for (int v = 4; v < 9; ++v) EXPECT_TRUE(mesh.L卍网点[v].L合并面点.empty()) << v;
  EXPECT_FALSE(mesh.b已算合并点);

  Capture capture;
  mesh.算合并点丄();
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("b已算合并点 二二 false"), std::string::npos);
  EXPECT_FALSE(mesh.b已算合并点丄);
}

TEST(MeshRings, NeedCollectedFaces) {
  ModelScene scene;
  Object* grid = add_grid(scene, "Grid", 1, 1);
  卍Mesh mesh;
  mesh.Set(grid, false, true, false, false, false, false, false, false);
  mesh.点连点合并面(true);
  EXPECT_FALSE(mesh.b已算合并点);
}

// ---------------------------------------------------------------------------
// Binding and refusals

TEST(MeshSet, RefusesASecondSetUnlessForced) {
  ModelScene scene;
  Object* first = add_grid(scene, "First", 3, 3);
  Object* second = add_mesh(scene, "Second", kQuad, {4}, {0, 1, 2, 3});
  卍Mesh mesh;
  set_all(mesh, first);
  Capture capture;
  set_all(mesh, second);
  EXPECT_EQ(capture.out(), "!!! Set()  init= 2\n");
  EXPECT_EQ(mesh.host_object, first);

  // A forced rebind to a smaller mesh keeps nothing of the first one.
  capture.clear();
  mesh.Set(second, false, false, true, true, false, false, false, true);
  EXPECT_EQ(mesh.host_object, second);
  EXPECT_EQ(mesh.L卍网点.size(), 4u);
  EXPECT_EQ(mesh.L卍面3.size(), 0u);
  EXPECT_EQ(mesh.L卍边G.size(), 4u);
  EXPECT_TRUE(mesh.L卍网点[0].L点连点.empty()) << "neighbours were not asked for";
  EXPECT_EQ(mesh.L卍网点[0].L面点连点, (Ints{1, 2, 3}));
  EXPECT_EQ(mesh.i状态, 1);
  EXPECT_FALSE(mesh.b已算合并点);
}

TEST(MeshSet, SameObjectIsANoOpBeforeFacesExist) {
  ModelScene scene;
  Object* quad = add_mesh(scene, "Quad", kQuad, {4}, {0, 1, 2, 3});
  卍Mesh mesh;
  mesh.Set(quad, false, true, false, false, false, false, false, false);
  EXPECT_EQ(mesh.i状态, 0);
  Capture capture;
  mesh.Set(quad, false, false, false, true, false, false, false, false);
  EXPECT_EQ(capture.out(), "");
  EXPECT_TRUE(mesh.L卍面G.empty());
}

TEST(MeshSet, BadObjectsAreReported) {
  ModelScene scene;
  Object* rig = scene.add_armature("Rig", {{"Bone", {0, 0, 0}, {0, 0, 1}, 0, nullptr, false}});
  struct Case {
    const char* name;
    Object* object;
    const char* condition;
  };
  for (const Case& c : {Case{"null", nullptr, "o_ 二二 ψ0"}, Case{"armature", rig, "o->type!=OB_MESH"}}) {
    卍Mesh mesh;
    Capture capture;
    EXPECT_EQ(mesh.Set(c.object, true, true, true, true, true, true, true, true), &mesh);
    ASSERT_EQ(capture.boxes().size(), 1u) << c.name;
    EXPECT_NE(capture.boxes()[0].text.find(c.condition), std::string::npos) << c.name;
    EXPECT_NE(capture.boxes()[0].text.find("卍Mesh::Set"), std::string::npos) << c.name;
    EXPECT_EQ(mesh.host_object, nullptr) << c.name;
  }
}

TEST(MeshSet, EmptyAndPolygonFreeMeshes) {
  ModelScene scene;
  Object* empty = scene.add_object("Empty", OB_MESH);
  卍Mesh mesh;
  Capture capture;
  set_all(mesh, empty);
  EXPECT_TRUE(mesh.L卍网点.empty());
  EXPECT_NE(capture.out().find("★★Resize  无 L  iSize ＜ 1, iSize=0"), std::string::npos);
  EXPECT_TRUE(capture.boxes().empty());
  mesh.集点连面点();
  mesh.算合并点丄();  // reported: the pass never ran

  // Vertices joined only by wire edges: neighbours, but no faces and no rings.
  Object* wire = add_mesh(scene, "Wire", {0, 0, 0, 1, 0, 0, 2, 0, 0}, {}, {}, {0, 1, 1, 2});
  卍Mesh wired;
  set_all(wired, wire);
  EXPECT_EQ(wired.L卍网点[1].L点连点, (Ints{0, 2}));
  EXPECT_TRUE(wired.L卍边G.empty());
  EXPECT_TRUE(wired.L卍网点[1].L面点连点.empty());
  EXPECT_FALSE(wired.b已算合并点);

  // A single vertex: the face-neighbour builder must not look at a second one.
  Object* dot = add_mesh(scene, "Dot", {1, 2, 3}, {}, {});
  卍Mesh single;
  single.集点连面点();  // unbound: nothing to do
  single.Set(dot, false, false, false, true, false, false, false, false);
  EXPECT_TRUE(single.L卍网点[0].L面点连点.empty());
}

TEST(MeshSet, LooseLeadingVertexKeepsTheLinks) {
  ModelScene scene;
  std::vector<float> coords = {9, 9, 9};
  coords.insert(coords.end(), kQuad.begin(), kQuad.end());
  Object* object = add_mesh(scene, "LooseFirst", coords, {4}, {1, 2, 3, 4});
  卍Mesh mesh;
  mesh.Set(object, true, true, true, true, false, false, false, false);
  EXPECT_EQ(partners(mesh.L卍网点[1].L另点G), (Ints{2, 4}));
  EXPECT_EQ(partners(mesh.L卍网点[1].L另点3), (Ints{2, 3, 4}));
  EXPECT_EQ(mesh.L卍网点[1].L面点连点, (Ints{2, 3, 4}));
}

TEST(MeshSet, HostArraysOutOfRangeAreReportedNotRead) {
  ModelScene scene;
  Object* object = add_mesh(scene, "Broken", kQuad, {4}, {0, 1, 2, 3});
  Mesh* host = hm_object_mesh(object);
  host->mloop[2].v = 40;
  host->medge[1].v2 = 7;
  卍Mesh mesh;
  Capture capture;
  set_all(mesh, object);
  EXPECT_EQ(capture.boxes().size(), 2u);
  EXPECT_EQ(mesh.polygon_count(), 0);
  EXPECT_EQ(mesh.edge_count(), 0);
  EXPECT_TRUE(mesh.L卍面G.empty());
  EXPECT_TRUE(mesh.L卍网点[0].L点连点.empty());
}

TEST(MeshSet, PositionsAreLive) {
  ModelScene scene;
  Object* quad = add_mesh(scene, "Quad", kQuad, {4}, {0, 1, 2, 3});
  卍Mesh mesh;
  set_all(mesh, quad);
  hm_object_mesh(quad)->mvert[2].co[2] = 4;
  EXPECT_EQ(position_of(mesh.L卍网点[2]).z, 4.0f);
  EXPECT_EQ(mesh.L卍边G[1].position[1][2], 4.0f);
}

TEST(MeshFaces, CentresAndNormalsAreComputedOnce) {
  ModelScene scene;
  Object* quad = add_mesh(scene, "Quad", kQuad, {4}, {0, 1, 2, 3});
  卍Mesh mesh;
  mesh.Set(quad, false, false, false, false, false, true, false, false);
  hm_object_mesh(quad)->mvert[0].co[0] = -3;
  Capture capture;
  mesh.集面丅丄(false);
  EXPECT_EQ(capture.out(), "!!!b已算面丅= 1,b已算面丄= 1\n");
  EXPECT_FLOAT_EQ(mesh.L卍面G[0].丅[0], 0.5f);

  mesh.b已算面丅 = 0;  // a run that computed only centres still refuses
  capture.clear();
  mesh.集面丅丄(false);
  EXPECT_EQ(capture.out(), "!!!b已算面丅= 0,b已算面丄= 1\n");
}

TEST(MeshFaces, BuildersRefuseASecondRun) {
  ModelScene scene;
  Object* quad = add_mesh(scene, "Quad", kQuad, {4}, {0, 1, 2, 3});
  卍Mesh mesh;
  mesh.Set(quad, true, false, true, false, false, false, false, false);
  Capture capture;
  mesh.集面点(true);
  mesh.算面边点(true);
  EXPECT_EQ(capture.out(), "!!!b已集面点= 1\n!!!b已算面边点= 1\n");
  EXPECT_EQ(mesh.L卍边3.size(), 5u);
}

TEST(MeshLinks, LookupOfAMissingPartnerIsReported) {
  ModelScene scene;
  Object* quad = add_mesh(scene, "Quad", kQuad, {4}, {0, 1, 2, 3});
  卍Mesh mesh;
  mesh.Set(quad, true, false, false, true, false, false, false, false);
  EXPECT_EQ(卍Mesh::另点罒(2, mesh.L卍网点[0].L另点3).triangles, (卍2ξ(0, 1)));
  Capture capture;
  卍另点& missing = 卍Mesh::另点罒(2, mesh.L卍网点[0].L另点G);
  EXPECT_EQ(missing.partner, -1);
  EXPECT_EQ(missing.faces.count(), 0);
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("另点罒"), std::string::npos);
}

TEST(MeshLinks, VertexListsRebuiltAfterBeingEmptied) {
  ModelScene scene;
  Object* quad = add_mesh(scene, "Quad", kQuad, {4}, {0, 1, 2, 3});
  卍Mesh mesh;
  mesh.Set(quad, true, true, true, true, false, false, false, false);
  mesh.L卍网点.clear();  // what the cloth mesh clearing does
  mesh.集点连面点();
  ASSERT_EQ(mesh.L卍网点.size(), 4u);
  EXPECT_EQ(mesh.L卍网点[0].ξ, -1);
  EXPECT_EQ(mesh.L卍网点[3].position, mesh.host_mesh->mvert[3].co);
  EXPECT_EQ(mesh.L卍网点[0].L面点连点, (Ints{1, 2, 3}));
}

}  // namespace
}  // namespace lumo
