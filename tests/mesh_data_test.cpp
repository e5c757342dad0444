// Mesh topology record: shape-key positions, UV corners and bone weights.
#include <gtest/gtest.h>

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

const std::vector<float> kQuad = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0};

Object* add_quad(ModelScene& scene, const char* name) {
  Object* object = scene.add_object(name, OB_MESH);
  const int sizes[] = {4}, corners[] = {0, 1, 2, 3};
  EXPECT_EQ(hm_mesh_set_geometry(object, 4, kQuad.data(), 1, sizes, corners, 0, nullptr), 1);
  return object;
}

// ---------------------------------------------------------------------------
// Shape keys

TEST(MeshShapeKeys, ActiveSecondBlockIsReadLive) {
  ModelScene scene;
  Object* quad = add_quad(scene, "Keyed");
  hm_mesh_add_shape_key(quad, "Basis", nullptr);
  std::vector<float> raised = kQuad;
  for (size_t i = 2; i < raised.size(); i += 3) raised[i] = 2;
  KeyBlock* raised_block = hm_mesh_add_shape_key(quad, "Raised", raised.data());
  ASSERT_EQ(quad->shapenr, 2);

  卍Mesh mesh;
  Capture capture;
  mesh.Set(quad, true, false, false, false, false, true, false, false);
  EXPECT_EQ(mesh.b非基形, 1);
  auto* rows = static_cast<float*>(raised_block->data);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(mesh.L卍网点[i].position, rows + 3 * i);
    EXPECT_EQ(mesh.L卍网点[i].host_vertex, &mesh.host_mesh->mvert[i]);
  }
  EXPECT_FLOAT_EQ(mesh.L卍面G[0].丅[2], 2.0f);
  EXPECT_NE(capture.out().find("《《《 getKeyBlock,o=Keyed ,ξ激活=1\n"), std::string::npos);
  rows[2] = 7;  // live, not copied
  EXPECT_EQ(position_of(mesh.L卍网点[0]).z, 7.0f);
}

TEST(MeshShapeKeys, BasisActiveOrNoActiveKey) {
  ModelScene scene;
  Object* quad = add_quad(scene, "Keyed");
  KeyBlock* basis = hm_mesh_add_shape_key(quad, "Basis", nullptr);
  hm_mesh_add_shape_key(quad, "Other", nullptr);

  hm_object_set_active_shape(quad, 1);
  卍Mesh on_basis;
  on_basis.Set(quad, false, true, false, false, false, false, false, false);
  EXPECT_EQ(on_basis.b非基形, 0);
  EXPECT_EQ(on_basis.L卍网点[1].position, static_cast<float*>(basis->data) + 3);

  hm_object_set_active_shape(quad, 0);
  卍Mesh none_active;
  Capture capture;
  none_active.Set(quad, false, true, false, false, false, false, false, false);
  EXPECT_EQ(none_active.L卍网点[1].position, none_active.host_mesh->mvert[1].co);
  EXPECT_NE(capture.out().find("  ★ 》》  ξ激活==-1  getKeyBlock"), std::string::npos);
}

TEST(MeshShapeKeys, ShortBlockLeavesMissingRowsToTheVertices) {
  ModelScene scene;
  Object* quad = add_quad(scene, "Short");
  KeyBlock* block = hm_mesh_add_shape_key(quad, "Basis", nullptr);
  block->totelem = 2;
  卍Mesh mesh;
  mesh.Set(quad, false, true, false, false, false, false, false, false);
  EXPECT_EQ(mesh.L卍网点[1].position, static_cast<float*>(block->data) + 3);
  EXPECT_EQ(mesh.L卍网点[2].position, mesh.host_mesh->mvert[2].co);
}

