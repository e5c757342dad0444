// Bone weights of a 卍Mesh (集骨点权): the object's vertex groups matched by
// name to the pose channels of its armature.
#include <algorithm>
#include <cstring>

#include "base/console.h"
#include "host/list_iter.h"
#include "host/objects.h"
#include "mesh/mesh_topology.h"

namespace lumo {
namespace {

constexpr float kMinWeight = 1e-4f;

// The armature that deforms the object: its parent when parented in skeleton
// mode, else the object of its first Armature modifier.
Object* deforming_armature(const Object* object) {
  if (object->parent && object->parent->type == OB_ARMATURE && object->partype == PARSKEL) return object->parent;
  for (auto* modifier : host::list_items<ModifierData>(object->modifiers))
    if (modifier->type == eModifierType_Armature)
      return reinterpret_cast<ArmatureModifierData*>(modifier)->object;
  return nullptr;
}

const bPoseChannel* channel_named(const Object* armature, const char* name) {
  const ListBase* channels = host::pose_channel_list(armature);
  if (!channels) return nullptr;
  for (auto* channel : host::list_items<bPoseChannel>(*channels))
    if (std::strncmp(channel->name, name, kNameBytes) == 0) return channel;
  return nullptr;
}

}  // namespace

void 卍Mesh::集骨点权(Object* armature) {
  if (b已集骨权) {
    con_printf("◆ %s ----------行:%d ------ 文件:= %s\n", "\"!!! b已集骨权\"", __LINE__, __FILE__);
    return;
  }
  if (!host_object) return;
  if (!armature) armature = deforming_armature(host_object);
  if (!armature) return;
  if (!host::require_armature(armature, "oArm->type!=OB_ARMATURE", "卍Mesh::集骨点权")) return;
  ensure_vertices();

  // record_of_group[g]: the 卍点权 of vertex group g, or -1 without a channel.
  std::vector<int> record_of_group;
  L卍点权.clear();
  for (auto* group : host::list_items<bDeformGroup>(host_object->defbase)) {
    const bPoseChannel* channel = channel_named(armature, group->name);
    record_of_group.push_back(channel ? static_cast<int>(L卍点权.size()) : -1);
    if (channel) L卍点权.push_back({channel->name, {}});
  }

  const MDeformVert* weights = host_mesh->dvert;
  for (size_t v = 0; v < L卍网点.size(); ++v) {
    std::vector<BoneWeight>& bones = L卍网点[v].L骨权;
    bones.clear();
    if (!weights || !weights[v].dw) continue;
    for (int w = 0; w < weights[v].totweight; ++w) {
      const MDeformWeight& dw = weights[v].dw[w];
      if (dw.def_nr >= record_of_group.size() || record_of_group[dw.def_nr] < 0 || !(dw.weight > kMinWeight)) continue;
      卍点权& record = L卍点权[record_of_group[dw.def_nr]];
      const bool listed = std::any_of(bones.begin(), bones.end(), [&](const BoneWeight& b) { return b.bone == record.bone; });
      if (listed) continue;
      bones.push_back({record.bone, dw.weight});
      record.L卍ξf权.push_back({static_cast<std::int32_t>(v), dw.weight});
    }
  }
  b已集骨权 = 1;
}

}  // namespace lumo
