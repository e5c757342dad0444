// The hierarchy tables: building, patching, stale checks, walks and printing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "host/current.h"
#include "hostmodel_views.h"
#include "lumo_ik64.h"
#include "scene/hierarchy.h"
#include "scene/result_area.h"
#include "scene/view_cache.h"
#include "support/capture.h"
#include "support/model_scene.h"
#include "support/scene_state.h"

namespace lumo {
namespace {

using testing::Capture;
using testing::ModelScene;

using testing::reset_scene_state;

// A parent with two children, the first of which has a child:
//   Parent ─┬─ Child1 ── Grandchild
//           └─ Child2
struct Family : ::testing::Test {
  ModelScene scene;
  Object* parent = nullptr;
  Object* child1 = nullptr;
  Object* grandchild = nullptr;
  Object* child2 = nullptr;

  void SetUp() override {
    reset_scene_state();
    parent = hm_object_new(scene.main, "Parent", OB_EMPTY);
    child1 = hm_object_new(scene.main, "Child1", OB_EMPTY);
    grandchild = hm_object_new(scene.main, "Grandchild", OB_EMPTY);
    child2 = hm_object_new(scene.main, "Child2", OB_EMPTY);
    hm_object_set_parent(child1, parent, PAROBJECT);
    hm_object_set_parent(grandchild, child1, PAROBJECT);
    hm_object_set_parent(child2, parent, PAROBJECT);
  }
  void TearDown() override { reset_scene_state(); }