TEST(GetKeyBlock, LookupTable) {
  ModelScene scene;
  Object* keyed = add_quad(scene, "Keyed");
  KeyBlock* basis = hm_mesh_add_shape_key(keyed, "Basis", nullptr);
  KeyBlock* second = hm_mesh_add_shape_key(keyed, "Second", nullptr);
  Object* bare = add_quad(scene, "Bare");
  Object* empty = scene.add_object("Empty", OB_EMPTY);
  struct Case {
    const char* name;
    Object* object;
    int n;
    KeyBlock* expected;
    const char* printed;
  };
  const Case cases[] = {
      {"reference", keyed, -2, basis, "  》》Keyed ,  kbA=1 \n"},
      {"first", keyed, 0, basis, "  》》Keyed ,  kbA=1 \n"},
      {"second", keyed, 1, second, "  》》Keyed ,  kbA=1 \n"},
      {"past_the_end", keyed, 2, nullptr, "  》》Keyed ,  kbA=0 \n"},
      {"none_active", keyed, -1, nullptr, "  ★ 》》  ξ激活==-1  getKeyBlock"},
      {"without_key", bare, 0, nullptr, "!!! o 没有key= Bare\n"},
      {"other_type", empty, 0, nullptr, "error type   0 \n"},
  };
  for (const Case& c : cases) {
    Capture capture;
    EXPECT_EQ(getKeyBlock(c.object, c.n), c.expected) << c.name;
    EXPECT_NE(capture.out().find(c.printed), std::string::npos) << c.name << ": " << capture.out();
  }
  Capture capture;
  EXPECT_EQ(getKeyBlock(nullptr, 0), nullptr);
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("o 二二 ψ0"), std::string::npos);
}

// ---------------------------------------------------------------------------
// UV corners

TEST(MeshUV, PolygonAndTriangleCorners) {
  ModelScene scene;
  Object* quad = add_quad(scene, "Quad");
  const float uvs[] = {0, 0, 1, 0, 1, 1, 0, 1};
  const int flags[] = {1, 2, 3, 4};
  ASSERT_EQ(hm_mesh_set_uv(quad, uvs, flags), 1);

  卍Mesh mesh;
  mesh.Set(quad, false, false, false, false, false, false, true, false);
  ASSERT_EQ(mesh.L卍面G.size(), 1u);
  ASSERT_EQ(mesh.L卍面G[0].uv.size(), 4u);
  EXPECT_EQ(mesh.L卍面G[0].uv[2].uv[0], 1.0f);
  EXPECT_EQ(mesh.L卍面G[0].uv[3].flag, 4);
  EXPECT_TRUE(mesh.b已集UV);

  卍Mesh triangles;
  triangles.Set(quad, true, false, false, true, false, false, false, false);
  triangles.集UV(true);
  ASSERT_EQ(triangles.L卍面3.size(), 2u);
  std::vector<int> corner_flags;
  for (const 卍面& t : triangles.L卍面3)
    for (const MLoopUV& corner : t.uv) corner_flags.push_back(corner.flag);
  EXPECT_EQ(corner_flags, (std::vector<int>{1, 2, 3, 1, 3, 4}));
  EXPECT_EQ(triangles.L卍面3[1].corners, (std::vector<std::int32_t>{0, 2, 3})) << "corners kept";
}

TEST(MeshUV, NoLayerNoCorners) {
  ModelScene scene;
  Object* quad = add_quad(scene, "Quad");
  卍Mesh mesh;
  mesh.Set(quad, false, false, false, true, false, false, true, false);
  EXPECT_FALSE(mesh.b已集UV);
  EXPECT_TRUE(mesh.L卍面G[0].uv.empty());
}

// ---------------------------------------------------------------------------
// Bone weights

class MeshBoneWeights : public ::testing::Test {
 protected:
  void SetUp() override {
    rig = scene.add_armature("Rig", {{"Root", {0, 0, 0}, {0, 0, 1}, 0, nullptr, false},
                                     {"Tip", {0, 0, 1}, {0, 0, 2}, 0, "Root", true}});
    quad = add_quad(scene, "Skin");
    const int tip = hm_object_add_vertex_group(quad, "Tip");
    const int unmatched = hm_object_add_vertex_group(quad, "Unmatched");
    const int root = hm_object_add_vertex_group(quad, "Root");
    hm_mesh_set_weight(quad, 0, root, 1.0f);
    hm_mesh_set_weight(quad, 1, root, 0.5f);
    hm_mesh_set_weight(quad, 1, tip, 0.5f);
    hm_mesh_set_weight(quad, 2, unmatched, 0.9f);
    hm_mesh_set_weight(quad, 2, tip, 0.00005f);  // below the threshold
    hm_mesh_set_weight(quad, 3, tip, 0.25f);
  }

