// The property store: lookup rules, typed accessors, fallback cells, traces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "host/current.h"
#include "hostmodel_props.h"
#include "props/prop_store.h"
#include "props/property_names.h"
#include "support/capture.h"
#include "support/model_scene.h"

namespace lumo {
namespace {

using testing::Capture;
using testing::ModelScene;

// A pose channel whose root holds a few settings, the way the scripts leave it.
class PropStore : public ::testing::Test {
 protected:
  void SetUp() override {
    host::current = {};
    clear_current_groups();
    rig = scene.add_armature("Rig", {{"Bone", {0, 0, 0}, {0, 1, 0}, 0, nullptr, false}});
    channel = hm_pose_channel(rig, "Bone");
    root = hm_prop_root_of_channel(scene.main, channel);
    lumo_ik = hm_prop_add_group(root, prop_name::lumo_IK);
  }
  PropHolder holder() const { return &channel->prop; }

  ModelScene scene;
  Object* rig = nullptr;
  bPoseChannel* channel = nullptr;
  IDProperty* root = nullptr;
  IDProperty* lumo_ik = nullptr;
};

TEST_F(PropStore, FindsTheFirstChildWhoseNameMatchesByteForByte) {
  // 21 three-byte characters: the longest name the host stores (63 bytes).
  std::string longest;
  std::wstring longest_wide;
  for (int i = 0; i < 21; ++i) longest += "长", longest_wide += L"长";
  hm_prop_add_int(root, "Foo", 1);
  hm_prop_add_int(root, "foo", 2);
  hm_prop_add_int(root, "dup", 10);
  hm_prop_add_int(root, "dup", 20);
  hm_prop_add_int(root, "ξ", 3);
  ASSERT_NE(hm_prop_add_int(root, longest.c_str(), 4), nullptr);

  struct Case {
    const char* what;
    std::string name;
    std::wstring wide;
    int expected;  // kMissingInt: not found
  };
  const Case cases[] = {
      {"exact name", "Foo", L"Foo", 1},
      {"case differs", "foo", L"foo", 2},
      {"no name in another case", "FOO", L"FOO", kMissingInt},
      {"a prefix is not the name", "Fo", L"Fo", kMissingInt},
      {"a longer name is not the name", "Fooo", L"Fooo", kMissingInt},
      {"first match wins", "dup", L"dup", 10},
      {"non-ASCII name", "ξ", L"ξ", 3},
      {"longest host name", longest, longest_wide, 4},
      {"host name plus one more character", longest + "长", longest_wide + L"长", kMissingInt},
      {"empty name", "", L"", kMissingInt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(*prop_int(c.name.c_str(), holder()), c.expected);
    EXPECT_EQ(*prop_int(c.wide.c_str(), holder()), c.expected);
    const int exists = c.expected == kMissingInt ? 0 : 1;
    EXPECT_EQ(卩属性(c.name.c_str(), holder()), exists);
    EXPECT_EQ(prop_exists(c.wide.c_str(), holder()), exists);
  }
}

TEST(PropLookup, NeverReadsPastAHostNameField) {
  // A damaged host name fills its whole field without a terminator; the bytes
  // after the field (here `saved`, 0) must not be taken for its end.
  IDProperty child{};
  child.type = IDP_INT;
  child.data.val.i = 1;
  std::memset(child.name, 'a', sizeof child.name);
  IDProperty group{};
  group.type = IDP_GROUP;
  group.data.group = {&child, &child};
  IDProperty* held = &group;
  const std::string field_long(sizeof child.name, 'a');
  EXPECT_EQ(prop_group(field_long.c_str(), &held), nullptr);
  EXPECT_EQ(prop_group(field_long.substr(0, 63).c_str(), &held), nullptr);
}

TEST_F(PropStore, WideNamesConvertThroughTheNameBufferUpTo127Bytes) {
  std::wstring wide_127;
  for (int i = 0; i < 42; ++i) wide_127 += L"长";  // 126 bytes
  wide_127 += L"x";
  const char* converted = prop_name_utf8(wide_127.c_str());
  ASSERT_NE(converted, nullptr);
  EXPECT_EQ(std::string(converted).size(), 127u);
  EXPECT_EQ(std::string(converted).substr(0, 3), "长");

  EXPECT_EQ(prop_name_utf8((wide_127 + L"y").c_str()), nullptr) << "128 bytes do not fit";
  EXPECT_EQ(prop_name_utf8(L""), nullptr);
  EXPECT_EQ(prop_name_utf8(nullptr), nullptr);
  // A name too long for the buffer is simply not found.
  Capture capture;
  EXPECT_EQ(prop_exists((wide_127 + L"y").c_str(), holder()), 0);
  EXPECT_EQ(prop_group((wide_127 + L"y").c_str(), holder()), nullptr);
  EXPECT_EQ(capture.out(), "");
}

TEST_F(PropStore, ScalarAccessorsHandOutLiveValueSlots) {
  IDProperty* type = hm_prop_add_int(lumo_ik, prop_name::type, 3);
  IDProperty* rigidity = hm_prop_add_float(lumo_ik, prop_name::fp刚性, 0.5f);
  IDProperty* pose_bone = hm_prop_add_group(root, prop_name::PoseBone);
  IDProperty* twist = hm_prop_add_double(pose_bone, prop_name::twist, 0.25);

  IDProperty* group = prop_group(prop_name::lumo_IK, holder());
  ASSERT_EQ(group, lumo_ik);
  std::int32_t* type_slot = prop_int(prop_name::type, &group);
  float* rigidity_slot = prop_float(L"fp刚性", &group);
  double* twist_slot = prop_double_in(prop_name::twist, prop_name::PoseBone, holder());
  ASSERT_EQ(*type_slot, 3);
  ASSERT_FLOAT_EQ(*rigidity_slot, 0.5f);
  ASSERT_DOUBLE_EQ(*twist_slot, 0.25);

  // Writes reach the host, and host edits are seen through the kept address.
  *type_slot = 7;
  *rigidity_slot = 0.75f;
  *twist_slot = -1.5;
  EXPECT_EQ(hm_prop_get_int(type), 7);
  EXPECT_FLOAT_EQ(hm_prop_get_float(rigidity), 0.75f);
  EXPECT_DOUBLE_EQ(hm_prop_get_double(twist), -1.5);
  hm_prop_set_int(type, 2);
  EXPECT_EQ(*type_slot, 2);
  EXPECT_EQ(prop_int_in(L"type", L"lumo_IK", holder()), type_slot);
  EXPECT_EQ(prop_double_in(L"twist", L"PoseBone", holder()), twist_slot);
  EXPECT_FALSE(is_fallback_cell(type_slot));
}

TEST_F(PropStore, FailedLookupsShareOneFallbackCellPerType) {
  IDProperty* mass = hm_prop_add_float(lumo_ik, prop_name::fp质量, 2.0f);
  IDProperty* gravity = hm_prop_add_float(lumo_ik, prop_name::fp重力fac, 1.0f);
  current_groups.lumo_ik = prop_group(prop_name::lumo_IK, holder());

  float* first = prop_float("fp质量_missing", &current_groups.lumo_ik);
  float* second = prop_float(L"nope", holder());
  EXPECT_EQ(first, second);
  EXPECT_TRUE(is_fallback_cell(first));
  EXPECT_FLOAT_EQ(*first, kMissingFloat);

  *first = 5.0f;
  EXPECT_FLOAT_EQ(*second, 5.0f);
  EXPECT_FLOAT_EQ(hm_prop_get_float(mass), 2.0f);
  EXPECT_FLOAT_EQ(hm_prop_get_float(gravity), 1.0f);
  EXPECT_FLOAT_EQ(*prop_float(prop_name::fp质量, &current_groups.lumo_ik), 2.0f);
  EXPECT_FLOAT_EQ(*prop_float("again missing", holder()), kMissingFloat) << "each miss resets the cell";
  EXPECT_FLOAT_EQ(*first, kMissingFloat);

  std::int32_t* missing_int = prop_int("x", holder());
  double* missing_double = prop_double("x", holder());
  EXPECT_EQ(prop_int(L"y", nullptr), missing_int);
  EXPECT_EQ(prop_double(L"y", nullptr), missing_double);
  EXPECT_NE(static_cast<void*>(missing_int), static_cast<void*>(first));
  EXPECT_NE(static_cast<void*>(missing_double), static_cast<void*>(first));
  EXPECT_DOUBLE_EQ(*missing_double, kMissingDouble);
  EXPECT_TRUE(is_fallback_cell(missing_int));
  EXPECT_TRUE(is_fallback_cell(missing_double));

  clear_current_groups();
  EXPECT_EQ(current_groups.lumo_ik, nullptr);
  EXPECT_TRUE(is_fallback_cell(prop_float(prop_name::fp质量, &current_groups.lumo_ik)));
}

TEST_F(PropStore, EveryAccessorMissesOnAHolderWithoutTheGroup) {
  // The channel has a root but no "PoseBone" group; other holders hold nothing
  // or something that is no group.
  IDProperty* not_a_group = hm_prop_add_int(root, "int", 1);
  IDProperty* nothing = nullptr;
  struct Case {
    const char* what;
    PropHolder holder;
  };
  const Case cases[] = {{"root without the group", holder()},
                        {"holder holding nothing", &nothing},
                        {"holder holding an int", &not_a_group}};
  Capture capture;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(卩属性(prop_name::PoseBone, c.holder), 0);
    EXPECT_EQ(prop_group(prop_name::PoseBone, c.holder), nullptr);
    EXPECT_TRUE(is_fallback_cell(prop_int_in(prop_name::type, prop_name::PoseBone, c.holder)));
    EXPECT_TRUE(is_fallback_cell(prop_double_in(L"twist", L"PoseBone", c.holder)));
    EXPECT_TRUE(is_fallback_cell(prop_float(prop_name::fp刚性, c.holder)));
    EXPECT_EQ(prop_array_in(prop_name::fvp3锚, prop_name::PoseBone, c.holder), nullptr);
    EXPECT_EQ(prop_text(prop_name::sp关联点, c.holder), nullptr);
  }
  EXPECT_EQ(prop_group_of_block(prop_name::pp属性o, nullptr), nullptr);
  EXPECT_EQ(capture.out(), "") << "misses without a call site are silent";
}

TEST_F(PropStore, NullHolderAddressIsReportedByTheExistenceTests) {
  Capture capture;
  EXPECT_EQ(卩属性(prop_name::lumo_IK, nullptr), 0);
  EXPECT_EQ(prop_exists(L"lumo_IK", nullptr), 0);
  const std::string& out = capture.out();
  const size_t second = out.find("★★★ wc 卩属性  idp 二二 ψ0 ");
  ASSERT_NE(second, std::string::npos) << out;
  EXPECT_EQ(out.rfind("★★★ 卩属性  idp 二二 ψ0 ", 0), 0u) << out;
  EXPECT_NE(out.find("  要找的字= lumo_IK\n"), std::string::npos) << out;
  EXPECT_EQ(out.substr(out.size() - std::string("  要找的字= lumo_IK\n").size()), "  要找的字= lumo_IK\n");
}

TEST_F(PropStore, MissingIntTracesOnceWhenTheCallSiteIsGiven) {
  const int line = __LINE__;
  const std::string expected_head = "\"!!!idpTmp 二二 ψ0\"◆ 〔 s =ip没有〕 〔 s巜sU(func) =凸SetType〕 〔 i行 =" +
                                    std::to_string(line) + "〕 〔 s卝('\\\\',file,true,false,sPRINT) =" +
                                    std::string(__FILE__) + "〕 ----------------行:";
  const std::string expected_tail = ",文件:src/props/prop_values.cpp\n";
  {
    Capture capture;
    prop_int("ip没有", holder(), PropSite{line, "凸SetType", __FILE__});
    const std::string& out = capture.out();
    EXPECT_EQ(out.rfind(expected_head, 0), 0u) << out;
    ASSERT_GE(out.size(), expected_tail.size());
    EXPECT_EQ(out.substr(out.size() - expected_tail.size()), expected_tail) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
  }
  {
    Capture capture;
    prop_int(L"ip没有", holder(), PropSite{0, "凸SetType", "a\\b\\caller.cpp"});
    EXPECT_EQ(capture.out().rfind("\"!!!idpTmp 二二 ψ0\"◆ 〔 s =ip没有〕", 0), 0u) << capture.out();
    EXPECT_NE(capture.out().find("〔 i行 =0〕 〔 s卝('\\\\',file,true,false,sPRINT) =caller.cpp〕"), std::string::npos)
        << capture.out();
  }
  struct Silent {
    const char* what;
    PropSite site;
  };
  const Silent silent[] = {{"no site", {}},
                           {"negative line", {-1, "f", __FILE__}},
                           {"no file", {line, "f", nullptr}}};
  for (const Silent& s : silent) {
    SCOPED_TRACE(s.what);
    Capture capture;
    prop_int("ip没有", holder(), s.site);
    EXPECT_EQ(capture.out(), "");
  }
  Capture capture;
  prop_float("fp没有", holder(), LUMO_PROP_SITE("f"));
  prop_double(L"没有", holder(), LUMO_PROP_SITE("f"));
  prop_int(prop_name::type, holder(), LUMO_PROP_SITE("f"));  // "type" is in lumo_IK, not the root
  EXPECT_EQ(std::count(capture.out().begin(), capture.out().end(), '\n'), 1) << capture.out();
  capture.clear();
  hm_prop_add_int(root, "found", 1);
  prop_int("found", holder(), LUMO_PROP_SITE("f"));
  EXPECT_EQ(capture.out(), "");
}

TEST_F(PropStore, TextsAreHandedOutOnlyWhenNotEmpty) {
  hm_prop_add_string(lumo_ik, prop_name::sp关联点, "0,1,2");
  hm_prop_add_string(lumo_ik, "empty", "");
  hm_prop_add_int(lumo_ik, "number", 65);
  IDProperty* group = lumo_ik;

  Capture capture;
  EXPECT_STREQ(prop_text(prop_name::sp关联点, &group), "0,1,2");
  EXPECT_STREQ(prop_text(L"sp关联点", &group), "0,1,2");
  EXPECT_EQ(prop_text("missing", &group, LUMO_PROP_SITE("f")), nullptr);
  EXPECT_EQ(prop_text("number", &group), nullptr) << "an int is no text";
  EXPECT_EQ(capture.out(), "");

  EXPECT_EQ(prop_text("empty", &group), nullptr);
  EXPECT_EQ(capture.out(), "\n");
  capture.clear();
  const int line = __LINE__;
  EXPECT_EQ(prop_text(L"empty", &group, PropSite{line, "卍碰撞体::Set", "x\\y.cpp"}), nullptr);
  EXPECT_EQ(capture.out(), "------------函数:卍碰撞体::Set ----行:" + std::to_string(line) + "----文件:y.cpp\n");
}

TEST_F(PropStore, ArraysAreHandedOutAsTheirElementBuffer) {
  const float anchor[3] = {1, 2, 3};
  IDProperty* array = hm_prop_add_float_array(lumo_ik, prop_name::fvp3锚, anchor, 3);
  hm_prop_add_string(lumo_ik, "text", "abc");

  float* elements = prop_array_in(prop_name::fvp3锚, prop_name::lumo_IK, holder());
  ASSERT_NE(elements, nullptr);
  EXPECT_EQ(prop_array(L"fvp3锚", &lumo_ik), elements);
  EXPECT_EQ(prop_array_in(L"fvp3锚", L"lumo_IK", holder()), elements);
  elements[2] = 9;
  float read[3];
  ASSERT_EQ(hm_prop_get_floats(array, read, 3), 3);
  EXPECT_FLOAT_EQ(read[2], 9);
  EXPECT_EQ(prop_array("text", &lumo_ik), nullptr) << "a text is no array";
  EXPECT_EQ(prop_array("missing", &lumo_ik), nullptr);
}

TEST_F(PropStore, DataBlocksHoldTheirRootInTheirIdHead) {
  Object* cube = scene.add_object("Cube", OB_MESH);
  IDProperty* settings = hm_prop_add_group(hm_prop_root_of_id(scene.main, &cube->id), prop_name::pp属性o);
  hm_prop_add_float(settings, prop_name::version, 0.78f);
  EXPECT_EQ(prop_group_of_block(prop_name::pp属性o, &cube->id), settings);
  EXPECT_EQ(prop_group_of_block(L"pp属性o", &cube->id), settings);
  current_groups.block = prop_group_of_block(prop_name::pp属性o, &cube->id);
  EXPECT_FLOAT_EQ(*prop_float(prop_name::version, &current_groups.block), 0.78f);
  EXPECT_EQ(prop_group_of_block(prop_name::pp属性o, &scene.scene->id), nullptr);
}

}  // namespace
}  // namespace lumo
