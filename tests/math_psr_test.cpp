// Transform records: validity checks, and 卍PSRpose::乛 writing into pose
// channels of a model-host armature, checked against the model host's own
// pose evaluation.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "host/current.h"
#include "host/psr_pose.h"
#include "math/psr.h"
#include "math/validity.h"
#include "support/capture.h"
#include "support/model_scene.h"

namespace lumo {
namespace {

using host::卍PSRpose;
using testing::Capture;
using testing::ModelScene;

TEST(Validity, ComponentsBeyondOneHundredThousand) {
  struct Case {
    const char* name;
    卍Vector v;
    bool invalid;
  };
  const Case cases[] = {
      {"the limit itself", {100000, 0, -100000}, false},
      {"x slightly above", {100000.01f, 0, 0}, true},
      {"y below the negative limit", {0, -100001, 0}, true},
      {"z far out", {0, 0, 1e30f}, true},
      {"ordinary", {1, -2, 3}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Capture capture;
    EXPECT_EQ(卩无效v(c.v), c.invalid);
    ASSERT_EQ(capture.boxes().size(), c.invalid ? 1u : 0u);
    if (c.invalid) {
      EXPECT_NE(capture.boxes()[0].text.find(
                    "条件 : 十万 ＜ t[0]丨丨 t[0] ＜ -十万 丨丨 十万 ＜ t[1]丨丨 t[1] ＜ -十万 丨丨 十万 ＜ t[2]丨丨 "
                    "t[2] ＜ -十万 "),
                std::string::npos)
          << capture.boxes()[0].text;
    }
  }
}

TEST(Validity, RecordStopsAtTheFirstInvalidMember) {
  Capture capture;
  卍PSR t;
  t.q = {0.5f, 0.5f, 0.5f, 0.5f};
  EXPECT_FALSE(卩无效(t));
  EXPECT_TRUE(capture.boxes().empty());

  t.s = {1, 2e5f, 1};
  t.e = {-3e5f, 0, 0};
  EXPECT_TRUE(卩无效(t));
  ASSERT_EQ(capture.boxes().size(), 2u) << "the scale's report and the record's, not the Euler's";
  EXPECT_NE(capture.boxes()[1].text.find("条件 : 卩无效v(t.p)丨丨 卩无效v(t.s)丨丨 卩无效v(t.e)丨丨 卩无效v(t.q) "),
            std::string::npos)
      << capture.boxes()[1].text;

  capture.clear();
  t = 卍PSR();
  t.q = {0, 0, 2e5f, 0};
  EXPECT_TRUE(卩无效(t));
  EXPECT_EQ(capture.boxes().size(), 2u);
}

class PosePsr : public ::testing::Test {
 protected:
  void SetUp() override { host::current = {}; }
  void TearDown() override { host::current = {}; }
};

TEST_F(PosePsr, WithoutChannelNothingIsWritten) {
  Capture capture;
  卍PSRpose record;
  EXPECT_FALSE(record.乛());
  EXPECT_EQ(capture.out(), "!!! 乛();卍PSRpose 没有 self\n");
  EXPECT_TRUE(capture.boxes().empty());

  EXPECT_FALSE(卍PSRpose::乛(nullptr, record));
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("条件 : self 二二 ψ0 "), std::string::npos) << capture.boxes()[0].text;
}

TEST_F(PosePsr, ChannelThatCannotBeEvaluatedStaysAsItWas) {
  Capture capture;
  bPoseChannel channel{};
  channel.loc[0] = 7;
  卍PSRpose record;
  record.p = {1, 2, 3};
  record.self = &channel;
  EXPECT_FALSE(record.乛());
  EXPECT_EQ(channel.loc[0], 7);
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("条件 : pc->bone 二二 ψ0 "), std::string::npos);

