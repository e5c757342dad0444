// The host's context member lookup and the queries built on it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/context.h"
#include "host/current.h"
#include "support/capture.h"
#include "support/model_scene.h"

namespace lumo::host {
namespace {

using testing::Capture;
using testing::ModelScene;

// Context callbacks that log who was asked and answer from a table.
struct Answer {
  int code = 0;
  void* pointer = nullptr;
};
std::vector<std::string> g_asked;
Answer g_region_answer, g_area_answer, g_screen_answer;
int g_recursion_seen = -1;

int answer(const char* who, const Answer& a, const bContext* C, bContextDataResult* result) {
  g_asked.push_back(who);
  g_recursion_seen = C->data.recursion;
  if (a.code == 1) {
    result->ptr.data = a.pointer;
    result->type = CTX_DATA_TYPE_POINTER;
  }
  return a.code;
}
int region_callback(const bContext* C, const char*, bContextDataResult* r) { return answer("region", g_region_answer, C, r); }
int area_callback(const bContext* C, const char*, bContextDataResult* r) { return answer("area", g_area_answer, C, r); }
int screen_callback(const bContext* C, const char*, bContextDataResult* r) { return answer("screen", g_screen_answer, C, r); }

class ContextLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    current = {};
    g_asked.clear();
    g_region_answer = g_area_answer = g_screen_answer = {};
    area = hm_area_new(hm_window_screen(scene.window), SPACE_VIEW3D);
    region = hm_region_new(area, RGN_TYPE_WINDOW, 0, 0, 100, 100);
    region->type = &region_type;
    area->type = &space_type;
    scene.context->wm.screen->context = screen_callback;
    hm_context_set_area(scene.context, area, region);
  }
  ModelScene scene;
  ScrArea* area = nullptr;
  ARegion* region = nullptr;
  ARegionType region_type{RGN_TYPE_WINDOW, region_callback};
  SpaceType space_type{SPACE_VIEW3D, area_callback};
  int marker = 0;
};

TEST_F(ContextLookup, AsksRegionAreaAndScreenInOrderAndCombinesAnswers) {
  struct Case {
    const char* name;
    int region, area, screen;
    std::vector<std::string> asked;
    int result;
  };
  const Case cases[] = {
      {"region answers: nobody else is asked", 1, 0, 0, {"region"}, 1},
      {"area answers after an unknown region: the screen is skipped", 0, 1, 0, {"region", "area"}, 1},
      {"screen answers last", 0, 0, 1, {"region", "area", "screen"}, 1},
      {"a found answer wins over known-but-empty", -1, -1, 1, {"region", "area", "screen"}, 1},
      {"known-but-empty wins over unknown", 0, -1, 0, {"region", "area", "screen"}, -1},
      {"nobody knows", 0, 0, 0, {"region", "area", "screen"}, 0},
  };
  for (const Case& c : cases) {
    g_asked.clear();
    g_region_answer = {c.region, &marker};
    g_area_answer = {c.area, &marker};
    g_screen_answer = {c.screen, &marker};
    bContextDataResult result;
    Capture capture;
    EXPECT_EQ(ctx_data_get(scene.context, "thing", &result), c.result) << c.name;
    EXPECT_EQ(g_asked, c.asked) << c.name;
    EXPECT_EQ(scene.context->data.recursion, 0) << c.name << ": the level is restored";
    if (c.result == 1) {
      EXPECT_EQ(result.ptr.data, &marker) << c.name;
    }
  }
}

TEST_F(ContextLookup, TracesEntryStepsAndExit) {
  g_area_answer = {1, &marker};
  Capture capture;
  ctx_data_get(scene.context, "active_object", nullptr);
  EXPECT_EQ(capture.out(),
            "《《《\tctx_data_get ,member=active_object,C->data.recursion=0\n"
            "2,2__,3,3__, 》》 ctx_data_get ,member=active_object,C->data.recursion=0,done=1\n");
}

TEST_F(ContextLookup, CallbacksSeeTheRaisedRecursionLevel) {
  g_screen_answer = {1, &marker};
  ctx_data_get(scene.context, "x", nullptr);
  EXPECT_EQ(g_recursion_seen, 4);
  scene.context->data.recursion = 3;  // a lookup made from inside an area callback
  g_asked.clear();
  ctx_data_get(scene.context, "x", nullptr);
  EXPECT_EQ(g_asked, std::vector<std::string>{"screen"});
  EXPECT_EQ(scene.context->data.recursion, 3);
}

TEST_F(ContextLookup, TheStoreComesFirstAndItsLastEntryWins) {
  int first = 0, second = 0;
  hm_context_store_set(scene.context, "active_pose_bone", &first, CTX_DATA_TYPE_POINTER);
  hm_context_store_set(scene.context, "other", nullptr, CTX_DATA_TYPE_POINTER);
  hm_context_store_set(scene.context, "active_pose_bone", &second, CTX_DATA_TYPE_POINTER);
  g_region_answer = {1, &marker};
  Capture capture;
  EXPECT_EQ(CTX_data_pointer_get(scene.context, "active_pose_bone"), &second);
  EXPECT_TRUE(g_asked.empty());
  EXPECT_NE(capture.out().find("1entry= 2\n"), std::string::npos) << capture.out();
}