  void expect_weights(const 卍Mesh& mesh) {
    ASSERT_EQ(mesh.L卍点权.size(), 2u);  // group order: Tip, Root
    EXPECT_STREQ(mesh.L卍点权[0].bone, "Tip");
    EXPECT_EQ(mesh.L卍点权[0].bone, hm_pose_channel(rig, "Tip")->name);
    EXPECT_STREQ(mesh.L卍点权[1].bone, "Root");
    std::vector<std::pair<int, float>> tip, root;
    for (const 卍ξf权& w : mesh.L卍点权[0].L卍ξf权) tip.push_back({w.vertex, w.weight});
    for (const 卍ξf权& w : mesh.L卍点权[1].L卍ξf权) root.push_back({w.vertex, w.weight});
    EXPECT_EQ(tip, (std::vector<std::pair<int, float>>{{1, 0.5f}, {3, 0.25f}}));
    EXPECT_EQ(root, (std::vector<std::pair<int, float>>{{0, 1.0f}, {1, 0.5f}}));
    ASSERT_EQ(mesh.L卍网点[1].L骨权.size(), 2u);
    EXPECT_STREQ(mesh.L卍网点[1].L骨权[0].bone, "Root");
    EXPECT_STREQ(mesh.L卍网点[1].L骨权[1].bone, "Tip");
    EXPECT_TRUE(mesh.L卍网点[2].L骨权.empty());
    EXPECT_TRUE(mesh.b已集骨权);
  }

  卍Mesh bound() {
    卍Mesh mesh;
    mesh.Set(quad, false, false, false, false, false, false, false, false);
    return mesh;
  }

  ModelScene scene;
  Object* rig = nullptr;
  Object* quad = nullptr;
};

TEST_F(MeshBoneWeights, GivenArmature) {
  卍Mesh mesh = bound();
  mesh.集骨点权(rig);
  expect_weights(mesh);
  Capture capture;
  mesh.集骨点权(rig);
  EXPECT_EQ(capture.out().rfind("◆ \"!!! b已集骨权\" ----------行:", 0), 0u) << capture.out();
}

TEST_F(MeshBoneWeights, SkeletonParent) {
  hm_object_set_parent(quad, rig, PARSKEL);
  卍Mesh mesh = bound();
  mesh.集骨点权(nullptr);
  expect_weights(mesh);
}

TEST_F(MeshBoneWeights, FirstArmatureModifier) {
  hm_object_set_parent(quad, rig, PAROBJECT);  // plain parenting does not count
  hm_object_add_modifier(quad, 3, "Other", nullptr);
  hm_object_add_modifier(quad, eModifierType_Armature, "Armature", rig);
  hm_object_add_modifier(quad, eModifierType_Armature, "Second", nullptr);
  卍Mesh mesh = bound();
  mesh.集骨点权(nullptr);
  expect_weights(mesh);
}

TEST_F(MeshBoneWeights, NoArmatureOrNotAnArmature) {
  卍Mesh mesh = bound();
  mesh.集骨点权(nullptr);
  EXPECT_FALSE(mesh.b已集骨权);
  EXPECT_TRUE(mesh.L卍点权.empty());

  Capture capture;
  mesh.集骨点权(quad);
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("oArm->type!=OB_ARMATURE"), std::string::npos);
  EXPECT_FALSE(mesh.b已集骨权);

  卍Mesh unbound;
  unbound.集骨点权(rig);
  EXPECT_FALSE(unbound.b已集骨权);
}

TEST_F(MeshBoneWeights, StaleGroupIndexIsIgnored) {
  hm_mesh_set_weight(quad, 3, 9, 1.0f);  // no group 9
  卍Mesh mesh = bound();
  mesh.集骨点权(rig);
  expect_weights(mesh);
}

}  // namespace
}  // namespace lumo
