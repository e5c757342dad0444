// 3D-view caches and the projections between region pixels and 3D points,
// checked against the model host's own view matrices and projection.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "host/current.h"
#include "hostmodel_views.h"
#include "lumo_ik64.h"
#include "scene/projection.h"
#include "scene/view_cache.h"
#include "support/capture.h"
#include "support/model_scene.h"

namespace lumo {
namespace {

using testing::Capture;
using testing::ModelScene;

struct V3 {
  double x, y, z;
};
V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator*(V3 a, double f) { return {a.x * f, a.y * f, a.z * f}; }
double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double length(V3 a) { return std::sqrt(dot(a, a)); }
V3 unit(V3 a) { return a * (1 / length(a)); }
V3 v3(const float* f) { return {f[0], f[1], f[2]}; }

void expect_near(V3 got, V3 want, double tolerance, const char* what) {
  EXPECT_LE(length(got - want), tolerance) << what << ": got (" << got.x << ", " << got.y << ", " << got.z
                                           << ") want (" << want.x << ", " << want.y << ", " << want.z << ")";
}

constexpr float kEye[3] = {3, -8, 4};
constexpr float kTarget[3] = {0, 0, 1};
constexpr float kUp[3] = {0, 0, 1};
constexpr int kRegionX = 100, kRegionY = 50, kWidth = 800, kHeight = 600;

enum class Kind { perspective, orthographic, orthographic_camera };

// One 3D view (region at kRegionX, kRegionY) with the context in it.
struct View3D : ::testing::Test {
  ModelScene scene;
  ScrArea* area = nullptr;
  ARegion* region = nullptr;
  RegionView3D* view = nullptr;
  float matrices[5][16] = {};  // viewmat, viewinv, winmat, persmat, persinv

  void SetUp() override {
    host::current = {};
    view3d_cache = {};
    area = hm_area_new(hm_window_screen(scene.window), SPACE_VIEW3D);
    region = hm_region_new(area, RGN_TYPE_WINDOW, kRegionX, kRegionY, kWidth, kHeight);
    hm_context_set_area(scene.context, area, region);
    make(Kind::perspective);
  }
  void TearDown() override {
    host::current = {};
    view3d_cache = {};
  }