TEST_F(ContextLookup, NonPointerMembersAreFlaggedOnStandardErrorButStillReturned) {
  hm_context_store_set(scene.context, "selected_objects", &marker, CTX_DATA_TYPE_COLLECTION);
  Capture capture;
  EXPECT_EQ(CTX_data_pointer_get(scene.context, "selected_objects"), &marker);
  EXPECT_EQ(capture.err(), "BLI_assert failed: context_MY:273, at 'result_.type == CTX_DATA_TYPE_POINTER'\n");
}

TEST(ContextLookupWithoutContext, ReportsAndFindsNothing) {
  Capture capture;
  EXPECT_EQ(ctx_data_get(nullptr, "scene", nullptr), 0);
  EXPECT_EQ(CTX_data_pointer_get(nullptr, "scene"), nullptr);
  EXPECT_EQ(CTX_data_active_pose_bone(nullptr), nullptr);
  ASSERT_EQ(capture.boxes().size(), 3u);
  EXPECT_NE(capture.boxes()[0].text.find("C 二二 0"), std::string::npos);
  EXPECT_NE(capture.boxes()[0].text.find("ctx_data_get"), std::string::npos);
}

TEST(ModelHostContext, AnswersActivePoseBoneAndActiveBone) {
  current = {};
  ModelScene scene;
  Object* rig = scene.add_armature("Rig", {{"root", {0, 0, 0}, {0, 0, 1}, 0, nullptr, false},
                                           {"arm", {0, 0, 1}, {0, 1, 1}, 0, "root", true}},
                                   true);
  hm_armature_set_active_bone(rig, "arm");
  Capture capture;
  bPoseChannel* channel = CTX_data_active_pose_bone(scene.context);
  ASSERT_NE(channel, nullptr);
  EXPECT_STREQ(channel->name, "arm");
  EXPECT_EQ(reinterpret_cast<void*>(CTX_data_active_bone(scene.context)), static_cast<void*>(channel->bone));
  hm_armature_set_active_bone(rig, nullptr);
  EXPECT_EQ(CTX_data_active_pose_bone(scene.context), nullptr);
}

TEST(ViewLayers, DefaultIsTheFirstWithoutTheRenderFlagElseTheFirst) {
  ModelScene scene;
  scene.layer->flag = VIEW_LAYER_RENDER;
  EXPECT_EQ(BKE_view_layer_default_view(scene.scene), scene.layer) << "a lone render layer is still the default";
  ViewLayer* plain = hm_view_layer_new(scene.scene, "Plain", 0);
  EXPECT_EQ(BKE_view_layer_default_view(scene.scene), plain);
  EXPECT_EQ(BKE_view_layer_find(scene.scene, "Plain"), plain);
  EXPECT_EQ(BKE_view_layer_find(scene.scene, "plain"), nullptr);
}

TEST(ViewLayers, AScenewithoutLayersAssertsOnStandardError) {
  Main* main = hm_main_new("x.blend");
  Scene* bare = hm_scene_new(main, "Bare");
  Capture capture;
  EXPECT_EQ(BKE_view_layer_default_view(bare), nullptr);
  EXPECT_EQ(capture.err(), "BLI_assert failed: context0:87, at 'scene->view_layers.first'\n");
  hm_main_free(main);
}

TEST(ViewLayers, TheContextsLayerIsTheOneTheWindowNames) {
  ModelScene scene;
  ViewLayer* second = hm_view_layer_new(scene.scene, "Second", 0);
  EXPECT_EQ(CTX_data_view_layer(scene.context), scene.layer);
  std::snprintf(scene.window->view_layer_name, sizeof scene.window->view_layer_name, "Second");
  EXPECT_EQ(CTX_data_view_layer(scene.context), second);
  std::snprintf(scene.window->view_layer_name, sizeof scene.window->view_layer_name, "Gone");
  EXPECT_EQ(CTX_data_view_layer(scene.context), scene.layer) << "unknown names fall back to the default";
  scene.context->wm.window = nullptr;
  EXPECT_EQ(CTX_data_view_layer(scene.context), scene.layer);
}

TEST(ActiveObject, CachesTheViewLayerOnFirstUse) {
  current = {};
  ModelScene scene;
  Object* first = scene.add_object("First", OB_EMPTY, true);
  EXPECT_EQ(active_object(scene.context), first);
  EXPECT_EQ(current.view_layer, scene.layer);

  // A second scene's context: the cached layer still answers.
  ModelScene other("Other");
  other.add_object("Elsewhere", OB_EMPTY, true);
  EXPECT_EQ(active_object(other.context), first);
  EXPECT_NE(active_object(other.context, other.layer), first);

  hm_view_layer_set_active(scene.layer, nullptr);
  EXPECT_EQ(active_object(scene.context), nullptr);
  current = {};
}

}  // namespace
}  // namespace lumo::host