  void link(std::initializer_list<Object*> objects) {
    for (Object* object : objects) hm_view_layer_link(scene.layer, object);
  }
};

std::vector<Object*> descendants(Object* parent) { return lumo::LoPushChild(parent, true); }

TEST_F(Family, ChildListsListEachDescendantOnceInPreOrderWhateverTheBaseOrder) {
  struct Case {
    const char* name;
    std::vector<int> order;  // 0 parent, 1 child1, 2 grandchild, 3 child2
  };
  const Case cases[] = {{"parents first", {0, 1, 2, 3}},
                        {"grandchild first", {2, 3, 1, 0}},
                        {"children before parent", {1, 3, 2, 0}}};
  Object* const objects[] = {parent, child1, grandchild, child2};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ModelScene other;
    reset_scene_state();
    Object* copies[4];
    for (int i = 0; i < 4; ++i) copies[i] = hm_object_new(other.main, objects[i]->id.name + 2, OB_EMPTY);
    hm_object_set_parent(copies[1], copies[0], PAROBJECT);
    hm_object_set_parent(copies[2], copies[1], PAROBJECT);
    hm_object_set_parent(copies[3], copies[0], PAROBJECT);
    for (int index : c.order) hm_view_layer_link(other.layer, copies[index]);

    EXPECT_EQ(lumo::凷o(other.context), 0);
    std::vector<Object*> all = descendants(copies[0]);
    ASSERT_EQ(all.size(), 3u);
    for (Object* child : {copies[1], copies[2], copies[3]})
      EXPECT_EQ(std::count(all.begin(), all.end(), child), 1);
    auto at_child1 = std::find(all.begin(), all.end(), copies[1]);
    ASSERT_NE(at_child1 + 1, all.end());
    EXPECT_EQ(*(at_child1 + 1), copies[2]) << "the grandchild follows its parent";
    EXPECT_EQ(lumo::LoPushChild(copies[0], false).size(), 2u);
    reset_scene_state();
  }
}

TEST_F(Family, RecursiveAndDirectChildrenInTheOrderTheChildrenWereMet) {
  link({parent, child1, grandchild, child2});
  lumo::凷o(scene.context);
  EXPECT_EQ(lumo::LoPushChild(parent, true), (std::vector<Object*>{child1, grandchild, child2}));
  EXPECT_EQ(lumo::LoPushChild(parent, false), (std::vector<Object*>{child1, child2}));
  EXPECT_EQ(lumo::LoPushChild(child2, true), std::vector<Object*>{});
  EXPECT_EQ(lumo::LoPushChild(nullptr, true), std::vector<Object*>{});
  EXPECT_EQ(Ms名oG.at("Child1"), child1);
  EXPECT_EQ(Mo物baceG.at(scene.scene).at(grandchild), scene.base_of(grandchild));
}

TEST_F(Family, RegisteringASubtreeLinksEveryLevel) {
  link({parent, child1, child2});
  lumo::凷o(scene.context);
  // The grandchild and a great-grandchild appear after the table was built.
  Object* great = hm_object_new(scene.main, "Great", OB_EMPTY);
  hm_object_set_parent(great, grandchild, PAROBJECT);
  link({grandchild, great});

  lumo::十1o(child1, scene.context);
  EXPECT_EQ(lumo::LoPushChild(child1, true), (std::vector<Object*>{grandchild, great}));
  EXPECT_EQ(lumo::LoPushChild(parent, true), (std::vector<Object*>{child1, grandchild, great, child2}));
}

TEST_F(Family, AddingAChildAfterwardsLinksItAndItsParentOnce) {
  link({parent, child1, child2});
  lumo::凷o(scene.context);
  link({grandchild});
  lumo::链1o(grandchild, scene.context);
  lumo::链1o(grandchild, scene.context);
  EXPECT_EQ(lumo::LoPushChild(parent, true), (std::vector<Object*>{child1, grandchild, child2}));
}

TEST_F(Family, RemovingAnOnlyChildLeavesItsParentsListEmpty) {
  link({parent, child1, grandchild, child2});
  lumo::凷o(scene.context);
  EXPECT_EQ(lumo::一1o(grandchild, scene.scene), 0) << "the grandchild has no list of its own";
  ASSERT_NE(child_list_of(child1), nullptr);
  EXPECT_TRUE(child_list_of(child1)->empty());
  EXPECT_EQ(lumo::LoPushChild(parent, true), (std::vector<Object*>{child1, child2}));
}

TEST_F(Family, RemovingAParentWithAListDropsTheListAndEveryLinkToIt) {
  link({parent, child1, grandchild, child2});
  lumo::凷o(scene.context);
  EXPECT_EQ(lumo::一1o(child1, scene.scene), 1);
  EXPECT_EQ(child_list_of(child1), nullptr);
  // Walking the parent must not reach the removed list (the sanitizer build
  // would catch a dangling link).
  EXPECT_EQ(lumo::LoPushChild(parent, true), (std::vector<Object*>{child2}));
  lumo::链1o(child1, scene.context);
  EXPECT_EQ(lumo::LoPushChild(parent, false), (std::vector<Object*>{child2, child1}));
  EXPECT_EQ(lumo::一1o(parent, scene.scene), 0) << "no parent: nothing to do";
}

TEST_F(Family, RefillCheckFindsADeletedChildAndRebuildsWithoutIt) {
  link({parent, child1, grandchild, child2});
  EXPECT_EQ(lumo::i凷空o(scene.context, parent), 0) << "an empty table is built first";
  EXPECT_EQ(lumo::i凷空o(scene.context, parent), 2);
  EXPECT_EQ(lumo::iΔ有无效物pare(parent), 0);

  struct Deletion {
    const char* name;
    void (*remove)(Object*);
  };
  const Deletion deletions[] = {{"user count 0", [](Object* o) { hm_object_set_users(o, 0); }},
                                {"deleted by the host", [](Object* o) { hm_object_delete(o); }}};
  Object* victims[] = {grandchild, child2};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(deletions[i].name);
    deletions[i].remove(victims[i]);
    EXPECT_EQ(lumo::iΔ有无效物pare(parent), 1);
    Capture capture;
    EXPECT_EQ(lumo::i凷空o(scene.context, parent), -1);
    EXPECT_NE(capture.out().find("要RefillChild·◆ 〔 b有无效物 =1〕"), std::string::npos) << capture.out();
    std::vector<Object*> left = descendants(parent);
    EXPECT_EQ(std::count(left.begin(), left.end(), victims[i]), 0) << "the rebuild drops the dead object";
    EXPECT_EQ(lumo::i凷空o(scene.context, parent), 2);
  }
  EXPECT_EQ(descendants(parent), std::vector<Object*>{child1});
}

TEST_F(Family, RefillForOneSceneDropsStaleEntriesToo) {
  link({parent, child1, grandchild, child2});
  EXPECT_EQ(lumo::i凷空1场o(scene.scene, parent), 0) << "the scene's tables are filled first";
  EXPECT_EQ(descendants(parent), (std::vector<Object*>{child1, grandchild, child2}));
  EXPECT_EQ(lumo::i凷空1场o(scene.scene, parent), 2);
  hm_object_set_users(grandchild, 0);
  Capture capture;
  EXPECT_EQ(lumo::i凷空1场o(scene.scene, parent), -1);
  EXPECT_EQ(descendants(parent), (std::vector<Object*>{child1, child2}));
  EXPECT_EQ(lumo::i凷空1场o(nullptr, parent), 0);
}