  // A parent channel without bone.
  Bone bone{};
  bPoseChannel parent{};
  channel.bone = &bone;
  channel.parent = &parent;
  EXPECT_FALSE(record.乛());
  EXPECT_EQ(channel.loc[0], 7);
  EXPECT_EQ(capture.boxes().size(), 2u);
}

// Three chained bones with rolls, so that rest frames are not axis-aligned.
Object* add_chain(ModelScene& scene) {
  return scene.add_armature("Rig", {
                                       {"Root", {0, 0, 0}, {0, 1, 0}, 0.0f, nullptr, false},
                                       {"Arm", {0, 1, 0}, {1, 2, 0.5f}, 0.3f, "Root", true},
                                       {"Hand", {1, 2, 0.5f}, {1.5f, 2.2f, 1.5f}, -0.4f, "Arm", true},
                                   });
}

struct ChannelTransform {
  卍Vector p, s, e;
  卍Quat q;
  short rotmode;
};

struct PoseCase {
  const char* name;
  ChannelTransform root, arm, hand;
};

void expect_same_pose(const bPoseChannel& library, const float (&host_matrix)[16], const float (&host_head)[3],
                      const float (&host_tail)[3]) {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      EXPECT_NEAR(library.pose_mat[i][j], host_matrix[4 * i + j], 2e-5f) << library.name << " [" << i << "][" << j << "]";
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(library.pose_head[i], host_head[i], 2e-5f) << library.name << " head " << i;
    EXPECT_NEAR(library.pose_tail[i], host_tail[i], 2e-5f) << library.name << " tail " << i;
  }
}

