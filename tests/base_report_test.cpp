// Reporting: the assertion box, the console printers and the value traces.
#include <gtest/gtest.h>

#include <string>

#include "base/console.h"
#include "base/report.h"
#include "base/text_convert.h"
#include "base/trace.h"
#include "support/capture.h"

namespace lumo {
namespace {

using testing::Capture;

TEST(ReportAssertion, ShowsTheMessageConditionLineFunctionAndFile) {
  Capture capture;
  const int answer = report_assertion("pc missing", "◆", "pc 二二 ψ0", 42, "凸SetType", "src/rig/set_type.cpp");
  EXPECT_EQ(answer, 1);
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_EQ(capture.boxes()[0].title, "assertion failure");
  EXPECT_EQ(capture.boxes()[0].text,
            "★!!!出错:pc missing\n  名 : ◆ · 条件 : pc 二二 ψ0 \n  在第: 42  行  \n  函数 : 凸SetType \n 文件 : "
            "src/rig/set_type.cpp");
}

TEST(ReportAssertion, AppendsTheValueWithSixDecimals) {
  Capture capture;
  const float value = 2.5f;
  report_assertion("__", "◆", "x ＜ 0", 7, "f", "file.cpp", &value);
  ASSERT_EQ(capture.boxes().size(), 1u);
  const std::string& text = capture.boxes()[0].text;
  EXPECT_EQ(text.substr(text.size() - std::string(",ψ数:2.500000 \n").size()), ",ψ数:2.500000 \n");
}

TEST(ReportAssertion, WithoutMessageShowsTheEmptyMarkerBox) {
  Capture capture;
  report_assertion(nullptr, "◆", "c", 1, "f", "file.cpp");
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_EQ(capture.boxes()[0].title, "Δassert(msg ==NULL");
  EXPECT_EQ(capture.boxes()[0].text, "");
}

TEST(ReportAssertion, KeepsAMessageThatLivesInTheConversionScratch) {
  // Object names for messages come from the same scratch buffer that the
  // function name is converted through; the message must survive.
  Capture capture;
  report_assertion(s巜sU("Armature"), "◆", "o->type!=OB_ARMATURE", 3, "i骨数", "x.cpp");
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_EQ(capture.boxes()[0].text.rfind("★!!!出错:Armature\n", 0), 0u) << capture.boxes()[0].text;
}

TEST(ReportAssertion, MacroFillsMarkerLineAndFile) {
  Capture capture;
  const int line = __LINE__ + 1;
  LUMO_REPORT("__", "true", "name");
  ASSERT_EQ(capture.boxes().size(), 1u);
  EXPECT_NE(capture.boxes()[0].text.find("名 : ◆"), std::string::npos);
  EXPECT_NE(capture.boxes()[0].text.find("在第: " + std::to_string(line) + "  行"), std::string::npos);
  EXPECT_NE(capture.boxes()[0].text.find("文件 : tests/base_report_test.cpp"), std::string::npos);
}

TEST(ConsolePrinters, ClampAndMarkAbsentTexts) {
  struct Case {
    const char* name;
    void (*print)();
    const char* expected;
  };
  const Case cases[] = {
      {"int in range", [] { con_int(-17); }, "-17"},
      {"int above a million", [] { con_int(5000000); }, "1000000"},
      {"int below minus a million", [] { con_int(-1000001); }, "-1000000"},
      {"float above a million", [] { con_float(2.5e9); }, "1000000.000000"},
      {"float below minus a million", [] { con_float(-3e7); }, "-1000000.000000"},
      {"float in range", [] { con_float(0.25); }, "0.250000"},
      {"text", [] { con_text("abc"); }, "abc"},
      {"absent text", [] { con_text(nullptr); }, "★★ s二二 NULL\n"},
      {"wide text", [] { con_wide(L"骨x"); }, "骨x"},
      {"absent wide text", [] { con_wide(nullptr); }, "★★ wc二二 NULL\n"},
  };
  for (const Case& c : cases) {
    Capture capture;
    c.print();
    EXPECT_EQ(capture.out(), c.expected) << c.name;
  }
}

TEST(HostAssertLine, GoesToStandardError) {
  Capture capture;
  host_assert_line("context0", 87, "scene->view_layers.first");
  EXPECT_EQ(capture.err(), "BLI_assert failed: context0:87, at 'scene->view_layers.first'\n");
  EXPECT_EQ(capture.out(), "");
}

TEST(TraceValues, PrintsEachForm) {
  struct Case {
    const char* name;
    void (*trace)();
    const char* expected;
  };
  const Case cases[] = {
      {"int with line and file",
       [] { trace_values("\"lbl\"◆", "i", 3, 12, "C:\\src\\dir\\file.cpp"); },
       "\"lbl\"◆ 〔 i =3〕 ----------------行:12,文件:file.cpp\n"},
      {"text without line or file", [] { trace_values("L", "s", "abc", 0, nullptr); }, "L 〔 s =abc〕\n"},
      {"absent text", [] { trace_values("L", "s", static_cast<const char*>(nullptr), 0, nullptr); },
       "L 〔 s =★★ s二二 NULL\n〕\n"},
      {"byte", [] { trace_values("L", "b", static_cast<std::uint8_t>(255), -1, nullptr); }, "L 〔 b =255〕\n"},
      {"four pairs",
       [] { trace_values("L", "s", "name", "f", "func", "i行", 9, "file", "x.cpp", 5, "a\\b.cpp"); },
       "L 〔 s =name〕 〔 f =func〕 〔 i行 =9〕 〔 file =x.cpp〕 ----------------行:5,文件:b.cpp\n"},
      {"four pairs, wide first",
       [] { trace_values("L", "s", L"宽", "f", "func", "i行", 9, "file", "x.cpp", 0, nullptr); },
       "L 〔 s =宽〕 〔 f =func〕 〔 i行 =9〕 〔 file =x.cpp〕\n"},
  };
  for (const Case& c : cases) {
    Capture capture;
    c.trace();
    EXPECT_EQ(capture.out(), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace lumo
