// Writing a transform record into a pose channel, and the host's evaluation
// of one channel's pose.
//
// The host evaluates a channel as
//   pose = parent pose × parent arm_mat⁻¹ × own arm_mat × local
// (a root bone drops the parent factors; A × B applies B first), where local
// holds the scale (applied first), the rotation by the channel's rotation mode
// (quaternion, normalised unless zero; Euler order 1…6; axis–angle) and the
// location.
// Pose head = the translation row; pose tail = head + bone length × scale.y ×
// the normalised Y row.
#pragma once

#include "host/host_types.h"
#include "math/matrix.h"
#include "math/psr.h"

namespace lumo::host {

// The channel's pose matrix, head and tail recomputed from its own location,
// rotation and scale and its parent's pose matrix, the way the host does.
// The parent's pose matrix must be current.  A channel without bone, a parent
// channel without bone or a parent rest matrix that cannot be inverted is
// reported under `function` and the channel is left untouched (false).
bool rebuild_pose_channel(bPoseChannel* channel, const char* function = "rebuild_pose_channel");

// 卍PSRpose: a 卍PSR bound to the pose channel it belongs to (self, may be
// absent).
struct 卍PSRpose : 卍PSR {
  bPoseChannel* self = nullptr;

  // Writes p, s, e and q into the channel's location, scale, Euler rotation
  // and quaternion and rebuilds its pose matrix, head and tail.  Without a
  // channel: the console line "!!! 乛();卍PSRpose 没有 self\n" and nothing else.
  bool 乛() const;
  // The same for a given channel; a null channel is reported ("self 二二 ψ0").
  static bool 乛(bPoseChannel* self, const 卍PSR& t);
};

}  // namespace lumo::host
