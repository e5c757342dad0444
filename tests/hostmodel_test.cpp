// The model host's pose evaluation: the host's rule that the library's own
// pose write-back is checked against, so it must be right on its own.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "support/model_scene.h"

namespace {

using lumo::testing::ModelScene;

constexpr float kTolerance = 1e-5f;

void expect_vec(const float* actual, float x, float y, float z, const char* what) {
  EXPECT_NEAR(actual[0], x, kTolerance) << what;
  EXPECT_NEAR(actual[1], y, kTolerance) << what;
  EXPECT_NEAR(actual[2], z, kTolerance) << what;
}

class PoseEvaluation : public ::testing::Test {
 protected:
  ModelScene scene;
  // A vertical chain: root from (0,0,0) to (0,0,1), arm from (0,0,1) to (0,1,1).
  Object* rig = scene.add_armature("Rig", {{"root", {0, 0, 0}, {0, 0, 1}, 0, nullptr, false},
                                           {"arm", {0, 0, 1}, {0, 1, 1}, 0, "root", true}});
  bPoseChannel* root = hm_pose_channel(rig, "root");
  bPoseChannel* arm = hm_pose_channel(rig, "arm");
};

TEST(BoneRest, FrameFollowsDirectionAndRoll) {
  ModelScene scene;
  Object* rig = scene.add_armature("Rig", {{"up", {1, 2, 3}, {1, 2, 5}, 0, nullptr, false},
                                           {"down", {0, 0, 0}, {0, -1, 0}, 0, nullptr, false},
                                           {"rolled", {0, 0, 0}, {0, 1, 0}, float(M_PI / 2), nullptr, false}});
  const Bone* up = hm_pose_channel(rig, "up")->bone;
  EXPECT_FLOAT_EQ(up->length, 2);
  expect_vec(up->arm_mat[0], 1, 0, 0, "X of a bone along +Z");
  expect_vec(up->arm_mat[1], 0, 0, 1, "Y is the direction");
  expect_vec(up->arm_mat[2], 0, -1, 0, "Z completes a right-handed frame");
  expect_vec(up->arm_mat[3], 1, 2, 3, "translation is the head");

  const Bone* down = hm_pose_channel(rig, "down")->bone;
  expect_vec(down->arm_mat[1], 0, -1, 0, "a bone straight down keeps its direction");
  expect_vec(down->arm_mat[0], -1, 0, 0, "and turns X about Z");

  const Bone* rolled = hm_pose_channel(rig, "rolled")->bone;
  expect_vec(rolled->arm_mat[1], 0, 1, 0, "roll keeps the direction");
  expect_vec(rolled->arm_mat[0], 0, 0, -1, "roll turns X about Y");
}

TEST(BoneRest, FramesNearStraightDownStayOrthonormal) {
  // 1 + y loses its digits here; the frame must still be a rotation.
  ModelScene scene;
  Object* rig = scene.add_armature("Rig", {{"b", {0, 0, 0}, {0.002f, -1, -0.001f}, 0.3f, nullptr, false}});
  const Bone* bone = hm_pose_channel(rig, "b")->bone;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      const float dot = bone->arm_mat[i][0] * bone->arm_mat[j][0] + bone->arm_mat[i][1] * bone->arm_mat[j][1] +
                        bone->arm_mat[i][2] * bone->arm_mat[j][2];
      EXPECT_NEAR(dot, i == j ? 1.0f : 0.0f, 1e-5f) << "rows " << i << ", " << j;
    }
}

TEST_F(PoseEvaluation, RestPoseReproducesTheRestFrames) {
  hm_pose_evaluate(rig);
  for (bPoseChannel* channel : {root, arm})
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j) EXPECT_NEAR(channel->pose_mat[i][j], channel->bone->arm_mat[i][j], kTolerance);
  expect_vec(arm->pose_head, 0, 0, 1, "arm head");
  expect_vec(arm->pose_tail, 0, 1, 1, "arm tail");
}

