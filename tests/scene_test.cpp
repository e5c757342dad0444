// Change detection, selection and visibility over the hierarchy, and the
// scene and object values the scripts read.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/current.h"
#include "hostmodel_props.h"
#include "hostmodel_views.h"
#include "props/prop_store.h"
#include "props/property_names.h"
#include "scene/change_detect.h"
#include "scene/hierarchy.h"
#include "scene/scene_values.h"
#include "scene/selection.h"
#include "scene/view_cache.h"
#include "support/capture.h"
#include "support/model_scene.h"
#include "support/scene_state.h"

namespace lumo {
namespace {

using testing::Capture;
using testing::ModelScene;

using testing::reset_scene_state;

struct SceneState : ::testing::Test {
  void SetUp() override { reset_scene_state(); }
  void TearDown() override { reset_scene_state(); }
};

// --- change detection -------------------------------------------------------

using ChangeDetection = SceneState;

TEST_F(ChangeDetection, NewMainAndNewSceneReplaceTheCurrentPointers) {
  ModelScene first("First", "first.blend");
  current_groups.lumo_ik = reinterpret_cast<IDProperty*>(&first);  // any stale group
  EXPECT_EQ(lumo::iDiffMain(first.context), 1);
  EXPECT_EQ(host::current.main, first.main);
  EXPECT_EQ(host::current.scene, first.scene);
  EXPECT_EQ(host::current.window, first.window);
  EXPECT_EQ(host::current.view_layer, first.layer);
  EXPECT_EQ(current_groups.lumo_ik, nullptr) << "a new file clears the current groups";
  EXPECT_EQ(lumo::iDiffMain(first.context), 0);

  Scene* second = hm_scene_new(first.main, "Second");
  ViewLayer* second_layer = hm_view_layer_new(second, "ViewLayer", 0);
  bContext* on_second = hm_context_new(first.main, second, first.window);
  EXPECT_EQ(lumo::iDiffScene(first.context), 0);
  EXPECT_EQ(lumo::iDiffScene(on_second), 1);
  EXPECT_EQ(host::current.scene, second);
  EXPECT_EQ(host::current.view_layer, second_layer);
  EXPECT_EQ(host::current.context, on_second);
  EXPECT_EQ(lumo::iDiffMain(nullptr), 0);
  EXPECT_EQ(lumo::iDiffScene(nullptr), 0);
  EXPECT_EQ(host::current.context, on_second) << "a null context is not recorded";
}

TEST_F(ChangeDetection, ANewMainForgetsTablesAndViewsOfTheOldOne) {
  auto old_file = std::make_unique<ModelScene>("Old", "old.blend");
  Object* parent = old_file->add_object("Parent", OB_EMPTY);
  hm_object_set_parent(old_file->add_object("Child", OB_EMPTY), parent, PAROBJECT);
  ScrArea* area = hm_area_new(hm_window_screen(old_file->window), SPACE_VIEW3D);
  hm_region_new(area, RGN_TYPE_WINDOW, 0, 0, 640, 480);
  lumo::SetMain(old_file->context);
  lumo::凷o(old_file->context);
  ASSERT_FALSE(Mo父LpareG.empty());
  ASSERT_NE(view3d_cache.region, nullptr);
  EXPECT_EQ(lumo::SetMain(old_file->context), true) << "the same main keeps everything";
  EXPECT_FALSE(Mo父LpareG.empty());

  ModelScene new_file("New", "new.blend");
  old_file.reset();  // the host frees the old file (after the new one exists: a reused address is no new main)
  Capture capture;
  EXPECT_EQ(lumo::iDiffMain(new_file.context), 1);
  EXPECT_TRUE(Mo父LpareG.empty());
  EXPECT_TRUE(Mo物baceG.empty());
  EXPECT_TRUE(Ms名oG.empty());
  EXPECT_EQ(view3d_cache.region, nullptr) << "no region of the freed screen stays cached";
  EXPECT_EQ(view3d_cache.view, nullptr);
}

TEST_F(ChangeDetection, TablesOfAnOldMainGoEvenWhenALookupSwitchedTheMainFirst) {
  // The object listing and the base search switch the current main on their
  // own; the tables of the old file must still go at the next change check.
  auto old_file = std::make_unique<ModelScene>("Old", "old.blend");
  Object* parent = old_file->add_object("Parent", OB_EMPTY);
  hm_object_set_parent(old_file->add_object("Child", OB_EMPTY), parent, PAROBJECT);
  lumo::SetMain(old_file->context);
  lumo::凷o(old_file->context);
  ASSERT_FALSE(Mo父LpareG.empty());

  ModelScene new_file("New", "new.blend");
  old_file.reset();
  host::current.main = new_file.main;  // as the object listing does
  Capture capture;
  EXPECT_EQ(lumo::iDiffMain(new_file.context), 0) << "the main itself is not new any more";
  EXPECT_TRUE(Mo父LpareG.empty()) << "but nothing read from the freed file survives";
  EXPECT_TRUE(Mo物baceG.empty());
  EXPECT_TRUE(Ms名oG.empty());
}

TEST_F(ChangeDetection, FirstSceneGivesMinusOneWithAWindowAndZeroWithout) {
  ModelScene scene;
  bContext* windowless = hm_context_new(scene.main, scene.scene, nullptr);
  EXPECT_EQ(lumo::iDiffScene(windowless), 0);
  EXPECT_EQ(host::current.scene, scene.scene);
  host::current = {};
  EXPECT_EQ(lumo::iDiffScene(scene.context), -1);
  EXPECT_EQ(host::current.window, scene.window);
  EXPECT_EQ(host::current.view_layer, scene.layer);
}

TEST_F(ChangeDetection, SetMainAnswersWhetherAThreeDViewIsCached) {
  ModelScene scene;
  Capture capture;
  EXPECT_FALSE(lumo::SetMain(scene.context));
  EXPECT_EQ(capture.out(), " 》》b凷rv3d ,★ regionG 二二 ψ0\n");
  EXPECT_EQ(host::current.main, scene.main);
  ScrArea* area = hm_area_new(hm_window_screen(scene.window), SPACE_VIEW3D);
  ARegion* region = hm_region_new(area, RGN_TYPE_WINDOW, 0, 0, 640, 480);
  EXPECT_TRUE(lumo::SetMain(scene.context));
  EXPECT_EQ(view3d_cache.region, region);
  EXPECT_FALSE(lumo::SetMain(nullptr));
}

// --- selection and visibility -------------------------------------------------

// A parent with three children; the second child has a child of its own.
struct Children : SceneState {
  ModelScene scene;
  Object* parent = nullptr;
  Object* kids[3] = {};
  Object* grandchild = nullptr;