TEST_F(Family, RefillWithoutObjectRebuildsAndWithoutContextDoesNothing) {
  link({parent, child1});
  lumo::凷o(scene.context);
  EXPECT_EQ(lumo::i凷空o(nullptr, parent), 0);
  Capture capture;
  EXPECT_EQ(lumo::i凷空o(scene.context, nullptr), -1);
  EXPECT_NE(capture.out().find("b有无效物 =0〕"), std::string::npos);
  EXPECT_EQ(lumo::LoPushChild(parent, false), std::vector<Object*>{child1});
}

TEST(ObjectValidity, BoundsOfEachField) {
  ModelScene scene;
  Object* object = scene.add_object("Probe", OB_MESH);
  struct Case {
    const char* name;
    int users, type, mode, restrict_flags;
    bool invalid;
  };
  const Case cases[] = {
      {"ordinary", 1, OB_MESH, 0, 0, false},   {"at every bound", 1, 30, 100, 20, false},
      {"no users", 0, OB_MESH, 0, 0, true},    {"type above 30", 1, 31, 0, 0, true},
      {"mode above 100", 1, OB_MESH, 101, 0, true}, {"restriction above 20", 1, OB_MESH, 0, 21, true},
      {"restriction byte 200", 1, OB_MESH, 0, 200, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    hm_object_set_users(object, c.users);
    hm_object_set_type(object, c.type);
    hm_object_set_mode(object, c.mode);
    hm_object_set_restrict(object, c.restrict_flags);
    EXPECT_EQ(object_is_invalid(object), c.invalid);
  }
  EXPECT_TRUE(object_is_invalid(nullptr));
}

TEST(HierarchyCycles, CorruptParentLinksCannotLoopTheWalks) {
  reset_scene_state();
  ModelScene scene;
  Object* a = scene.add_object("A", OB_EMPTY);
  Object* b = scene.add_object("B", OB_EMPTY);
  Object* self = scene.add_object("Self", OB_EMPTY);
  hm_object_set_parent(a, b, PAROBJECT);
  hm_object_set_parent(b, a, PAROBJECT);
  hm_object_set_parent(self, self, PAROBJECT);
  lumo::凷o(scene.context);
  lumo::十1o(a, scene.context);
  lumo::十1o(self, scene.context);
  for (Object* start : {a, b, self}) {
    std::vector<Object*> seen = descendants(start);
    for (Object* object : seen) EXPECT_EQ(std::count(seen.begin(), seen.end(), object), 1);
  }
  EXPECT_EQ(lumo::i凷空o(scene.context, a), 2);
  reset_scene_state();
}

TEST_F(Family, EmptyingPrintsTheParentCount) {
  link({parent, child1, grandchild, child2});
  lumo::凷o(scene.context);
  Capture capture;
  lumo::ΔΔ灬父子层级SLIB();
  EXPECT_EQ(capture.out(), "ΔΔ灬父子层级SLIB  size=2  \n");
  EXPECT_TRUE(Mo父LpareG.empty());
  EXPECT_TRUE(Mo物baceG.empty());
  EXPECT_TRUE(Ms名oG.empty());
}

TEST_F(Family, PrintingShowsThreeLevels) {
  Object* great = hm_object_new(scene.main, "Great", OB_EMPTY);
  hm_object_set_parent(great, grandchild, PAROBJECT);
  link({parent, child1, grandchild, great, child2});
  lumo::凷o(scene.context);
  Capture capture;
  lumo::PTMoLpareBaseG凸(Mo父LpareG巜());
  const std::string& out = capture.out();
  EXPECT_EQ(out.rfind("---------PTMoLpareBaseG------------3--------------------\n", 0), 0u) << out;
  EXPECT_NE(out.find("o父= Parent · IT.second.size()= 2\n"), std::string::npos);
  EXPECT_NE(out.find("  --pare第一层.oSelf= (Child1) · pare第一层.oP= [Parent] · pare第一层.base= (Child1) · "
                     "pare第一层.ψLpare= "),
            std::string::npos);
  EXPECT_NE(out.find("  --pare第一层.ψLpare->size()= 1\n"), std::string::npos);
  EXPECT_NE(out.find("   ---里面的,pare第二层.oSelf= (Grandchild) · pare第二层.oP= [Child1] · pare第二层.base= "
                     "(Grandchild) ·pare.ψLpare= "),
            std::string::npos);
  EXPECT_NE(out.find("    ----里面的 pare第三层.oSelf= (Great) · pare第三层.oP= [Grandchild]"), std::string::npos);
  EXPECT_TRUE(capture.boxes().empty());

  capture.clear();
  int not_the_table = 0;
  lumo::PTMoLpareBaseG凸(&not_the_table);
  EXPECT_TRUE(capture.out().empty());
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("ψMo父LpareG != Mo父LpareG巜()"), std::string::npos);
}

