// What the expression translator and the Java vocabulary hand each other: a
// type descriptor, a translated expression (its Java pieces and its type) and
// the two context values every translation passes down unchanged.
//
// A type descriptor [Type, Length, Decimals, Flag] of the rules is a TypeDesc;
// [] ("no type known") is an empty std::optional<TypeDesc>.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"

namespace qn::logic {

struct TypeDesc {
  std::string type;  // int, char, svchar, vchar, bits, date, dtime, boolean, ..., obj
  std::string cls;   // the Class of obj(Class)
  int64_t length = 0;
  int64_t decimals = 0;
  int64_t flag = 0;  // 1: signed

  friend bool operator==(const TypeDesc&, const TypeDesc&) = default;
};
using OptType = std::optional<TypeDesc>;

inline TypeDesc type_desc(std::string_view type, int64_t length, int64_t decimals = 0,
                          int64_t flag = 0) {
  return TypeDesc{std::string(type), "", length, decimals, flag};
}
inline TypeDesc obj_type(std::string_view cls) {
  return TypeDesc{"obj", std::string(cls), 0, 0, 0};
}

// A fixed-length string type: char, svchar, bits.
bool is_fixed_string(const OptType& t);
// Any string type: the fixed ones and vchar.
bool is_string(const OptType& t);
// date or dtime.
bool is_date(const OptType& t);
// int and the other numeric types of attributes (pac, zon, bin).
bool is_numeric(const OptType& t);
// Merging two descriptors: the first type, the larger length, and for two
// numbers the larger decimals (so that a result with decimals is never
// taken for an integer); [] merged with T gives T.
OptType merge_types(const OptType& a, const OptType& b);
// The rule term [Type, Length, Decimals, Flag] (obj(Class) as the type); []
// for none. And back: a term that is no descriptor gives none.
engine::Term type_term(const OptType& t);
OptType type_from_term(const engine::Term& t);
// Written as the rules write it: [int,9,0,1], [] for none.
std::string type_text(const OptType& t);

// A translated expression: its pieces, in order, and its type.
struct JavaText {
  std::vector<std::string> pieces;
  OptType type;
};

// The Parts' two context values of the translation, handed to nested calls
// unchanged.
struct ExprCtx {
  engine::Term ctx1;
  engine::Term ctx2;
};

// Pieces joined without blanks. A blank still goes where the join would glue
// "+" to "+" or "-" to "-", which Java would read as ++ or --.
std::string join_pieces(const std::vector<std::string>& pieces);

}  // namespace qn::logic
