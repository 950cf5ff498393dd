#include "logic/toolbox/formats.h"

#include "logic/core/messages.h"
#include "logic/toolbox/test_fixture.h"

namespace qn::logic {
namespace {

using namespace webtest;

// The options as object rules, the language as idiom/1.
std::string model(const char* lang, const char* opts) {
  return std::string("idiom(") + lang + "). " + opts;
}

TEST(Formats, DateOrdersClockAndCodes) {
  struct Case {
    const char* lang;
    const char* opts;
    const char *ctod, *order, *clock;
    const char *code8, *code10;
  } cases[] = {
      {"eng", "", "MDY", "MDY", "12", "1", "3"},
      {"por", "", "MDY", "DMY", "24", "2", "4"},
      {"spa", "", "MDY", "DMY", "24", "2", "4"},
      {"ita", "", "MDY", "DMY", "24", "2", "4"},
      {"ger", "", "MDY", "MDY", "24", "1", "3"},
      {"eng",
       "rule_i(0, prop(ctod_fmt, spa4)). rule_i(0, prop(date_fmt, 'SPA')). rule_i(0, "
       "prop(time_fmt, '24')).",
       "DMY4", "DMY", "24", "2", "4"},
      {"spa",
       "rule_i(0, prop(ctod_fmt, 'ENG')). rule_i(0, prop(date_fmt, eng)). rule_i(0, prop(time_fmt, "
       "12)).",
       "MDY", "MDY", "12", "1", "3"},
      {"eng", "rule_i(0, prop(ctod_fmt, 'Y4MD')). rule_i(0, prop(time_fmt, '13')).", "Y4MD", "MDY",
       "12", "1", "3"},
      {"eng", "rule_i(0, prop(ctod_fmt, ymd)). rule_i(0, prop(date_fmt, 'YMD')).", "YMD", "MDY",
       "12", "1", "3"},
      {"eng", "rule_i(0, prop(ctod_fmt, eng4)).", "MDY4", "MDY", "12", "1", "3"},
      {"eng", "rule_i(0, prop(ctod_fmt, 'XYZ')).", "MDY", "MDY", "12", "1", "3"},
  };
  for (const auto& c : cases) {
    Fixture f(model(c.lang, c.opts));
    const std::string what = std::string(c.lang) + " " + c.opts;
    EXPECT_EQ(ctod_date_fmt(f.run), c.ctod) << what;
    EXPECT_EQ(lang_date_fmt(f.run), c.order) << what;
    EXPECT_EQ(time_format(f.run), c.clock) << what;
    const auto d8 = date_format_code(f.run, 8);
    const auto d10 = date_format_code(f.run, 10);
    EXPECT_EQ(d8.front().first, c.code8) << what;
    EXPECT_EQ(d10.front().first, c.code10) << what;
    // Further answers in engine order.
    ASSERT_EQ(d8.size(), 3u);
    EXPECT_EQ(d8[1], (std::pair<std::string, int64_t>{"3", 10}));
    EXPECT_EQ(d8[2], (std::pair<std::string, int64_t>{"1", 8}));
  }
}

TEST(Formats, DateTimePictureWidths) {
  struct Case {
    int64_t length, decimals, width24;
  } cases[] = {{0, 0, 19},  {0, 2, 2},   {0, 5, 5},  {0, 8, 8},   {8, 0, 8},
               {8, 2, 11},  {8, 5, 14},  {8, 8, 17}, {10, 0, 10}, {10, 2, 13},
               {10, 5, 16}, {10, 8, 19}, {6, 0, 19}, {8, 3, 19}};
  Fixture eng(model("eng", "")), spa(model("spa", ""));
  for (const auto& c : cases) {
    EXPECT_EQ(dtime_picture_len(spa.run, c.length, c.decimals), c.width24)
        << c.length << "," << c.decimals;
    EXPECT_EQ(dtime_picture_len(eng.run, c.length, c.decimals), c.width24 + 3)
        << c.length << "," << c.decimals;
  }
}

TEST(Formats, NumberCallsAndLiterals) {
  struct Case {
    const char* type;
    const char* before;  // "" for none
    const char* after;
  } cases[] = {
      {"[vchar, 100, 0, 0]", "[t(\"qnvdata(\",1)]", "[t(\")\",4)]"},
      {"[int, 2, 0, 1]", "[t(\"FormatInt(\",1)]", "[t(\")\",4)]"},    // byte
      {"[pac, 4, 0, 1]", "[t(\"FormatInt(\",1)]", "[t(\")\",4)]"},    // short
      {"[zon, 9, 0, 1]", "[t(\"FormatInt(\",1)]", "[t(\")\",4)]"},    // int
      {"[bin, 15, 0, 1]", "[t(\"FormatLong(\",1)]", "[t(\")\",4)]"},  // long
      {"[int, 12, 2, 1]", "[t(\"FormatDouble(\",1)]",
       "[t(\",\",7),t(\"12\",3),t(\",\",7),t(\"2\",3),t(\")\",4)]"},
      {"[char, 10, 0, 1]", "", ""},  // String: no call
      {"[date, 8, 0, 1]", "", ""},
      {"int", "", ""},
  };
  for (const auto& c : cases) {
    auto call = format_number_call(t(c.type));
    EXPECT_EQ(call ? engine::writeq(call->before) : "", c.before) << c.type;
    EXPECT_EQ(call ? engine::writeq(call->after) : "", c.after) << c.type;
  }
  EXPECT_EQ(to_string_literal(t("5")), "\"5\"");
  EXPECT_EQ(to_string_literal(t("'ABC'")), "\"ABC\"");
  EXPECT_EQ(to_string_literal(t("'\"x\"'")), "\"x\"");
}

}  // namespace
}  // namespace qn::logic