TEST_F(PoseEvaluation, ParentRotationCarriesTheChild) {
  // Root turned 90° about its own Y axis (world +Z): the arm, pointing +Y, turns to -X.
  const float s = std::sqrt(0.5f);
  const float quarter_about_y[4] = {s, 0, s, 0};
  hm_pose_channel_set_transform(root, nullptr, quarter_about_y, nullptr, nullptr, ROT_MODE_QUAT);
  hm_pose_evaluate(rig);
  expect_vec(root->pose_tail, 0, 0, 1, "rotating about its own axis keeps the tail");
  expect_vec(arm->pose_head, 0, 0, 1, "child head stays at the parent tail");
  expect_vec(arm->pose_tail, -1, 0, 1, "child tail turned about world Z");
}

TEST_F(PoseEvaluation, EulerAndQuaternionAgreeAndLocationIsInTheRestFrame) {
  const float s = std::sqrt(0.5f);
  const float quarter_about_x[4] = {s, s, 0, 0};
  hm_pose_channel_set_transform(arm, nullptr, quarter_about_x, nullptr, nullptr, ROT_MODE_QUAT);
  hm_pose_evaluate(rig);
  float by_quaternion[4][4];
  std::memcpy(by_quaternion, arm->pose_mat, sizeof by_quaternion);

  const float euler[3] = {float(M_PI / 2), 0, 0};
  for (int mode = ROT_MODE_XYZ; mode <= ROT_MODE_ZYX; ++mode) {
    hm_pose_channel_set_transform(arm, nullptr, nullptr, euler, nullptr, mode);
    hm_pose_evaluate(rig);
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j) EXPECT_NEAR(arm->pose_mat[i][j], by_quaternion[i][j], kTolerance) << mode;
  }

  // Moving the root one unit along its own Y (world +Z) lifts the whole chain.
  const float up_one[3] = {0, 1, 0};
  hm_pose_channel_set_transform(root, up_one, nullptr, nullptr, nullptr, ROT_MODE_QUAT);
  hm_pose_evaluate(rig);
  expect_vec(root->pose_head, 0, 0, 1, "root head moved along its Y");
  expect_vec(arm->pose_head, 0, 0, 2, "child follows");
}

TEST_F(PoseEvaluation, EulerOrderMattersForCombinedAngles) {
  // X then Z differs from Z then X: the orders are really distinguished.
  const float euler[3] = {float(M_PI / 2), 0, float(M_PI / 2)};
  hm_pose_channel_set_transform(arm, nullptr, nullptr, euler, nullptr, ROT_MODE_XYZ);
  hm_pose_evaluate(rig);
  float xyz_tail[3];
  std::memcpy(xyz_tail, arm->pose_tail, sizeof xyz_tail);
  hm_pose_channel_set_transform(arm, nullptr, nullptr, euler, nullptr, ROT_MODE_ZYX);
  hm_pose_evaluate(rig);
  const float distance = std::hypot(xyz_tail[0] - arm->pose_tail[0], xyz_tail[1] - arm->pose_tail[1],
                                    xyz_tail[2] - arm->pose_tail[2]);
  EXPECT_GT(distance, 0.5f);
}

TEST_F(PoseEvaluation, AxisAngleModeTurnsAboutTheChannelsAxis) {
  arm->rotAxis[0] = 1;  // a quarter turn about the bone's X, like the quaternion case
  arm->rotAngle = float(M_PI / 2);
  arm->rotmode = ROT_MODE_AXISANGLE;
  hm_pose_evaluate(rig);
  float by_axis_angle[3];
  std::memcpy(by_axis_angle, arm->pose_tail, sizeof by_axis_angle);
  const float s = std::sqrt(0.5f);
  const float quarter_about_x[4] = {s, s, 0, 0};
  hm_pose_channel_set_transform(arm, nullptr, quarter_about_x, nullptr, nullptr, ROT_MODE_QUAT);
  hm_pose_evaluate(rig);
  expect_vec(by_axis_angle, arm->pose_tail[0], arm->pose_tail[1], arm->pose_tail[2], "axis-angle tail");
}

TEST_F(PoseEvaluation, ScaleYStretchesTheTail) {
  const float scale[3] = {1, 2, 1};
  hm_pose_channel_set_transform(arm, nullptr, nullptr, nullptr, scale, ROT_MODE_QUAT);
  hm_pose_evaluate(rig);
  expect_vec(arm->pose_tail, 0, 2, 1, "length × scale.y along the pose Y axis");
}

}  // namespace
