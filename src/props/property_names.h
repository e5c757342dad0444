// Every custom-property name the library reads or writes, spelled once.
//
// Prefixes give the stored kind: bp bool (int 0/1), ip int, fp float, fvp3/fvp4/
// fvp16 float arrays, sp string, pp group, cp collection (property array of
// groups).  Names without a prefix are typed by the accessor that reads them.
// Bone names under "Ms骨L帧" are the only names not listed: they are the bones'.
#pragma once

namespace lumo::prop_name {

// Groups
inline constexpr const char lumo_IK[] = "lumo_IK";  // pose bones and the scene: the add-on's settings group
inline constexpr const char PoseBone[] = "PoseBone";  // pose bones: recorded chain values; on armature objects its presence marks a rig
inline constexpr const char pp属性o[] = "pp属性o";  // objects: per-object settings (existence tested first)
inline constexpr const char COLLIDER[] = "COLLIDER";  // objects: collider data, holding RELATED
inline constexpr const char Ms骨L帧[] = "Ms骨L帧";  // armature objects: baked frames, one child per bone name

// Pose bone, root
inline constexpr const char bp使用ik[] = "bp使用ik";

// Pose bone, in lumo_IK
inline constexpr const char type[] = "type";  // int: IK role code
inline constexpr const char ξ[] = "ξ";
inline constexpr const char bp尾骨[] = "bp尾骨";
inline constexpr const char bp钉头[] = "bp钉头";
inline constexpr const char ip影响[] = "ip影响";
inline constexpr const char bp碰撞[] = "bp碰撞";
inline constexpr const char bp物理[] = "bp物理";
inline constexpr const char bp扭父[] = "bp扭父";
inline constexpr const char fp重力fac[] = "fp重力fac";
inline constexpr const char fp质量[] = "fp质量";
inline constexpr const char fp扭性[] = "fp扭性";
inline constexpr const char fp弹性[] = "fp弹性";
inline constexpr const char fp刚性[] = "fp刚性";
inline constexpr const char fp冖[] = "fp冖";
inline constexpr const char fp冖冖[] = "fp冖冖";  // existence tested first
inline constexpr const char fp冖冖x[] = "fp冖冖x";
inline constexpr const char fp冖冖z[] = "fp冖冖z";
inline constexpr const char fp最小弧度伸[] = "fp最小弧度伸";
inline constexpr const char fp最大弧度缩[] = "fp最大弧度缩";
inline constexpr const char fp最小弧度丨[] = "fp最小弧度丨";
inline constexpr const char fp最大弧度丨[] = "fp最大弧度丨";
inline constexpr const char fp最小IK长[] = "fp最小IK长";
inline constexpr const char fp最大IK长[] = "fp最大IK长";
inline constexpr const char fp绑定IK长[] = "fp绑定IK长";
inline constexpr const char fp绑定弧度[] = "fp绑定弧度";
inline constexpr const char fpb冖a[] = "fpb冖a";
inline constexpr const char fpb冖a099[] = "fpb冖a099";
inline constexpr const char fp冖3xy[] = "fp冖3xy";
inline constexpr const char fp冖3xy099[] = "fp冖3xy099";
inline constexpr const char fvp3锚[] = "fvp3锚";
inline constexpr const char 丅ι[] = "丅ι";  // float array
inline constexpr const char fvp3loc[] = "fvp3loc";
inline constexpr const char fvp3euler[] = "fvp3euler";
inline constexpr const char fvp4q[] = "fvp4q";
inline constexpr const char fvp3scale[] = "fvp3scale";
inline constexpr const char fvp16mι[] = "fvp16mι";

// Pose bone, in PoseBone (doubles)
inline constexpr const char twist[] = "twist";
inline constexpr const char 冖xy[] = "冖xy";
inline constexpr const char 冖z[] = "冖z";
inline constexpr const char 冖y[] = "冖y";
inline constexpr const char 十一x[] = "十一x";
inline constexpr const char 冖爷子[] = "冖爷子";

// Object, in pp属性o
inline constexpr const char bp有烘焙[] = "bp有烘焙";
inline constexpr const char bp用动力学[] = "bp用动力学";
inline constexpr const char bp用物理[] = "bp用物理";
inline constexpr const char ip范围[] = "ip范围";
inline constexpr const char version[] = "version";  // float
inline constexpr const char bp要删除[] = "bp要删除";  // also on collection items
inline constexpr const char fp摩擦力[] = "fp摩擦力";
inline constexpr const char 冖检测距离[] = "冖检测距离";  // float
inline constexpr const char fp亍[] = "fp亍";
inline constexpr const char bp有关联点[] = "bp有关联点";
inline constexpr const char sp关联点[] = "sp关联点";
inline constexpr const char cp排除碰撞体[] = "cp排除碰撞体";

// Object, in COLLIDER
inline constexpr const char RELATED[] = "RELATED";  // property array of int arrays (LLProp)

// Object, root
inline constexpr const char ip仌[] = "ip仌";
inline constexpr const char ip隐显o[] = "ip隐显o";
inline constexpr const char oA[] = "oA";  // int: its value is the result of oΔ另1物体指针
inline constexpr const char oS[] = "oS";  // any kind: looked up only when oA is missing

// Scene, in lumo_IK (with bp碰撞, listed under the pose bone)
inline constexpr const char fp重力[] = "fp重力";
inline constexpr const char bp恢复[] = "bp恢复";
inline constexpr const char bp修正力[] = "bp修正力";
inline constexpr const char bp阻力[] = "bp阻力";
inline constexpr const char bp弹力[] = "bp弹力";
inline constexpr const char bp拉力[] = "bp拉力";
inline constexpr const char bpΣ[] = "bpΣ";
inline constexpr const char bp关联点[] = "bp关联点";
inline constexpr const char cp碰撞体[] = "cp碰撞体";

// Items of cp碰撞体 / cp排除碰撞体 and their holding group
inline constexpr const char name[] = "name";  // string: an object name
inline constexpr const char bp有待删除[] = "bp有待删除";  // bool on the group holding the collection

// Scene, root
inline constexpr const char ip属性检测s[] = "ip属性检测s";

}  // namespace lumo::prop_name