  void SetUp() override {
    SceneState::SetUp();
    parent = scene.add_object("Parent", OB_EMPTY);
    for (int i = 0; i < 3; ++i) {
      const std::string name = "Kid" + std::to_string(i);
      kids[i] = scene.add_object(name.c_str(), OB_EMPTY);
      hm_object_set_parent(kids[i], parent, PAROBJECT);
    }
    grandchild = scene.add_object("Grandchild", OB_EMPTY);
    hm_object_set_parent(grandchild, kids[1], PAROBJECT);
  }
  int selected(Object* object) { return hm_base_flag(scene.base_of(object)) & BASE_SELECTED; }
};

TEST_F(Children, ShownChildrenCountSkipsTheViewportHidden) {
  hm_object_set_restrict(kids[2], OB_RESTRICT_VIEWPORT);
  hm_object_set_restrict(kids[0], OB_RESTRICT_RENDER);
  std::int32_t out[2] = {-7, -7};
  显子数(parent, scene.context, out);
  EXPECT_EQ(out[0], 3);
  EXPECT_EQ(out[1], 2);

  // A second scene holding one of the children counts it once more.
  Scene* other = hm_scene_new(scene.main, "Other");
  hm_view_layer_link(hm_view_layer_new(other, "ViewLayer", 0), kids[0]);
  显子数(parent, scene.context, out);
  EXPECT_EQ(out[0], 4);
  EXPECT_EQ(out[1], 3);
}

TEST_F(Children, ShownChildrenCountReportsNullArguments) {
  std::int32_t out[2] = {5, 5};
  Capture capture;
  显子数(nullptr, scene.context, out);
  显子数(parent, nullptr, out);
  显子数(parent, scene.context, nullptr);
  ASSERT_EQ(capture.boxes().size(), 3u);
  EXPECT_NE(capture.boxes()[0].text.find("o父 二二 ψ0"), std::string::npos);
  EXPECT_NE(capture.boxes()[1].text.find("C 二二 ψ0"), std::string::npos);
  EXPECT_NE(capture.boxes()[2].text.find("out 二二 ψ0"), std::string::npos);
  EXPECT_NE(capture.boxes()[0].text.find("显子数"), std::string::npos);
  EXPECT_EQ(out[0], 5);
}

TEST_F(Children, SelectingRecursivelyMarksEveryDescendantThatMayBeSelected) {
  hm_object_set_restrict(kids[0], OB_RESTRICT_SELECT);
  EXPECT_EQ(lumo::Θ(parent, scene.context, 1, 1, false, false, false), 0);
  EXPECT_TRUE(selected(parent));
  EXPECT_FALSE(selected(kids[0])) << "selection is restricted";
  EXPECT_TRUE(selected(kids[1]));
  EXPECT_TRUE(selected(kids[2]));
  EXPECT_TRUE(selected(grandchild));
  EXPECT_EQ(hm_object_base_flag(grandchild), hm_base_flag(scene.base_of(grandchild)));
  EXPECT_EQ(hm_object_base_flag(kids[0]), hm_base_flag(scene.base_of(kids[0]))) << "the copy is taken anyway";
}

TEST_F(Children, SelfWithoutRecursionReachesTheDirectChildrenOnly) {
  lumo::Θ(parent, scene.context, 0, 1, false, false, false);
  EXPECT_TRUE(selected(parent));
  EXPECT_TRUE(selected(kids[1]));
  EXPECT_FALSE(selected(grandchild));

  lumo::Θ(kids[1], scene.context, 0, 0, false, false, false);
  EXPECT_FALSE(selected(grandchild)) << "neither self nor recursive: nothing";
}

TEST_F(Children, UnhidingClearsViewportAndSelectionRestrictions) {
  const int hidden = OB_RESTRICT_VIEWPORT | OB_RESTRICT_SELECT;
  hm_object_set_restrict(kids[0], hidden | OB_RESTRICT_RENDER);
  hm_object_set_restrict(kids[1], hidden);
  hm_object_set_restrict(grandchild, hidden);
  hm_base_set_flag(scene.base_of(kids[1]), BASE_SELECTED);
  hm_object_set_flag(kids[1], 0x40);

  // Render-hidden only: unhide is forced off; only the render-hidden one changes.
  lumo::Θ(parent, scene.context, 1, 0, true, true, false);
  EXPECT_EQ(hm_object_restrict(kids[0]), OB_RESTRICT_RENDER);
  EXPECT_EQ(hm_object_restrict(kids[1]), hidden);
  EXPECT_FALSE(selected(kids[0])) << "nothing is selected either";

  lumo::Θ(parent, scene.context, 1, 0, true, false, false);
  EXPECT_EQ(hm_object_restrict(kids[1]), 0);
  EXPECT_EQ(hm_object_restrict(grandchild), 0);
  EXPECT_EQ(hm_object_flag(kids[1]), 0x40 | BASE_SELECTED) << "the base's flags are OR-ed into the flag word";
  EXPECT_FALSE(selected(kids[2])) << "unhiding selects nothing";
}

TEST_F(Children, RedrawIsRequestedOnlyWhenAsked) {
  ScrArea* area = hm_area_new(hm_window_screen(scene.window), SPACE_VIEW3D);
  ARegion* region = hm_region_new(area, RGN_TYPE_WINDOW, 0, 0, 640, 480);
  EXPECT_EQ(lumo::Θ(parent, scene.context, 0, 1, false, false, false), 0);
  hm_draw(scene.main);
  EXPECT_EQ(hm_region_redraw_count(region), 0);
  EXPECT_EQ(lumo::Θ(parent, scene.context, 0, 1, false, false, true), 1);
  hm_draw(scene.main);
  EXPECT_EQ(hm_region_redraw_count(region), 1);
  Capture capture;
  EXPECT_EQ(lumo::Θ(nullptr, scene.context, 1, 1, false, false, true), 0);
  ASSERT_EQ(capture.boxes().size(), 1u);
}

TEST_F(Children, DeadDescendantsAreNeverTouched) {
  lumo::凷o(scene.context);
  hm_object_set_restrict(grandchild, OB_RESTRICT_VIEWPORT);
  hm_object_delete(kids[2]);
  Capture capture;
  lumo::Θ(parent, scene.context, 1, 0, true, false, false);
  EXPECT_NE(capture.out().find("要RefillChild"), std::string::npos) << "the stale entry is found and refilled";
  EXPECT_EQ(hm_object_restrict(grandchild), 0);
  EXPECT_EQ(LoPushChild(parent, false), (std::vector<Object*>{kids[0], kids[1]}));
}

TEST_F(Children, SelectedObjectsInBaseOrder) {
  hm_base_set_selected(scene.base_of(kids[2]), 1);
  hm_base_set_selected(scene.base_of(parent), 1);
  EXPECT_EQ(lumo::selected_objects(scene.context), (std::vector<Object*>{parent, kids[2]}));
  EXPECT_EQ(last_selected, 0) << "the last base looked at is the unselected grandchild";
  EXPECT_TRUE(lumo::卩ΘS(kids[2], scene.context));
  EXPECT_EQ(last_selected, 1);
  EXPECT_TRUE(lumo::selected_objects(nullptr).empty());
}

TEST_F(Children, SelectionInAnotherViewLayerRefillsThatScenesBases) {
  ViewLayer* other = hm_view_layer_new(scene.scene, "Other", 0);
  Base* alone = hm_view_layer_link(other, kids[0]);
  hm_base_set_selected(alone, 1);
  lumo::SetMain(scene.context);
  bContext* on_other = hm_context_new(scene.main, scene.scene, hm_window_new(scene.main, scene.scene, "Other"));
  EXPECT_TRUE(lumo::卩ΘS(kids[0], on_other));
  EXPECT_EQ(host::current.view_layer, other);
  EXPECT_EQ(Mo物baceG.at(scene.scene).size(), 1u);
  EXPECT_FALSE(lumo::卩ΘS(parent, on_other)) << "not in that view layer";
}

// 隐显o属性 reads and writes the object's "ip隐显o" and "ip仌".
struct ShowHide : Children {
  IDProperty* hidden_of[5] = {};
  IDProperty* marked_of[5] = {};
  Object* all[5] = {};

