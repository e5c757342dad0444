// 卍PSR: a position / scale / rotation record, the transform of one pose
// channel as the bind pose and the bake store it.  Writing it into a pose
// channel is the host layer's 卍PSRpose (host/psr_pose.h).
#pragma once

#include "math/quaternion.h"
#include "math/vector.h"

namespace lumo {

struct 卍PSR {
  卍Vector p;              // location
  卍Vector s{1, 1, 1};     // scale
  卍Vector e;              // Euler angles, radians
  卍Quat q;                // rotation, w first
};

}  // namespace lumo
