#include "logic/web/static_urls.h"

#include <algorithm>
#include <string>

#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/program/expressions.h"
#include "logic/program/pgm_calls.h"
#include "logic/program/program_frame.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

// This generator's number, and the generators that write static pages.
constexpr int64_t kThisGenerator = 11;
bool writes_static_pages(int64_t generator) { return generator == 8 || generator == 11; }

Term tk(std::string_view text, int64_t kind) { return fact("t", {atom(text), num(kind)}); }
Term plus() { return tk("+", kTokAddOp); }
Term text_const(std::string_view text) { return tk("\"" + std::string(text) + "\"", kTokConstant); }

void append(std::vector<Term>& out, const Term& tokens) {
  for (const Term& t : tokens.list_items()) out.push_back(t);
}

int64_t kind_of(const Term& tok) {
  return tok.is_compound() && tok.arity() >= 2 && tok.arg(2).is_int() ? tok.arg(2).as_int() : -1;
}

bool is_dimensioned(Run& run, const Term& name) {
  const std::string n = text_of(name);
  for (const Term& v : {atom(n), atom(strip_ampersand(n)), atom("&" + strip_ampersand(n))}) {
    if (run.facts().exists(fact("rule_i", {var(), fact("dim", {v, var()})}))) return true;
  }
  return false;
}

bool opens_level(Run& run, const std::vector<Term>& toks, size_t at) {
  const Term& tok = toks[at];
  const int64_t k = kind_of(tok);
  if (k == kTokOpen) return true;
  if (k == kTokFunction) {
    std::string text = platform::lower_1252(text_of(tok.arg(1)));
    for (const char* kw : {"trn", "confirm", "insert", "update", "delete", "true", "false"}) {
      if (text == kw) return false;
    }
    return true;
  }
  if (k == kTokVariable && at + 1 < toks.size()) {
    switch (kind_of(toks[at + 1])) {
      case kTokClose:
      case kTokComma:
      case kTokAddOp:
      case kTokMulOp:
      case kTokLogical:
      case kTokCompare:
        return false;
      default:
        return is_dimensioned(run, tok.arg(1));
    }
  }
  return false;
}

}  // namespace

bool web_static_generation(Run& run) {
  return pgm_prop_upper(run, "WEB_GEN_MODE").value_or("") == "STATIC" &&
         writes_static_pages(kThisGenerator);
}

bool target_static_mode(Run& run, const Term& target) {
  if (platform::upper_1252(config_value(run, "WEB_GEN_MODE").value_or("")) != "STATIC")
    return false;
  const std::string want = platform::lower_1252(text_of(target));
  for (const Term& f : run.facts().clauses("pgm_gen_i", 2)) {
    if (platform::lower_1252(text_of(f.arg(1))) != want) continue;
    return f.arg(2).is_int() && writes_static_pages(f.arg(2).as_int());
  }
  return writes_static_pages(kThisGenerator);
}

Term static_parm_expr(const Term& tokens, const OptType& type) {
  std::vector<Term> out;
  if (type && (type->type == "char" || type->type == "svchar" || type->type == "vchar")) {
    out = {tk("encodeStaticParm(", kTokFunction), tk("rtrim(", kTokFunction)};
    append(out, tokens);
    out.push_back(tk(")", kTokClose));
    out.push_back(tk(")", kTokClose));
  } else if (is_numeric(type)) {
    out = {tk("ltrim(", kTokFunction), tk("str(", kTokFunction)};
    append(out, tokens);
    out.push_back(tk(",", kTokComma));
    out.push_back(tk(std::to_string(type->length), kTokConstant));
    out.push_back(tk(",", kTokComma));
    out.push_back(tk(std::to_string(type->decimals), kTokConstant));
    out.push_back(tk(")", kTokClose));
    out.push_back(tk(")", kTokClose));
  } else if (type && (type->type == "date" || type->type == "dtime")) {
    out = {tk(type->type == "date" ? "QNWebDate2Str(" : "QNWebTime2Str(", kTokFunction)};
    append(out, tokens);
    out.push_back(tk(")", kTokClose));
  } else {
    return tokens;
  }
  return Term::list(out);
}

Term static_file_expr(std::string_view program, const std::vector<PageParm>& parms) {
  std::vector<Term> out{text_const(platform::lower_1252(std::string(program)))};
  for (size_t k = 0; k < parms.size(); ++k) {
    out.push_back(plus());
    out.push_back(text_const(k == 0 ? "_" : ","));
    out.push_back(plus());
    append(out, static_parm_expr(parms[k].tokens, parms[k].type));
  }
  out.push_back(plus());
  out.push_back(text_const(".html"));
  return Term::list(out);
}

Term static_file_name(Run& run) {
  std::vector<PageParm> parms;
  for (const Term& p : get_pgm_parms(run).list_items()) {
    auto rp = routine_parms(p);
    if (!rp) continue;
    const std::string name = text_of(rp->name);
    const int64_t kind = name.starts_with('&') ? kTokVariable : kTokAttribute;
    parms.push_back({Term::list({tk(name, kind)}), var_type(run, rp->name)});
  }
  std::string program;
  if (auto spec = spec_list(run); spec && spec->is_list()) {
    auto items = spec->list_items();
    if (items.size() >= 4) program = kind_pgm_name(run, text_of(items[3]));
  }
  return static_file_expr(program, parms);
}

