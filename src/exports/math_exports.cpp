#include "base/report.h"
#include "lumo_ik64.h"
#include "math/quaternion.h"

LUMO_EXPORT float 工_q(float* quaternion) {
  if (!quaternion) {
    LUMO_REPORT("__", "q 二二 ψ0", "工_q");
    return 0;
  }
  lumo::卍Quat q(quaternion[0], quaternion[1], quaternion[2], quaternion[3]);
  const float length = lumo::工_q(q);
  quaternion[0] = q.w, quaternion[1] = q.x, quaternion[2] = q.y, quaternion[3] = q.z;
  return length;
}
