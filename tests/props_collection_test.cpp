// Collections of object names (列表_Lo) and the object listing filtered by a
// property (Lo巜type).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/current.h"
#include "hostmodel_props.h"
#include "props/collection_objects.h"
#include "props/object_listing.h"
#include "props/property_names.h"
#include "support/capture.h"
#include "support/model_scene.h"

namespace lumo {
namespace {

using testing::Capture;
using testing::ModelScene;

// The scene's "lumo_IK" group with a collider collection naming two objects of
// the scene and one that is not there.
class CollectionObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    host::current = {};
    cube = scene.add_object("Cube", OB_MESH);
    ball = scene.add_object("Ball", OB_MESH);
    hm_object_new(scene.main, "Unlinked", OB_MESH);  // in the main, not in the view layer
    group = hm_prop_add_group(hm_prop_root_of_id(scene.main, &scene.scene->id), prop_name::lumo_IK);
    pending = hm_prop_add_int(group, prop_name::bp有待删除, 0);
    collection = hm_prop_add_collection(group, prop_name::cp碰撞体, 4);
    const char* names[] = {"Cube", "Gone", "Ball", "Unlinked"};
    for (int i = 0; i < 4; ++i) {
      hm_prop_add_string(hm_prop_item(collection, i), prop_name::name, names[i]);
      hm_prop_add_int(hm_prop_item(collection, i), prop_name::bp要删除, 0);
    }
  }
  int deletion_flag(int item) { return hm_prop_get_int(hm_prop_child(hm_prop_item(collection, item), prop_name::bp要删除)); }

  ModelScene scene;
  Object* cube = nullptr;
  Object* ball = nullptr;
  IDProperty* group = nullptr;
  IDProperty* pending = nullptr;
  IDProperty* collection = nullptr;
};

TEST_F(CollectionObjects, ListsPresentObjectsAndFlagsTheOthers) {
  std::vector<Object*> out;
  bool needs_cleanup = false;
  Capture capture;
  ASSERT_TRUE(列表_Lo(prop_name::cp碰撞体, &group, scene.scene, out, needs_cleanup));
  EXPECT_EQ(out, (std::vector<Object*>{cube, ball}));
  EXPECT_EQ(deletion_flag(0), 0);
  EXPECT_EQ(deletion_flag(1), 1);
  EXPECT_EQ(deletion_flag(2), 0);
  EXPECT_EQ(deletion_flag(3), 1);
  EXPECT_EQ(hm_prop_get_int(pending), 1);
  EXPECT_TRUE(needs_cleanup);

  const std::string& printed = capture.out();
  const std::string gone = "\"!!!有待删除物\"◆ 〔 name =Gone〕 ----------------行:";
  const std::string unlinked = "\"!!!有待删除物\"◆ 〔 name =Unlinked〕 ----------------行:";
  ASSERT_EQ(printed.rfind(gone, 0), 0u) << printed;
  EXPECT_NE(printed.find("\n" + unlinked), std::string::npos) << printed;
  EXPECT_NE(printed.find(",文件:src/props/collection_objects.cpp\n"), std::string::npos) << printed;
  EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 2) << printed;
}

TEST_F(CollectionObjects, TheCallersFlagNeedsTheGroupsPendingSetting) {
  IDProperty* settings = hm_prop_add_group(hm_prop_root_of_id(scene.main, &ball->id), prop_name::pp属性o);
  IDProperty* excluded = hm_prop_add_collection(settings, prop_name::cp排除碰撞体, 1);
  hm_prop_add_string(hm_prop_item(excluded, 0), prop_name::name, "Gone");
  std::vector<Object*> out = {cube};
  bool needs_cleanup = false;
  Capture capture;
  ASSERT_TRUE(列表_Lo(prop_name::cp排除碰撞体, &settings, scene.scene, out, needs_cleanup));
  EXPECT_EQ(out, (std::vector<Object*>{cube})) << "appends to what the caller had";
  EXPECT_FALSE(needs_cleanup);
  EXPECT_EQ(hm_prop_child(hm_prop_item(excluded, 0), prop_name::bp要删除), nullptr) << "nothing is created";
  EXPECT_EQ(hm_prop_child(settings, prop_name::bp有待删除), nullptr);
}

TEST_F(CollectionObjects, NothingIsTouchedWithoutACollectionOrAScene) {
  std::vector<Object*> out;
  bool needs_cleanup = false;
  IDProperty* nothing = nullptr;
  Capture capture;
  EXPECT_FALSE(列表_Lo("cp没有", &group, scene.scene, out, needs_cleanup));
  EXPECT_FALSE(列表_Lo(prop_name::cp碰撞体, &nothing, scene.scene, out, needs_cleanup));
  EXPECT_FALSE(列表_Lo(prop_name::bp有待删除, &group, scene.scene, out, needs_cleanup)) << "an int is no collection";
  EXPECT_FALSE(列表_Lo(prop_name::cp碰撞体, &group, nullptr, out, needs_cleanup));
  EXPECT_TRUE(out.empty());
  EXPECT_FALSE(needs_cleanup);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(deletion_flag(i), 0);
  EXPECT_EQ(hm_prop_get_int(pending), 0);
  EXPECT_EQ(capture.out(), "");
}

TEST(ObjectListing, FiltersByAnObjectLevelProperty) {
  host::current = {};
  ModelScene scene;
  Object* rig = scene.add_armature("Rig", {{"Bone", {0, 0, 0}, {0, 1, 0}, 0, nullptr, false}});
  Object* plain = scene.add_armature("Plain", {{"Bone", {0, 0, 0}, {0, 1, 0}, 0, nullptr, false}});
  Object* mesh = scene.add_object("Mesh", OB_MESH);
  hm_prop_add_group(hm_prop_root_of_id(scene.main, &rig->id), prop_name::PoseBone);
  hm_prop_add_group(hm_prop_root_of_id(scene.main, &mesh->id), prop_name::PoseBone);
  // On a pose channel only, which does not count for the object.
  hm_prop_add_group(hm_prop_root_of_channel(scene.main, hm_pose_channel(plain, "Bone")), prop_name::PoseBone);
  hm_prop_root_of_id(scene.main, &plain->id);

  Capture capture;
  EXPECT_EQ(Lo巜type(OB_ARMATURE, scene.context, prop_name::PoseBone, true), (std::vector<Object*>{rig}));
  EXPECT_EQ(Lo巜type(OB_ARMATURE, scene.context, nullptr, true), (std::vector<Object*>{rig, plain}));
  EXPECT_EQ(Lo巜type(OB_ARMATURE, scene.context, "posebone", true), std::vector<Object*>{});
  EXPECT_EQ(capture.out(), "");
  EXPECT_EQ(host::current.scene, scene.scene);

  ModelScene other;
  other.add_armature("Bare", {{"Bone", {0, 0, 0}, {0, 1, 0}, 0, nullptr, false}});
  EXPECT_EQ(Lo巜type(OB_ARMATURE, other.context, prop_name::PoseBone, true), std::vector<Object*>{});
  host::current = {};
}

}  // namespace
}  // namespace lumo
