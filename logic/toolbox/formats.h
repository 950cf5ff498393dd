// How dates, times and numbers are written in the generated program: date
// orders, the clock, date-time picture widths, date-order codes and the
// call that formats a number. All follow the options ctod_fmt, date_fmt
// and time_fmt and the language of the generated texts (idiom/1).
// String literals: to_string_literal/2 in logic/core/messages.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// ctod_date_fmt/1: ctod_fmt SPA DMY, ENG MDY, YMD YMD, SPA4 DMY4, ENG4 MDY4,
// Y4MD Y4MD; MDY for anything else.
std::string ctod_date_fmt(Run& run);
// lang_date_fmt/1: date_fmt SPA DMY, ENG MDY; else DMY for the languages
// spa, por and ita; else MDY.
std::string lang_date_fmt(Run& run);
// time_format/1: time_fmt when it is 12 or 24; else "12" in English, "24"
// in any other language.
std::string time_format(Run& run);
// dtime_picture_len/3: the picture width of a date-time with a date part
// of Length (0, 8, 10) and a time part of Decimals (0, 2, 5, 8); 19 for a
// pair outside the table; 3 more with the 12-hour clock.
int64_t dtime_picture_len(Run& run, int64_t length, int64_t decimals);
// date_format_code/2: the answers in engine order (Code, Length): the
// code of lang_date_fmt/1 (widened to the four-digit year for Length 10)
// with the Length asked, then ("3", 10), then ("1", Length). Callers take
// the first.
std::vector<std::pair<std::string, int64_t>> date_format_code(Run& run, int64_t length);
// format_number_call/3: the tokens before and after a numeric expression
// of Type ([Kind, Length, Decimals | _] or [vchar | _]) that format it as
// text; nullopt for a type with no formatting call.
struct FormatCall {
  engine::Term before, after;  // token lists
};
std::optional<FormatCall> format_number_call(const engine::Term& type);

}  // namespace qn::logic
