// Text conversions with their 511-character limits, and the split helpers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/text_convert.h"
#include "base/text_util.h"
#include "platform/code_pages.h"
#include "support/capture.h"

namespace lumo {
namespace {

using testing::Capture;

std::string repeated(const std::string& unit, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += unit;
  return text;
}

TEST(Utf8ToAnsi, ConvertsUpTo511CharactersAndRefusesMore) {
  {
    Capture capture;
    const std::string text = repeated("a", 511);
    const char* converted = s巜sU(text.c_str());
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(converted, text);
    EXPECT_TRUE(capture.boxes().empty());
  }
  for (int length : {512, 600}) {
    Capture capture;
    const std::string text = repeated("a", length);
    EXPECT_EQ(s巜sU(text.c_str()), nullptr) << length;
    EXPECT_EQ(capture.out(), "★★ 511 ＜ unicodeLen s= " + text + "\n");
    ASSERT_EQ(capture.boxes().size(), 1u);
    EXPECT_EQ(capture.boxes()[0].title, "★★ 511< unicodeLen");
    EXPECT_EQ(capture.boxes()[0].text, "");
  }
}

TEST(Utf8ToAnsi, EmptyAndAbsentTextsYieldNothing) {
  Capture capture;
  EXPECT_EQ(s巜sU(""), nullptr);
  EXPECT_EQ(s巜sU(nullptr), nullptr);
  EXPECT_TRUE(capture.boxes().empty());
}

TEST(Utf8ToAnsi, WritesIntoTheCallersBuffer) {
  char buffer[kTextBufferUnits];
  EXPECT_EQ(s巜sU("名字", buffer), buffer);
  EXPECT_STREQ(buffer, "名字");
}

TEST(WideToAnsi, MeasuresBeforeWritingAndNamesTheBufferInItsMessage) {
  // 200 CJK characters need 600 bytes in this code page: over the limit.
  const std::wstring wide(200, L'骨');
  const std::string shown = repeated("骨", 200);
  {
    Capture capture;
    char buffer[kTextBufferUnits];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(s巜wcU(wide.c_str(), buffer), nullptr);
    EXPECT_EQ(buffer[0], 'x') << "nothing is written before the length is known";
    EXPECT_EQ(capture.out(), "★★ 511 ＜ len wc= " + shown + "\n");
    ASSERT_EQ(capture.boxes().size(), 1u);
    EXPECT_EQ(capture.boxes()[0].title, "!!!★ s巜wcU 511 ＜ len");
  }
  {
    Capture capture;
    EXPECT_EQ(s巜wcU(wide.c_str()), nullptr);
    EXPECT_EQ(capture.out(), "★511 ＜ len wc= " + shown + "\n");
    ASSERT_EQ(capture.boxes().size(), 1u);
    EXPECT_EQ(capture.boxes()[0].title, "★★ s巜wcU 511 ＜ len");
  }
  const std::wstring fits(170, L'骨');  // 510 bytes
  ASSERT_NE(s巜wcU(fits.c_str()), nullptr);
  EXPECT_EQ(std::strlen(s巜wcU(fits.c_str())), 510u);
}

TEST(OtherConversions, KeepTheirLimitsAndFallbacks) {
  EXPECT_STREQ(utf8_from_wide(L"fp刚性"), "fp刚性");
  EXPECT_EQ(utf8_from_wide(std::wstring(600, L'a').c_str()), nullptr);
  EXPECT_EQ(utf8_from_wide(nullptr), nullptr);

  ASSERT_NE(wide_from_ansi("骨a"), nullptr);
  EXPECT_EQ(std::wstring(wide_from_ansi("骨a")), L"骨a");
  EXPECT_EQ(wide_from_ansi(repeated("b", 512).c_str()), nullptr);

  EXPECT_EQ(ansi_from_wide_string(L"头"), std::optional<std::string>("头"));
  EXPECT_EQ(ansi_from_wide_string(std::wstring(512, L'z')), std::nullopt);

  EXPECT_EQ(oem_string_from_utf8(nullptr), "NULAstr");
  EXPECT_EQ(oem_string_from_utf8("尾骨"), "尾骨");
}

TEST(CodePages, ReplaceMalformedBytesAndRefuseSmallBuffers) {
  wchar_t wide[8];
  // A stray continuation byte and a truncated three-byte sequence.
  ASSERT_EQ(platform::wide_from_narrow(platform::CodePage::utf8, "a\x80\xE9\xAA", wide, 8), 4);
  EXPECT_EQ(std::wstring(wide), std::wstring(L"a\uFFFD\uFFFD"));
  char narrow[4];
  EXPECT_EQ(platform::narrow_from_wide(platform::CodePage::ansi, L"骨骨", narrow, 4), 0);
  EXPECT_EQ(platform::narrow_from_wide(platform::CodePage::ansi, L"骨骨", nullptr, 0), 7);
  EXPECT_EQ(platform::wide_from_narrow(platform::CodePage::ansi, nullptr, wide, 8), 0);
}

TEST(TextHelpers, CopyJoinAndMeasure) {
  char buffer[32];
  EXPECT_EQ(text_copy("ab", buffer), 2u);
  EXPECT_EQ(text_append("cd", buffer), 4u);
  EXPECT_STREQ(buffer, "abcd");
  EXPECT_EQ(text_join(nullptr, "x", buffer), 1u);
  EXPECT_STREQ(buffer, "x");
  EXPECT_EQ(text_len(nullptr), 0u);
  EXPECT_EQ(text_zeros(0), nullptr);
  EXPECT_STREQ(text_zeros(3).get(), "000");
  EXPECT_TRUE(text_has_prefix("struct 卍Vector", "struct 卍Vector"));
  EXPECT_TRUE(text_has_prefix("int", "int *"));
  EXPECT_FALSE(text_has_prefix("float", "int"));
  EXPECT_STREQ(int_text(-42), "-42");
}

TEST(SplitAtPosition, CopiesHeadOrTailAndRefusesSplitsPastTheEnd) {
  char dst[16];
  EXPECT_TRUE(b卝(2, "OBRig", dst, true));
  EXPECT_STREQ(dst, "Rig");
  EXPECT_TRUE(b卝(2, "OBRig", dst, false));
  EXPECT_STREQ(dst, "OB");
  {
    Capture capture;
    EXPECT_FALSE(b卝(5, "OBRig", dst, true));
    EXPECT_EQ(capture.out(), "!!!i剩 ＜二 0 ,  s__=OBRig · strlen(s__)= 5·i分隔= 5");
  }
  {
    Capture capture;
    EXPECT_FALSE(b卝(1, nullptr, dst, true));
    EXPECT_FALSE(b卝(1, "ab", nullptr, true));
    ASSERT_EQ(capture.boxes().size(), 2u);
    EXPECT_NE(capture.boxes()[0].text.find("s源 二二 ψ0"), std::string::npos);
    EXPECT_NE(capture.boxes()[1].text.find("s__ 二二 ψ0"), std::string::npos);
  }
  EXPECT_STREQ(s卝(-1, "whole", true), "whole");
  EXPECT_STREQ(s卝(2, "OBRig", true), "Rig");
  EXPECT_STREQ(s卝(2, "OBRig", false, dst), "OB");
  {
    Capture capture;
    EXPECT_EQ(s卝(5, "OBRig", true), nullptr);
    EXPECT_EQ(capture.out(), "冖源-1= 4,ξ分隔= 5,s源=OBRig\n");
    ASSERT_EQ(capture.boxes().size(), 1u);
    EXPECT_NE(capture.boxes()[0].text.find("冖源-1 ＜ ξ分隔"), std::string::npos);
  }
}

TEST(SplitAtPosition, RefusesWhatTheScratchBufferCannotHold) {
  Capture capture;
  const std::string long_text = repeated("x", 700);
  EXPECT_EQ(s卝(-1, long_text.c_str(), true), nullptr);
  EXPECT_NE(capture.out().find("511"), std::string::npos);
  EXPECT_STREQ(s卝(-1, repeated("y", 511).c_str(), true), repeated("y", 511).c_str());
}

TEST(SplitAtSeparator, FindsTheSeparatorFromEitherSide) {
  struct Case {
    const char* name;
    const char* src;
    bool tail, keep, from_right;
    int start;
    const char* expected;
  };
  const Case cases[] = {
      {"file name of a path", "C:\\a\\b.cpp", true, false, true, -1, "b.cpp"},
      {"no separator gives the whole text", "b.cpp", true, false, true, -1, "b.cpp"},
      {"tail keeping the separator", "C:\\a\\b.cpp", true, true, true, -1, "\\b.cpp"},
      {"head without the separator", "C:\\a\\b.cpp", false, false, true, -1, "C:\\a"},
      {"head with the separator", "C:\\a\\b.cpp", false, true, true, -1, "C:\\a\\"},
      {"first separator from the left", "C:\\a\\b.cpp", true, false, false, -1, "a\\b.cpp"},
      {"from the right starting early", "C:\\a\\b.cpp", true, false, true, 3, "a\\b.cpp"},
  };
  for (const Case& c : cases) {
    const char* result = s卝('\\', c.src, c.tail, c.keep, c.from_right, c.start);
    ASSERT_NE(result, nullptr) << c.name;
    EXPECT_STREQ(result, c.expected) << c.name;
  }
  EXPECT_STREQ(file_name_of("src/base/report.cpp"), "src/base/report.cpp");
}

}  // namespace
}  // namespace lumo
