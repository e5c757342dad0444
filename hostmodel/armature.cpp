// Armatures, bones and pose evaluation of the model host.
#include <cmath>
#include <cstring>

#include "hostmodel.h"
#include "host_math.h"
#include "model.h"

using namespace hostmodel;

namespace {

bArmature* armature_of(Object* object) {
  return object && object->type == OB_ARMATURE ? static_cast<bArmature*>(object->data) : nullptr;
}

Bone* find_bone(const ListBase& bones, const char* name) {
  for (auto* bone = static_cast<Bone*>(bones.first); bone; bone = bone->next) {
    if (std::strcmp(bone->name, name) == 0) return bone;
    if (Bone* child = find_bone(bone->childbase, name)) return child;
  }
  return nullptr;
}

void normalize(float v[3]) {
  const double length = std::sqrt(double(v[0]) * v[0] + double(v[1]) * v[1] + double(v[2]) * v[2]);
  if (length == 0) return;
  for (int i = 0; i < 3; ++i) v[i] = float(v[i] / length);
}

// Local transform of a channel: scale first, then rotation, then location.
void channel_matrix(const bPoseChannel* channel, math::Mat4 out) {
  math::Mat3 rotation;
  if (channel->rotmode == ROT_MODE_AXISANGLE) {
    math::axis_angle_to_mat3(rotation, channel->rotAxis, channel->rotAngle);
  } else if (channel->rotmode == ROT_MODE_QUAT) {
    float q[4] = {channel->quat[0], channel->quat[1], channel->quat[2], channel->quat[3]};
    const double length = std::sqrt(double(q[0]) * q[0] + double(q[1]) * q[1] + double(q[2]) * q[2] + double(q[3]) * q[3]);
    if (length > 0)
      for (float& c : q) c = float(c / length);
    math::quat_to_mat3(rotation, q);
  } else {
    math::euler_to_mat3(rotation, channel->eul, channel->rotmode);
  }
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) out[i][j] = rotation[i][j] * channel->size[i];
    out[i][3] = 0;
    out[3][i] = channel->loc[i];
  }
  out[3][3] = 1;
}

void evaluate_channel(bPoseChannel* channel) {
  const Bone* bone = channel->bone;
  channel_matrix(channel, channel->chan_mat);
  // pose = parent pose × parent arm_mat⁻¹ × own arm_mat × local (rightmost first)
  math::mul(channel->pose_mat, channel->chan_mat, bone->arm_mat);
  if (channel->parent) {
    math::Mat4 parent_rest_inverse;
    if (!math::invert_affine(parent_rest_inverse, channel->parent->bone->arm_mat)) math::identity(parent_rest_inverse);
    math::mul(channel->pose_mat, channel->pose_mat, parent_rest_inverse);
    math::mul(channel->pose_mat, channel->pose_mat, channel->parent->pose_mat);
  }
  float y_axis[3] = {channel->pose_mat[1][0], channel->pose_mat[1][1], channel->pose_mat[1][2]};
  normalize(y_axis);
  const float reach = bone->length * channel->size[1];
  for (int i = 0; i < 3; ++i) {
    channel->pose_head[i] = channel->pose_mat[3][i];
    channel->pose_tail[i] = channel->pose_head[i] + reach * y_axis[i];
  }
}

}  // namespace