  void make(Kind kind) {
    view = kind == Kind::perspective ? hm_view3d_perspective(region, kEye, kTarget, kUp, 50, 0.1f, 100)
                                     : hm_view3d_orthographic(region, kEye, kTarget, kUp, 10, -100, 100);
    ASSERT_NE(view, nullptr);
    hm_view3d_set_camera(view, kind == Kind::orthographic_camera);
    hm_view3d_matrices(view, matrices[0], matrices[1], matrices[2], matrices[3], matrices[4]);
    ASSERT_TRUE(lumo::b凷rv3d(scene.context, true));
  }
  V3 view_axis() const { return v3(matrices[1] + 8); }  // third row of the view inverse
  // World size of one pixel at the depth of `point`.
  double pixel_size(V3 point, Kind kind) const {
    if (kind != Kind::perspective) return 10.0 / kWidth;
    const double depth = -dot(point - v3(kEye), view_axis());
    return 2 * depth * (18.0 / 50.0) / kWidth;
  }
  void put_mouse_on(const float pixel[2]) {
    hm_window_set_event_position(scene.window, kRegionX + int(std::lround(pixel[0])),
                                 kRegionY + int(std::lround(pixel[1])));
  }
};

TEST_F(View3D, ProjectionAgreesWithTheHostsOwn) {
  const float points[][3] = {{0, 0, 1}, {1, 2, 0}, {-2, 1, 3}, {0.5f, -3, 2}};
  for (Kind kind : {Kind::perspective, Kind::orthographic}) {
    make(kind);
    for (const auto& p : points) {
      float ours[2], host[2];
      ASSERT_TRUE(location_3d_to_region_2d(region, view, p, ours));
      ASSERT_EQ(hm_view3d_project(region, p, host), 1);
      EXPECT_NEAR(ours[0], host[0], 1e-3);
      EXPECT_NEAR(ours[1], host[1], 1e-3);
    }
  }
  float centre[2];
  location_3d_to_region_2d(region, view, kTarget, centre);
  EXPECT_NEAR(centre[0], kWidth / 2.0, 1e-3) << "the target is on the view axis";
  EXPECT_NEAR(centre[1], kHeight / 2.0, 1e-3);
}

TEST_F(View3D, PointsAtOrBehindTheEyeAreNotProjected) {
  const V3 eye = v3(kEye), ahead = v3(kTarget) - eye;
  struct Case {
    const char* name;
    V3 point;
  };
  const Case cases[] = {{"the eye itself", eye},
                        {"beside the eye in its plane", eye + V3{1, 0.375, 0}},
                        {"behind the eye on the axis", eye - ahead},
                        {"far behind", eye - ahead * 50}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const float p[3] = {float(c.point.x), float(c.point.y), float(c.point.z)};
    float out[2] = {1, 1};
    EXPECT_FALSE(location_3d_to_region_2d(region, view, p, out));
    EXPECT_EQ(out[0], kUnprojectedPixel);
    EXPECT_EQ(out[1], kUnprojectedPixel);
    EXPECT_EQ(::location_3d_to_region_2d凸(region, view, p, out), 0);
  }
  float out[2];
  EXPECT_EQ(::location_3d_to_region_2d凸(region, view, kTarget, out), 4);
  EXPECT_EQ(::location_3d_to_region_2d凸(region, nullptr, kTarget, out), 0);
  EXPECT_EQ(out[0], kUnprojectedPixel);
  EXPECT_EQ(::location_3d_to_region_2d凸(region, view, kTarget, nullptr), 0);
}

TEST_F(View3D, ProjectedPointsComeBackAtTheirOwnDepth) {
  const float points[][3] = {{0, 0, 1}, {1.3f, 2.1f, 0.2f}, {-2, 1, 3}, {0.7f, -3, 2.5f}};
  for (Kind kind : {Kind::perspective, Kind::orthographic, Kind::orthographic_camera}) {
    make(kind);
    for (const auto& p : points) {
      float pixel[2], back[3], up[3];
      int mouse[2];
      ASSERT_TRUE(location_3d_to_region_2d(region, view, p, pixel));
      put_mouse_on(pixel);
      ::region_2d_to_location_3d(scene.context, p, back, up, mouse);
      EXPECT_EQ(mouse[0], std::lround(pixel[0]));
      EXPECT_EQ(mouse[1], std::lround(pixel[1]));
      // Whole pixels: half a pixel in each direction at most.
      expect_near(v3(back), v3(p), pixel_size(v3(p), kind) * 0.75 + 1e-4, "round trip");
      expect_near(v3(last_location), v3(back), 0, "last location");
      expect_near(v3(up), v3(matrices[1] + 4), 0, "up axis");
    }
  }
}

TEST_F(View3D, OrthographicCentreGivesTheAxisPointNearestTheDepth) {
  make(Kind::orthographic);
  hm_window_set_event_position(scene.window, kRegionX + kWidth / 2, kRegionY + kHeight / 2);
  const float depth[3] = {1, 2, 3};
  float out[3];
  lumo::region_2d_to_location_3d(scene.context, depth, out, nullptr, nullptr);
  const V3 axis = unit(v3(kTarget) - v3(kEye));
  const V3 want = v3(kTarget) + axis * dot(v3(depth) - v3(kTarget), axis);
  expect_near(v3(out), want, 1e-4, "nearest axis point");
}

TEST_F(View3D, ViewVectorPointsFromTheEyeThroughThePixel) {
  const float p[3] = {1.3f, 2.1f, 0.2f};
  float pixel[2], direction[3];
  location_3d_to_region_2d(region, view, p, pixel);
  put_mouse_on(pixel);
  ::region_2d_to_vector_3d(scene.context, direction);
  expect_near(v3(direction), unit(v3(p) - v3(kEye)), 2e-3, "perspective direction");

  make(Kind::orthographic);
  ::region_2d_to_vector_3d(scene.context, direction);
  expect_near(v3(direction), unit(v3(kTarget) - v3(kEye)), 1e-5, "orthographic direction");
}

TEST_F(View3D, RayOriginIsTheEyeOrThePulledBackPixel) {
  float origin[3], inverse[16];
  const int centre[2] = {kWidth / 2, kHeight / 2};
  ::Δ鼠镜位(scene.context, centre, origin, inverse, 5);
  expect_near(v3(origin), v3(kEye), 1e-5, "perspective: the eye");
  for (int i = 0; i < 16; ++i) EXPECT_EQ(inverse[i], matrices[1][i]);

  make(Kind::orthographic);
  const V3 pull = v3(matrices[4] + 8);  // third row of the perspective inverse
  ASSERT_GT(length(pull), 5);
  float unclamped[3];
  lumo::Δ鼠镜位(scene.context, centre, unclamped, nullptr, 0);
  expect_near(v3(unclamped), v3(kEye), 1e-4, "centre at mid-depth is the eye");
  struct Case {
    float clamp;
    V3 offset;
  };
  const Case cases[] = {{5, unit(pull) * 5}, {-5, unit(pull) * -5}, {1e6f, pull}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clamp);
    lumo::Δ鼠镜位(scene.context, centre, origin, nullptr, c.clamp);
    expect_near(v3(origin), v3(unclamped) - c.offset, 1e-3, "clamped origin");
  }
  make(Kind::orthographic_camera);
  lumo::Δ鼠镜位(scene.context, centre, origin, nullptr, 5);
  expect_near(v3(origin), v3(unclamped), 1e-4, "a camera view is not pulled back");
}

TEST_F(View3D, MouseFromTheContextIsRelativeToTheRegion) {
  hm_window_set_event_position(scene.window, kRegionX + 10, kRegionY + 20);
  int mouse[2];
  ASSERT_TRUE(mouse_in_region(scene.context, region, mouse));
  EXPECT_EQ(mouse[0], 10);
  EXPECT_EQ(mouse[1], 20);
  EXPECT_FALSE(mouse_in_region(nullptr, region, mouse));
}

TEST(View3DCache, MissingViewsLeaveDefinedResults) {
  host::current = {};
  view3d_cache = {};
  ModelScene scene;
  Capture capture;
  EXPECT_FALSE(lumo::b凷rv3d(scene.context, true));
  EXPECT_EQ(capture.out(), " 》》b凷rv3d ,★ regionG 二二 ψ0\n");

  capture.clear();
  const float depth[3] = {1, 2, 3};
  float out[3] = {}, direction[3] = {9, 9, 9};
  lumo::region_2d_to_location_3d(scene.context, depth, out, nullptr, nullptr);
  EXPECT_EQ(out[0], 1);
  EXPECT_EQ(out[2], 3);
  EXPECT_NE(capture.out().find("region_2d_to_location_3d"), std::string::npos);
  lumo::region_2d_to_vector_3d(scene.context, direction);
  EXPECT_EQ(direction[0], 0);
  lumo::region_2d_to_location_3d(nullptr, nullptr, out, nullptr, nullptr);  // nothing to read
  lumo::Δ鼠镜位(nullptr, nullptr, out, nullptr, 0);
  EXPECT_TRUE(capture.boxes().empty());
}

TEST(View3DCache, KeepsAnEarlierViewUnlessRefreshedAndPairsRegionWithItsOwnView) {
  host::current = {};
  view3d_cache = {};
  ModelScene scene;
  bScreen* screen = hm_window_screen(scene.window);
  hm_area_new(screen, SPACE_IMAGE);
  ScrArea* first3d = hm_area_new(screen, SPACE_VIEW3D);
  hm_region_new(first3d, 1, 0, 0, 800, 20);  // a header region first
  ARegion* main_region = hm_region_new(first3d, RGN_TYPE_WINDOW, 0, 20, 800, 580);
  ScrArea* second3d = hm_area_new(screen, SPACE_VIEW3D);
  ARegion* other = hm_region_new(second3d, RGN_TYPE_WINDOW, 800, 0, 400, 600);
  RegionView3D* other_view = hm_view3d_perspective(other, kEye, kTarget, kUp, 35, 0.1f, 100);

  EXPECT_TRUE(lumo::b凷rv3d(scene.context, false));
  EXPECT_EQ(view3d_cache.region, main_region) << "the first 3D view's main region";
  EXPECT_EQ(view3d_cache.view, nullptr) << "its own view record, even when it has none";

  // A context on a screen without 3D view keeps the cached pair.
  ModelScene elsewhere;
  Capture capture;
  EXPECT_TRUE(lumo::b凷rv3d(elsewhere.context, false));
  EXPECT_TRUE(lumo::b凷rv3d(elsewhere.context, true));
  EXPECT_EQ(view3d_cache.region, main_region);
  EXPECT_TRUE(capture.out().empty());

  view3d_cache = {other, other_view};
  EXPECT_TRUE(lumo::b凷rv3d(scene.context, true));
  EXPECT_EQ(view3d_cache.region, main_region);
  EXPECT_EQ(view3d_cache.view, nullptr) << "refreshing never pairs a region with another region's view";
  EXPECT_EQ(host::current.window, scene.window);
  view3d_cache = {};
  host::current = {};
}

TEST(EditorCache, FindsTheUvEditorAndTheAddonsNodeEditor) {
  ModelScene scene;
  bScreen* screen = hm_window_screen(scene.window);
  ScrArea* painting = hm_area_new(screen, SPACE_IMAGE);
  hm_region_new(painting, RGN_TYPE_WINDOW, 0, 0, 100, 100);
  hm_image_space_new(painting, SI_MODE_PAINT);
  ScrArea* uv = hm_area_new(screen, SPACE_IMAGE);
  ARegion* uv_region = hm_region_new(uv, RGN_TYPE_WINDOW, 100, 0, 100, 100);
  hm_image_space_new(uv, SI_MODE_UV);

  editor_cache = {};
  lumo::Δ载入v2dUVLIB(scene.context, false);
  EXPECT_EQ(editor_cache.region, uv_region);
  EXPECT_EQ(editor_cache.view, &uv_region->v2d);

  ScrArea* shader = hm_area_new(screen, SPACE_NODE);
  hm_region_new(shader, RGN_TYPE_WINDOW, 0, 100, 100, 100);
  hm_node_space_new(shader, "ShaderNodeTree", hm_node_tree_new(scene.main, "Shader", "ShaderNodeTree"));
  ScrArea* mismatched = hm_area_new(screen, SPACE_NODE);
  hm_region_new(mismatched, RGN_TYPE_WINDOW, 0, 100, 100, 100);
  hm_node_space_new(mismatched, kNodeTreeType, hm_node_tree_new(scene.main, "Other", "ShaderNodeTree"));
  ScrArea* ours = hm_area_new(screen, SPACE_NODE);
  ARegion* node_region = hm_region_new(ours, RGN_TYPE_WINDOW, 100, 100, 100, 100);
  bNodeTree* tree = hm_node_tree_new(scene.main, "Rig nodes", kNodeTreeType);
  hm_node_space_new(ours, kNodeTreeType, tree);

  lumo::Δ载入v2d节点LIB(scene.context, false);
  EXPECT_EQ(editor_cache.region, uv_region) << "a filled cache is kept without refresh";
  lumo::Δ载入v2d节点LIB(scene.context, true);
  EXPECT_EQ(editor_cache.region, node_region);
  EXPECT_EQ(editor_cache.view, &node_region->v2d);
  EXPECT_EQ(editor_cache.tree, tree);
  ASSERT_EQ(editor_cache.tree_of_region.size(), 1u);
  EXPECT_EQ(editor_cache.tree_of_region.at(node_region), tree);

  Capture capture;
  lumo::Δ载入v2dUVLIB(nullptr, true);
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("screen 二二 ψ0"), std::string::npos);
  EXPECT_NE(capture.boxes()[0].text.find("Δ载入v2dUVLIB"), std::string::npos);
  editor_cache = {};
}

}  // namespace
}  // namespace lumo