TEST_F(Family, NullScenesAreReported) {
  Capture capture;
  EXPECT_TRUE(Qo父罒子(parent, nullptr).empty());
  EXPECT_FALSE(bΔ向下上层追加链接(child1, nullptr));
  ASSERT_EQ(capture.boxes().size(), 2u);
  EXPECT_NE(capture.boxes()[0].text.find("scene 二二 ψ0"), std::string::npos);
  EXPECT_NE(capture.boxes()[0].text.find("Qo父罒子"), std::string::npos);
  EXPECT_NE(capture.boxes()[1].text.find("bΔ向下上层追加链接"), std::string::npos);
}

TEST_F(Family, BaseTablesFillAndRefill) {
  link({parent, child1});
  EXPECT_EQ(lumo::凷Base(scene.context, true), 1);
  EXPECT_EQ(Mo物baceG.at(scene.scene).size(), 2u);
  EXPECT_EQ(lumo::Δ检查重填Mo物baceG(child1, scene.context), 1);
  link({child2});
  EXPECT_EQ(lumo::Δ检查重填Mo物baceG(child2, scene.context), 1) << "found after the rebuild";
  EXPECT_EQ(Mo物baceG.at(scene.scene).at(child2), scene.base_of(child2));
  Object* nowhere = hm_object_new(scene.main, "Nowhere", OB_EMPTY);
  EXPECT_EQ(lumo::Δ检查重填Mo物baceG(nowhere, scene.context), 0);
  EXPECT_EQ(lumo::Δ检查重填Mo物baceG(nullptr, scene.context), 0);
}

// --- result areas -----------------------------------------------------------

TEST(ResultArea, OverwritesWhateverTheAreaHeldAndReusesItsOwnStorage) {
  std::vector<int> targets(8);
  std::vector<void*> three = {&targets[0], &targets[1], &targets[2]};
  ResultArea area;
  std::memset(&area, 0xAB, sizeof area);  // garbage: never read through
  fill_result_area(&area, three);
  auto held = [](const ResultArea& a) {
    return std::vector<void*>(static_cast<void**>(a.first), static_cast<void**>(a.end));
  };
  EXPECT_EQ(held(area), three);
  EXPECT_GE(static_cast<void**>(area.capacity_end) - static_cast<void**>(area.first), 3);

  void* first_storage = area.first;
  fill_result_area(&area, std::vector<void*>{&targets[4]});
  EXPECT_EQ(area.first, first_storage) << "a shorter list reuses the storage handed out before";
  EXPECT_EQ(held(area), std::vector<void*>{&targets[4]});

  ResultArea kept = area;
  std::vector<void*> many;
  for (int& t : targets) many.push_back(&t);
  fill_result_area(&area, many);
  EXPECT_EQ(held(area), many);
  EXPECT_EQ(held(kept), std::vector<void*>{&targets[4]}) << "a longer list gets new storage; the old one stays";

  ResultArea zero{};
  fill_result_area(&zero, std::vector<void*>{});
  EXPECT_EQ(zero.first, nullptr);
  EXPECT_EQ(zero.end, nullptr);
  fill_result_area(nullptr, many);  // ignored
}

TEST_F(Family, ListExportsFillTheCallersArea) {
  link({parent, child1, grandchild, child2});
  lumo::凷o(scene.context);
  LumoResultList area;
  std::memset(&area, 0x5A, sizeof area);
  EXPECT_EQ(::LoPushChild(&area, parent, 1), &area);
  std::vector<Object*> got(static_cast<Object**>(area.first), static_cast<Object**>(area.end));
  EXPECT_EQ(got, (std::vector<Object*>{child1, grandchild, child2}));
  EXPECT_EQ(::LoPushChild(&area, nullptr, 1), &area);
  EXPECT_EQ(area.first, area.end);
}

}  // namespace
}  // namespace lumo
