// Attribute descriptions of the rules: the standard variables, the description
// facts of the object, the knowledge base behind them and the type codes.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// attri_type_code/2 in both directions: 4 int, 5 char, 6 date, 7 bits,
// 8 vchar, 9 pac, 10 zon, 11 bin, 12 dtime, 13 svchar, 14 bitstr.
std::optional<engine::Atom> attri_type_code(int64_t code);
std::optional<int64_t> attri_type_code(engine::Atom type);
bool numeric_type(const engine::Term& type);  // int, pac, zon, bin
bool fixchar_type(const engine::Term& type);  // char, svchar, bits
bool vchar_type(const engine::Term& type);    // vchar or a list beginning with vchar

// The standard variable of a key (Err, Errmsg, ...): [Name, Type, Length,
// Decimals, Picture, X6, '', '', 0].
std::optional<engine::Term> standard_variable(const engine::Term& key);
// call_attri/2: the standard-variable table, else attri_i(Att, Desc), else
// the description of Other for is_i(Att, [t(Other, _) | _]) (the first
// such fact only, followed further).
std::optional<engine::Term> call_attri(const Run& run, const engine::Term& att);

struct AttriType {
  engine::Term type;  // a type atom
  engine::Term length;
  engine::Term decimals;
  engine::Term picture;  // attri_type_pic/6 only
};
// get_attri_type/5: from call_attri/2, else the knowledge base
// (i_attri_type/5) with its code mapped by attri_type_code/2.
std::optional<AttriType> get_attri_type(Run& run, const engine::Term& model,
                                        const engine::Term& att);
// attri_type_pic/6: the same with the picture (knowledge base: get_attri_pic/3).
std::optional<AttriType> attri_type_pic(Run& run, const engine::Term& model,
                                        const engine::Term& att);
// get_attri_name/3: from call_attri/2, else the knowledge base (i_attri_name/4).
std::optional<engine::Term> get_attri_name(Run& run, const engine::Term& model,
                                           const engine::Term& att);
// get_attri_name/3 of the current model (0 without one), which is read only
// when the knowledge base must answer.
std::optional<engine::Term> current_attri_name(Run& run, const engine::Term& att);
// att_title/3 (Model, Attribute, Title): a standard variable's title (the
// seventh item of its description), else the knowledge base's title of the
// attribute (i_attri_info/10), else ''.
std::string att_title(Run& run, const engine::Term& model, const engine::Term& att);
// get_attri_pic/3: from call_attri/2, else the knowledge base (i_attri_pic/3).
std::optional<engine::Term> get_attri_pic(Run& run, const engine::Term& model,
                                          const engine::Term& att);
// attri_pic/2: get_attri_pic/3 for the current model.
std::optional<engine::Term> attri_pic(Run& run, const engine::Term& att);
// var_dim/2: the dimensions of a variable from rule_i(_, dim(Var, Dims)).
std::optional<engine::Term> var_dim(const Run& run, const engine::Term& var);
// attri_name_or_self/2: the Name of attri_i(Att, [Name | _]), else Att when
// it is not a number.
std::optional<engine::Term> attri_name_or_self(const Run& run, const engine::Term& att);
// ext_attri_name/3: map_i(Obj, a, Att, [Name | _]), else
// attri_name_or_self/2, else the knowledge-base name of Att in the model
// paired with the current one.
std::optional<engine::Term> ext_attri_name(Run& run, const engine::Term& att,
                                           const engine::Term& obj);
// mapped_i_name/3: map_i(Obj, i, Name, [Out | _]), else Name.
engine::Term mapped_i_name(const Run& run, const engine::Term& name, const engine::Term& obj);

}  // namespace qn::logic