HM_API Bone* hm_armature_add_bone(Object* armature_object, const char* name, const float head[3],
                                  const float tail[3], float roll, const char* parent_name, int connected) {
  bArmature* armature = armature_of(armature_object);
  ModelMain* model = owner_of(armature_object);
  if (!armature || !model || !name || !head || !tail) return nullptr;
  Bone* parent = parent_name ? find_bone(armature->bonebase, parent_name) : nullptr;

  auto* bone = model->make<Bone>();
  copy_name(bone->name, name, kNameBytes);
  bone->parent = parent;
  bone->roll = roll;
  bone->arm_roll = roll;
  bone->flag = connected && parent ? BONE_CONNECTED : 0;
  float direction[3];
  for (int i = 0; i < 3; ++i) {
    bone->arm_head[i] = head[i];
    bone->arm_tail[i] = tail[i];
    direction[i] = tail[i] - head[i];
  }
  bone->length = float(std::sqrt(double(direction[0]) * direction[0] + double(direction[1]) * direction[1] +
                                 double(direction[2]) * direction[2]));
  normalize(direction);
  math::Mat3 frame;
  math::vec_roll_to_mat3(frame, direction, roll);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) bone->arm_mat[i][j] = bone->bone_mat[i][j] = frame[i][j];
    bone->arm_mat[i][3] = 0;
    bone->arm_mat[3][i] = head[i];
  }
  bone->arm_mat[3][3] = 1;
  // Bone-space head and tail: relative to the parent's rest frame and tail.
  math::Mat4 to_parent;
  if (parent) {
    math::invert_affine(to_parent, parent->arm_mat);
  } else {
    math::identity(to_parent);
  }
  for (int j = 0; j < 3; ++j) {
    bone->head[j] = head[0] * to_parent[0][j] + head[1] * to_parent[1][j] + head[2] * to_parent[2][j] + to_parent[3][j];
    bone->tail[j] = tail[0] * to_parent[0][j] + tail[1] * to_parent[1][j] + tail[2] * to_parent[2][j] + to_parent[3][j];
  }
  if (parent) {
    bone->head[1] -= parent->length;
    bone->tail[1] -= parent->length;
  }
  list_append(parent ? parent->childbase : armature->bonebase, bone);

  auto* channel = model->make<bPoseChannel>();
  copy_name(channel->name, name, kNameBytes);
  channel->bone = bone;
  channel->rotmode = ROT_MODE_QUAT;
  channel->quat[0] = 1;
  channel->size[0] = channel->size[1] = channel->size[2] = 1;
  if (parent) {
    for (auto* other = static_cast<bPoseChannel*>(armature_object->pose->chanbase.first); other; other = other->next)
      if (other->bone == parent) channel->parent = other;
  }
  list_append(armature_object->pose->chanbase, channel);
  evaluate_channel(channel);
  return bone;
}

HM_API void hm_bone_set_selected(Bone* bone, int selected) {
  if (bone) bone->flag = selected ? (bone->flag | BONE_SELECTED) : (bone->flag & ~BONE_SELECTED);
}

HM_API void hm_armature_set_active_bone(Object* armature_object, const char* name) {
  if (bArmature* armature = armature_of(armature_object))
    armature->act_bone = name ? find_bone(armature->bonebase, name) : nullptr;
}

HM_API bPoseChannel* hm_pose_channel(Object* armature_object, const char* name) {
  if (!armature_of(armature_object) || !name) return nullptr;
  for (auto* channel = static_cast<bPoseChannel*>(armature_object->pose->chanbase.first); channel;
       channel = channel->next)
    if (std::strcmp(channel->name, name) == 0) return channel;
  return nullptr;
}

HM_API void hm_pose_channel_set_transform(bPoseChannel* channel, const float location[3], const float quaternion[4],
                                          const float euler[3], const float scale[3], int rotation_mode) {
  if (!channel) return;
  if (location) std::memcpy(channel->loc, location, sizeof channel->loc);
  if (quaternion) std::memcpy(channel->quat, quaternion, sizeof channel->quat);
  if (euler) std::memcpy(channel->eul, euler, sizeof channel->eul);
  if (scale) std::memcpy(channel->size, scale, sizeof channel->size);
  channel->rotmode = static_cast<short>(rotation_mode);
}

HM_API void hm_pose_evaluate(Object* armature_object) {
  if (!armature_of(armature_object)) return;
  // Channels are listed parents first, so one pass evaluates every parent
  // before its children.
  for (auto* channel = static_cast<bPoseChannel*>(armature_object->pose->chanbase.first); channel;
       channel = channel->next)
    evaluate_channel(channel);
}

HM_API void hm_pose_channel_read(const bPoseChannel* channel, float pose_matrix[16], float head[3], float tail[3]) {
  if (!channel) return;
  if (pose_matrix) std::memcpy(pose_matrix, channel->pose_mat, sizeof channel->pose_mat);
  if (head) std::memcpy(head, channel->pose_head, sizeof channel->pose_head);
  if (tail) std::memcpy(tail, channel->pose_tail, sizeof channel->pose_tail);
}
