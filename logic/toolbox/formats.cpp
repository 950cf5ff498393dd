#include "logic/toolbox/formats.h"

#include "logic/core/messages.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_types.h"

namespace qn::logic {

using engine::Term;

namespace {

std::optional<std::string> option(Run& run, std::string_view name) {
  return pgm_prop_upper(run, name);
}

Term tok(std::string_view value, int64_t type) { return fact("t", {str(value), num(type)}); }

}  // namespace

std::string ctod_date_fmt(Run& run) {
  static const std::pair<const char*, const char*> kMap[] = {{"SPA", "DMY"},   {"ENG", "MDY"},
                                                             {"YMD", "YMD"},   {"SPA4", "DMY4"},
                                                             {"ENG4", "MDY4"}, {"Y4MD", "Y4MD"}};
  if (auto v = option(run, "ctod_fmt")) {
    for (const auto& [key, order] : kMap) {
      if (*v == key) return order;
    }
  }
  return "MDY";
}

std::string lang_date_fmt(Run& run) {
  if (auto v = option(run, "date_fmt")) {
    if (*v == "SPA") return "DMY";
    if (*v == "ENG") return "MDY";
  }
  const engine::Atom lang = current_idiom(run);
  if (lang == "spa" || lang == "por" || lang == "ita") return "DMY";
  return "MDY";
}

std::string time_format(Run& run) {
  if (auto v = option(run, "time_fmt"); v && (*v == "12" || *v == "24")) return *v;
  return current_idiom(run) == "eng" ? "12" : "24";
}

int64_t dtime_picture_len(Run& run, int64_t length, int64_t decimals) {
  static const int64_t kLens[] = {0, 8, 10};
  static const int64_t kDecs[] = {0, 2, 5, 8};
  static const int64_t kWidth[3][4] = {{19, 2, 5, 8}, {8, 11, 14, 17}, {10, 13, 16, 19}};
  int64_t width = 19;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 4; ++j) {
      if (kLens[i] == length && kDecs[j] == decimals) width = kWidth[i][j];
    }
  }
  return time_format(run) == "12" ? width + 3 : width;
}

std::vector<std::pair<std::string, int64_t>> date_format_code(Run& run, int64_t length) {
  static const std::pair<const char*, const char*> kCodes[] = {
      {"ANSI", "0"}, {"MDY", "1"}, {"DMY", "2"}, {"MDY4", "3"},
      {"DMY4", "4"}, {"YMD", "5"}, {"Y4MD", "6"}};
  const std::string order = lang_date_fmt(run);
  std::string code = "1";
  for (const auto& [o, c] : kCodes) {
    if (order == o) code = c;
  }
  if (length == 10) {
    if (code == "1")
      code = "3";
    else if (code == "2")
      code = "4";
    else if (code == "5")
      code = "6";
  }
  return {{code, length}, {"3", 10}, {"1", length}};
}

std::optional<FormatCall> format_number_call(const Term& type) {
  if (!type.is_list()) return std::nullopt;
  const auto items = type.list_items();
  if (items.empty()) return std::nullopt;
  if (items[0] == "vchar")
    return FormatCall{Term::list({tok("qnvdata(", 1)}), Term::list({tok(")", 4)})};
  if (items.size() < 3 || !items[1].is_int() || !items[2].is_int()) return std::nullopt;
  const int64_t length = items[1].as_int(), decimals = items[2].as_int();
  const std::string java = get_c_type(items[0], length, decimals);
  if (java == "double") {
    return FormatCall{Term::list({tok("FormatDouble(", 1)}),
                      Term::list({tok(",", 7), tok(std::to_string(length), 3), tok(",", 7),
                                  tok(std::to_string(decimals), 3), tok(")", 4)})};
  }
  std::string call;
  if (java == "long")
    call = "FormatLong(";
  else if (java == "int" || java == "byte" || java == "short")
    call = "FormatInt(";
  else
    return std::nullopt;
  return FormatCall{Term::list({tok(call, 1)}), Term::list({tok(")", 4)})};
}

}  // namespace qn::logic