Term static_file_path(Run& run) {
  std::vector<Term> out{tk("staticdir(", kTokFunction), tk(")", kTokClose), plus()};
  append(out, static_file_name(run));
  return Term::list(out);
}

Term url_param_tokens(const Term& file) {
  std::vector<Term> out{tk("prefixurl(", kTokFunction), tk("urlencode(", kTokFunction)};
  append(out, file);
  out.push_back(tk(")", kTokClose));
  out.push_back(tk(")", kTokClose));
  return Term::list(out);
}

bool static_gen_cond(Run& run, const Term& target, const Term& arg_tokens, const Term& file) {
  auto call0 = [](std::string_view f) {
    return std::vector<Term>{tk(std::string(f) + "(", kTokFunction), tk(")", kTokClose)};
  };
  auto in_dir = [&](std::string_view f) {
    std::vector<Term> out{tk(std::string(f) + "(", kTokFunction), tk("staticdir(", kTokFunction),
                          tk(")", kTokClose), plus()};
    append(out, file);
    out.push_back(tk(")", kTokClose));
    return out;
  };
  auto is = [](std::vector<Term> x, std::string_view value) {
    x.push_back(tk("=", kTokCompare));
    x.push_back(tk(value, kTokConstant));
    return x;
  };
  std::vector<Term> cond;
  auto add = [&](const std::vector<Term>& x) { cond.insert(cond.end(), x.begin(), x.end()); };
  add(is(call0("staticgeneration"), "1"));
  cond.push_back(tk("AND", kTokLogical));
  add(is(call0("staticexpandlinks"), "1"));
  cond.push_back(tk("AND", kTokLogical));
  cond.push_back(tk("(", kTokOpen));
  cond.push_back(tk("(", kTokOpen));
  add(is(call0("staticoverwrite"), "1"));
  cond.push_back(tk("AND", kTokLogical));
  add(is(in_dir("staticgenerated"), "0"));
  cond.push_back(tk(")", kTokClose));
  cond.push_back(tk("OR", kTokLogical));
  add(is(in_dir("fileexist"), "0"));
  cond.push_back(tk(")", kTokClose));
  if (!emit_if(run, Term::list(cond), {})) return false;
  const bool called = gen_pgm_call(run, "udp", target.arg(1), kTokLink, arg_tokens, {});
  if (!called) emit_comment(run, {"The page of the link is not written:", engine::writeq(target)});
  return emit_close_blocks(run, num(1));
}

std::optional<Term> static_link_tokens(Run& run, const std::vector<Term>& args) {
  if (args.empty() || !args[0].is_cons() || args[0].tail().is_cons()) return std::nullopt;
  const Term& target = args[0].head();
  if (!target.is_compound() || target.arity() < 2 || target.arg(2) != num(kTokLink))
    return std::nullopt;
  const Term& o = target.arg(1);
  if (!o.is_compound() || o.functor() != "o" || o.arity() != 2) return std::nullopt;
  const std::string program =
      platform::lower_1252(kind_letter(text_of(o.arg(1))) + text_of(o.arg(2)));
  if (!target_static_mode(run, atom(program))) return std::nullopt;
  std::vector<PageParm> parms;
  std::vector<Term> arg_tokens;
  for (size_t k = 1; k < args.size(); ++k) {
    auto x = exp_to_java(run, args[k], {});
    if (!x) return std::nullopt;
    parms.push_back({args[k], x->type});
    if (k > 1) arg_tokens.push_back(tk(",", kTokComma));
    append(arg_tokens, args[k]);
  }
  const Term file = static_file_expr(program, parms);
  if (!static_gen_cond(run, target, Term::list(arg_tokens), file)) return std::nullopt;
  return url_param_tokens(file);
}

TakenArgs take_arg_tokens(Run& run, const Term& tokens, int depth,
                          std::initializer_list<int64_t> stop_kinds) {
  TakenArgs out;
  const std::vector<Term> toks = tokens.list_items();
  for (size_t at = 0; at < toks.size(); ++at) {
    const int64_t k = kind_of(toks[at]);
    if (depth == 0 && std::find(stop_kinds.begin(), stop_kinds.end(), k) != stop_kinds.end()) {
      out.stopped = true;
      out.rest.assign(toks.begin() + static_cast<std::ptrdiff_t>(at) + 1, toks.end());
      return out;
    }
    if (k == kTokClose && depth > 0) --depth;
    if (opens_level(run, toks, at)) ++depth;
    out.taken.push_back(toks[at]);
  }
  return out;
}

std::vector<Term> split_arg_tokens(Run& run, const Term& tokens) {
  std::vector<Term> groups;
  if (!tokens.is_cons()) return groups;
  Term rest = tokens;
  while (true) {
    TakenArgs t = take_arg_tokens(run, rest, 0, {kTokComma, 17, 18, 19});
    groups.push_back(Term::list(t.taken));
    if (!t.stopped) break;
    rest = Term::list(t.rest);
  }
  return groups;
}

}  // namespace qn::logic
