#include "host/psr_pose.h"

#include "base/console.h"
#include "base/report.h"
#include "math/euler.h"
#include "math/products.h"
#include "math/quaternion.h"
#include "math/rotation.h"

namespace lumo::host {
namespace {

// The channel's local matrix: scale, then rotation, then location.
卍Matrix4 local_matrix(const bPoseChannel* channel) {
  const 卍Vector location(channel->loc), scale(channel->size);
  if (channel->rotmode == ROT_MODE_QUAT) {
    // Normalised, except that a zero quaternion is taken as it is (no turn).
    卍Quat q(channel->quat), unit = q;
    if (工_q(unit) != 0) q = unit;
    return loc_quat_size_to_m4(location, q, scale);
  }
  const 卍Matrix3 rotation = channel->rotmode == ROT_MODE_AXISANGLE
                                 ? axis_angle_to_m3(卍Vector(channel->rotAxis), channel->rotAngle)
                                 : eul_to_m3(卍Vector(channel->eul), channel->rotmode);
  卍Matrix4 local;
  for (int i = 0; i < 3; ++i) local.row(i) = rotation.row(i) * scale[i];
  local.row(3) = location;
  return local;
}

// Whether the channel can be evaluated (reported under `function` when not),
// with its parent's inverse rest matrix.
bool evaluable(const bPoseChannel* channel, const char* function, 卍Matrix4& parent_rest_inverse) {
  if (!channel->bone) {
    LUMO_REPORT("__", "pc->bone 二二 ψ0", function);
    return false;
  }
  const bPoseChannel* parent = channel->parent;
  if (!parent) return true;
  if (!parent->bone) {
    LUMO_REPORT("__", "pc->parent->bone 二二 ψ0", function);
    return false;
  }
  if (!m4_invert(parent->bone->arm_mat, parent_rest_inverse)) {
    LUMO_REPORT("__", "!m4_invert(pc->parent->bone->arm_mat)", function);
    return false;
  }
  return true;
}

void evaluate(bPoseChannel* channel, const 卍Matrix4& parent_rest_inverse) {
  const Bone* bone = channel->bone;
  卍Matrix4 pose = m4_mul(bone->arm_mat, local_matrix(channel));
  if (channel->parent) pose = m4_mul(channel->parent->pose_mat, m4_mul(parent_rest_inverse, pose));
  pose.copy_to(channel->pose_mat);

  const 卍Vector head = pose.row(3);
  卍Vector direction = pose.row(1);
  f3_normalize(direction, false);
  const float reach = channel->size[1] == 1.0f ? bone->length : bone->length * channel->size[1];
  head.copy_to(channel->pose_head);
  (head + reach * direction).copy_to(channel->pose_tail);
}

}  // namespace

bool rebuild_pose_channel(bPoseChannel* channel, const char* function) {
  if (!channel) {
    LUMO_REPORT("__", "pc 二二 ψ0", function);
    return false;
  }
  卍Matrix4 parent_rest_inverse;
  if (!evaluable(channel, function, parent_rest_inverse)) return false;
  evaluate(channel, parent_rest_inverse);
  return true;
}

bool 卍PSRpose::乛(bPoseChannel* self, const 卍PSR& t) {
  if (!self) {
    LUMO_REPORT("__", "self 二二 ψ0", "卍PSRpose::乛");
    return false;
  }
  // Checked before writing, so a channel that cannot be evaluated stays as it was.
  卍Matrix4 parent_rest_inverse;
  if (!evaluable(self, "卍PSRpose::乛", parent_rest_inverse)) return false;
  t.p.copy_to(self->loc);
  t.s.copy_to(self->size);
  t.e.copy_to(self->eul);
  t.q.copy_to(self->quat);
  evaluate(self, parent_rest_inverse);
  return true;
}

bool 卍PSRpose::乛() const {
  if (!self) {
    con_printf("!!! 乛();卍PSRpose 没有 self\n");
    return false;
  }
  return 乛(self, *this);
}

}  // namespace lumo::host
