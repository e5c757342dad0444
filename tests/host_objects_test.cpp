// Object, base and armature access.
#include <gtest/gtest.h>

#include <string>

#include "host/current.h"
#include "host/objects.h"
#include "support/capture.h"
#include "support/model_scene.h"

namespace lumo::host {
namespace {

using testing::Capture;
using testing::ModelScene;

TEST(ObjectByName, MatchesExactlyTheNameAfterTheTypeCharacters) {
  ModelScene scene;
  Object* cube = scene.add_object("Cube", OB_MESH);
  scene.add_object("Cube.001", OB_MESH);
  EXPECT_EQ(object_by_name("Cube", scene.scene), cube);
  EXPECT_EQ(object_by_name("Cub", scene.scene), nullptr);
  EXPECT_EQ(object_by_name("cube", scene.scene), nullptr);
  EXPECT_EQ(object_by_name("OBCube", scene.scene), nullptr);
  EXPECT_EQ(object_by_name(nullptr, scene.scene), nullptr);
  EXPECT_EQ(object_by_name("Cube", nullptr), nullptr);
}

TEST(BaseOfObject, SearchesOtherScenesOfTheCurrentMainWhenMissing) {
  current = {};
  ModelScene scene;
  Object* here = scene.add_object("Here", OB_EMPTY);
  EXPECT_EQ(base_of_object(here, scene.scene), scene.base_of(here));

  Scene* second = hm_scene_new(scene.main, "Second");
  ViewLayer* layer = hm_view_layer_new(second, "ViewLayer", 0);
  Object* there = hm_object_new(scene.main, "There", OB_EMPTY);
  Base* base = hm_view_layer_link(layer, there);
  EXPECT_EQ(base_of_object(there, scene.scene), nullptr) << "without a current context only the given scene";

  current.context = scene.context;
  EXPECT_EQ(base_of_object(there, scene.scene), base);
  EXPECT_EQ(current.main, scene.main);
  EXPECT_EQ(base_of_object(nullptr, scene.scene), nullptr);
  current = {};
}

TEST(ObjectMessageName, DropsTheTypeCharacters) {
  ModelScene scene;
  Object* rig = scene.add_object("骨架", OB_ARMATURE);
  EXPECT_STREQ(object_message_name(rig), "骨架");
  Capture capture;
  EXPECT_EQ(object_message_name(nullptr), nullptr);
  EXPECT_EQ(capture.out(), "★★o=ψ0\n");
}

TEST(BoneCount, CountsChannelsOfArmaturesAndReportsOtherTypes) {
  ModelScene scene;
  Object* rig = scene.add_armature("Rig", {{"a", {0, 0, 0}, {0, 0, 1}, 0, nullptr, false},
                                           {"b", {0, 0, 1}, {0, 0, 2}, 0, "a", true},
                                           {"c", {0, 0, 2}, {0, 0, 3}, 0, "b", true}});
  EXPECT_EQ(i骨数(rig), 3);
  Object* mesh = scene.add_object("Mesh", OB_MESH);
  Capture capture;
  EXPECT_EQ(i骨数(mesh), 0);
  EXPECT_EQ(i骨数(nullptr), 0);
  ASSERT_EQ(capture.boxes().size(), 2u);
  EXPECT_EQ(capture.boxes()[0].text.rfind("★!!!出错:Mesh\n", 0), 0u);
  EXPECT_NE(capture.boxes()[0].text.find("o->type!=OB_ARMATURE"), std::string::npos);
  EXPECT_NE(capture.boxes()[0].text.find("函数 : i骨数"), std::string::npos);
}

TEST(BoneFlags, SelectedIsBitZeroAndConnectedBitFour) {
  ModelScene scene;
  Object* rig = scene.add_armature("Rig", {{"a", {0, 0, 0}, {0, 0, 1}, 0, nullptr, false},
                                           {"b", {0, 0, 1}, {0, 0, 2}, 0, "a", true}});
  Bone* a = hm_pose_channel(rig, "a")->bone;
  Bone* b = hm_pose_channel(rig, "b")->bone;
  EXPECT_FALSE(bone_is_connected(a));
  EXPECT_TRUE(bone_is_connected(b));
  EXPECT_FALSE(bone_is_selected(b));
  hm_bone_set_selected(b, 1);
  EXPECT_TRUE(bone_is_selected(b));
  EXPECT_EQ(b->flag, BONE_SELECTED | BONE_CONNECTED);
}

TEST(Redraw, TagsTheMainRegionsOfThe3DViewsOnly) {
  ModelScene scene;
  bScreen* screen = hm_window_screen(scene.window);
  ScrArea* view = hm_area_new(screen, SPACE_VIEW3D);
  ARegion* main_region = hm_region_new(view, RGN_TYPE_WINDOW, 0, 0, 10, 10);
  ARegion* header = hm_region_new(view, 1, 0, 10, 10, 2);
  ScrArea* image = hm_area_new(screen, SPACE_IMAGE);
  ARegion* image_region = hm_region_new(image, RGN_TYPE_WINDOW, 10, 0, 10, 10);

  EXPECT_EQ(request_view3d_redraw(scene.context), 1);
  hm_draw(scene.main);
  EXPECT_EQ(hm_region_redraw_count(main_region), 1);
  EXPECT_EQ(hm_region_redraw_count(header), 0);
  EXPECT_EQ(hm_region_redraw_count(image_region), 0);
  EXPECT_EQ(request_view3d_redraw(nullptr), 0);
}

}  // namespace
}  // namespace lumo::host
