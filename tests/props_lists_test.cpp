// LLProp and LProp: lists read from and written into existing host arrays.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/current.h"
#include "hostmodel_props.h"
#include "props/prop_lists.h"
#include "props/property_names.h"
#include "support/capture.h"
#include "support/model_scene.h"

namespace lumo {
namespace {

using testing::Capture;
using testing::ModelScene;
using IntLists = std::vector<std::vector<int>>;

std::vector<int> ints_of(const IDProperty* array) {
  std::vector<int> values(static_cast<size_t>(hm_prop_len(array)));
  hm_prop_get_ints(array, values.data(), static_cast<int>(values.size()));
  return values;
}

std::vector<float> floats_of(const IDProperty* array) {
  std::vector<float> values(static_cast<size_t>(hm_prop_len(array)));
  hm_prop_get_floats(array, values.data(), static_cast<int>(values.size()));
  return values;
}

// A mesh object whose "COLLIDER" group holds "RELATED": items of 2 and 3 ints.
class PropLists : public ::testing::Test {
 protected:
  void SetUp() override {
    host::current = {};
    Object* cube = scene.add_object("Cube", OB_MESH);
    root = hm_prop_root_of_id(scene.main, &cube->id);
    collider = hm_prop_add_group(root, prop_name::COLLIDER);
    const int lengths[] = {2, 3};
    const int values[] = {1, 2, 3, 4, 5};
    related = hm_prop_add_int_lists(collider, prop_name::RELATED, 2, lengths, values);
  }

  ModelScene scene;
  IDProperty* root = nullptr;
  IDProperty* collider = nullptr;
  IDProperty* related = nullptr;
};

TEST_F(PropLists, ReadsOneInnerListPerItem) {
  IntLists out = {{9, 9, 9}, {9}, {9}};
  ASSERT_TRUE(读LLProp(prop_name::RELATED, &collider, out));
  EXPECT_EQ(out, (IntLists{{1, 2}, {3, 4, 5}}));

  IntLists itself;
  ASSERT_TRUE(读LLProp(nullptr, &related, itself)) << "no name: the held property itself";
  EXPECT_EQ(itself, out);
}

TEST_F(PropLists, ReadingNoItemsPrintsTheResizeMessageAndEmptiesTheList) {
  hm_prop_add_int_lists(collider, "none", 0, nullptr, nullptr);
  IntLists out = {{7}};
  Capture capture;
  EXPECT_TRUE(读LLProp("none", &collider, out));
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(capture.out(), "★★Resize  无 LL iSize ＜ 1, iSize=0");
}

TEST_F(PropLists, ReadingWhatIsNotThereLeavesTheListUntouched) {
  hm_prop_add_int(collider, "number", 4);
  hm_prop_add_float_array(collider, "floats", nullptr, 4);
  IDProperty* nothing = nullptr;
  const IntLists before = {{7, 8}, {9}};
  struct Case {
    const char* what;
    const char* name;
    PropHolder holder;
    const char* printed_prefix;
  };
  const Case cases[] = {
      {"missing name", "missing", &collider, ""},
      {"an int is no property array", "number", &collider, ""},
      {"a float array is no property array", "floats", &collider, ""},
      {"holder holding nothing", prop_name::RELATED, &nothing, "★!!!! idp 二二 ψ0  "},
      {"null holder", prop_name::RELATED, nullptr, "★!!!! idp 二二 ψ0  "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    IntLists out = before;
    Capture capture;
    EXPECT_FALSE(读LLProp(c.name, c.holder, out));
    EXPECT_EQ(out, before);
    EXPECT_EQ(capture.out().rfind(c.printed_prefix, 0), 0u) << capture.out();
    if (*c.printed_prefix) EXPECT_EQ(capture.out().back(), '\n');
    else EXPECT_EQ(capture.out(), "");
  }
}

TEST_F(PropLists, WritingNeverGoesPastTheHostItems) {
  IDProperty* item0 = hm_prop_item(related, 0);
  IDProperty* item1 = hm_prop_item(related, 1);
  struct Case {
    const char* what;
    IntLists lists;
    int items_written;
    std::vector<int> first, second;
  };
  const Case cases[] = {
      {"longer lists and more lists than items", {{10, 11, 12, 13}, {20, 21, 22, 23, 24}, {30}}, 2,
       {10, 11}, {20, 21, 22}},
      {"shorter lists leave the rest", {{40}}, 1, {40, 11}, {20, 21, 22}},
      {"an empty list writes nothing into its item", {{}, {50, 51}}, 2, {40, 11}, {50, 51, 22}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(写LLProp(nullptr, c.lists, related), c.items_written);
    EXPECT_EQ(ints_of(item0), c.first);
    EXPECT_EQ(ints_of(item1), c.second);
    EXPECT_EQ(hm_prop_len(related), 2) << "never resized";
  }
  EXPECT_EQ(写LLProp(prop_name::RELATED, {{60, 61}}, collider), 1) << "by name in a group";
  EXPECT_EQ(ints_of(item0), (std::vector<int>{60, 61}));
  EXPECT_EQ(写LLProp("missing", {{1}}, collider), 0);

  Capture capture;
  EXPECT_EQ(写LLProp(nullptr, {{1}}, nullptr), 0);
  EXPECT_EQ(capture.out().rfind("★!!!! idp__ 二二 ψ0  ", 0), 0u) << capture.out();
}

TEST_F(PropLists, FloatListsGoIntoTheExistingFloatArray) {
  // The baked frames of a bone: a property array of float arrays.
  const int lengths[] = {10, 4};
  IDProperty* frames = hm_prop_add_float_lists(root, "Bone", 2, lengths, nullptr);
  IDProperty* frame0 = hm_prop_item(frames, 0);
  IDProperty* short_frame = hm_prop_item(frames, 1);
  const std::vector<float> entry = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

  EXPECT_EQ(写LProp(nullptr, entry, frame0), 10);
  EXPECT_EQ(floats_of(frame0), entry);
  EXPECT_EQ(写LProp(nullptr, entry, short_frame), 4) << "a shorter array takes only its length";
  EXPECT_EQ(floats_of(short_frame), (std::vector<float>{1, 2, 3, 4}));
  EXPECT_EQ(写LProp(nullptr, {0.5f}, short_frame), 1);
  EXPECT_EQ(floats_of(short_frame), (std::vector<float>{0.5f, 2, 3, 4}));

  IDProperty* settings = hm_prop_add_group(root, "settings");
  IDProperty* anchor = hm_prop_add_float_array(settings, prop_name::fvp3锚, nullptr, 3);
  hm_prop_add_string(settings, "text", "ab");
  EXPECT_EQ(写LProp(prop_name::fvp3锚, {7, 8, 9, 10}, settings), 3);
  EXPECT_EQ(floats_of(anchor), (std::vector<float>{7, 8, 9}));
  EXPECT_EQ(写LProp("text", entry, settings), 0) << "a text is no array";
  EXPECT_STREQ(hm_prop_get_string(hm_prop_child(settings, "text")), "ab");
  EXPECT_EQ(写LProp(nullptr, entry, frames), 0) << "a property array is no float array";

  Capture capture;
  EXPECT_EQ(写LProp(nullptr, entry, nullptr), 0);
  EXPECT_EQ(capture.out().rfind("★!!!! idp__ 二二 ψ0  ", 0), 0u) << capture.out();
}

}  // namespace
}  // namespace lumo