  void SetUp() override {
    Children::SetUp();
    Object* objects[5] = {parent, kids[0], kids[1], kids[2], grandchild};
    for (int i = 0; i < 5; ++i) {
      all[i] = objects[i];
      IDProperty* root = hm_prop_root_of_id(scene.main, &objects[i]->id);
      hidden_of[i] = hm_prop_add_int(root, prop_name::ip隐显o, 0);
      marked_of[i] = hm_prop_add_int(root, prop_name::ip仌, 0);
    }
  }
};

TEST_F(ShowHide, ModesChangeOnlyWhatIsNotInPlaceYet) {
  struct Case {
    const char* name;
    int start, mode, hidden_after, marked_after;
  };
  const Case cases[] = {{"hide a shown object", 0, 0, 1, 1},
                        {"hide an already hidden object", 1, 0, 1, 0},
                        {"show a hidden object", 1, 1, 0, 1},
                        {"show an already shown object", 0, 1, 0, 0},
                        {"any mode but 1 hides", 0, 7, 1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    hm_prop_set_int(hidden_of[0], c.start);
    hm_prop_set_int(marked_of[0], 0);
    lumo::隐显o属性(parent, scene.context, c.mode, true, false);
    EXPECT_EQ(hm_prop_get_int(hidden_of[0]), c.hidden_after);
    EXPECT_EQ(hm_prop_get_int(marked_of[0]), c.marked_after);
    EXPECT_EQ(hm_prop_get_int(hidden_of[1]), 0) << "children untouched without recursion";
  }
}

TEST_F(ShowHide, RecursionReachesEveryDescendantButNotTheObjectWithoutSelf) {
  lumo::隐显o属性(parent, scene.context, 0, false, true);
  EXPECT_EQ(hm_prop_get_int(hidden_of[0]), 0);
  for (int i = 1; i < 5; ++i) {
    EXPECT_EQ(hm_prop_get_int(hidden_of[i]), 1) << i;
    EXPECT_EQ(hm_prop_get_int(marked_of[i]), 1) << i;
  }
}

TEST_F(ShowHide, MissingPropertiesAreNeverCreated) {
  Object* bare = scene.add_object("Bare", OB_EMPTY);
  lumo::隐显o属性(bare, scene.context, 0, true, false);
  EXPECT_EQ(bare->id.properties, nullptr);
  lumo::隐显o属性(bare, scene.context, 1, true, false);
  EXPECT_EQ(bare->id.properties, nullptr);
  Capture capture;
  lumo::隐显o属性(nullptr, scene.context, 1, true, true);
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("o 二二 ψ0"), std::string::npos);
}

// --- linking ------------------------------------------------------------------

TEST_F(Children, UnlinkRemovesTheFirstLegacyBaseAndLinkOnlyRedraws) {
  ScrArea* area = hm_area_new(hm_window_screen(scene.window), SPACE_VIEW3D);
  ARegion* region = hm_region_new(area, RGN_TYPE_WINDOW, 0, 0, 640, 480);
  Base* first = hm_scene_legacy_base_new(scene.scene, kids[0]);
  Base* second = hm_scene_legacy_base_new(scene.scene, kids[1]);
  lumo::UnlinkO(scene.context, nullptr);
  EXPECT_EQ(hm_scene_legacy_base_count(scene.scene), 1);
  EXPECT_EQ(scene.scene->base.first, second);
  EXPECT_EQ(second->prev, nullptr);
  EXPECT_EQ(first->object, kids[0]) << "the removed base is not freed";
  lumo::UnlinkO(scene.context, nullptr);
  lumo::UnlinkO(scene.context, nullptr);
  EXPECT_EQ(scene.scene->base.first, nullptr);
  EXPECT_EQ(scene.scene->base.last, nullptr);

  lumo::LinkO(scene.context, kids[0], nullptr);
  hm_draw(scene.main);
  EXPECT_EQ(hm_region_redraw_count(region), 1);
  Capture capture;
  lumo::LinkO(scene.context, nullptr, nullptr);
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("LinkO"), std::string::npos);
}

// --- scene values ---------------------------------------------------------------

TEST_F(SceneState, CheckFlagIsSetOnlyWhenItExistsAndIsNotNegative) {
  struct Case {
    const char* name;
    bool present;
    int start;
    int check, set_one, check_after_one, set_zero;
  };
  const Case cases[] = {{"missing", false, 0, -1, -1, -1, -1},
                        {"negative", true, -3, -1, -1, -1, -1},
                        {"zero", true, 0, 0, 1, 1, 1},
                        {"five", true, 5, 5, 1, 1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ModelScene scene;
    IDProperty* flag = nullptr;
    if (c.present) flag = hm_prop_add_int(hm_prop_root_of_id(scene.main, &scene.scene->id), prop_name::ip属性检测s, c.start);
    EXPECT_EQ(lumo::i属性检测(scene.context), c.check);
    EXPECT_EQ(host::current.scene, scene.scene);
    EXPECT_EQ(lumo::i1属性(scene.context), c.set_one);
    EXPECT_EQ(lumo::i属性检测(scene.context), c.check_after_one);
    EXPECT_EQ(lumo::i〇属性(scene.context), c.set_zero);
    if (flag) {
      EXPECT_EQ(hm_prop_get_int(flag), c.start < 0 ? c.start : 0);
    } else {
      EXPECT_EQ(scene.scene->id.properties, nullptr) << "nothing created";
    }
  }
  EXPECT_EQ(lumo::i1属性(nullptr), -2);
  EXPECT_EQ(lumo::i〇属性(nullptr), -2);
  EXPECT_EQ(lumo::i属性检测(nullptr), -2);
}

TEST_F(SceneState, ObjectMatrixAndObjectNumber) {
  ModelScene scene;
  Object* object = scene.add_object("Thing", OB_MESH);
  float matrix[16];
  for (int i = 0; i < 16; ++i) matrix[i] = float(i) * 0.5f;
  hm_object_set_matrix(object, matrix);
  float out[16] = {};
  lumo::o_f16(&object, out);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(out[i], matrix[i]);
  Object* none = nullptr;
  lumo::o_f16(&none, out);
  lumo::o_f16(nullptr, out);

  Capture capture;
  EXPECT_EQ(lumo::oΔ另1物体指针(&object->id), 0);
  EXPECT_EQ(capture.out(), "C__oΔΔ返回物体指针没有idp找\n");
  hm_prop_add_int(hm_prop_root_of_id(scene.main, &object->id), prop_name::oA, 42);
  EXPECT_EQ(lumo::oΔ另1物体指针(&object->id), 42);
  EXPECT_EQ(lumo::oΔ另1物体指针(nullptr), 0);
}

}  // namespace
}  // namespace lumo