TEST_F(PosePsr, WrittenPoseMatchesTheHostsEvaluation) {
  const float h = std::sqrt(0.5f);
  const PoseCase cases[] = {
      {"rest pose",
       {{0, 0, 0}, {1, 1, 1}, {0, 0, 0}, {1, 0, 0, 0}, ROT_MODE_QUAT},
       {{0, 0, 0}, {1, 1, 1}, {0, 0, 0}, {1, 0, 0, 0}, ROT_MODE_QUAT},
       {{0, 0, 0}, {1, 1, 1}, {0, 0, 0}, {1, 0, 0, 0}, ROT_MODE_QUAT}},
      {"quaternions, moved and scaled",
       {{0.5f, -1, 2}, {1, 1, 1}, {0, 0, 0}, {h, 0, 0, h}, ROT_MODE_QUAT},
       {{0, 0.2f, 0}, {1.5f, 0.5f, 2}, {0, 0, 0}, {0.7f, -0.1f, 0.5f, 0.3f}, ROT_MODE_QUAT},
       {{0.1f, 0, -0.3f}, {2, 2, 2}, {0, 0, 0}, {2, 0.4f, 0, 0}, ROT_MODE_QUAT}},  // not unit: the host normalises
      {"Euler XYZ and ZYX",
       {{0, 0, 0}, {1, 1, 1}, {0.3f, -0.7f, 1.1f}, {1, 0, 0, 0}, ROT_MODE_XYZ},
       {{1, 0, 0}, {1, 3, 1}, {-1.2f, 0.4f, 0.25f}, {1, 0, 0, 0}, ROT_MODE_ZYX},
       {{0, 0, 0}, {0.5f, 1, 0.5f}, {0.2f, 0.2f, -2.5f}, {1, 0, 0, 0}, ROT_MODE_XYZ}},
      {"Euler YXZ, ZXY and a quaternion",
       {{0, 0.3f, 0}, {1, 2, 1}, {1.0f, 0.5f, -0.5f}, {1, 0, 0, 0}, ROT_MODE_YXZ},
       {{0, 0, 0}, {1, 1, 1}, {0.4f, -1.4f, 2.0f}, {1, 0, 0, 0}, ROT_MODE_ZXY},
       {{0.2f, 0.2f, 0.2f}, {1, 0.7f, 1}, {0, 0, 0}, {0.2f, 0.9f, -0.3f, 0.1f}, ROT_MODE_QUAT}},
      {"zero quaternion turns nothing",
       {{0, 0, 0}, {1, 1, 1}, {0, 0, 0}, {0, 0, 0, 0}, ROT_MODE_QUAT},
       {{0, 0, 0}, {1, 1, 1}, {0, 0, 0}, {0.9f, 0.1f, 0, 0.2f}, ROT_MODE_QUAT},
       {{0, 0, 0}, {1, 1, 1}, {0, 0, 0}, {0, 0, 0, 0}, ROT_MODE_QUAT}},
      {"Euler XZY and YZX",
       {{0, 0, 0}, {1, 1, 1}, {-0.6f, 0.9f, 0.1f}, {1, 0, 0, 0}, ROT_MODE_XZY},
       {{0, 0, 0}, {1, 1, 1}, {0.1f, 2.9f, -0.8f}, {1, 0, 0, 0}, ROT_MODE_YZX},
       {{0, 0, 0}, {1, 1, 1}, {0.7f, 0.7f, 0.7f}, {1, 0, 0, 0}, ROT_MODE_XZY}},
  };
  for (const PoseCase& c : cases) {
    SCOPED_TRACE(c.name);
    ModelScene scene;
    Object* rig = add_chain(scene);
    bPoseChannel* channels[3] = {hm_pose_channel(rig, "Root"), hm_pose_channel(rig, "Arm"),
                                 hm_pose_channel(rig, "Hand")};
    const ChannelTransform* transforms[3] = {&c.root, &c.arm, &c.hand};
    ASSERT_TRUE(channels[0] && channels[1] && channels[2]);

    Capture capture;
    // The library writes parents first, each on its parent's new pose.
    for (int n = 0; n < 3; ++n) {
      const ChannelTransform& t = *transforms[n];
      channels[n]->rotmode = t.rotmode;
      卍PSRpose record;
      record.p = t.p, record.s = t.s, record.e = t.e, record.q = t.q;
      record.self = channels[n];
      ASSERT_TRUE(record.乛());
      EXPECT_EQ(卍Vector(channels[n]->loc), t.p);
      EXPECT_EQ(卍Vector(channels[n]->size), t.s);
      EXPECT_EQ(卍Vector(channels[n]->eul), t.e);
      EXPECT_EQ(卍Quat(channels[n]->quat), t.q);
    }
    EXPECT_TRUE(capture.boxes().empty());
    EXPECT_EQ(capture.out(), "");
    bPoseChannel written[3];
    for (int n = 0; n < 3; ++n) written[n] = *channels[n];

    // The model host evaluates the same values on its own.
    for (int n = 0; n < 3; ++n) {
      const ChannelTransform& t = *transforms[n];
      float p[3], q[4], e[3], s[3];
      t.p.copy_to(p), t.q.copy_to(q), t.e.copy_to(e), t.s.copy_to(s);
      std::memset(channels[n]->pose_mat, 0, sizeof channels[n]->pose_mat);
      hm_pose_channel_set_transform(channels[n], p, q, e, s, t.rotmode);
    }
    hm_pose_evaluate(rig);
    for (int n = 0; n < 3; ++n) {
      float matrix[16], head[3], tail[3];
      hm_pose_channel_read(channels[n], matrix, head, tail);
      expect_same_pose(written[n], matrix, head, tail);
    }
  }
}

TEST_F(PosePsr, RebuildUsesTheChannelsAxisAngle) {
  ModelScene scene;
  Object* rig = add_chain(scene);
  bPoseChannel* root = hm_pose_channel(rig, "Root");
  root->rotmode = ROT_MODE_AXISANGLE;
  root->rotAxis[2] = 2;
  root->rotAngle = std::acos(-1.0f) / 2;
  ASSERT_TRUE(host::rebuild_pose_channel(root));
  // The root's Y axis (0, 1, 0) turned a quarter about Z.
  EXPECT_NEAR(root->pose_tail[0], -1, 1e-6f);
  EXPECT_NEAR(root->pose_tail[1], 0, 1e-6f);
}

}  // namespace
}  // namespace lumo
